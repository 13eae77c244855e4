#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include "document/TextRun.h"

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

    // The label's size in design pixels (true scale); the panel is that size at its zoom.
    QSize DesignSize() const { return designSize_; }
    void SetDesignSize(const QSize& size);
    // Screen pixels per design pixel (1: true scale). Changing it places every item again at
    // the new zoom, keeping each item's design box.
    double Zoom() const { return zoom_; }
    void setZoom(double zoom);
    // A dashed outline of the area printers reach safely: SafeMarginInches inside the label's
    // edge, following its shape. Only the panel shows it.
    static constexpr double SafeMarginInches = 1.0 / 16;
    bool SafeAreaShown() const { return safeAreaShown_; }
    void setSafeAreaShown(bool shown);

    // A label item that draws nothing (a text or counter whose text is blank, a symbol with
    // no character) would be lost once deselected: the panel marks where it lies with a
    // faint dotted outline, and a press on that outline reaches the item. Only the panel
    // does so; printing and preview draw from the objects text and never show it.
    static bool DrawsNothing(const QWidget* item);
    // Where the outline goes: the item's rectangle, at least OutlineMinimum either way.
    static QRect OutlineRect(const QWidget* item);
    static constexpr int OutlineMinimum = 8;
    // The front-most label item that draws nothing whose outline holds point, or null.
    QWidget* UnseenItemAt(const QPoint& point) const;
    // How the text items on the panel show their texts; none (the default) shows them as
    // typed. Setting it repaints the panel's items.
    void setTextMarker(TextMarker marker);
    // The runs a text item on the panel shows for text; empty: the text as typed.
    QList<TextRun> MarkedText(const QString& text) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    // Notices items coming, going, moving and resizing, so that the outlines follow them.
    void childEvent(QChildEvent* event) override;
    // A right click on an outline opens that item's menu.
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paintUnseenItems(QPainter& painter) const;
    // The parts of the texts that run past their controls (TPim3DLabel::MayRunPastItself),
    // which the controls cannot draw themselves.
    void paintTextsPastThemselves(QPainter& painter) const;
    void paintOutline(QPainter& painter, const QRectF& box, int cornerEllipse) const;
    QList<QWidget*> labelItems() const;

    TLabelShapeType shape_ = lsRoundRect;
    QColor color_ = QColor(0xC0, 0xC0, 0xC0);
    TextMarker textMarker_;
    QSize designSize_;
    double zoom_ = 1.0;
    bool safeAreaShown_ = false;
};
