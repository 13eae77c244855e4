#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>

class DataTable;

// The template table as the catalogue lists it: one row per template in the table's current
// order ("TEMPLATE" order), with the columns Description, Height, Width, # Across, # Down.
// Read-only: rows are read by Reload, so showing them never moves the table's record pointer
// and the grid can neither edit, insert nor delete a row.
class TemplateTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TemplateTableModel(DataTable& table, QObject* parent = nullptr);

    // Reads the rows afresh (after the table changed); the record pointer is kept.
    void Reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The row the row indicator points at (the selected one; -1 for none).
    void SetIndicatorRow(int row);

    quint32 RecordAt(int row) const;       // 0 outside the rows
    int RowOf(quint32 recordNumber) const; // -1 when not listed

    // Display widths of the columns, in characters.
    static int ColumnChars(int column);

private:
    struct Row {
        quint32 record;
        QStringList values;
    };
    DataTable& table_;
    QVector<Row> rows_;
    int indicatorRow_ = -1;
};
