#pragma once

#include <QFont>
#include <QStyledItemDelegate>

// Draws one entry of the symbol list: its character (the entry's code, held in the item's
// user data) through the program's symbol glyph drawing, in the list's text colour, centred
// in its cell; a selected entry on the highlight colour.
class SymbolListDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    SymbolListDelegate(const QFont& symbolFont, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    static constexpr int CodeRole = Qt::UserRole + 1;

private:
    QFont symbolFont_;
};
