#pragma once

#include "controls/ItemControls.h"
#include "document/LabelModel.h"
#include "document/MergeFields.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

class TCanvasPanel;

// What the window does with an item's control as items come and go: the selection follows
// its presses, tool drops land on it, a right click opens its menu; and the selection is
// cleared before items go.
class ItemControlHooks {
public:
    virtual ~ItemControlHooks() = default;
    virtual void ItemControlCreated(QWidget* control) = 0;
    virtual void ItemControlsRemoving() = 0;
};

// The label's items on the design panel: one control per item of the label model, named as
// the item ("Special" + n) and stacked back to front as the items are. A view of the model: it
// follows every edit, making, changing, restacking and removing only the controls whose items
// the edit touched, and it is the model's layout, measuring what the controls lay out (the
// size a text, symbol or unstretched picture takes, where a text starts). Commands read the
// items from the model and change them there, never through the controls.
class LabelItems : public DesignView, public ItemLayout, private ItemControlContext {
public:
    LabelItems(TCanvasPanel* panel, LabelModel& model, ItemControlHooks* hooks = nullptr);
    ~LabelItems() override;
    LabelItems(const LabelItems&) = delete;
    LabelItems& operator=(const LabelItems&) = delete;

    LabelModel& Model() const { return model_; }
    const LabelDesign& Design() const { return model_.Design(); }

    // The control of the item named name, or null.
    QWidget* Control(const QString& name) const;
    // The item a control shows, or null for any other object.
    const DesignItem* ItemOf(const QObject* control) const;
    std::optional<LabelItemKind> KindOf(const QObject* control) const;
    // The controls back to front.
    QList<QPointer<QWidget>> OrderList() const;
    // Gives a control its item's look again after a live preview changed it (the rotation
    // dialog turning a text).
    void ShowAgain(QWidget* control);

    // True when the object is a label item: its upper-cased name contains "SPECIAL".
    static bool IsLabelItem(const QObject* item);
    // What is said when all of a label's item names are taken.
    static QString TooManyItemsMessage();

    // The record of the merge source the panel shows: barcodes and pictures take its values
    // (texts take them through the panel's text marker). fields looks a field up;
    // pictureFile gives the file an image item's name stands for (fields filled in, a relative
    // name found). Null functions: no record, references show as typed.
    void ShowRecord(FieldLookup fields, std::function<QString(const QString&)> pictureFile);
    bool ShowsRecord() const { return bool(recordFields_); }

    void DesignChanged(const LabelDesign& design, const DesignChange& change) override;
    void Settle(const QString& name, LabelItemValue& value) override;

private:
    struct Shown {
        QPointer<QWidget> control;
        LabelItemValue value; // what the control shows
    };
    QString CounterShown() const override;
    std::optional<QString> ShownField(const QString& name) const override;
    QString ShownFile(const QString& fileName) const override;
    // Makes or updates the item's control to show value; null when it could not be made.
    QWidget* Show(const QString& name, const LabelItemValue& value, bool force = false);
    static void Place(QWidget* control, const LabelItemValue& value);
    void Discard(const QString& name);
    void Restack(const LabelDesign& design);

    TCanvasPanel* panel_;
    LabelModel& model_;
    ItemControlHooks* hooks_;
    QHash<QString, Shown> shown_;
    FieldLookup recordFields_;
    std::function<QString(const QString&)> recordPictures_;
};
