#include "merge/MergeRun.h"

#include <QFileInfo>
#include <QLocale>

#include <algorithm>

#include "document/ChosenPositions.h"
#include "document/LabelItemValue.h"
#include "document/MergeFields.h"
#include "document/PrintItemsReader.h"
#include "document/SheetGeometry.h"
#include "merge/MergeSource.h"
#include "merge/MergeSourceError.h"
#include <QCoreApplication>

MergeRun::MergeRun(MergeSource& source, int copies, bool collate)
    : MergeRun(source, copies, collate, Range{}) {}

MergeRun::MergeRun(MergeSource& source, int copies, bool collate, Range range)
    : source_(source), copies_(std::max(1, copies)), collate_(collate),
      first_(std::max(1LL, range.first)) {
    const long long total = source_.Validate();
    if (total == 0)
        throw MergeSourceError(source_.FileName(), 0, 0,
                               QCoreApplication::translate("MergeRun", "there are no records"));
    if (first_ > total)
        throw MergeSourceError(
            source_.FileName(), 0, 0,
            QCoreApplication::translate("MergeRun", "there is no record %1: the source holds %2")
                .arg(first_)
                .arg(total));
    const long long last = range.last > 0 ? std::min(range.last, total) : total;
    records_ = std::max(0LL, last - first_ + 1);
    if (records_ == 0)
        throw MergeSourceError(
            source_.FileName(), 0, 0,
            QCoreApplication::translate("MergeRun", "the range of records is empty"));
}

void MergeRun::RewindToRange() {
    source_.Rewind();
    for (long long skipped = 1; skipped < first_; ++skipped)
        if (!source_.Next())
            throw MergeSourceError(source_.FileName(), 0, skipped,
                                   QCoreApplication::translate(
                                       "MergeRun", "the file has changed since the job began"));
    current_ = first_ - 1;
}

long long MergeRun::SheetsFor(int positionsPerSheet) const {
    if (positionsPerSheet <= 0)
        return 0;
    const long long labels = records_ * copies_; // at most 2^53 records x 9999 copies
    return (labels + positionsPerSheet - 1) / positionsPerSheet;
}

QString MergeRun::SheetLimitError(const SheetGeometry& geometry,
                                  const ChosenPositions& chosen) const {
    const long long sheets = SheetsFor(PositionsPerSheet(geometry, chosen));
    if (sheets <= MaxSheets)
        return {};
    const QLocale locale(QLocale::English);
    return QCoreApplication::translate(
               "MergeRun", "%1 records with %2 copies each would take %3 sheets; one job prints "
                           "at most %4 sheets.")
        .arg(locale.toString(records_), locale.toString(copies_), locale.toString(sheets),
             locale.toString(MaxSheets));
}

int MergeRun::PositionsPerSheet(const SheetGeometry& geometry, const ChosenPositions& chosen) {
    const int positions = geometry.labelsAcross * geometry.labelsDown;
    if (!chosen.SpecificLabelsChosen)
        return positions;
    int count = 0;
    for (int i = 0; i < positions; ++i)
        count += chosen.isSelected(i) ? 1 : 0;
    return count;
}

void MergeRun::Start() {
    RewindToRange();
    copy_ = collate_ ? 1 : copies_;
}

bool MergeRun::NextPosition() {
    if (collate_)
        return NextCollated();
    if (copy_ < copies_) {
        ++copy_;
        return true;
    }
    if (current_ >= first_ - 1 + records_)
        return false;
    // The source was read whole before the job; a file changed since then is stopped at.
    if (!source_.Next())
        throw MergeSourceError(
            source_.FileName(), 0, current_ + 1,
            QCoreApplication::translate("MergeRun", "the file has changed since the job began"));
    ++current_;
    copy_ = 1;
    return true;
}

// The next record of the set; after the last record the next set starts from the first.
bool MergeRun::NextCollated() {
    if (current_ >= first_ - 1 + records_) {
        if (copy_ >= copies_)
            return false;
        ++copy_;
        RewindToRange();
    }
    if (!source_.Next())
        throw MergeSourceError(
            source_.FileName(), 0, current_ + 1,
            QCoreApplication::translate("MergeRun", "the file has changed since the job began"));
    ++current_;
    return true;
}

QString MergeRun::Substitute(const QString& text, const BuiltInFieldValues& builtIns) const {
    const FieldLookup lookup = [&](const QString& name) { return source_.Field(name); };
    return SubstituteFields(text, lookup, builtIns);
}

QString MergeRun::Progress() const {
    const QString record = QCoreApplication::translate("MergeRun", "Record %1 of %2")
                               .arg(current_)
                               .arg(first_ - 1 + records_);
    if (!collate_ || copies_ == 1)
        return record;
    return record +
           QCoreApplication::translate("MergeRun", ", set %1 of %2").arg(copy_).arg(copies_);
}

// A text takes field references, and so do a barcode's data and a picture's file name.
QStringList MergeRun::MissingFields(const QString& objectsText) const {
    QStringList missing;
    for (const PrintItemValue& value : ReadPrintItems(objectsText).items) {
        const bool barcode = value.kind == LabelItemKind::Barcode;
        const bool image = value.kind == LabelItemKind::Image;
        if (!barcode && !image && value.kind != LabelItemKind::Text)
            continue;
        const QString& text = barcode ? value.data : image ? value.fileName : value.text;
        for (const QString& name : MergeFieldNames(text))
            if (!source_.HasField(name) && !IsBuiltInField(name) &&
                !missing.contains(name, Qt::CaseInsensitive))
                missing.append(name);
    }
    return missing;
}

QString MergeRun::MissingFieldsWarning(const QString& objectsText) const {
    const QStringList missing = MissingFields(objectsText);
    if (missing.isEmpty())
        return {};
    QStringList shown;
    for (const QString& name : missing)
        shown.append(QStringLiteral("{") + name + QStringLiteral("?}"));
    return QCoreApplication::translate("MergeRun", "Warning: %1 has no field %2")
        .arg(source_.DisplayName(), shown.join(QStringLiteral(", ")));
}

QString MergeRun::SourceFileName() const {
    return source_.FileName();
}
