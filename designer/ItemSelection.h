#pragma once

#include <QObject>

#include "designer/SelectionControl.h"
#include <QPointer>
#include <QRect>
#include <QSize>

#include <functional>

class BandSelection;
class DesignSteps;
class LabelItems;
class QAction;
class QWidget;
class TCanvasPanel;
class TStretchHandle;
class TSymbol;

// What the main window does around its stretch handle: selecting an item by a left press
// (Shift or Ctrl adds or removes it), a rubber band from an empty spot of the design panel,
// Select All, Escape and Tab, clearing the selection by a press on the grey area, noticing
// whether a drag or an arrow key changed the items, refitting a symbol's font to the box it
// was dragged to, a nudge (one pixel, or every item for "Move All"), centring, deleting, and
// the snap grid. Several items selected move, nudge and delete together, each command one
// undo step.
//
// Every move, resize, centring and deletion is an edit of the label model; the handle only
// drives the control while the pointer or a key moves it. triggerChange marks the label
// changed; items are the label's items on the panel.
class ItemSelection : public QObject, public SelectionControl {
    Q_OBJECT
public:
    enum class Direction { Up, Down, Left, Right };

    ItemSelection(TCanvasPanel* labelPanel, QWidget* greyArea, LabelItems& items,
                  std::function<void()> triggerChange, QObject* parent = nullptr);
    ~ItemSelection() override;

    // The Grid menu's four entries: no snap, 2 x 2, 4 x 4, 8 x 8.
    void ConnectGridMenu(QAction* none, QAction* grid2, QAction* grid4, QAction* grid8);
    // Wires a newly created item: its mouse presses select it.
    void SetupItem(QWidget* item);
    // The undo history each change made here becomes a step of (none: no history).
    void SetSteps(DesignSteps* steps) { steps_ = steps; }
    DesignSteps* Steps() const { return steps_; }

    // Selects item and records its rectangle as the reference for change detection.
    void AttachControl(QWidget* item) override;
    void DetachControl() override;
    // Re-lays the handle around item after an edit that may have changed its size.
    void RefreshAttach(QWidget* item) override;
    void RefitHandle(QWidget* item) override;
    // The selected item, or null (also when several are selected).
    QWidget* Selected() const override;
    // The selected items, back to front.
    QList<QWidget*> SelectedItems() const override;
    void SelectItems(const QList<QWidget*>& items) override;
    QList<QWidget*> ChosenOrder() const override;
    // Adds an item to the selection, or takes it out when it is in.
    void ToggleItem(QWidget* item);
    void SelectAll();
    // Selects the item after (before) the selected one in the stacking order, wrapping round.
    void SelectNext(bool forward);
    // Selects the items whose rectangles lie wholly inside band (panel coordinates), added to
    // the selection when adding.
    void SelectInside(const QRect& band, bool adding);
    // Repaints the frame and keeps it above the items, also after one was brought to the front.
    void RepaintHandle() override;
    QRect AttachRect() const { return attachRect_; }
    TStretchHandle& Handle() const { return *StretchHandle1; }

    // Mouse presses: on an item, on the design panel, on the grey area.
    void StretchMouseDown(QWidget* item, Qt::MouseButton button,
                          Qt::KeyboardModifiers modifiers = {});
    void LabelPanelMouseDown(const QPoint& point = {}, Qt::KeyboardModifiers modifiers = {});
    void ScrollBox1MouseDown();
    // After a drag through the handle, and after a key press on it.
    void StretchHandle1MouseUp();
    void StretchHandle1KeyDown(int key);
    // Fits a symbol's font to box (the item's own size unless given). Boxes under 5 pixels
    // either way are left alone.
    void SymbolResize(TSymbol* item);
    void SymbolResize(TSymbol* item, const QSize& box);
    // The point size that fits a glyph measuring glyph at points into box: the smaller of
    // trunc(box / (glyph / points)) across and down, at least 1. points itself when the box
    // is under 5 pixels either way or the glyph measures nothing.
    static int FittedSymbolPoints(const QSize& box, const QSize& glyph, int points);

    // One step of a nudge button: every item when all ("Move All" checked), else the
    // selection.
    void Nudge(Direction direction, bool all = false);
    // The undo step a nudge is: "Move All" or "Move".
    static QString NudgeStepName(bool all);
    // Moves every label item one pixel; clears the selection and marks the label changed.
    void MoveAllObjects(Direction direction);

    // Centring on the design panel.
    void AlignHorizontal(QWidget* item) override;
    void AlignVertical(QWidget* item) override;
    void AlignCenter(QWidget* item) override;

    // Deletes every selected item, one undo step.
    void CutObjectButtonClick();
    void DeleteObject(QWidget* item);
    // The undo key of nudging the selection: steps under the same key join.
    QString NudgeJoinKey() const;

    void mnuSnapToGridNoneClick();
    void mnuSnapToGrid2x2Click();
    void mnuSnapToGrid4x4Click();
    void mnuSnapToGrid8x8Click();

    // The handle framing the selected item.
    TStretchHandle* StretchHandle1 = nullptr;

    // The Grid menu entries (null until ConnectGridMenu).
    QAction* mnuSnapToGridNone = nullptr;
    QAction* mnuSnapToGrid2x2 = nullptr;
    QAction* mnuSnapToGrid4x4 = nullptr;
    QAction* mnuSnapToGrid8x8 = nullptr;

signals:
    // Items were selected or let go.
    void SelectionChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setGrid(int grid, QAction* checked);
    void TakeControlBoxes(const QList<QWidget*>& controls);
    bool filterKey(QObject* watched, QEvent* event);
    void MoveItem(QWidget* control, QPoint to);
    int LabelWidth() const;
    int LabelHeight() const;
    void triggerChange();

    QPointer<TCanvasPanel> labelPanel_;
    QPointer<QWidget> greyArea_;
    LabelItems& items_;
    std::function<void()> triggerChange_;
    QRect attachRect_;
    DesignSteps* steps_ = nullptr;
    BandSelection* band_ = nullptr;
};
