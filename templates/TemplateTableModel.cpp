#include "templates/TemplateTableModel.h"

#include "document/PaperSizes.h"
#include "storage/TemplateTable.h"

#include <QBrush>
#include <QCoreApplication>
#include <QFont>
#include <QLocale>
#include <QPalette>

#include <iterator>

namespace {
enum class Kind { Text, Number, Count };
struct Column {
    const char* title;
    int chars;
    Kind kind;
};
// The name column has no width of its own; 40 characters show most names whole.
const Column Columns[] = {
    {QT_TRANSLATE_NOOP("TemplateTableModel", "Description"), 40, Kind::Text},
    {QT_TRANSLATE_NOOP("TemplateTableModel", "Height (in)"), 6, Kind::Number},
    {QT_TRANSLATE_NOOP("TemplateTableModel", "Width (in)"), 6, Kind::Number},
    {QT_TRANSLATE_NOOP("TemplateTableModel", "# Across"), 8, Kind::Count},
    {QT_TRANSLATE_NOOP("TemplateTableModel", "# Down"), 8, Kind::Count},
    {QT_TRANSLATE_NOOP("TemplateTableModel", "Paper"), 20, Kind::Text},
};
constexpr int ColumnCount = int(std::size(Columns));

// A measurement as the grid shows it: its shortest decimal form ("1", "2.625", "0.1875")
// with the locale's decimal mark ("2,625" in German); the table keeps the number itself.
QString Measure(float inches, QLocale locale) {
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(double(inches), 'g', 6);
}

QStringList CellTexts(const LabelTemplate& t) {
    const SheetGeometry& g = t.geometry;
    const QLocale locale;
    return {t.name,
            Measure(g.labelHeight, locale),
            Measure(g.labelWidth, locale),
            QString::number(g.labelsAcross),
            QString::number(g.labelsDown),
            PaperSizes::ShownName(g, locale)};
}
} // namespace

TemplateTableModel::TemplateTableModel(TemplateTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {
    Reload();
}

void TemplateTableModel::Reload() {
    beginResetModel();
    all_.clear();
    const quint32 current = table_.RecNo();
    for (table_.First(); !table_.Eof(); table_.Next()) {
        const LabelTemplate t = table_.Current();
        all_.append({table_.RecNo(), t, CellTexts(t)});
    }
    table_.Go(current);
    Refilter();
    indicatorRow_ = -1;
    endResetModel();
}

void TemplateTableModel::SetSearch(const TemplateSearch& search) {
    beginResetModel();
    search_ = search;
    Refilter();
    indicatorRow_ = -1;
    endResetModel();
}

void TemplateTableModel::SetRecent(const QStringList& names) {
    beginResetModel();
    recent_ = names;
    Refilter();
    indicatorRow_ = -1;
    endResetModel();
}

void TemplateTableModel::Refilter() {
    shown_.clear();
    QVector<bool> taken(all_.size(), false);
    // The recent ones first, latest first; each name once.
    for (const QString& name : recent_)
        for (int i = 0; i < all_.size(); ++i)
            if (!taken[i] && all_[i].labelTemplate.name == name) {
                taken[i] = true;
                if (search_.Matches(all_[i].labelTemplate))
                    shown_.append(i);
                break;
            }
    recentShown_ = int(shown_.size());
    for (int i = 0; i < all_.size(); ++i)
        if (!taken[i] && search_.Matches(all_[i].labelTemplate))
            shown_.append(i);
}

int TemplateTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(shown_.size());
}

int TemplateTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TemplateTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= shown_.size() || index.column() >= ColumnCount)
        return {};
    const Row& row = all_.at(shown_.at(index.row()));
    if (role == Qt::DisplayRole)
        return row.values.at(index.column());
    if (role == Qt::TextAlignmentRole && Columns[index.column()].kind != Kind::Text)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::ToolTipRole && index.column() == 0) {
        const LabelTemplate& t = row.labelTemplate;
        QString tip = t.name;
        if (!t.equivalents.isEmpty())
            tip += tr("\nSame sheet: ") + t.equivalents;
        if (IsRecent(index.row()))
            tip += tr("\nUsed lately");
        return tip;
    }
    return {};
}

QVariant TemplateTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal && section >= 0 && section < ColumnCount)
        return QCoreApplication::translate("TemplateTableModel", Columns[section].title);
    if (orientation == Qt::Vertical) {
        if (section == indicatorRow_)
            return QStringLiteral("\u25B8");
        return IsRecent(section) ? QStringLiteral("\u2605") : QString();
    }
    return {};
}

void TemplateTableModel::SetIndicatorRow(int row) {
    const int previous = indicatorRow_;
    indicatorRow_ = row;
    for (int section : {previous, row})
        if (section >= 0 && section < shown_.size())
            emit headerDataChanged(Qt::Vertical, section, section);
}

quint32 TemplateTableModel::RecordAt(int row) const {
    return row >= 0 && row < shown_.size() ? all_.at(shown_.at(row)).record : 0;
}

int TemplateTableModel::RowOf(quint32 recordNumber) const {
    for (int row = 0; row < shown_.size(); ++row)
        if (all_.at(shown_.at(row)).record == recordNumber)
            return row;
    return -1;
}

const LabelTemplate* TemplateTableModel::TemplateAt(int row) const {
    return row >= 0 && row < shown_.size() ? &all_.at(shown_.at(row)).labelTemplate : nullptr;
}

bool TemplateTableModel::IsRecent(int row) const {
    return row >= 0 && row < recentShown_;
}

int TemplateTableModel::ColumnChars(int column) {
    return column >= 0 && column < ColumnCount ? Columns[column].chars : 0;
}
