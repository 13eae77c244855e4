#pragma once

#include "document/ConversionError.h"
#include "document/ItemKinds.h"
#include "document/StoredKeys.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

// The one reading of an objects text's grammar, shared by the design side (pixels) and the
// print side (inches): lines split at their first "=", keys looked up in the key table,
// values converted to their key's form. Reading stops at the first line without "=" (an empty
// line, or the end of the text). Keys and kind words compare exactly. Lines of keys this
// version does not know are passed over.
//
// A value that cannot be read as its key's form is kept as a malformed line rather than
// thrown at once: only a side that uses the value fails on it (the design side never reads
// RELATIVEX, the print side does).

// One line of a known key, its value converted.
struct StoredLine {
    StoredKey key = StoredKey::Nothing;
    QStringView value;     // the whole value as written, a view into StoredItems::source
    bool malformed = false; // the value is not of its key's form; StoredLineError() says why
    double inches = 0;     // Distance: the number as written, in inches; Decimal: the number
    // Integer: the number. Flag: 1 for "Y", else 0. BrushName: the style, -1 for any other
    // name. SymbologyName: the symbology.
    int number = 0;
};

// The lines of one item block, from its LABELITEM line up to the next.
struct StoredBlock {
    // False only for the lines before the first LABELITEM line, which belong to no item
    // (their values still carry over into the first).
    bool opened = false;
    QStringView word;                  // the LABELITEM value
    std::optional<LabelItemKind> kind; // nothing for a word this version does not know
    std::vector<StoredLine> lines;     // the lines of known keys after LABELITEM, in order
    // For a kind this version does not know, the block as written so that it can be written
    // back: every line but NOTHING lines, LABELITEM first, each ended by CR LF.
    QString kept;
};

struct StoredItems {
    QString source; // the text read; the lines' values are views into it
    std::vector<StoredBlock> blocks;
};

StoredItems ParseObjectsText(const QString& text);

// The conversion error of a malformed line: "'x' is not a valid integer value" and the like.
ConversionError StoredLineError(const StoredLine& line);
// Throws StoredLineError(line) when the line is malformed.
void RequireWellFormed(const StoredLine& line);
