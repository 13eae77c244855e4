#pragma once

#include "document/ColorValue.h"
#include "controls/TLineShape.h"
#include "controls/TPimShape.h"
#include "document/LabelItemValue.h"
#include "document/ObjectsTextWriter.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class ItemPrompts;
class QObject;
class TCanvasPanel;

// The items of the label being designed: live controls on the design panel, named "Special"
// + n, and the order list that holds them back to front (index 0 rearmost). The order list
// fixes the order of the objects text and so the stacking after a reload.
//
// The main window holds one and delegates to it. The panel is the items' parent; the owner
// (the main window) is searched with the panel for names in use. What the window does around
// the items is injected: TriggerChange marks the label changed, DetachSelection clears the
// stretch handle, ItemCreated attaches the mouse and drag hooks and the popup menu of the kind.
// Questions to the user go through prompts.
class LabelItems {
public:
    struct Hooks {
        std::function<void()> TriggerChange;
        std::function<void()> DetachSelection;
        std::function<void(QWidget* item, LabelItemKind kind)> ItemCreated;
    };

    LabelItems(TCanvasPanel* panel, QObject* owner, ItemPrompts& prompts, Hooks hooks = {});

    // Creation operations: positions and sizes in pixels; a width or height of 0 or less
    // leaves the control's own size. The new item is appended to the order list (front-most)
    // and TriggerChange is called. When all 1000 names are taken, an information message is
    // shown and nothing is created; a declined question creates nothing either.

    // Line breaks in the text are dropped: a caption is one line.
    void CreateTextItem(const QString& text, int top, int left, int width, int height, int angle,
                        const QString& fontName, int fontSize, ColorValue fontColor, bool bold,
                        bool italic, bool underline);
    // A starting number of -1 asks the user (the counter dialog, after refusing a second
    // counter with "There is a limit of one Counter per label"); the repeat count passed in is
    // then ignored.
    void CreateCounterItem(int top, int left, int width, int height, int angle,
                           const QString& fontName, int fontSize, ColorValue fontColor, bool bold,
                           bool italic, bool underline, int startingNumber, int repeatCount);
    // A character code of 0 asks the user (the symbol dialog), whose colour then replaces
    // fontColor. The font is always "WingDings".
    void CreateSymbolItem(int charCode, int top, int left, int width, int height, int fontSize,
                          ColorValue fontColor);
    // roundPerc is applied to stRoundRect only.
    void CreateShapeItem(TShapeType shape, int top, int left, int width, int height,
                         ColorValue brushColor, ColorValue penColor, int penWidth, int roundPerc,
                         TBrushStyle brushStyle);
    void CreateLineItem(TLineStyle style, int top, int left, int width, int height,
                        ColorValue penColor, int penWidth);
    // An empty file name asks the image chooser. Nothing is created, silently, when the name
    // is empty, the file is missing or unreadable, or its extension is not ".BMP"/".WMF"
    // (any case); a name holding a line break is refused with a message.
    void CreateImageItem(int top, int left, int width, int height, const QString& fileName,
                         bool stretch);
    // A width or height of 0 gives the symbol's own size for its data (modules two pixels
    // wide at 96 pixels per inch), or 150 x 60 when the data cannot be encoded.
    void CreateBarcodeItem(int top, int left, int width, int height, BarcodeSymbology symbology,
                           const QString& data, bool showText, ColorValue barColor,
                           ColorValue background);

    // The first of prefix + 1 … prefix + 1000 that names no object of the owner or the panel
    // (compared without regard to case); empty when all are taken.
    QString FindNextAvailable(const QString& prefix) const;

    // True when the order list holds a counter.
    bool AlreadyACounter() const;

    // Removes every label item, last first, without signalling a change. Items of kinds this
    // version does not know, kept from the text read, are dropped too.
    void DeleteAllItems();

    // Removes one item: the selection is detached, the entry leaves the order list, the
    // control is discarded (freed once control returns to the event loop) and TriggerChange
    // is called.
    void DeleteObject(QWidget* item);

