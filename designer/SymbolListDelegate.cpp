#include "designer/SymbolListDelegate.h"

#include <QPainter>

#include "controls/SymbolGlyph.h"

SymbolListDelegate::SymbolListDelegate(const QFont& symbolFont, QObject* parent)
    : QStyledItemDelegate(parent), symbolFont_(symbolFont) {}

void SymbolListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    painter->save();
    if (selected)
        painter->fillRect(option.rect, option.palette.brush(QPalette::Active, QPalette::Highlight));
    const auto code = static_cast<unsigned char>(index.data(CodeRole).toInt());
    const QSizeF cell = MeasureSymbolGlyph(code, symbolFont_, painter->device());
    const QPointF topLeft(option.rect.left() + (option.rect.width() - cell.width()) / 2.0,
                          option.rect.top() + (option.rect.height() - cell.height()) / 2.0);
    painter->setPen(selected ? option.palette.color(QPalette::Active, QPalette::HighlightedText)
                             : option.palette.color(QPalette::Text));
    DrawSymbolGlyph(*painter, topLeft, code, symbolFont_);
    if (option.state.testFlag(QStyle::State_HasFocus)) {
        QPen focus(selected ? option.palette.color(QPalette::HighlightedText)
                            : option.palette.color(QPalette::Text));
        focus.setStyle(Qt::DotLine);
        painter->setPen(focus);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}

QSize SymbolListDelegate::sizeHint(const QStyleOptionViewItem& /*option*/,
                                   const QModelIndex& /*index*/) const {
    return {30, 30};
}
