#pragma once

#include <QColor>
#include <QCursor>
#include <QList>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <functional>
#include <stdexcept>

class QContextMenuEvent;
class RubberBandOverlay;

// Raised when a top-level window is offered to a stretch handle.
class EBadChild : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The selection frame of the design panel: a transparent child laid over the selected item
// that paints eight grab squares around it, moves the item when dragged inside, resizes it
// when a grab square is dragged and moves it by one pixel per arrow key. With several items
// attached it spans them all, paints each one's squares hollow, and a drag or an arrow key
// moves them together (resizing needs a single item).
//
// The handle keeps no rectangle of its own for the item: whenever its bounds change, the
// attached items' bounds change by the same amounts. While the mouse is dragged only a rubber
// band is drawn; the item takes its new place on release, snapped to the grid.
//
// Idle, the handle is 24 x 24, hidden, disabled and without a parent.
class TStretchHandle : public QWidget {
    Q_OBJECT
public:
    // What a drag does, chosen by where the pointer hovers.
    enum GrabZone {
        Move = 0,
        TopLeft = 1,
        TopRight = 2,
        BottomLeft = 3,
        BottomRight = 4,
        TopMiddle = 5,
        LeftMiddle = 6,
        BottomMiddle = 7,
        RightMiddle = 8
    };

    TStretchHandle();
    ~TStretchHandle() override;

    // Frames control: the handle takes its parent and lies 2 pixels beyond its left and top
    // and 3 beyond its right and bottom, in front, with the mouse captured and the focus.
    // A null control is ignored, a control already attached is left alone; a top-level
    // window raises EBadChild.
    void AttachItem(QWidget* control);
    // Back to idle.
    void DetachAll();
    // Lets go of one item of several; the handle then frames the others (the last one
    // detached leaves the handle idle).
    void DetachItem(QWidget* control);
    int AttachedCount() const { return int(attached_.size()); }
    // Null when the index is out of range.
    QWidget* AttachedItem(int index) const;
    QList<QWidget*> AttachedItems() const;
    bool IsAttached(const QWidget* control) const;
    // True when a press at a point of the panel lands on the control: inside its rectangle
    // and, for a control with a mask (a hollow shape), inside the mask.
    static bool Hits(const QWidget* control, const QPoint& panelPoint);

    QColor Color() const { return color_; }
    void setColor(const QColor& color);

    // Snap grid of mouse drags in pixels, 1..32 (1: no snapping).
    int GridX() const { return gridX_; }
    int GridY() const { return gridY_; }
    void setGridX(int grid);
    void setGridY(int grid);
    // True when either grid exceeds 1; true sets both grids to 8, false both to 1.
    bool SnapToGrid() const { return gridX_ > 1 || gridY_ > 1; }
    void setSnapToGrid(bool snap);

    QCursor DragCursor() const { return dragCursor_; }
    void setDragCursor(const QCursor& cursor) { dragCursor_ = cursor; }

    // Moves the handle, and by the same amounts every attached item.
    void SetBounds(const QRect& bounds);
    // Lays the handle around the attached item again after the item took another size of
    // its own (a text turning while its rotation dialog is open): the item stays where it
    // is, nothing is detached and the mouse is left alone. Not during a drag.
    void FitToItem();

    // Where a drag would start, what it does, and the band drawn so far (design-panel
    // coordinates, empty when none).
    GrabZone Zone() const { return zone_; }
    bool Dragging() const { return dragging_; }
    QRect RubberBand() const { return band_; }
    // The item rectangle the last drag asked for (design-panel coordinates), before the item
    // imposed any size of its own (a symbol keeps the size of its glyph).
    QRect LastDropRect() const { return lastDrop_; }
    // The same in design pixels (the label at true scale, as the model holds items).
    QRect LastDropDesignRect() const { return lastDropDesign_; }
    // How far an arrow key moves the item, in design pixels: one screen pixel at zoom (at
    // least one design pixel), with Shift one grid step; null for any other key.
    static QPoint ArrowStep(int key, Qt::KeyboardModifiers modifiers, double zoom, int gridX,
                            int gridY);
    // The grab zone at a point of the handle, by the hit test the hover runs.
    static GrabZone ZoneAt(const QPoint& point, const QSize& handleSize);
    // The eight grab squares as painted, in zone order (TopLeft first).
    static QList<QRect> SquaresFor(const QSize& handleSize);

    // Raised after a left press on the item, dragged or not, was released and handled.
    std::function<void()> OnMouseUp;
    // Raised after every key press on the handle (after the move for an arrow key).
    std::function<void(int key)> OnKeyDown;

signals:
    // An item was attached or let go.
    void AttachedChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QRect itemRect() const;
    // The box the attached items span in design pixels (the label at true scale).
    QRect itemDesignRect() const;
    bool insideItem(const QPoint& panelPoint) const;
    QPoint clamped(const QPoint& point) const;
    QRect dropRect(const QPoint& pointer) const;
    QRect designDropRect(const QPoint& pointer) const;
    void beginDrag(const QPoint& point);
    void showZone(const QPoint& point);
    void drawBand(const QRect& rect);
    void eraseBand();
    void finishDrag(const QPoint& pointer);
    QWidget* targetAt(const QPoint& panelPoint) const;
    QWidget* pickAt(const QPoint& panelPoint) const;
    void passThrough(QMouseEvent* event);
    void forward(QWidget* target, QMouseEvent* event);
    void captureMouse();
    void releaseCapture();
    // A modal window or a menu about to show.
    static bool OpensOverTheWindow(const QObject* object, const QEvent* event);

    QList<QPointer<QWidget>> attached_;
    QColor color_ = Qt::black;
    int gridX_ = 1;
    int gridY_ = 1;
    QCursor dragCursor_ = QCursor(Qt::DragMoveCursor);
    bool dragging_ = false;
    QPoint pressPoint_;
    GrabZone zone_ = Move;
    QRect band_;
    QRect lastDrop_;
    QRect lastDropDesign_;
    QPointer<QWidget> passedTo_;
    QPointer<RubberBandOverlay> overlay_;
};
