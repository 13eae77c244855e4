#pragma once

#include <QFont>
#include <QString>

// Pixel height of the em of a font of the given point size on a device of the given pixels
// per inch: points x ppi / 72 rounded half away from zero (10 pt: 13 px at 96, 17 px at 120).
// Held within 1..10000.
int FontPixelSize(int points, int pixelsPerInch);

// The font items are drawn and measured with: the family as named, the em in pixels for the
// given resolution, bold/italic/underline as flagged, kerning off so that text measures as the
// sum of its characters' advances.
QFont MakeItemFont(const QString& family, int points, bool bold, bool italic, bool underline,
                   int pixelsPerInch);
