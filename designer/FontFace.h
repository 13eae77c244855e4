#pragma once

#include <QString>

// The font a stored face name draws and prints with. A label made elsewhere may name a face
// this system lacks ("Arial" on a free desktop); the font system then draws it with a
// stand-in of the same metrics ("Liberation Sans"), which is what the user should see named.
class FontFace {
public:
    // True when the family is one of the system's own (any case).
    static bool Installed(const QString& family);
    // The family that draws the stored face: the face itself, spelled as installed, when it
    // is installed; else the family the font system puts in its place.
    static QString Printed(const QString& stored);
};