    // The order list. OrderListAdd appends and calls TriggerChange; the others act only on an
    // item in the list and change the list only (the caller restacks the widgets).
    void OrderListAdd(QWidget* item);
    void OrderListDelete(QWidget* item);
    void OrderListBringToFront(QWidget* item);
    void OrderListSendToBack(QWidget* item);
    const QList<QPointer<QWidget>>& OrderList() const { return orderList_; }

    // The items as plain values, back to front; text origins and automatic sizes are
    // recomputed first. Entries that are not label items are left out.
    std::vector<LabelItemValue> ItemValues() const;
    // The objects text of the items. Items of kinds this version does not know, kept from the
    // text read, are written back unchanged after the item they followed.
    QString SaveItems() const;
    // How many such kept items there are.
    int KeptItemCount() const { return int(kept_.size()); }

    // Creates one item exactly as stored, never asking the user: a counter starting at -1 and
    // a symbol with code 0 are created with those values, and an image whose file is missing
    // or unreadable is kept with its box, path and stretch flag (it shows a placeholder).
    // Returns false when no name was free.
    bool CreateItemFromValue(const LabelItemValue& value);

    // The items exactly as they stand, for taking the design back to this state: their values
    // back to front, their names, and the kept blocks of unknown kinds (each after the value
    // of index `after`, -1 before the first).
    struct Snapshot {
        std::vector<LabelItemValue> values;
        QStringList names;
        std::vector<KeptItemLines> kept;
        bool operator==(const Snapshot&) const = default;
    };
    Snapshot TakeSnapshot() const;
    // Replaces every item by the snapshot's, under the same names, in the same stacking order,
    // without asking the user. The caller holds the change signal off.
    void RestoreSnapshot(const Snapshot& snapshot);

    // Creates the items of an objects text in order. A malformed number throws ConversionError
    // after the items before it were created. When the names run out, the information message
    // is shown once and the remaining items are not created.
    void REstoreItems(const QString& objectsText);

    // The kind of a label item control, or nothing for any other object. Counters are told
    // from texts by their class.
    static std::optional<LabelItemKind> KindOf(const QObject* item);
    // True when the object is a label item: its upper-cased name contains "SPECIAL".
    static bool IsLabelItem(const QObject* item);

private:
    struct Box {
        int top, left, width, height;
    };
    static Box boxOf(const LabelItemValue& v) { return {v.top, v.left, v.width, v.height}; }
    // An item of a kind this version does not know: its lines, and the item it followed.
    struct Kept {
        QPointer<QWidget> after; // null with atStart
        bool atStart = false;
        QString lines;
    };
    QString takeName();
    void refuseUnnamed();
    void place(QWidget* control, const QString& name, const Box& box) const;
    void finish(QWidget* control, LabelItemKind kind);
    void createText(const QString& name, const LabelItemValue& v);
    void createSymbol(const QString& name, int charCode, const Box& box, int fontSize,
                      ColorValue fontColor);
    void createShape(const QString& name, TShapeType shape, const Box& box, ColorValue brushColor,
                     ColorValue penColor, int penWidth, int roundPerc, TBrushStyle brushStyle);
    void createLine(const QString& name, TLineStyle style, const Box& box, ColorValue penColor,
                    int penWidth);
    void createImage(const QString& name, const Box& box, const QString& fileName, bool stretch);
    void createBarcode(const QString& name, const LabelItemValue& v);
    // The counter's starting number as "{#}" shows on screen: the first label's value.
    QString counterShown() const;
    bool createNamed(const QString& name, const LabelItemValue& value);
    std::vector<KeptItemLines> keptLines(const std::vector<QWidget*>& widgets) const;
    void keep(const QString& lines);
    void reanchorKept(QWidget* deleted);
    std::vector<LabelItemValue> itemValues(std::vector<QWidget*>* widgets) const;
    void triggerChange();
    void detachSelection();
    void discard(QWidget* item);
    qsizetype indexOf(QWidget* item) const;

    TCanvasPanel* panel_;
    QPointer<QObject> owner_;
    ItemPrompts& prompts_;
    Hooks hooks_;
    QList<QPointer<QWidget>> orderList_;
    std::vector<Kept> kept_;
};
