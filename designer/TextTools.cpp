// The designer parts of text and counter items: their tools, questions and menus.
#include "designer/DesignerPrompter.h"
#include "designer/ItemTools.h"
#include "document/ScreenMetrics.h"

#include <QCoreApplication>
#include <QPainter>

namespace {

void DrawLetters(QPainter& painter, const QRect& box, const QString& letters, bool serif) {
    QFont font(serif ? QStringLiteral("Times New Roman") : QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(std::max(6, box.height() * (letters.size() > 2 ? 6 : 9) / 10));
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 0));
    painter.drawText(box, Qt::AlignCenter, letters);
}

void drawText(QPainter& painter, const QRect& box) {
    DrawLetters(painter, box, QStringLiteral("A"), true);
}

void drawCounter(QPainter& painter, const QRect& box) {
    DrawLetters(painter, box, QStringLiteral("123"), false);
}

// The text is asked for, proposing "Text"; a cancelled prompt places and selects nothing.
NewItemAnswer askText(LabelItemValue& value, const LabelDesign&) {
    if (!AskTextItem(value.text, value.textBox))
        return NewItemAnswer::Cancelled;
    // A new box starts at a size an address fits, 2 x 0.75 inches; the person then sizes it.
    if (value.textBox.box && (value.width <= 0 || value.height <= 0)) {
        value.width = ScreenPixelsPerInch() * 2;
        value.height = ScreenPixelsPerInch() * 3 / 4;
    }
    return NewItemAnswer::Place;
}

// One counter per label; its starting number and repeat count come from the counter dialog.
NewItemAnswer askCounter(LabelItemValue& value, const LabelDesign& design) {
    if (design.HasCounter()) {
        ShowInformation(
            QCoreApplication::translate("TextTools", "There is a limit of one Counter per label"));
        return NewItemAnswer::Declined;
    }
    return AskNewCounter(value.startingNumber, value.repeatEach) ? NewItemAnswer::Place
                                                                 : NewItemAnswer::Declined;
}

void buildTextMenu(ItemMenus::MenuBuilder& menu) {
    ItemProperties& p = menu.Properties();
    menu.Add(menu.Prefix() + QStringLiteral("Text"),
             QCoreApplication::translate("TextTools", "&Text"), [&p](QWidget* item) {
                 p.PropText(item);
                 p.Refresh(item);
             });
    menu.AddMergeFields();
    menu.AddFontEntries();
    menu.Separator();
    menu.AddStackingAndPlacing("SendtoBack", "BringtoFont",
                               QCoreApplication::translate("TextTools", "Center "));
}

void buildCounterMenu(ItemMenus::MenuBuilder& menu) {
    ItemProperties& p = menu.Properties();
    menu.Add(menu.Prefix() + QStringLiteral("CounterValues"),
             QCoreApplication::translate("TextTools", "Counter Values"),
             [&p](QWidget* item) { p.CounterValues(item); });
    menu.Separator();
    menu.AddFontEntries();
    menu.Separator();
    menu.AddStackingAndPlacing("SendToBack", "BringToFront",
                               QCoreApplication::translate("TextTools", "Center "));
}

} // namespace

extern const ItemToolKind TextItemTool = {
    u"DropTextButton", u"Drag to place a text", u"Add Text",   &drawText, false,
    &askText,          u"PopupMenuText",        &buildTextMenu};
extern const ItemToolKind CounterItemTool = {
    u"DropCounterButton", u"Drag to place the counter", u"Add Counter",   &drawCounter, false,
    &askCounter,          u"PopupMenuCounter",          &buildCounterMenu};
