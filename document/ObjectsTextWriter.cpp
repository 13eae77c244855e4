#include "document/ObjectsTextWriter.h"

#include "document/ContentLines.h"
#include "document/ObjectsTextSyntax.h"
#include "document/Units.h"

namespace {

// The value of one of the item's lines as it is written.
QString storedValue(const LabelItemValue& item, StoredKey key) {
    switch (key) {
    case StoredKey::Top:
        return PixelsToInchesToString(item.top);
    case StoredKey::Left:
        return PixelsToInchesToString(item.left);
    case StoredKey::Width:
        return PixelsToInchesToString(item.width);
    case StoredKey::Height:
        return PixelsToInchesToString(item.height);
    case StoredKey::RelativeX:
        return PixelsToInchesToString(item.relativeX);
    case StoredKey::RelativeY:
        return PixelsToInchesToString(item.relativeY);
    case StoredKey::Text: // the first line; TEXTLINE the others
        return item.text.section(u'\n', 0, 0);
    case StoredKey::StartingNumber:
        return QString::number(item.startingNumber);
    case StoredKey::RepeatEach:
        return QString::number(item.repeatEach);
    case StoredKey::FontName:
        return item.fontName;
    case StoredKey::FontSize:
        return QString::number(item.fontSize);
    case StoredKey::FontColor:
        return QString::number(item.fontColor);
    case StoredKey::FontBold:
        return StoredFlag(item.bold);
    case StoredKey::FontItalic:
        return StoredFlag(item.italic);
    case StoredKey::FontUnder:
        return StoredFlag(item.underline);
    case StoredKey::Angle:
        return QString::number(item.angle);
    case StoredKey::AsciiChar:
        return QString::number(item.asciiChar);
    case StoredKey::BrushStyle:
        return BrushStyleName(item.brushStyle);
    case StoredKey::Color:
        return QString::number(item.brushColor);
    case StoredKey::LineThickness:
        return QString::number(item.penWidth);
    case StoredKey::LineColor:
        return QString::number(item.penColor);
    case StoredKey::Rounding:
        return QString::number(item.rounding);
    case StoredKey::Stretch:
        return StoredFlag(item.stretch);
    case StoredKey::FileNameAndPath:
        return item.fileName;
    case StoredKey::Symbology:
        return BarcodeSymbologyName(item.symbology);
    case StoredKey::Data:
        return item.barcodeData;
    case StoredKey::ShowText:
        return StoredFlag(item.showText);
    case StoredKey::Background:
        return QString::number(item.backgroundColor);
    case StoredKey::Box:
        return StoredFlag(item.textBox.box);
    case StoredKey::Align:
        return TextAlignLetter(item.textBox.align);
    case StoredKey::VAlign:
        return TextVAlignLetter(item.textBox.valign);
    case StoredKey::Wrap:
        return StoredFlag(item.textBox.wrap);
    case StoredKey::Shrink:
        return StoredFlag(item.textBox.shrink);
    case StoredKey::MinFontSize: // "6", "6.5"
        return QString::number(item.textBox.minFontSize, 'g', 6);
    case StoredKey::LineSpacing:
        return QString::number(item.textBox.lineSpacing, 'f', 3);
    case StoredKey::SkipBlank:
        return StoredFlag(item.textBox.skipBlank);
    case StoredKey::Fit:
        return StoredFlag(item.fit);
    case StoredKey::Ecc:
        return QString::number(item.ecc);
    case StoredKey::Quiet:
        return StoredFlag(item.quietZones);
    case StoredKey::LabelItem:
        return ItemKind(item.kind).word.toString();
    case StoredKey::TextLine: // one line each, written by appendOptional
    case StoredKey::Orientation: // a fixed line of its kind
    case StoredKey::Nothing:
        return {};
    }
    return {};
}

void appendLine(QString& text, StoredKey key, QStringView value) {
    text += StoredKeyName(key);
    text += u'=';
    if (ContainsLineBreak(value))
        text += WithoutLineBreaks(value);
    else
        text += value;
    text += ObjectsLineEnd;
}

// The lines written only when they differ from a fresh item's.
void appendOptional(QString& text, const LabelItemValue& item, StoredKey key) {
    if (key == StoredKey::TextLine) {
        const QStringList lines = item.text.split(u'\n');
        for (qsizetype i = 1; i < lines.size(); ++i)
            appendLine(text, key, lines[i]);
        return;
    }
    static const LabelItemValue defaults;
    const QString value = storedValue(item, key);
    if (value != storedValue(defaults, key))
        appendLine(text, key, value);
}

// A kept block goes back as it was read; its lines already end with CR LF.
void appendKept(QString& text, const std::vector<KeptItemLines>& kept, int after) {
    for (const KeptItemLines& block : kept)
        if (block.after == after)
            text += block.lines;
}

} // namespace

void AppendItemLines(QString& text, const LabelItemValue& item) {
    const ItemKindDescriptor& kind = ItemKind(item.kind);
    LabelItemValue stored = item;
    if (kind.toStored)
        kind.toStored(stored);
    appendLine(text, StoredKey::LabelItem, kind.word);
    for (const StoredLineSpec& line : kind.lines)
        appendLine(text, line.key,
                   line.fixed.isNull() ? storedValue(stored, line.key) : line.fixed.toString());
    for (const StoredLineSpec& line : kind.optionalLines)
        appendOptional(text, stored, line.key);
}

QString WriteObjectsText(const std::vector<LabelItemValue>& items,
                         const std::vector<KeptItemLines>& kept) {
    QString text;
    text.reserve(static_cast<qsizetype>(items.size()) * 300);
    appendKept(text, kept, -1);
    for (size_t i = 0; i < items.size(); ++i) {
        AppendItemLines(text, items[i]);
        appendKept(text, kept, int(i));
    }
    // Measured once; the filler line itself is not counted again.
    if (text.size() % 4 == 0) {
        appendLine(text, StoredKey::Nothing, StoredKeyName(StoredKey::Nothing));
    }
    return text;
}
