#include "designer/DropToolButton.h"

#include <QKeyEvent>

#include "designer/ItemTools.h"
#include "designer/ToolPictures.h"

#include <QMouseEvent>

DropToolButton::DropToolButton(LabelItemKind kind, QWidget* parent)
    : QToolButton(parent), kind_(kind) {
    const QString hint = ItemToolText(ItemTool(kind).hint);
    setObjectName(ItemTool(kind).buttonName.toString());
    setFixedSize(ButtonSize, ButtonSize);
    setFocusPolicy(Qt::TabFocus);
    setAutoRaise(false);
    setIcon(QIcon(ToolPictures::Glyph(kind)));
    setIconSize(QSize(ToolPictures::GlyphSize, ToolPictures::GlyphSize));
    setToolTip(hint);
    setAccessibleName(hint);
    setWhatsThis(hint + tr(": press on this button, move onto the label and let go where "
                           "the item's top left corner goes. Its properties are asked for "
                           "first where it needs them."));
}

void DropToolButton::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        event->accept();
        emit PlaceRequested(this);
        return;
    }
    QToolButton::keyPressEvent(event);
}

void DropToolButton::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit DropButtonDown(this);
}
