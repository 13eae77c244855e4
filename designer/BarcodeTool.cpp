// The designer part of barcode items.
#include "designer/BarcodeProperties.h"
#include "designer/ItemTools.h"

#include <QAction>
#include <QPainter>

#include <QCoreApplication>
#include <memory>
#include <vector>

namespace {

// Bars of varied widths over the box's height, as a linear barcode.
void drawBars(QPainter& painter, const QRect& box) {
    static const int widths[] = {2, 1, 1, 3, 1, 2, 1, 1, 2, 1, 3};
    int x = box.left() + 1;
    bool bar = true;
    for (int w : widths) {
        if (x + w > box.right())
            break;
        if (bar)
            painter.fillRect(QRect(x, box.top() + 2, w, box.height() - 4), Qt::black);
        x += w;
        bar = !bar;
    }
}

// The data is asked for (and checked by Zint), proposing "12345678"; a cancelled prompt
// places and selects nothing.
NewItemAnswer askBarcode(LabelItemValue& value, const LabelDesign&) {
    return BarcodeProperties::AskData(value.symbology, value.barcodeData)
               ? NewItemAnswer::Place
               : NewItemAnswer::Cancelled;
}

void buildBarcodeMenu(ItemMenus::MenuBuilder& menu) {
    BarcodeProperties& b = menu.Barcode();
    const QString prefix = menu.Prefix();
    menu.Add(prefix + QStringLiteral("Data"),
             QCoreApplication::translate("BarcodeTool", "Barcode Data\u2026"),
             [&b](QWidget* item) { b.PropBarcodeData(item); });
    menu.BeginSubmenu(prefix + QStringLiteral("Symbology"),
                      QCoreApplication::translate("BarcodeTool", "Symbology"));
    std::vector<std::pair<BarcodeSymbology, QAction*>> entries;
    for (BarcodeSymbology symbology : AllBarcodeSymbologies) {
        QAction* entry =
            menu.Add(prefix + BarcodeSymbologyName(symbology), BarcodeSymbologyCaption(symbology),
                     [&b, symbology](QWidget* item) { b.PropSymbology(item, symbology); });
        entry->setCheckable(true);
        entries.emplace_back(symbology, entry);
    }
    menu.EndSubmenu();
    QAction* showText = menu.AddCheck(prefix + QStringLiteral("ShowText"),
                                      QCoreApplication::translate("BarcodeTool", "Show Text"),
                                      [&b](QWidget* item) { return b.ToggleShowText(item); });
    menu.Separator();
    menu.Add(prefix + QStringLiteral("Color"),
             QCoreApplication::translate("BarcodeTool", "Bar Color"),
             [&b](QWidget* item) { b.PropBarColor(item); });
    menu.Add(prefix + QStringLiteral("BackgroundColor"),
             QCoreApplication::translate("BarcodeTool", "Background Color"),
             [&b](QWidget* item) { b.PropBackgroundColor(item); });
    menu.Separator();
    menu.AddStackingAndPlacing("SendToBack", "BringToFront",
                               QCoreApplication::translate("BarcodeTool", "Center"));
    // The check marks show the state of the item the menu opens on.
    menu.OnOpen([entries, showText](const LabelItemValue& value) {
        showText->setChecked(value.showText);
        for (const auto& [symbology, entry] : entries)
            entry->setChecked(symbology == value.symbology);
    });
}

} // namespace

extern const ItemToolKind BarcodeItemTool = {
    u"DropBarcodeButton", u"Drag to place a barcode", u"Add Barcode",   &drawBars, false,
    &askBarcode,          u"PopupMenuBarcode",        &buildBarcodeMenu};
