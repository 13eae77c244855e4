#pragma once

#include <QDialog>

class DataTable;
class LabelTableModel;
class QPushButton;
class QTableView;

// "Select Label": a read-only grid over the label table in description order. The grid's
// row is the table's current record: moving the row moves the record pointer.
class TSelectLabel : public QDialog {
    Q_OBJECT
public:
    explicit TSelectLabel(DataTable& table, QWidget* parent = nullptr);

    QTableView* Grid = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* HelpButton = nullptr;
    QPushButton* MouseHelpButton = nullptr;

private:
    void GridRowChanged();

    DataTable& table_;
    LabelTableModel* model_ = nullptr;
};
