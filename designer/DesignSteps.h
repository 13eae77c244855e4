#pragma once

#include <QString>

// Groups what one design command changes into one undoable step. A command opens a step
// with its name ("Move", "Font", "Delete Item"); every change made until the step is closed
// belongs to it. Steps nest: the outermost one names the step. The main window's undo
// history implements it; where none is wired the commands simply run.
class DesignSteps {
public:
    virtual ~DesignSteps() = default;

    virtual void BeginStep(const QString& name) = 0;
    virtual void EndStep() = 0;
    // The open step may join the step before it when that one was opened under the same key
    // less than JoinWithinMs before it ends (successive nudges of the same items).
    virtual void MayJoinPrevious(const QString& key) { (void)key; }
    static constexpr int JoinWithinMs = 1000;

    // Opens a step for the lifetime of the scope; a null history does nothing.
    class Scope {
    public:
        Scope(DesignSteps* steps, const QString& name) : steps_(steps) {
            if (steps_)
                steps_->BeginStep(name);
        }
        ~Scope() {
            if (steps_)
                steps_->EndStep();
        }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        DesignSteps* steps_;
    };
};
