#include "app/DesignUndoStep.h"

namespace {
constexpr int DescriptionMergeId = 1;
}

const QString DesignUndoStep::DescriptionStep = QStringLiteral("Description");

DesignUndoStep::DesignUndoStep(const QString& name, State before, State after, Restore restore)
    : before_(std::move(before)), after_(std::move(after)), restore_(std::move(restore)) {
    setText(name);
}

void DesignUndoStep::undo() {
    restore_(before_);
}

void DesignUndoStep::redo() {
    // The stack redoes a step as it is pushed, when the change has just been made.
    if (!pushed_) {
        pushed_ = true;
        return;
    }
    restore_(after_);
}

int DesignUndoStep::id() const {
    return text() == DescriptionStep ? DescriptionMergeId : -1;
}

bool DesignUndoStep::mergeWith(const QUndoCommand* other) {
    if (other->id() != id())
        return false;
    after_ = static_cast<const DesignUndoStep*>(other)->after_;
    return true;
}
