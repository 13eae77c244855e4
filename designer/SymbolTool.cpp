// The designer part of symbol items.
#include "designer/DesignerPrompter.h"
#include "designer/ItemTools.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPolygonF>
#include <QtMath>

namespace {

void drawStar(QPainter& painter, const QRect& box) {
    const QPointF centre = QRectF(box).center();
    const double outer = std::min(box.width(), box.height()) / 2.0;
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? outer : outer * 0.42;
        const double angle = qDegreesToRadians(-90.0 + i * 36.0);
        star << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    painter.setPen(QPen(QColor(0, 0, 0), 1));
    painter.setBrush(QColor(0, 0, 160));
    painter.drawPolygon(star);
}

// The character and its colour come from the symbol dialog.
NewItemAnswer askSymbol(LabelItemValue& value, const LabelDesign&) {
    return AskSymbol(value.asciiChar, value.fontColor) ? NewItemAnswer::Place
                                                       : NewItemAnswer::Declined;
}

void buildSymbolMenu(ItemMenus::MenuBuilder& menu) {
    ItemProperties& p = menu.Properties();
    const QString prefix = menu.Prefix();
    menu.Add(prefix + QStringLiteral("Symbol"), QCoreApplication::translate("SymbolTool", "Symbol"),
             [&p](QWidget* item) { p.PropSymbol(item); });
    menu.Add(prefix + QStringLiteral("Color"), QCoreApplication::translate("SymbolTool", "Color"),
             [&p](QWidget* item) { p.PropColor(item); });
    menu.Separator();
    menu.AddStackingAndPlacing("SendToBack", "BringToFront",
                               QCoreApplication::translate("SymbolTool", "Center"));
}

} // namespace

extern const ItemToolKind SymbolItemTool = {
    u"DropSymbolButton",
    u"Drag to place a symbol",
    u"Add Symbol",
    &drawStar,
    true,
    &askSymbol,
    u"PopupMenuSymbol",
    &buildSymbolMenu,
    u"WINGDING",
    u"This option requires the Windows font WINGDINGS to be installed"};
