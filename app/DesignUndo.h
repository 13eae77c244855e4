#pragma once

#include "designer/DesignSteps.h"
#include "document/LabelDesign.h"

#include <QElapsedTimer>
#include <QObject>
#include <QUndoStack>

#include <memory>

class LabelItems;
class LabelModel;
class LabelRecords;
class QAction;
class SelectionControl;

// The undo history of the label being designed. Each design command is one step (it opens
// one, DesignSteps), recorded as the label model's design after it when that differs from
// the design after the previous step; a change marked outside any command is a step of its
// own. Undo and redo put a recorded design back into the model, which tells the panel only
// what differs: the items under their own names and in their stacking order, the description
// and the geometry.
//
// The history starts afresh whenever another label is shown; saving marks the clean point,
// and the Save and Cancel buttons show exactly when the design differs from it (or the label
// is not stored yet). At most Limit steps are kept.
class DesignUndo : public QObject, public DesignSteps {
    Q_OBJECT
public:
    static constexpr int Limit = 200;

    DesignUndo(LabelRecords& records, LabelModel& model, const LabelItems& items,
               SelectionControl& selection, QObject* parent = nullptr);
    ~DesignUndo() override;

    void BeginStep(const QString& name) override;
    void EndStep() override;
    void MayJoinPrevious(const QString& key) override;

    // The label was marked changed: recorded now unless a step is open (it ends with that).
    void Changed();
    // Another label is on the panel: its state is where the history starts.
    void Reset();
    // The label was saved in its present state.
    void MarkSaved();
    // The state shown differs from the one saved, although no step led to it (a label
    // recovered after a crash): Save and Cancel show until it is saved.
    void MarkUnsaved();

    // Neither runs while a step is still open (a nudge button held down).
    void Undo();
    void Redo();
    const QUndoStack& Stack() const { return stack_; }
    // A command's step has begun and not ended yet (a drag under way).
    bool StepOpen() const { return depth_ > 0; }

    // The Edit menu's "&Undo <step>" (Ctrl+Z) and "&Redo <step>" (Ctrl+Y, Ctrl+Shift+Z),
    // each disabled while there is nothing to take back or do again.
    QAction* CreateUndoAction(QObject* parent);
    QAction* CreateRedoAction(QObject* parent);

private:
    using State = std::shared_ptr<const LabelDesign>;
    State Capture() const;
    void Record(const QString& name);
    void Restore(const State& state);
    void Reselect(const QStringList& names);

    LabelRecords& records_;
    LabelModel& model_;
    const LabelItems& items_;
    SelectionControl& selection_;
    QUndoStack stack_;
    State current_;
    int depth_ = 0;
    QString stepName_;
    QString joinKey_; // of the open step
    QElapsedTimer clock_;
    bool restoring_ = false;
};
