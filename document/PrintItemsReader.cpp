#include "document/PrintItemsReader.h"

#include "document/ContentLines.h"
#include "document/ObjectsTextParse.h"

namespace {

// A pen width in screen pixels, taken at a fixed 96 per inch, as negated hundredths of an inch.
qint32 penWidthFromPixels(int pixels) {
    const qint64 hundredths = static_cast<qint64>(pixels) * 100 / 96; // truncates toward zero
    return static_cast<qint32>(-hundredths);
}

void store(PrintItemValue& c, PrintItemsText& result, const StoredLine& line) {
    RequireWellFormed(line);
    if (StoreContentLine(c, line) || StoreSharedLine(c, line))
        return;
    switch (line.key) {
    case StoredKey::Top:
        c.top = line.inches;
        break;
    case StoredKey::Left:
        c.left = line.inches;
        break;
    case StoredKey::Width:
        c.width = line.inches;
        break;
    case StoredKey::Height:
        c.height = line.inches;
        break;
    case StoredKey::RelativeX:
        c.relativeX = line.inches;
        break;
    case StoredKey::RelativeY:
        c.relativeY = line.inches;
        break;
    case StoredKey::Color:
        c.color = line.number;
        break;
    case StoredKey::LineColor:
        c.lineColor = line.number;
        break;
    case StoredKey::LineThickness:
        c.penWidth = penWidthFromPixels(line.number);
        break;
    case StoredKey::StartingNumber:
        result.startingNumber = line.number;
        break;
    case StoredKey::RepeatEach:
        result.repeatEach = line.number;
        break;
    case StoredKey::Orientation:
        c.orientation = line.value.isEmpty() ? QChar() : line.value.front();
        break;
    case StoredKey::Data:
        c.data = line.value.toString();
        break;
    case StoredKey::Background:
        c.background = line.number;
        break;
    case StoredKey::LabelItem:
    case StoredKey::Nothing:
        break;
    default: // the keys stored above
        break;
    }
}

} // namespace

PrintItemsText ReadPrintItems(const QString& text) {
    const StoredItems stored = ParseObjectsText(text);
    PrintItemsText result;
    PrintItemValue current;
    bool pending = false;
    for (const StoredBlock& block : stored.blocks) {
        if (block.opened) {
            if (pending)
                result.items.push_back(current);
            // A kind this version does not know (saved by a newer one) is not drawn.
            pending = block.kind.has_value();
            current.kind = block.kind.value_or(LabelItemKind::Text);
            current.text.clear();
            current.data.clear();
            current.fontName.clear();
            current.fileName.clear();
            ResetContentFields(current);
        }
        for (const StoredLine& line : block.lines)
            store(current, result, line);
    }
    if (pending)
        result.items.push_back(current);
    return result;
}
