#pragma once

#include "document/BarcodeSymbology.h"
#include "document/BrushStyle.h"
#include "document/ObjectsTextParse.h"
#include "document/TextBoxOptions.h"

// The lines a label item writes only when they differ from their defaults (TEXTLINE … QUIET):
// both readers hold them in fields of the same names and read them alike. Unlike the older
// keys, whose values carry over from one item to the next, these start from their defaults
// in every item, so that a box or a fitted picture never spreads to the items after it.

TextAlign StoredTextAlign(QStringView value);
TextVAlign StoredTextVAlign(QStringView value);
QString TextAlignLetter(TextAlign align);
QString TextVAlignLetter(TextVAlign align);

// The fields of value (a LabelItemValue or a PrintItemValue) back at their defaults, as an
// item's block opens.
template <class Value> void ResetContentFields(Value& value) {
    value.textBox = TextBoxOptions{};
    value.fit = false;
    value.ecc = 0;
    value.quietZones = true;
}

// Stores line into value when it is one of the content keys; false for any other key.
template <class Value> bool StoreContentLine(Value& value, const StoredLine& line) {
    TextBoxOptions& box = value.textBox;
    switch (line.key) {
    case StoredKey::TextLine:
        value.text += u'\n';
        value.text += line.value;
        return true;
    case StoredKey::Box:
        box.box = line.number != 0;
        return true;
    case StoredKey::Align:
        box.align = StoredTextAlign(line.value);
        return true;
    case StoredKey::VAlign:
        box.valign = StoredTextVAlign(line.value);
        return true;
    case StoredKey::Wrap:
        box.wrap = line.number != 0;
        return true;
    case StoredKey::Shrink:
        box.shrink = line.number != 0;
        return true;
    case StoredKey::MinFontSize:
        box.minFontSize = line.inches;
        return true;
    case StoredKey::LineSpacing:
        box.lineSpacing = line.inches;
        return true;
    case StoredKey::SkipBlank:
        box.skipBlank = line.number != 0;
        return true;
    case StoredKey::Fit:
        value.fit = line.number != 0;
        return true;
    case StoredKey::Ecc:
        value.ecc = line.number;
        return true;
    case StoredKey::Quiet:
        value.quietZones = line.number != 0;
        return true;
    default:
        return false;
    }
}

// Stores line into value when it is one of the older keys that both readers hold alike, in
// fields of the same names (fonts, angle, symbol, rounding, picture, fill style, barcode
// symbology and text); false for any other key. Their values carry over to the next item.
template <class Value> bool StoreSharedLine(Value& value, const StoredLine& line) {
    switch (line.key) {
    case StoredKey::FontSize:
        value.fontSize = line.number;
        return true;
    case StoredKey::FontColor:
        value.fontColor = line.number;
        return true;
    case StoredKey::Angle:
        value.angle = line.number;
        return true;
    case StoredKey::Rounding:
        value.rounding = line.number;
        return true;
    case StoredKey::AsciiChar:
        value.asciiChar = line.number;
        return true;
    case StoredKey::FontName:
        value.fontName = line.value.toString();
        return true;
    case StoredKey::Text:
        value.text = line.value.toString();
        return true;
    case StoredKey::FileNameAndPath:
        value.fileName = line.value.toString();
        return true;
    case StoredKey::FontBold:
        value.bold = line.number != 0;
        return true;
    case StoredKey::FontItalic:
        value.italic = line.number != 0;
        return true;
    case StoredKey::FontUnder:
        value.underline = line.number != 0;
        return true;
    case StoredKey::Stretch:
        value.stretch = line.number != 0;
        return true;
    case StoredKey::BrushStyle:
        if (line.number >= 0) // a name the reader does not know leaves the style as it was
            value.brushStyle = TBrushStyle(line.number);
        return true;
    case StoredKey::Symbology:
        value.symbology = BarcodeSymbology(line.number);
        return true;
    case StoredKey::ShowText:
        value.showText = line.number != 0;
        return true;
    default:
        return false;
    }
}
