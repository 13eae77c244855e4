#include "designer/BarcodeProperties.h"

#include "controls/TBarcode.h"
#include "designer/DesignerPrompter.h"
#include "document/MergeFields.h"
#include "document/ObjectsTextSyntax.h"

namespace {
// Zint's reason when data without field references cannot be encoded; empty otherwise.
QString Refusal(BarcodeSymbology symbology, const QString& data) {
    if (HasMergeFields(data))
        return {};
    return BarcodeSymbol::Validate(symbology, data);
}
} // namespace

BarcodeProperties::BarcodeProperties(std::function<void()> changed,
                                     std::function<void(QWidget*)> repaint)
    : changed_(std::move(changed)), repaint_(std::move(repaint)) {}

bool BarcodeProperties::AskData(BarcodeSymbology symbology, QString& data) {
    QString text = data;
    for (;;) {
        if (!EnterText(QStringLiteral("Barcode Data"), QStringLiteral("Enter the barcode data"),
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

void BarcodeProperties::done(QWidget* item) {
    if (changed_)
        changed_();
    if (repaint_)
        repaint_(item);
}

void BarcodeProperties::PropBarcodeData(QWidget* item) {
    auto* barcode = qobject_cast<TBarcode*>(item);
    if (!barcode)
        return;
    QString data = barcode->Data();
    if (!AskData(barcode->Symbology(), data))
        return;
    barcode->setData(data);
    done(item);
}

void BarcodeProperties::PropSymbology(QWidget* item, BarcodeSymbology symbology) {
    auto* barcode = qobject_cast<TBarcode*>(item);
    if (!barcode)
        return;
    QString data = barcode->Data();
    const QString refusal = Refusal(symbology, data);
    if (!refusal.isEmpty()) {
        ShowInformation(refusal);
        if (!AskData(symbology, data))
            return;
    }
    barcode->setSymbology(symbology);
    barcode->setData(data);
    done(item);
}

bool BarcodeProperties::ToggleShowText(QWidget* item) {
    auto* barcode = qobject_cast<TBarcode*>(item);
    if (!barcode)
        return false;
    barcode->setShowText(!barcode->ShowText());
    done(item);
    return barcode->ShowText();
}

void BarcodeProperties::PropBarColor(QWidget* item) {
    auto* barcode = qobject_cast<TBarcode*>(item);
    if (!barcode)
        return;
    qint32 colour = barcode->BarColor();
    if (!AskColour(colour))
        return;
    barcode->setBarColor(colour);
    done(item);
}

void BarcodeProperties::PropBackgroundColor(QWidget* item) {
    auto* barcode = qobject_cast<TBarcode*>(item);
    if (!barcode)
        return;
    qint32 colour = barcode->BackgroundColor();
    if (!AskColour(colour))
        return;
    barcode->setBackgroundColor(colour);
    done(item);
}
