#include "designer/BarcodeProperties.h"

#include "controls/BarcodeSymbol.h"
#include "designer/DesignerPrompter.h"
#include "designer/LabelItems.h"
#include "document/MergeFields.h"
#include "document/ObjectsTextSyntax.h"
#include <QCoreApplication>

namespace {
// Zint's reason when data without field references cannot be encoded; empty otherwise.
QString Refusal(BarcodeSymbology symbology, const QString& data) {
    if (HasMergeFields(data))
        return {};
    return BarcodeSymbol::Validate(symbology, data);
}
} // namespace

BarcodeProperties::BarcodeProperties(LabelItems& items, std::function<void()> changed,
                                     std::function<void(QWidget*)> repaint)
    : items_(items), changed_(std::move(changed)), repaint_(std::move(repaint)) {}

bool BarcodeProperties::valueOf(QWidget* item, LabelItemValue& value) const {
    const DesignItem* shown = items_.ItemOf(item);
    if (!shown || shown->value.kind != LabelItemKind::Barcode)
        return false;
    value = shown->value;
    return true;
}

bool BarcodeProperties::AskData(BarcodeSymbology symbology, QString& data) {
    QString text = data;
    for (;;) {
        if (!EnterText(QCoreApplication::translate("BarcodeProperties", "Barcode Data"),
                       QCoreApplication::translate("BarcodeProperties", "Enter the barcode data"),
                       text))
            return false;
        // A line break would end the stored text; the data is one line.
        text = WithoutLineBreaks(text);
        const QString refusal = Refusal(symbology, text);
        if (refusal.isEmpty()) {
            data = text;
            return true;
        }
        ShowInformation(refusal);
    }
}

void BarcodeProperties::done(QWidget* item, const LabelItemValue& value) {
    if (const DesignItem* shown = items_.ItemOf(item))
        items_.Model().SetItem(shown->name, value);
    if (changed_)
        changed_();
    if (repaint_)
        repaint_(item);
}

void BarcodeProperties::PropBarcodeData(QWidget* item) {
    LabelItemValue v;
    if (!valueOf(item, v) || !AskData(v.symbology, v.barcodeData))
        return;
    done(item, v);
}

void BarcodeProperties::PropSymbology(QWidget* item, BarcodeSymbology symbology) {
    LabelItemValue v;
    if (!valueOf(item, v))
        return;
    QString data = v.barcodeData;
    const QString refusal = Refusal(symbology, data);
    if (!refusal.isEmpty()) {
        ShowInformation(refusal);
        if (!AskData(symbology, data))
            return;
    }
    v.symbology = symbology;
    v.barcodeData = data;
    done(item, v);
}

bool BarcodeProperties::ToggleShowText(QWidget* item) {
    LabelItemValue v;
    if (!valueOf(item, v))
        return false;
    v.showText = !v.showText;
    done(item, v);
    return v.showText;
}

void BarcodeProperties::PropBarColor(QWidget* item) {
    LabelItemValue v;
    if (!valueOf(item, v) || !AskColour(v.brushColor))
        return;
    done(item, v);
}

void BarcodeProperties::PropBackgroundColor(QWidget* item) {
    LabelItemValue v;
    if (!valueOf(item, v) || !AskColour(v.backgroundColor))
        return;
    done(item, v);
}
