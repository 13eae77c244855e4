#pragma once

#include "storage/LabelTemplate.h"
#include "templates/TemplateSearch.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>

class TemplateTable;

// The template table as the catalogue lists it: the templates used lately first (marked with
// a star), then every other one in the table's current order ("TEMPLATE" order), narrowed to
// those a search answers. Columns: Description, Height (in), Width (in), # Across, # Down,
// Paper. Read-only: rows are read by Reload, so showing them never moves the table's record
// pointer and the grid can neither edit, insert nor delete a row.
class TemplateTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TemplateTableModel(TemplateTable& table, QObject* parent = nullptr);

    // Reads the rows afresh (after the table changed); the record pointer is kept.
    void Reload();
    // Shows only the templates `search` answers.
    void SetSearch(const TemplateSearch& search);
    // The names of the templates used lately, the latest first: listed before the others.
    void SetRecent(const QStringList& names);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The row the row indicator points at (the selected one; -1 for none).
    void SetIndicatorRow(int row);

    quint32 RecordAt(int row) const;       // 0 outside the rows
    int RowOf(quint32 recordNumber) const; // -1 when not listed
    const LabelTemplate* TemplateAt(int row) const;
    bool IsRecent(int row) const;
    int RecentCount() const { return recentShown_; }
    int TemplateCount() const { return int(all_.size()); } // before the search

    // Display widths of the columns, in characters.
    static int ColumnChars(int column);

private:
    struct Row {
        quint32 record;
        LabelTemplate labelTemplate;
        QStringList values;
    };
    void Refilter();

    TemplateTable& table_;
    QVector<Row> all_;
    QVector<int> shown_; // indexes into all_
    int recentShown_ = 0;
    TemplateSearch search_;
    QStringList recent_;
    int indicatorRow_ = -1;
};
