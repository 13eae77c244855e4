// Barcode items: the symbol of their data, drawn by Zint.
#include "document/ItemKinds.h"
#include "document/LabelItemValue.h"

namespace {

using K = StoredKey;

// The bars take COLOR.
constexpr StoredLineSpec kBarcodeLines[] = {
    {K::Top},      {K::Left}, {K::Width}, {K::Height},    {K::Symbology},
    {K::Data}, {K::ShowText}, {K::Color}, {K::Background},
};

constexpr StoredLineSpec kBarcodeOptionalLines[] = {{K::Ecc}, {K::Quiet}};

LabelItemValue newBarcode() {
    LabelItemValue v;
    v.kind = LabelItemKind::Barcode;
    v.symbology = BarcodeSymbology::Code128;
    v.barcodeData = QStringLiteral("12345678");
    v.showText = true;
    v.brushColor = kColorBlack;
    v.backgroundColor = kColorWhite;
    return v;
}

} // namespace

extern const ItemKindDescriptor BarcodeItemKind = {
    LabelItemKind::Barcode, u"BARCODE", kBarcodeLines, &newBarcode, nullptr, kBarcodeOptionalLines};
