#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>

#include <functional>

class RubberBandOverlay;
class QWidget;

// A rubber band dragged from an empty spot of the design panel: from the press until the
// left button is let go it follows the pointer, drawn as a dotted outline, then reports the
// rectangle it spans (panel coordinates) and the modifiers held at the press. It watches the
// pointer wherever the events go, since the press may have reached the panel through the
// selection's frame.
class BandSelection : public QObject {
    Q_OBJECT
public:
    // finished: the band's rectangle and whether Shift or Ctrl was held at the press.
    BandSelection(QWidget* panel, std::function<void(const QRect&, bool adding)> finished,
                  QObject* parent = nullptr);
    ~BandSelection() override;

    // A left press at a point of the panel (its coordinates) starts a band.
    void Start(const QPoint& panelPoint, bool adding);
    bool Active() const { return active_; }
    // The rectangle spanned so far, in panel coordinates.
    QRect Band() const { return band_; }
    // A band of at most this many pixels either way is a click, not a band.
    static constexpr int ClickSlack = 2;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(const QPoint& globalPoint);
    void finish();
    void stop();

    QPointer<QWidget> panel_;
    std::function<void(const QRect&, bool)> finished_;
    QPointer<RubberBandOverlay> overlay_;
    QPoint start_;
    QRect band_;
    bool adding_ = false;
    bool active_ = false;
};
