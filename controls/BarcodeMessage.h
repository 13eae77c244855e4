#pragma once

#include <QString>

struct BarcodeType;

// Zint's refusals in plain words: what the symbology takes and what the data gives, as
// "EAN-13 / EAN-8 takes 7, 8, 12 or 13 digits; "{Name}" gives letters".
// typed: the data as the user typed it; when it names merge fields it stands in the message
// for what they gave, so that the user sees which field to mend. data: what Zint was given.
// rc and zintText: Zint's return code and its error text.
QString PlainBarcodeMessage(const BarcodeType& type, const QString& typed, const QString& data,
                            int rc, const QString& zintText);

// Zint's text without its "Error 123: " number.
QString WithoutErrorNumber(const QString& zintText);
