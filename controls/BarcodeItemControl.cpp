// The control of barcode items.
#include "controls/ItemControls.h"
#include "controls/TBarcode.h"
#include "controls/ZoomedBox.h"
#include "document/LabelItemValue.h"
#include "document/MergeFields.h"

namespace {

// On the panel "{#}" shows the counter's first value and fields the shown record's values;
// other field references show as typed.
QWidget* create(QWidget* panel, const ItemControlContext& context) {
    auto* barcode = new TBarcode(panel);
    barcode->setShownData([&context](const QString& data) {
        return SubstituteMergeFields(data,
                                     [&context](const QString& field) -> std::optional<QString> {
                                         if (field == QStringView(kCounterFieldName))
                                             return context.CounterShown();
                                         return context.ShownField(field);
                                     });
    });
    return barcode;
}

// A box of no width or height takes the symbol's own size for its data (modules two pixels
// wide at 96 pixels per inch); data that cannot be encoded keeps the control's 150 x 60.
void apply(QWidget* control, const LabelItemValue& v) {
    auto* barcode = static_cast<TBarcode*>(control);
    barcode->setSymbology(v.symbology);
    barcode->setData(v.barcodeData);
    barcode->setShowText(v.showText);
    barcode->setBarColor(v.brushColor);
    barcode->setBackgroundColor(v.backgroundColor);
    if (v.width > 0 && v.height > 0)
        return;
    if (const auto natural = barcode->NaturalSize())
        ZoomedBox::SetSize(barcode, {v.width > 0 ? v.width : natural->width(),
                                     v.height > 0 ? v.height : natural->height()});
}

} // namespace

extern const ItemControlKind BarcodeItemControl = {&create, &apply};
