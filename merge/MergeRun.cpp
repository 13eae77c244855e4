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

MergeRun::MergeRun(MergeSource& source, int copies, bool collate)
    : source_(source), copies_(std::max(1, copies)), collate_(collate) {
    records_ = source_.Validate();
    if (records_ == 0)
        throw MergeSourceError(source_.FileName(), 0, 0, QStringLiteral("there are no records"));
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
    return QStringLiteral("%1 records with %2 copies each would take %3 sheets; one job prints "
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
    source_.Rewind();
    current_ = 0;
    copy_ = collate_ ? 1 : copies_;
}

bool MergeRun::NextPosition() {
    if (collate_)
        return NextCollated();
    if (copy_ < copies_) {
        ++copy_;
        return true;
    }
    if (current_ >= records_)
        return false;
    // The source was read whole before the job; a file changed since then is stopped at.
    if (!source_.Next())
        throw MergeSourceError(source_.FileName(), 0, current_ + 1,
                               QStringLiteral("the file has changed since the job began"));
    ++current_;
    copy_ = 1;
    return true;
}

// The next record of the set; after the last record the next set starts from the first.
bool MergeRun::NextCollated() {
    if (current_ >= records_) {
        if (copy_ >= copies_)
            return false;
        ++copy_;
        source_.Rewind();
        current_ = 0;
    }
    if (!source_.Next())
        throw MergeSourceError(source_.FileName(), 0, current_ + 1,
                               QStringLiteral("the file has changed since the job began"));
    ++current_;
    return true;
}

QString MergeRun::Substitute(const QString& text, const BuiltInFieldValues& builtIns) const {
    const FieldLookup lookup = [&](const QString& name) { return source_.Field(name); };
    return SubstituteFields(text, lookup, builtIns);
}

QString MergeRun::Progress() const {
    const QString record = QStringLiteral("Record %1 of %2").arg(current_).arg(records_);
    if (!collate_ || copies_ == 1)
        return record;
    return record + QStringLiteral(", set %1 of %2").arg(copy_).arg(copies_);
}

// A text takes field references, and so does a barcode's data.
QStringList MergeRun::MissingFields(const QString& objectsText) const {
    QStringList missing;
    for (const PrintItemValue& value : ReadPrintItems(objectsText).items) {
        const bool barcode = value.kind == LabelItemKind::Barcode;
        if (!barcode && value.kind != LabelItemKind::Text)
            continue;
        for (const QString& name : MergeFieldNames(barcode ? value.data : value.text))
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
    return QStringLiteral("Warning: %1 has no field %2")
        .arg(source_.DisplayName(), shown.join(QStringLiteral(", ")));
}
