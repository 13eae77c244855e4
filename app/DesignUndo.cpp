#include "app/DesignUndo.h"

#include "app/DesignUndoStep.h"
#include "app/LabelRecords.h"
#include "app/LabelView.h"
#include "designer/SelectionControl.h"
#include "document/ChosenPositions.h"

#include <QAction>
#include <QScopedValueRollback>
#include <QWidget>

namespace {
// A change made outside any named step.
const QString UnnamedStep = QStringLiteral("Change");

QString Caption(const QString& verb, const QString& step) {
    return step.isEmpty() ? verb : verb + u' ' + step;
}
} // namespace

DesignUndo::DesignUndo(LabelRecords& records, LabelItems& items, LabelView& view,
                       SelectionControl& selection, QObject* parent)
    : QObject(parent), records_(records), items_(items), view_(view), selection_(selection) {
    stack_.setUndoLimit(Limit);
    current_ = Capture();
    connect(&stack_, &QUndoStack::cleanChanged, this,
            [this](bool clean) { records_.ShowCleanState(clean); });
}

DesignUndo::~DesignUndo() {
    // The stack empties itself as it goes; the label no longer follows it then.
    disconnect(&stack_, nullptr, this, nullptr);
}

DesignUndo::State DesignUndo::Capture() const {
    return std::make_shared<const DesignState>(
        DesignState{view_.DescriptionText(), records_.Label.templateName, records_.Label.geometry,
                    items_.TakeSnapshot()});
}

void DesignUndo::BeginStep(const QString& name) {
    if (depth_++ == 0)
        stepName_ = name;
}

// Whatever the command changed counts, marked or not: a drag back to where the item was
// selected changes the design without marking it.
void DesignUndo::EndStep() {
    if (depth_ == 0 || --depth_ > 0)
        return;
    Record(stepName_);
}

void DesignUndo::Changed() {
    if (!restoring_ && depth_ == 0)
        Record(UnnamedStep);
}

void DesignUndo::Record(const QString& name) {
    // Nothing is recorded while a label is loaded or restored, or before there is one.
    if (restoring_ || records_.Loading() || records_.FirstActivation() || !records_.HasLabel())
        return;
    State after = Capture();
    // A command that marks the label changed without changing it leaves nothing to undo.
    if (*after == *current_)
        return;
    auto* step =
        new DesignUndoStep(name, current_, after, [this](const State& state) { Restore(state); });
    current_ = std::move(after);
    stack_.push(step);
}

void DesignUndo::Reset() {
    depth_ = 0;
    stack_.clear();
    current_ = Capture();
}

void DesignUndo::MarkSaved() {
    // What was saved is what the next step starts from, whatever reached it.
    current_ = Capture();
    stack_.setClean();
}

void DesignUndo::MarkUnsaved() {
    stack_.resetClean();
}

void DesignUndo::Undo() {
    if (depth_ == 0)
        stack_.undo();
}

void DesignUndo::Redo() {
    if (depth_ == 0)
        stack_.redo();
}

void DesignUndo::Restore(const State& state) {
    const QScopedValueRollback<bool> restoring(restoring_, true);
    const LabelRecords::LoadingScope loading(records_);
    const QWidget* selected = selection_.Selected();
    const QString selectedName = selected ? selected->objectName() : QString();
    view_.SetDescriptionText(state->description);
    const SheetGeometry before = records_.Label.geometry;
    records_.Label.templateName = state->templateName;
    records_.Label.geometry = state->geometry;
    if (!(before == state->geometry)) {
        records_.FitPanelToLabel();
        ForgetPositionsIfLayoutChanged(before, state->geometry);
    }
    items_.RestoreSnapshot(state->items);
    current_ = state;
    Reselect(selectedName);
}

// The item selected before stays selected when it is still there.
void DesignUndo::Reselect(const QString& name) {
    if (name.isEmpty())
        return;
    for (QWidget* item : items_.OrderList())
        if (item && item->objectName() == name) {
            selection_.AttachControl(item);
            return;
        }
}

QAction* DesignUndo::CreateUndoAction(QObject* parent) {
    auto* action = new QAction(Caption(QStringLiteral("&Undo"), stack_.undoText()), parent);
    action->setObjectName(QStringLiteral("mnuUndo"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    action->setWhatsThis(QStringLiteral(
        "Takes back the last change to the label on screen. Saving keeps the changes made "
        "before it; choosing or starting another label starts afresh."));
    action->setEnabled(stack_.canUndo());
    connect(&stack_, &QUndoStack::canUndoChanged, action, &QAction::setEnabled);
    connect(&stack_, &QUndoStack::undoTextChanged, action, [action](const QString& step) {
        action->setText(Caption(QStringLiteral("&Undo"), step));
    });
    connect(action, &QAction::triggered, this, &DesignUndo::Undo);
    return action;
}

QAction* DesignUndo::CreateRedoAction(QObject* parent) {
    auto* action = new QAction(Caption(QStringLiteral("&Redo"), stack_.redoText()), parent);
    action->setObjectName(QStringLiteral("mnuRedo"));
    action->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    action->setWhatsThis(QStringLiteral("Makes again the change last taken back."));
    action->setEnabled(stack_.canRedo());
    connect(&stack_, &QUndoStack::canRedoChanged, action, &QAction::setEnabled);
    connect(&stack_, &QUndoStack::redoTextChanged, action, [action](const QString& step) {
        action->setText(Caption(QStringLiteral("&Redo"), step));
    });
    connect(action, &QAction::triggered, this, &DesignUndo::Redo);
    return action;
}
