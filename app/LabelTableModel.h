#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>

class DataTable;

// The label table as the label chooser lists it: one row per record in the table's current
// order (description order), with the columns Description, Height ", Width ", Across, Down.
// Read-only; the rows are read once, so showing them never moves the table's record pointer.
class LabelTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit LabelTableModel(DataTable& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    quint32 RecordAt(int row) const;
    int RowOf(quint32 recordNumber) const; // -1 when not listed

    // Display widths of the columns, in characters.
    static int ColumnChars(int column);

private:
    struct Row {
        quint32 record;
        QStringList values;
    };
    QVector<Row> rows_;
};
