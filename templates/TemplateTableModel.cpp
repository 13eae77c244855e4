#include "templates/TemplateTableModel.h"

#include "storage/DataTable.h"

#include <iterator>

namespace {
enum class Kind { Text, Number, Count };
struct Column {
    const char* field;
    const char* title;
    int chars;
    Kind kind;
};
// The name column has no width of its own; 40 characters show every stock name whole.
const Column Columns[] = {
    {"TEMPLATE", "Description", 40, Kind::Text}, {"LBLHEIGHT", "Height", 6, Kind::Number},
    {"LBLWIDTH", "Width", 6, Kind::Number},      {"NBRACROSS", "# Across", 8, Kind::Count},
    {"NBRDOWN", "# Down", 8, Kind::Count},
};
constexpr int ColumnCount = int(std::size(Columns));

// A measurement as the grid shows it: its shortest decimal form ("1", "2.625", "0.1875"),
// always with "." like every stored number.
QString CellText(const DataTable& table, const Column& column) {
    const QString field = QString::fromLatin1(column.field);
    if (table.IsBlank(field))
        return {};
    switch (column.kind) {
    case Kind::Number:
        return QString::number(table.Float(field), 'g', 10);
    case Kind::Count:
        return QString::number(table.Integer(field));
    case Kind::Text:
        break;
    }
    return table.Text(field);
}
} // namespace

TemplateTableModel::TemplateTableModel(DataTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {
    Reload();
}

void TemplateTableModel::Reload() {
    beginResetModel();
    rows_.clear();
    const quint32 current = table_.RecNo();
    for (table_.First(); !table_.Eof(); table_.Next()) {
        Row row{table_.RecNo(), {}};
        for (const Column& column : Columns)
            row.values << CellText(table_, column);
        rows_.append(row);
    }
    table_.Go(current);
    indicatorRow_ = -1;
    endResetModel();
}

int TemplateTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int TemplateTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TemplateTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size() || index.column() >= ColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return rows_.at(index.row()).values.at(index.column());
    if (role == Qt::TextAlignmentRole && Columns[index.column()].kind != Kind::Text)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant TemplateTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal && section >= 0 && section < ColumnCount)
        return QString::fromLatin1(Columns[section].title);
    if (orientation == Qt::Vertical)
        return section == indicatorRow_ ? QStringLiteral("\u25B8") : QString();
    return {};
}

void TemplateTableModel::SetIndicatorRow(int row) {
    const int previous = indicatorRow_;
    indicatorRow_ = row;
    for (int section : {previous, row})
        if (section >= 0 && section < rows_.size())
            emit headerDataChanged(Qt::Vertical, section, section);
}

quint32 TemplateTableModel::RecordAt(int row) const {
    return row >= 0 && row < rows_.size() ? rows_.at(row).record : 0;
}

int TemplateTableModel::RowOf(quint32 recordNumber) const {
    for (int row = 0; row < rows_.size(); ++row)
        if (rows_.at(row).record == recordNumber)
            return row;
    return -1;
}

int TemplateTableModel::ColumnChars(int column) {
    return column >= 0 && column < ColumnCount ? Columns[column].chars : 0;
}
