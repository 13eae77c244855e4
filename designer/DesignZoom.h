#pragma once

#include "designer/ZoomMapping.h"

#include <QObject>
#include <QPointF>
#include <QPointer>

#include <optional>

class QScrollArea;
class QWidget;
class TCanvasPanel;

// The zoom of the design panel and its place in the grey area around it: "Zoom In", "Zoom
// Out", "Actual Size" and "Fit Label", Ctrl with the wheel zooming about the pointer, a label
// opened fitted when it is smaller than the room, and the label centred in the room it leaves.
// Zooming is a view of the label only: it changes nothing stored and marks nothing changed.
// It also follows the pointer over the label for the status bar and the rulers.
class DesignZoom : public QObject {
    Q_OBJECT
public:
    // panel lies on area, the widget of scrollBox.
    DesignZoom(TCanvasPanel* panel, QWidget* area, QScrollArea* scrollBox,
               QObject* parent = nullptr);
    ~DesignZoom() override;

    ZoomMapping Mapping() const;
    double Zoom() const;
    // True while the label is kept fitted to the room (after Fit Label, until another zoom).
    bool Fitted() const { return fitted_; }

    void ZoomIn();
    void ZoomOut();
    void ActualSize();
    void FitLabel();
    // Sets the zoom (clamped to 25 % … 800 %), keeping the label point under globalPoint
    // where it is on screen when the view can scroll so; without a point, the point at the
    // centre of the visible area.
    void SetZoom(double zoom, std::optional<QPoint> globalPoint = std::nullopt);

    // Another label is shown (or its size changed): a label smaller than the room opens
    // fitted, a larger one at actual size.
    void LabelShown();
    // Whether LabelShown fits a small label (on by default; tests that work in screen pixels
    // of the true scale turn it off).
    void SetOpensFitted(bool on) { opensFitted_ = on; }

    // Sizes the grey area to the room the scroll box has and the panel, and places the panel:
    // centred when it fits, with a margin when it scrolls. A fitted label is fitted again.
    void Layout();

    // The room the label may take when fitted: the visible area less a margin.
    QSize Room() const;

signals:
    void ZoomChanged(double zoom);
    // The pointer over the panel or the grey area, in inches from the label's top-left corner;
    // none when it left them.
    void PointerMoved(std::optional<QPointF> inches);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void apply(double zoom, std::optional<QPoint> globalPoint);
    bool overDesignArea(const QObject* watched) const;

    QPointer<TCanvasPanel> panel_;
    QPointer<QWidget> area_;
    QPointer<QScrollArea> scrollBox_;
    bool fitted_ = false;
    bool opensFitted_ = true;
    bool laying_ = false;
};
