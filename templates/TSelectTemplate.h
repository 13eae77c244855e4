#pragma once

#include <QDialog>
#include <QString>

class QKeyEvent;
class QPushButton;
class QTableView;
class QToolButton;
class TemplateTable;
class TemplateTableModel;

// "Select Label Template": the catalogue of label templates. The user picks the template for
// a label and manages the catalogue: stock templates can be picked and copied; the user's
// own (USERDEF true) can be edited and deleted too. The grid's row is the table's current
// record; on Accepted the caller reads the table's current row. The table is opened (and
// closed) by the caller.
class TSelectTemplate : public QDialog {
    Q_OBJECT
public:
    explicit TSelectTemplate(TemplateTable& table, QWidget* parent = nullptr);
    ~TSelectTemplate() override;

    static constexpr int HelpTopic = 1015;

    // The name of the template to select when the dialog first shows (the current label's).
    void SetPreselect(const QString& name) { preselect_ = name; }
    // The row the grid shows as selected (-1 when the table is empty).
    int SelectedRow() const;
    void SelectRow(int row);

    // Handlers, named after the control and the event.
    void FormActivate();
    void NewLabelClick();
    void EditLabelClick();
    void DeleteLabelClick();
    // True when the key is swallowed (Insert: the grid never adds rows by itself).
    bool LabelGridKeyDown(QKeyEvent* event);
    void OkButtonClick();
    void CancelButtonClick();
    void HelpButtonClick();

    TemplateTable& LabelDefTable;
    TemplateTableModel* Model = nullptr;
    QTableView* LabelGrid = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* NewButton = nullptr;
    QPushButton* EditButton = nullptr;
    QPushButton* DeleteButton = nullptr;
    QPushButton* HelpButton = nullptr;
    QToolButton* MouseHelpButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildGrid();
    void BuildButtons();
    void GridRowChanged();
    // Reads the rows afresh and selects the row of `record` (or the nearest row).
    void ShowRecord(quint32 record, int fallbackRow);

    QString preselect_;
    bool firstActivation_ = true;
};
