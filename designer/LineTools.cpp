// The designer parts of horizontal and vertical line items.
#include "designer/ItemTools.h"

#include <QCoreApplication>
#include <QPainter>

namespace {

void drawHorizontal(QPainter& painter, const QRect& box) {
    painter.fillRect(QRect(box.left(), box.top() + box.height() / 2 - 1, box.width(), 2),
                     Qt::black);
}

void drawVertical(QPainter& painter, const QRect& box) {
    painter.fillRect(QRect(box.left() + box.width() / 2 - 1, box.top(), 2, box.height()),
                     Qt::black);
}

NewItemAnswer place(LabelItemValue&, const LabelDesign&) {
    return NewItemAnswer::Place;
}

void buildLineMenu(ItemMenus::MenuBuilder& menu) {
    ItemProperties& p = menu.Properties();
    const QString prefix = menu.Prefix();
    menu.Add(prefix + QStringLiteral("Color"),
             QCoreApplication::translate("LineTools", "Line Color"),
             [&p](QWidget* item) { p.PropColorLine(item); });
    menu.BeginSubmenu(prefix + QStringLiteral("LineThickness"),
                      QCoreApplication::translate("LineTools", "Line Thickness"));
    for (int width = 1; width <= 10; ++width) {
        // The third entry has always read "3 point".
        const QString caption =
            width == 3 ? QCoreApplication::translate("LineTools", "3 point")
                       : QCoreApplication::translate("LineTools", "%1 Point").arg(width);
        menu.Add(prefix + QStringLiteral("Point%1").arg(width), caption,
                 [&p, width](QWidget* item) { p.PropLineThickness(item, width); });
    }
    menu.EndSubmenu();
    menu.Separator();
    menu.AddStackingAndPlacing("SendToBack", "BringToFront",
                               QCoreApplication::translate("LineTools", "Center"));
}

} // namespace

extern const ItemToolKind HorizontalLineItemTool = {u"DropHLineButton",
                                                    u"Drag to place a horizontal line",
                                                    u"Add Horizontal Line",
                                                    &drawHorizontal,
                                                    false,
                                                    &place,
                                                    u"PopupMenuLine",
                                                    &buildLineMenu};
extern const ItemToolKind VerticalLineItemTool = {u"DropVLineButton",
                                                  u"Drag to place a vertical line",
                                                  u"Add Vertical Line",
                                                  &drawVertical,
                                                  false,
                                                  &place,
                                                  u"PopupMenuLine",
                                                  &buildLineMenu};
