#include "app/DesignUndoStep.h"

#include "designer/DesignSteps.h"

#include <QCoreApplication>

namespace {
constexpr int DescriptionMergeId = 1;
constexpr int JoinedMergeId = 2;
} // namespace

const QString DesignUndoStep::DescriptionStep =
    QString::fromLatin1(QT_TRANSLATE_NOOP("DesignSteps", "Description"));

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
    if (text() == DescriptionStep)
        return DescriptionMergeId;
    return joinKey_.isEmpty() ? -1 : JoinedMergeId;
}

bool DesignUndoStep::mergeWith(const QUndoCommand* other) {
    if (other->id() != id())
        return false;
    const auto* next = static_cast<const DesignUndoStep*>(other);
    if (id() == JoinedMergeId && (next->joinKey_ != joinKey_ || next->text() != text() ||
                                  next->endedMs_ - endedMs_ >= DesignSteps::JoinWithinMs))
        return false;
    after_ = next->after_;
    endedMs_ = next->endedMs_;
    return true;
}
