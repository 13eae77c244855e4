#pragma once

#include "designer/SelectionControl.h"
#include "document/ItemKinds.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <optional>

class DesignSteps;
class DropToolButton;
class LabelItems;
class QDrag;
class QMimeData;
class QWidget;

// Placing new items by drag and drop: one tool button per item kind at the left of the tool
// row, the drag each starts, which drops the design panel and the items accept, and the item
// each drop adds to the label: the kind's new item at the drop point, after the questions
// the kind asks (its designer part, ItemTools.h). A picture file dragged from a file manager
// becomes an image item where it is dropped.
class ItemPlacer : public QObject {
    Q_OBJECT
public:
    // The buttons are made children of toolRow, left to right from its left edge; changed
    // marks the label changed.
    ItemPlacer(QWidget* designPanel, LabelItems& items, QWidget* toolRow,
               SelectionControl& selection, std::function<void()> changed,
               QObject* parent = nullptr);

    // The MIME type a tool drag carries; its data is the tool button's name.
    static const QString MimeType;
    static QMimeData* ToolMimeData(LabelItemKind kind);

    DropToolButton* Button(LabelItemKind kind) const;
    const QList<DropToolButton*>& Buttons() const { return buttons_; }
    // The right edge of the last tool button in the tool row.
    int ToolsRight() const;

    // Lets a label item take tool drops, which land as if on the panel at the same point.
    void AcceptDropsOn(QWidget* item);

    // The press on a tool button: a kind that needs a font (the symbol's WingDings) starts no
    // drag without it; then the selection is cleared and the drag begins.
    void DropButtonDown(QObject* sender);
    // Space or Enter on a tool button: its item placed at the label's top-left corner, as a
    // drop there would place it, for those who work without a pointer.
    void PlaceFromKeyboard(DropToolButton* button);
    // Whether a drag carrying data may be dropped on the panel or an item.
    bool LabelPanelDragOver(QObject* target, const QMimeData* data) const;
    // A tool dropped on target (the panel or an item) at point, relative to target.
    void LabelPanelDragDrop(QWidget* target, LabelItemKind kind, QPoint point);
    // The picture file a drag from a file manager carries (the first local file whose name
    // is that of a picture), or an empty name.
    static QString PictureFileOf(const QMimeData* data);
    // A picture file dropped at point of the panel: a new image item showing it, selected.
    // A file that cannot be read is named in the error box and places nothing.
    void PlacePictureFile(const QString& path, QPoint point);

    // The undo history each placed item becomes a step of; none: no history.
    void SetSteps(DesignSteps* steps) { steps_ = steps; }

    // The installed font families, in the system's order (replaceable in tests).
    std::function<QStringList()> FontFamilies;
    // Runs a prepared drag to its end (replaceable in tests, where no pointer can drag).
    std::function<void(QDrag& drag)> RunDrag;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct PendingDrop {
        QPointer<QWidget> target;
        LabelItemKind kind;
        QPoint point;
    };
    void RunPendingDrop();
    bool HasFont(QStringView family) const;
    bool CanPlace(DropToolButton* button) const;
    void Create(LabelItemKind kind, int x, int y);
    bool IsDropTarget(QObject* object) const;

    QWidget* panel_;
    LabelItems& items_;
    SelectionControl& selection_;
    std::function<void()> changed_;
    QList<DropToolButton*> buttons_;
    bool dragging_ = false;
    std::optional<PendingDrop> pending_;
    DesignSteps* steps_ = nullptr;
};
