#pragma once

#include "document/ChosenPositions.h"
#include "document/DesignChange.h"
#include "document/LabelDesign.h"

#include <QString>

#include <vector>

// Follows a label's design: the design panel, the description box, the undo history.
class DesignView {
public:
    virtual ~DesignView() = default;
    // The design has changed as change says; design is the new one.
    virtual void DesignChanged(const LabelDesign& design, const DesignChange& change) = 0;
};

// Measures what an item's look decides about it before the model takes its value: the size a
// text, symbol or unstretched picture takes and where a text starts in its box. The design
// panel, whose controls draw the items, is the label's layout; without one (the batch, tests
// of the document alone) values are taken as given.
class ItemLayout {
public:
    virtual ~ItemLayout() = default;
    virtual void Settle(const QString& name, LabelItemValue& value) = 0;
};

// The label being designed, and the one way to change it. Every design command changes the
// label through these edits; each edit tells every view what it changed (nothing when it
// changed nothing). A command that changes several items makes one edit of them (SetItems).
// Views follow; they never edit while they are being told.
class LabelModel {
public:
    const LabelDesign& Design() const { return design_; }

    void AddView(DesignView* view);
    void RemoveView(DesignView* view);
    void SetLayout(ItemLayout* layout) { layout_ = layout; }

    // The sheet positions chosen for printing on a partly used sheet: beside the design,
    // neither stored nor undone. An edit that changes the number of labels across or down
    // forgets them, as they would mark other places.
    ChosenPositions& Positions() { return positions_; }
    const ChosenPositions& Positions() const { return positions_; }

    // ---- edits
    void SetDescription(const QString& description);
    void SetTemplate(const QString& templateName, const SheetGeometry& geometry);
    // Adds an item front-most under the first free name, exactly as given (never asking
    // anything); returns its name, or an empty name when all MaxItems names are taken (then
    // nothing is added).
    QString CreateItemFromValue(const LabelItemValue& value);
    // Adds several items front-most, in the order given, in one edit; returns their names.
    // Items beyond the free names are not added (fewer names come back).
    QStringList AddItems(const std::vector<LabelItemValue>& values);
    // Changes one item's value; an unknown name changes nothing.
    void SetItem(const QString& name, const LabelItemValue& value);
    // Changes several items' values in one edit.
    void SetItems(const std::vector<DesignItem>& items);
    // Removes an item. The kept blocks that followed it follow the item before it.
    void RemoveItem(const QString& name);
    // Removes several items in one edit; unknown names are passed over.
    void RemoveItems(const QStringList& names);
    void BringToFront(const QString& name);
    void SendToBack(const QString& name);
    // Another label: every view drops the items it showed and makes this label's afresh.
    void Load(const LabelDesign& design);
    // The design put back as it was (undo, redo): only what differs is reported.
    void Restore(const LabelDesign& design);

private:
    void Commit(LabelDesign next, const DesignChange& change);
    void Settle(LabelDesign& next, const QStringList& names);

    LabelDesign design_;
    ChosenPositions positions_;
    std::vector<DesignView*> views_;
    ItemLayout* layout_ = nullptr;
};
