#pragma once

#include "document/PrintItemValue.h"

#include <QString>

#include <vector>

// What the print side reads from an objects text: one record per item block of a known kind
// (a block of a kind this version does not know is skipped), and the label's counter settings (the
// last STARTINGNUMBER and REPEATEACH read; 0 when the label has no counter).
struct PrintItemsText {
    std::vector<PrintItemValue> items;
    int startingNumber = 0;
    int repeatEach = 0;

    // Index of the last record, -1 when the text holds no item.
    int lastIndex() const { return static_cast<int>(items.size()) - 1; }
};

// Reads the objects text for printing. Lines and conversions are those of the design side:
// the first line without "=" ends the text, keys and words compare exactly, "." is the
// separator, flags are "Y", unknown brush style names leave the style as it was. TEXT, DATA,
// FONTNAME and FILENAMEANDPATH are emptied at every LABELITEM line; numbers and flags carry
// over from block to block. Values are kept whole. A malformed number throws ConversionError.
PrintItemsText ReadPrintItems(const QString& text);
