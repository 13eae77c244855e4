// The designer parts of rectangle, rounded rectangle and ellipse items.
#include "designer/ItemTools.h"

#include <QCoreApplication>
#include <QPainter>

namespace {

const QColor ink(0, 0, 0);

QRect Outline(const QRect& box) {
    return box.adjusted(0, 0, -1, -1).adjusted(0, 2, 0, -2);
}

void drawRectangle(QPainter& painter, const QRect& box) {
    painter.setPen(QPen(ink, 1));
    painter.drawRect(Outline(box));
}

void drawEllipse(QPainter& painter, const QRect& box) {
    painter.setPen(QPen(ink, 1));
    painter.drawEllipse(QRectF(Outline(box)).adjusted(0.5, 0.5, -0.5, -0.5));
}

void drawRoundRectangle(QPainter& painter, const QRect& box) {
    const double corner = box.width() * 0.2;
    painter.setPen(QPen(ink, 1));
    painter.drawRoundedRect(QRectF(Outline(box)).adjusted(0.5, 0.5, -0.5, -0.5), corner, corner);
}

NewItemAnswer place(LabelItemValue&, const LabelDesign&) {
    return NewItemAnswer::Place;
}

struct Pattern {
    const char* suffix;
    const char* caption;
    TBrushStyle style;
};
// In menu order.
const Pattern patterns[] = {
    {"PatternSolid", QT_TRANSLATE_NOOP("ShapeTools", "Solid"), TBrushStyle::Solid},
    {"PatternClear", QT_TRANSLATE_NOOP("ShapeTools", "Clear (Transparent)"), TBrushStyle::Clear},
    {"PatternBDiagonal", QT_TRANSLATE_NOOP("ShapeTools", "45-degree upward hatch (left to right) "),
     TBrushStyle::BDiagonal},
    {"PatternCross", QT_TRANSLATE_NOOP("ShapeTools", "Horizontal and vertical crosshatch"),
     TBrushStyle::Cross},
    {"PatternDiagCross", QT_TRANSLATE_NOOP("ShapeTools", "45-degree crosshatch "),
     TBrushStyle::DiagCross},
    {"PatternFDiagonal",
     QT_TRANSLATE_NOOP("ShapeTools", "45-degree downward hatch (left to right) "),
     TBrushStyle::FDiagonal},
    {"PatternHorizontal", QT_TRANSLATE_NOOP("ShapeTools", "Horizontal hatch "),
     TBrushStyle::Horizontal},
    {"PatternVertical", QT_TRANSLATE_NOOP("ShapeTools", "Vertical hatch"), TBrushStyle::Vertical},
};

void buildShapeMenu(ItemMenus::MenuBuilder& menu, bool rounding) {
    ItemProperties& p = menu.Properties();
    const QString prefix = menu.Prefix();
    if (rounding) {
        menu.BeginSubmenu(prefix + QStringLiteral("DegreeofRounding"),
                          QCoreApplication::translate("ShapeTools", "Degree of Rounding"));
        for (int percent = 20; percent <= 90; percent += 10)
            menu.Add(prefix + QString::number(percent), QStringLiteral("%1%").arg(percent),
                     [&p, percent](QWidget* item) { p.PropRounding(item, percent); });
        menu.EndSubmenu();
    }
    menu.Add(prefix + QStringLiteral("Color"), QCoreApplication::translate("ShapeTools", "Color"),
             [&p](QWidget* item) { p.PropColor(item); });
    menu.Add(prefix + QStringLiteral("LineColor"),
             QCoreApplication::translate("ShapeTools", "Line Color"),
             [&p](QWidget* item) { p.PropColorLine(item); });
    menu.BeginSubmenu(prefix + QStringLiteral("LineThickness"),
                      QCoreApplication::translate("ShapeTools", "Line Thickness"));
    for (int width = 1; width <= 10; ++width)
        menu.Add(prefix + QStringLiteral("Point%1").arg(width),
                 QCoreApplication::translate("ShapeTools", "%1 Point").arg(width),
                 [&p, width](QWidget* item) { p.PropLineThickness(item, width); });
    menu.EndSubmenu();
    menu.BeginSubmenu(rounding ? QStringLiteral("Pattern1")
                               : prefix + QStringLiteral("Transparent"),
                      QCoreApplication::translate("ShapeTools", "Pattern"));
    for (const Pattern& pattern : patterns) {
        const TBrushStyle style = pattern.style;
        menu.Add(prefix + QString::fromLatin1(pattern.suffix),
                 QCoreApplication::translate("ShapeTools", pattern.caption),
                 [&p, style](QWidget* item) { p.PropBrushStyle(item, style); });
    }
    menu.EndSubmenu();
    menu.Separator();
    menu.AddStackingAndPlacing(rounding ? "SendToBack" : "Sendtoback",
                               rounding ? "BringToFront" : "BringtoFront",
                               QCoreApplication::translate("ShapeTools", "Center"));
}

void buildShapeMenu(ItemMenus::MenuBuilder& menu) {
    buildShapeMenu(menu, false);
}
void buildRoundRectangleMenu(ItemMenus::MenuBuilder& menu) {
    buildShapeMenu(menu, true);
}

} // namespace

extern const ItemToolKind RectangleItemTool = {u"DropRectButton",
                                               u"Drag to place a rectangle",
                                               u"Add Rectangle",
                                               &drawRectangle,
                                               false,
                                               &place,
                                               u"PopupMenuShape",
                                               &buildShapeMenu};
extern const ItemToolKind EllipseItemTool = {u"DropEllipseButton",
                                             u"Drag to place an ellipse",
                                             u"Add Ellipse",
                                             &drawEllipse,
                                             true,
                                             &place,
                                             u"PopupMenuShape",
                                             &buildShapeMenu};
extern const ItemToolKind RoundRectangleItemTool = {u"DropRoundRectButton",
                                                    u"Drag to place a rounded rectangle",
                                                    u"Add Rounded Rectangle",
                                                    &drawRoundRectangle,
                                                    true,
                                                    &place,
                                                    u"PopupMenuRoundRect",
                                                    &buildRoundRectangleMenu};
