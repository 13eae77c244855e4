#pragma once

#include <QDialog>

#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;
class MergeSource;

// "Merge": the merge source of the current label. Shows the file, its fields as the grid's
// columns and its first records as rows; "Choose File…" picks another source, "No Merge"
// prints the label without one again, and the box keeps the choice in QV.INI for the label.
class TMergeSourceDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int ShownRecords = 10;

    explicit TMergeSourceDialog(QWidget* parent = nullptr);
    ~TMergeSourceDialog() override;

    QLabel* FileLabel;
    QTableWidget* FieldsGrid;
    QCheckBox* RememberBox;
    QPushButton* ChooseButton;
    QPushButton* NoMergeButton;
    QPushButton* OkButton;
    QPushButton* MouseHelpButton = nullptr;
    QPushButton* CancelButton;

    // Opens fileName and shows it; a source that cannot be read is reported and the
    // dialog keeps what it showed. True when the file was taken.
    bool ShowSource(const QString& fileName);
    // The chosen file, empty when the label is to print without a source.
    QString FileName() const { return fileName_; }

    // "Choose File…": an open-file dialog through the prompter, then ShowSource.
    void ChooseButtonClick();
    void NoMergeButtonClick();
    // OK: reads the whole source so that a bad record shows now, not at printing.
    void OkButtonClick();

private:
    void FillGrid(MergeSource& source);
    QString fileName_;
};
