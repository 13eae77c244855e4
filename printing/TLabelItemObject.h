#pragma once

#include <QString>
#include <QtGlobal>

#include "document/BarcodeSymbology.h"
#include "document/BrushStyle.h"
#include "document/ItemKinds.h"

struct PrintItemValue;

// One label item as the sheet renderer holds it while printing: distances in inches from
// the label's origin, font sizes in points, colours as stored (red in the lowest byte).
struct TLabelItemObject {
    LabelItemKind Kind = LabelItemKind::Text;
    double Top = 0;
    double Left = 0;
    double Width = 0;
    double Height = 0;
    double FontSize = 0;
    qint32 FontColor = 0;
    qint32 Angle = 0; // degrees counter-clockwise
    QString Text;
    QString FontName;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    double RelativeX = 0; // where the text starts inside the item's box
    double RelativeY = 0;
    qint32 LineColor = 0;
    qint32 PenWidth = 0; // negated hundredths of an inch, as the engine takes pen widths
    qint32 Rounding = 0; // percent
    QString FileName;
    qint32 AsciiChar = 0;
    qint32 Color = 0;
    TBrushStyle BrushStyle = TBrushStyle::Clear;
    // barcode; the bars take Color
    BarcodeSymbology Symbology = BarcodeSymbology::Code128;
    QString Data; // field references not yet filled in
    bool ShowText = true;
    qint32 Background = 0xFFFFFF;

    static TLabelItemObject From(const PrintItemValue& value);
};
