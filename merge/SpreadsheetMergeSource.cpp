#include "merge/SpreadsheetMergeSource.h"

#include "merge/MergeSourceError.h"
#include "merge/spreadsheet/SpreadsheetError.h"
#include "merge/spreadsheet/SpreadsheetReader.h"
#include <QCoreApplication>

namespace {

// "C" for the third column, "AA" for the 27th.
QString ColumnName(int column) {
    QString name;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        name.prepend(QChar(u'A' + (n - 1) % 26));
    return name;
}

} // namespace

template <class Step> auto SpreadsheetMergeSource::Read(Step step) const {
    try {
        return step();
    } catch (const SpreadsheetError& error) {
        throw MergeSourceError(fileName_, 0, record_ > 0 ? record_ + 1 : 0, error.Message());
    }
}

SpreadsheetMergeSource::SpreadsheetMergeSource(const QString& fileName, const QString& sheet)
    : fileName_(fileName) {
    reader_ = Read([&] { return SpreadsheetReader::Open(fileName, sheet); });
    QStringList names;
    if (!Read([&] { return reader_->NextRow(names); }))
        throw MergeSourceError(
            fileName_, 0, 0,
            QCoreApplication::translate("SpreadsheetMergeSource",
                                        "the sheet \"%1\" is empty; its first row must "
                                        "name the fields")
                .arg(reader_->SheetName()));
    for (int i = 0; i < names.size(); ++i)
        if (names[i].trimmed().isEmpty())
            throw MergeSourceError(
                fileName_, 0, 0,
                QCoreApplication::translate("SpreadsheetMergeSource",
                                            "sheet \"%1\", row %2: column %3 has no field "
                                            "name")
                    .arg(reader_->SheetName())
                    .arg(reader_->RowNumber())
                    .arg(ColumnName(i)));
    SetFieldNames(names);
    reader_->SetColumnLimit(int(names.size()));
}

SpreadsheetMergeSource::~SpreadsheetMergeSource() = default;

QStringList SpreadsheetMergeSource::SheetNames() const {
    return Read([&] { return reader_->SheetNames(); });
}

QString SpreadsheetMergeSource::SheetName() const {
    return reader_->SheetName();
}

// Back to the first record, past the row of names.
void SpreadsheetMergeSource::Rewind() {
    record_ = 0;
    values_.clear();
    Read([&] {
        reader_->Rewind();
        QStringList names;
        reader_->NextRow(names);
    });
}

bool SpreadsheetMergeSource::Next() {
    if (!Read([&] { return reader_->NextRow(values_); })) {
        values_.clear();
        return false;
    }
    ++record_;
    while (values_.size() < FieldNames().size())
        values_.append(QString());
    return true;
}
