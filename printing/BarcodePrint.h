#pragma once

#include <QString>

class TBaseReport;
struct PrintItemValue;

// Draws a barcode item through the report engine, so that printer, PDF, image and preview
// stream all get the same vector shapes: the background and every bar as a filled rectangle
// without outline, the human-readable line as text. Data that the symbology cannot encode
// draws the placeholder (frame, cross, reason) instead of a symbol.
class BarcodePrint {
public:
    // data is the item's data with its field references filled in. Returns why the
    // placeholder was drawn, in plain words (naming the data as typed), or "" when the symbol
    // was. A symbology the installed Zint does not make draws the placeholder too.
    static QString Draw(TBaseReport& report, const PrintItemValue& item, const QString& data);
};
