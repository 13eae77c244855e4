#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include "controls/TextRun.h"

enum TLabelShapeType { lsRectangle = 0, lsRoundRect = 1, lsEllipse = 2 };

// The design panel: sized by its users to the label at true scale, it draws the label's
// outline (black, 1 pixel) with a white face over its own colour, which shows around a rounded
// or elliptic outline. Label items are its child widgets and paint over it.
class TCanvasPanel : public QWidget {
    Q_OBJECT
public:
    explicit TCanvasPanel(QWidget* parent = nullptr);

    TLabelShapeType Shape() const { return shape_; }
    void setShape(TLabelShapeType shape);

    // The shape named by a stored label shape code: "SR" rectangle, "RR" rounded rectangle,
    // "RE" ellipse; any other code gives current.
    static TLabelShapeType ShapeFromCode(const QString& code, TLabelShapeType current);
    static QString CodeFromShape(TLabelShapeType shape);

    // Background around the outline (grey on the main window).
    QColor Color() const { return color_; }
    void setColor(const QColor& color);

    // Corner ellipse of the rounded outline: the larger side divided by 6, remainder dropped.
    int CornerEllipse() const;

    // How the text items on the panel show their texts; none (the default) shows them as
    // typed. Setting it repaints the panel's items.
    void setTextMarker(TextMarker marker);
    // The runs a text item on the panel shows for text; empty: the text as typed.
    QList<TextRun> MarkedText(const QString& text) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TLabelShapeType shape_ = lsRoundRect;
    QColor color_ = QColor(0xC0, 0xC0, 0xC0);
    TextMarker textMarker_;
};
