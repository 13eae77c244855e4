#pragma once

#include "document/LabelItemValue.h"

#include <QString>

#include <vector>

// Writes the objects text of a label's items, rearmost first: every line KEY=VALUE ended by
// CR LF, each kind's lines in the order its descriptor lists them, distances in inches with
// three decimals at the current screen pixels per inch. When the finished text's length
// (CR LF counted as two characters) is a multiple of 4, the line "NOTHING=NOTHING" is
// appended, so an empty label gives exactly that one line. Line breaks inside string values
// are dropped: a value never ends the text early.
// kept holds items of kinds this version does not know, written back unchanged, each after
// the item of index `after` (-1: before the first).
struct KeptItemLines {
    int after = -1;
    QString lines; // every line ended by CR LF
    bool operator==(const KeptItemLines&) const = default;
};
QString WriteObjectsText(const std::vector<LabelItemValue>& items,
                         const std::vector<KeptItemLines>& kept = {});

// The lines of one item, each ended by CR LF, appended to text.
void AppendItemLines(QString& text, const LabelItemValue& item);
