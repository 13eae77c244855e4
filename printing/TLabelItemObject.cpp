#include "printing/TLabelItemObject.h"

#include "document/PrintItemValue.h"

// Texts, font names and file names are kept whole: a cut file name would name another file.
TLabelItemObject TLabelItemObject::From(const PrintItemValue& value) {
    TLabelItemObject item;
    item.Kind = value.kind;
    item.Top = value.top;
    item.Left = value.left;
    item.Width = value.width;
    item.Height = value.height;
    item.FontSize = value.fontSize;
    item.FontColor = value.fontColor;
    item.Angle = value.angle;
    item.Text = value.text;
    item.FontName = value.fontName;
    item.Bold = value.bold;
    item.Italic = value.italic;
    item.Underline = value.underline;
    item.RelativeX = value.relativeX;
    item.RelativeY = value.relativeY;
    item.LineColor = value.lineColor;
    item.PenWidth = value.penWidth;
    item.Rounding = value.rounding;
    item.FileName = value.fileName;
    item.AsciiChar = value.asciiChar;
    item.Color = value.color;
    item.BrushStyle = value.brushStyle;
    item.Symbology = value.symbology;
    item.Data = value.data;
    item.ShowText = value.showText;
    item.Background = value.background;
    return item;
}
