#include "document/ObjectsTextParse.h"

#include "document/BarcodeSymbology.h"
#include "document/BrushStyle.h"
#include "document/ObjectsTextSyntax.h"

namespace {

void convert(StoredLine& line) {
    try {
        switch (StoredKeyForm(line.key)) {
        case StoredForm::Distance:
        case StoredForm::Decimal:
            line.inches = ParseStoredFloat(line.value);
            break;
        case StoredForm::Integer:
            line.number = ParseStoredInteger(line.value);
            break;
        case StoredForm::Flag:
            line.number = ParseStoredFlag(line.value) ? 1 : 0;
            break;
        case StoredForm::BrushName: {
            const auto style = BrushStyleFromName(line.value);
            line.number = style ? int(*style) : -1;
            break;
        }
        case StoredForm::SymbologyName:
            line.number = int(ParseStoredSymbology(line.value));
            break;
        case StoredForm::Word:
        case StoredForm::String:
        case StoredForm::Letter:
        case StoredForm::Filler:
            break;
        }
    } catch (const ConversionError&) {
        line.malformed = true;
    }
}

class Parser {
public:
    explicit Parser(StoredItems& items) : items_(items) {}

    void line(QStringView key, QStringView value) {
        const auto known = StoredKeyFromName(key);
        if (known == StoredKey::LabelItem) {
            StoredBlock& block = items_.blocks.emplace_back();
            block.opened = true;
            block.word = value;
            block.kind = ItemKindFromWord(value);
        } else if (items_.blocks.empty()) {
            // Values before the first item still carry over into it.
            items_.blocks.emplace_back();
        }
        StoredBlock& block = items_.blocks.back();
        if (block.opened && !block.kind && known != StoredKey::Nothing) {
            block.kept += key;
            block.kept += u'=';
            block.kept += value;
            block.kept += ObjectsLineEnd;
        }
        if (!known || known == StoredKey::LabelItem)
            return;
        StoredLine& stored = block.lines.emplace_back();
        stored.key = *known;
        stored.value = value;
        convert(stored);
    }

private:
    StoredItems& items_;
};

} // namespace

StoredItems ParseObjectsText(const QString& text) {
    StoredItems items;
    items.source = text;
    Parser parser(items);
    ForEachObjectsLine(items.source,
                       [&](QStringView key, QStringView value) { parser.line(key, value); });
    return items;
}

ConversionError StoredLineError(const StoredLine& line) {
    switch (StoredKeyForm(line.key)) {
    case StoredForm::Distance:
    case StoredForm::Decimal:
        return ConversionError::InvalidFloat(line.value.toString());
    case StoredForm::SymbologyName:
        return ConversionError::InvalidSymbology(line.value.toString());
    default:
        return ConversionError::InvalidInteger(line.value.toString());
    }
}

void RequireWellFormed(const StoredLine& line) {
    if (line.malformed)
        throw StoredLineError(line);
}
