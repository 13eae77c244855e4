#include "document/ObjectsTextReader.h"

#include "document/ContentLines.h"
#include "document/ObjectsTextParse.h"
#include "document/Units.h"

namespace {

// Held in single precision before it is scaled, as the stored value always was.
int pixels(const StoredLine& line) {
    return InchesToPixels(static_cast<float>(line.inches));
}

// The text origin is laid out afresh by the panel, and the line direction comes from the
// kind word: the design side reads neither (nor a malformed value in them).
bool designReads(StoredKey key) {
    return key != StoredKey::RelativeX && key != StoredKey::RelativeY &&
           key != StoredKey::Orientation;
}

// Stores one line's value into the item being read.
void store(LabelItemValue& c, const StoredLine& line) {
    if (!designReads(line.key))
        return;
    RequireWellFormed(line);
    if (StoreContentLine(c, line) || StoreSharedLine(c, line))
        return;
    switch (line.key) {
    case StoredKey::Top:
        c.top = pixels(line);
        break;
    case StoredKey::Left:
        c.left = pixels(line);
        break;
    case StoredKey::Width:
        c.width = pixels(line);
        break;
    case StoredKey::Height:
        c.height = pixels(line);
        break;
    case StoredKey::Color:
        c.brushColor = line.number;
        break;
    case StoredKey::LineThickness:
        c.penWidth = line.number;
        break;
    case StoredKey::LineColor:
        c.penColor = line.number;
        break;
    case StoredKey::StartingNumber:
        c.startingNumber = line.number;
        break;
    case StoredKey::RepeatEach:
        c.repeatEach = line.number;
        break;
    case StoredKey::Data:
        c.barcodeData = line.value.toString();
        break;
    case StoredKey::Background:
        c.backgroundColor = line.number;
        break;
    case StoredKey::LabelItem:
    case StoredKey::RelativeX:
    case StoredKey::RelativeY:
    case StoredKey::Orientation:
    case StoredKey::Nothing:
        break;
    default: // the keys stored above
        break;
    }
}

LabelItemValue startingValues() {
    LabelItemValue current;
    current.fontName = QStringLiteral("Arial");
    current.fontSize = 10;
    current.repeatEach = 1;
    current.penWidth = 1;
    current.brushStyle = TBrushStyle::Clear;
    return current;
}

} // namespace

void ReadObjectsText(const QString& text, const std::function<void(const LabelItemValue&)>& create,
                     const std::function<void(const QString& lines)>& keep) {
    const StoredItems stored = ParseObjectsText(text);
    LabelItemValue current = startingValues();
    // A block is handed over once the next one opens (or the text ends), so that a malformed
    // value anywhere in it leaves it out.
    const StoredBlock* pending = nullptr;
    const auto flush = [&] {
        if (!pending)
            return;
        if (pending->kind) {
            LabelItemValue item = current;
            item.kind = *pending->kind;
            create(item);
        } else if (keep) {
            keep(pending->kept);
        }
        pending = nullptr;
    };
    for (const StoredBlock& block : stored.blocks) {
        if (block.opened) {
            flush();
            pending = &block;
            ResetContentFields(current);
        }
        for (const StoredLine& line : block.lines)
            store(current, line);
    }
    flush();
}

DesignItems ReadDesignItems(const QString& text) {
    DesignItems result;
    try {
        ReadObjectsText(
            text, [&](const LabelItemValue& item) { result.items.push_back(item); },
            [&](const QString& lines) {
                result.kept.push_back({int(result.items.size()) - 1, lines});
            });
    } catch (const ConversionError& error) {
        result.error = error;
    }
    return result;
}
