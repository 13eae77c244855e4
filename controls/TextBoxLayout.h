#pragma once

#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QTransform>

#include "document/TextBoxOptions.h"

// The lines of a text item laid out in its frame, the same on the design panel and on paper:
// wrapped at the box's width, shrunk step by step until they fit, aligned across and down.
// Everything is measured with TextMeasure, so the answer does not depend on the device.
// Lengths are inches; the frame is the text's own: its x runs along the lines, its y down
// across them, before the item's rotation.

struct TextBoxFont {
    QString family;
    double points = 0;
    bool bold = false;
    bool italic = false;
};

struct TextBoxLine {
    QString text;
    double baseline = 0; // from the frame's top to the line's baseline
    double width = 0;    // the line's advance
    double anchor = 0;   // from the frame's left: where the line starts, centres or ends
    TextAlign align = TextAlign::Left;

    // Where a line of the given advance starts, so that a device whose own measure of the
    // line differs a little from the layout's still keeps it centred or flush right.
    double StartFor(double advance) const;
    double Start() const { return StartFor(width); }
};

struct TextBoxLayout {
    double points = 0; // the size the text is drawn at (below the item's own when shrunk)
    QSizeF frame;      // a box's width and height along its lines; else the lines' own block
    double ascent = 0; // of the font at points
    double descent = 0;
    QList<TextBoxLine> lines;
    // Whether every line lies within the frame. False for a box whose text is too long
    // (even at the smallest size), or whose word had to be broken inside.
    bool fits = true;
};

// Lays the lines out. With options.box the frame is boxInches (the item's width and
// height on the label), turned with the item: at 90 or 270 degrees the lines run along the
// box's height. Without a box the frame is the block of the lines, aligned to the longest,
// and nothing is wrapped or shrunk.
TextBoxLayout LayOutTextBox(const QStringList& lines, const TextBoxFont& font,
                            const TextBoxOptions& options, const QSizeF& boxInches, int angleCcw);

// A box turns by quarter turns only: the angle brought to 0, 90, 180 or 270 (the nearest,
// counter-clockwise).
int BoxAngle(int angleCcw);

// The frame of a box text to the box's own coordinates (inches from its top-left, y down),
// for a box of the given size turned by BoxAngle(angleCcw).
QTransform TextFrameToBox(const QSizeF& boxInches, int angleCcw);
