#pragma once

#include <QtGlobal>

// The preview stream: a header, then records of one opcode byte and its operands
// (QDataStream, Qt 6.0 encoding). Lengths are in inches, colours are ARGB.
namespace PreviewStreamFormat {

inline constexpr quint32 kMagic = 0x51565250; // "QVRP"
inline constexpr quint16 kVersion = 1;

enum Op : quint8 {
    PageBegin = 1, // double width, double height
    PageEnd = 2,
    Pen = 3,   // quint32 argb, qint8 style, double width
    Brush = 4, // quint32 argb, qint8 style, double originX, originY, qint32 pattern id (-1 none)
    Font = 5,  // QString name, double size, quint8 styles, quint32 argb
    Text = 6,  // double x, y, baseline offset, angle, QString text
    Rect = 7,  // double left, top, right, bottom
    RoundRect = 8, // rect, double corner width, height
    Ellipse = 9,   // rect
    Line = 10,     // double x1, y1, x2, y2
    Image = 11,    // rect, qint32 id
    ImageDef = 12, // qint32 id, QByteArray png
    DocEnd = 13,
    Mirror = 14, // double axis: the rest of the page reversed (x becomes axis - x)
    Path = 15,   // quint32 argb, QPainterPath: a filled shape
    Clip = 16,   // rect: drawing stays inside it; an empty rect lifts the clip
};

enum FontStyle : quint8 { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };

} // namespace PreviewStreamFormat
