#pragma once

#include "document/PrintItemValue.h"

#include <QString>

#include <vector>

// What the print side reads from an objects text: one record per item block of a known kind
// (a block of a kind this version does not know is skipped), and the label's counter settings
// (the last STARTINGNUMBER and REPEATEACH read; 0 when the label has no counter).
struct PrintItemsText {
    std::vector<PrintItemValue> items;
    int startingNumber = 0;
    int repeatEach = 0;

    // Index of the last record, -1 when the text holds no item.
    int lastIndex() const { return static_cast<int>(items.size()) - 1; }
};

// The print side's reading of an objects text (the same parse as the design side's):
// distances stay in inches as written, RELATIVEX and RELATIVEY are read, the pen width becomes
// negated hundredths of an inch taken at 96 pixels per inch, ORIENTATION keeps its first
// character. TEXT, DATA, FONTNAME and FILENAMEANDPATH are emptied at every LABELITEM line;
// numbers and flags carry over from block to block. Values are kept whole. A malformed value
// throws ConversionError.
PrintItemsText ReadPrintItems(const QString& text);
