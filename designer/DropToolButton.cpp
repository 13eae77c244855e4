#include "designer/DropToolButton.h"

#include "designer/ToolPictures.h"

#include <QMouseEvent>

DropToolButton::DropToolButton(DropTool tool, QWidget* parent) : QToolButton(parent), tool_(tool) {
    setObjectName(DropToolButtonName(tool));
    setFixedSize(ButtonSize, ButtonSize);
    setFocusPolicy(Qt::NoFocus);
    setAutoRaise(false);
    setIcon(QIcon(ToolPictures::Glyph(tool)));
    setIconSize(QSize(ToolPictures::GlyphSize, ToolPictures::GlyphSize));
    setToolTip(DropToolHint(tool));
    setWhatsThis(DropToolHint(tool) +
                 QStringLiteral(": press on this button, move onto the label and let go where "
                                "the item's top left corner goes. Its properties are asked for "
                                "first where it needs them."));
}

void DropToolButton::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit DropButtonDown(this);
}
