#include "app/LabelTableModel.h"

#include <QCoreApplication>
#include <QLocale>

#include "storage/DataTable.h"

namespace {
struct Column {
    const char* field;
    const char* title;
    int chars;
    bool measure; // a length in inches, shown with the locale's decimal mark
};
const Column Columns[] = {
    {"DESCRIPT", QT_TRANSLATE_NOOP("LabelTableModel", "Description"), 30, false},
    {"LBLHEIGHT", QT_TRANSLATE_NOOP("LabelTableModel", "Height \""), 5, true},
    {"LBLWIDTH", QT_TRANSLATE_NOOP("LabelTableModel", "Width \""), 5, true},
    {"NBRACROSS", QT_TRANSLATE_NOOP("LabelTableModel", "Across"), 5, false},
    {"NBRDOWN", QT_TRANSLATE_NOOP("LabelTableModel", "Down"), 5, false},
};
constexpr int ColumnCount = int(std::size(Columns));
} // namespace

LabelTableModel::LabelTableModel(DataTable& table, QObject* parent) : QAbstractTableModel(parent) {
    const quint32 current = table.RecNo();
    // The stored digits ("2.625") with the locale's decimal mark ("2,625" in German).
    const QString point = QLocale().decimalPoint();
    for (table.First(); !table.Eof(); table.Next()) {
        Row row{table.RecNo(), {}};
        for (const Column& column : Columns) {
            const QString field = QString::fromLatin1(column.field);
            QString text = table.IsBlank(field) ? QString() : table.Text(field).trimmed();
            if (column.measure)
                text.replace(QLatin1Char('.'), point);
            row.values << text;
        }
        rows_.append(row);
    }
    table.Go(current);
}

int LabelTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int LabelTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LabelTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return rows_.at(index.row()).values.at(index.column());
}

QVariant LabelTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < ColumnCount)
        return QCoreApplication::translate("LabelTableModel", Columns[section].title);
    return {};
}

quint32 LabelTableModel::RecordAt(int row) const {
    return row >= 0 && row < rows_.size() ? rows_.at(row).record : 0;
}

int LabelTableModel::RowOf(quint32 recordNumber) const {
    for (int row = 0; row < rows_.size(); ++row)
        if (rows_.at(row).record == recordNumber)
            return row;
    return -1;
}

int LabelTableModel::ColumnChars(int column) {
    return column >= 0 && column < ColumnCount ? Columns[column].chars : 0;
}
