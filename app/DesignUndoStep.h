#pragma once

#include "document/LabelDesign.h"

#include <QUndoCommand>

#include <functional>
#include <memory>

// One undoable design step: the states before and after it. Neighbouring steps share the
// state between them. Pushing the step does nothing, as the change is already made; undo
// and redo put the state back through restore. Edits of the description typed one after
// another merge into one step, and so do steps opened under the same join key (nudges of
// the same items) less than DesignSteps::JoinWithinMs apart.
class DesignUndoStep : public QUndoCommand {
public:
    using State = std::shared_ptr<const LabelDesign>;
    using Restore = std::function<void(const State& state)>;

    static const QString DescriptionStep;

    DesignUndoStep(const QString& name, State before, State after, Restore restore);
    // A step that may join the one before it: its key and when it ended (milliseconds on a
    // steady clock).
    void SetJoin(const QString& key, qint64 endedMs) {
        joinKey_ = key;
        endedMs_ = endedMs;
    }

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

    const State& After() const { return after_; }

private:
    State before_;
    State after_;
    Restore restore_;
    bool pushed_ = false;
    QString joinKey_;
    qint64 endedMs_ = 0;
};
