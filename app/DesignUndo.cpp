#include "app/DesignUndo.h"

#include "app/DesignUndoStep.h"
#include "app/LabelRecords.h"
#include "designer/LabelItems.h"
#include "designer/SelectionControl.h"
#include "document/LabelModel.h"

#include <QAction>
#include <QCoreApplication>
#include <QScopedValueRollback>

#include <QWidget>
#include <utility>

namespace {
// A change made outside any named step.
const char* const UnnamedStep = QT_TRANSLATE_NOOP("DesignSteps", "Change");

// Steps are named in English, which the code compares; the menu shows them in the user's
// language.
QString Caption(const QString& verb, const QString& step) {
    return step.isEmpty() ? verb
                          : verb + u' ' + QCoreApplication::translate("DesignSteps", step.toUtf8());
}
} // namespace

DesignUndo::DesignUndo(LabelRecords& records, LabelModel& model, const LabelItems& items,
                       SelectionControl& selection, QObject* parent)
    : QObject(parent), records_(records), model_(model), items_(items), selection_(selection) {
    stack_.setUndoLimit(Limit);
    clock_.start();
    current_ = Capture();
    connect(&stack_, &QUndoStack::cleanChanged, this,
            [this](bool clean) { records_.ShowCleanState(clean); });
}

DesignUndo::~DesignUndo() {
    // The stack empties itself as it goes; the label no longer follows it then.
    disconnect(&stack_, nullptr, this, nullptr);
}

DesignUndo::State DesignUndo::Capture() const {
    return std::make_shared<const LabelDesign>(model_.Design());
}

// A step takes back what its command changed, from the design as the command found it: an
// edit made outside any command and never marked (a test, a script) is not lost to the step.
void DesignUndo::BeginStep(const QString& name) {
    if (depth_++ > 0)
        return;
    stepName_ = name;
    joinKey_.clear();
    if (!restoring_ && *current_ != model_.Design())
        current_ = Capture();
}

// Whatever the command changed counts, marked or not: a drag back to where the item was
// selected changes the design without marking it.
void DesignUndo::EndStep() {
    if (depth_ == 0 || --depth_ > 0)
        return;
    Record(stepName_);
}

void DesignUndo::MayJoinPrevious(const QString& key) {
    if (depth_ > 0)
        joinKey_ = key;
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
    if (depth_ == 0 && !joinKey_.isEmpty())
        step->SetJoin(std::exchange(joinKey_, QString()), clock_.elapsed());
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
    QStringList selected;
    for (const QWidget* item : selection_.SelectedItems())
        selected << item->objectName();
    QStringList before;
    for (const DesignItem& item : model_.Design().items)
        before << item.name;
    model_.Restore(*state);
    current_ = state;
    // Items that come back (a deletion undone, a paste redone) are what the user looks at
    // next; otherwise the items selected before stay selected.
    QStringList returned;
    for (const DesignItem& item : state->items)
        if (!before.contains(item.name))
            returned << item.name;
    Reselect(returned.isEmpty() ? selected : returned);
}

// The named items that are there become the selection; none there leaves it alone.
void DesignUndo::Reselect(const QStringList& names) {
    QList<QWidget*> items;
    for (const QString& name : names)
        if (QWidget* item = items_.Control(name))
            items << item;
    if (!items.isEmpty())
        selection_.SelectItems(items);
}

QAction* DesignUndo::CreateUndoAction(QObject* parent) {
    auto* action = new QAction(Caption(tr("&Undo"), stack_.undoText()), parent);
    action->setObjectName(QStringLiteral("mnuUndo"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    action->setWhatsThis(
        tr("Takes back the last change to the label on screen. Saving keeps the changes made "
           "before it; choosing or starting another label starts afresh."));
    action->setEnabled(stack_.canUndo());
    connect(&stack_, &QUndoStack::canUndoChanged, action, &QAction::setEnabled);
    connect(&stack_, &QUndoStack::undoTextChanged, action,
            [action](const QString& step) { action->setText(Caption(tr("&Undo"), step)); });
    connect(action, &QAction::triggered, this, &DesignUndo::Undo);
    return action;
}

QAction* DesignUndo::CreateRedoAction(QObject* parent) {
    auto* action = new QAction(Caption(tr("&Redo"), stack_.redoText()), parent);
    action->setObjectName(QStringLiteral("mnuRedo"));
    action->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    action->setWhatsThis(tr("Makes again the change last taken back."));
    action->setEnabled(stack_.canRedo());
    connect(&stack_, &QUndoStack::canRedoChanged, action, &QAction::setEnabled);
    connect(&stack_, &QUndoStack::redoTextChanged, action,
            [action](const QString& step) { action->setText(Caption(tr("&Redo"), step)); });
    connect(action, &QAction::triggered, this, &DesignUndo::Redo);
    return action;
}
