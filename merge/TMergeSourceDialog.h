#pragma once

#include <QDialog>

#include <memory>

#include "merge/MergeRun.h"

class DatabasePasswords;
class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;
class QPushButton;
class QTableWidget;
class MergeSource;

// "Merge": the merge source of the current label. Shows the source, its fields as the grid's
// columns and its first records as rows; "Choose File…" picks a file (CSV, dBASE, ODS,
// XLSX; a spreadsheet's sheet in the box), "Database…" a database's table or query, "No
// Merge" prints the label without one again, and the box keeps the choice in QV.INI for the
// label (a database's without its password).
class TMergeSourceDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int ShownRecords = 10;

    // passwords answers a database that wants one; it may be null.
    explicit TMergeSourceDialog(QWidget* parent = nullptr, DatabasePasswords* passwords = nullptr);
    ~TMergeSourceDialog() override;

    QLabel* FileLabel;
    QLabel* SheetLabel;
    QComboBox* SheetBox; // a spreadsheet's sheets; hidden for other sources
    QTableWidget* FieldsGrid;
    QLabel* RecordsLabel; // "95 records"
    QSpinBox* FromRecordBox;
    QSpinBox* ToRecordBox;
    QCheckBox* RememberBox;
    QPushButton* ChooseButton;
    QPushButton* DatabaseButton;
    QPushButton* NoMergeButton;
    QPushButton* OkButton;
    QPushButton* MouseHelpButton = nullptr;
    QPushButton* CancelButton;

    // Opens the source of that MergeSourceAddress text and shows it; a source that cannot be
    // read is reported and the dialog keeps what it showed. True when the source was taken.
    bool ShowSource(const QString& fileName);
    // The chosen source as MergeSourceAddress text, empty when the label is to print without
    // one.
    QString FileName() const { return fileName_; }

    // The records a job prints: all of them, or from one to another (counted from 1).
    // Setting it before a source is shown keeps it for that source, within its records.
    void SetRange(const MergeRun::Range& range);
    MergeRun::Range Range() const;
    // How many records the shown source holds (-1 when it could not be read to the end).
    long long RecordCount() const { return records_; }

    // "Choose File…": an open-file dialog through the prompter, then ShowSource.
    void ChooseButtonClick();
    // "Database…": the database dialog, then ShowSource.
    void DatabaseButtonClick();
    // Another sheet of the spreadsheet shown.
    void SheetBoxChanged(int index);
    void NoMergeButtonClick();
    // OK: reads the whole source so that a bad record shows now, not at printing.
    void OkButtonClick();

private:
    void FillGrid(MergeSource& source);
    void FillSheets(MergeSource& source);
    void ShowRange();
    QString fileName_;
    DatabasePasswords* passwords_;
    long long records_ = 0;
    MergeRun::Range range_;
};
