#pragma once

#include <QString>
#include <QStringList>

#include "document/BuiltInFields.h"

class ChosenPositions;
class MergeSource;
struct SheetGeometry;

// One job's walk through a merge source: every record fills copies chosen positions, in the
// sheet's visiting order, and the job runs as many sheets as that takes. Uncollated (the
// default) a record's copies stand together (1 1 2 2 3 3); collated the whole set of records
// runs once per copy (1 2 3 1 2 3), each set following on from the last.
// The sheet renderer asks it for the record of each position it is about to draw and draws
// a text item's field references through it.
class MergeRun {
public:
    // Reads the whole source once (MergeSourceError when any record is bad) so that nothing
    // is drawn from a source that would fail half-way.
    MergeRun(MergeSource& source, int copies, bool collate = false);

    // A range of the source's records only, from first to last (counted from 1; last past the
    // end: to the end). MergeSourceError when the source has no record from first on.
    struct Range {
        long long first = 1;
        long long last = 0; // 0: to the end
    };
    MergeRun(MergeSource& source, int copies, bool collate, Range range);

    // The records the job prints (of its range).
    long long Records() const { return records_; }
    int Copies() const { return copies_; }
    bool Collated() const { return collate_; }
    // The sheets the job takes when positionsPerSheet positions of each sheet are drawn.
    long long SheetsFor(int positionsPerSheet) const;
    // The most sheets one job draws; a merge that would take more is refused before it starts.
    static constexpr long long MaxSheets = 1000000;
    // Why the job cannot run on a sheet of geometry with the chosen positions ("" when it can):
    // it would take more than MaxSheets sheets, or the sheet offers no position.
    QString SheetLimitError(const SheetGeometry& geometry, const ChosenPositions& chosen) const;
    // The positions a sheet of geometry offers under the chosen positions.
    static int PositionsPerSheet(const SheetGeometry& geometry, const ChosenPositions& chosen);

    // Back to before the first label; the renderer calls it when its drawing starts.
    void Start();
    // Moves to the record of the next drawn position; false when every label is drawn.
    bool NextPosition();
    // text with its field references replaced from the current record and the built-in
    // fields from builtIns. A field neither knows shows as "{Name?}".
    QString Substitute(const QString& text, const BuiltInFieldValues& builtIns) const;
    // "Record n of m" ("…, set k of c" when collated), for the status window.
    QString Progress() const;
    // The record drawn now, numbered as in the source, from 1.
    long long CurrentRecord() const { return current_; }
    // The source's file (or connection) name.
    QString SourceFileName() const;

    // The fields that the text items of objectsText name and the source lacks, once each.
    QStringList MissingFields(const QString& objectsText) const;
    // The warning line about them, or "" when there are none.
    QString MissingFieldsWarning(const QString& objectsText) const;

private:
    bool NextCollated();
    // Back to before the range's first record.
    void RewindToRange();

    MergeSource& source_;
    int copies_;
    bool collate_;
    long long records_ = 0;
    long long first_ = 1;   // the range's first record, from 1
    long long current_ = 0; // the record drawn now, from 1; first_ - 1 before the first
    int copy_ = 0;          // copies of the current record drawn so far; collated: the set
};
