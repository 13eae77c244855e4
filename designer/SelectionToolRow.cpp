#include "designer/SelectionToolRow.h"

#include "designer/DesignSteps.h"
#include "designer/ToolGlyphs.h"
#include "ui/CommandBoundary.h"

#include <QCheckBox>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

namespace {
constexpr int ButtonSize = 23; // pixels
constexpr int ButtonStep = 25;
constexpr int ButtonTop = 4;
constexpr int RepeatDelayMs = 100;
constexpr int RepeatIntervalMs = 50;
} // namespace

SelectionToolRow::SelectionToolRow(ItemSelection& selection, QWidget* toolsPanel, int left,
                                   QObject* parent)
    : QObject(parent), selection_(selection) {
    int x = left;
    PosLeftButton =
        addNudgeButton(toolsPanel, "PosLeftButton", Direction::Left, tr("Move left one pixel"), x);
    PosUpButton = addNudgeButton(toolsPanel, "PosUpButton", Direction::Up, tr("Move up one pixel"),
                                 x += ButtonStep);
    PosDownButton = addNudgeButton(toolsPanel, "PosDownButton", Direction::Down,
                                   tr("Move down one pixel"), x += ButtonStep);
    PosRightButton = addNudgeButton(toolsPanel, "PosRightButton", Direction::Right,
                                    tr("Move right one pixel"), x += ButtonStep);
    MoveAll = new QCheckBox(tr("Move All"), toolsPanel);
    MoveAll->setObjectName(QStringLiteral("MoveAll"));
    MoveAll->setToolTip(tr("The arrow buttons move every item of the label"));
    MoveAll->setWhatsThis(
        tr("When checked, the four arrow buttons move every item of the label by one pixel; "
           "when clear, they move the selected item only."));
    MoveAll->setFocusPolicy(Qt::TabFocus);
    // As wide as its caption needs in the user's language ("Alle verschieben"), 70 at least.
    const int moveAllWidth = std::max(70, MoveAll->sizeHint().width());
    MoveAll->setGeometry(x += ButtonStep + 6, ButtonTop, moveAllWidth, ButtonSize);
    CutObjectButton = addButton(toolsPanel, "CutObjectButton", ToolGlyphIcon(ToolGlyph::Cut),
                                tr("Delete the selected item"), x += moveAllWidth + 4);
    connect(CutObjectButton, &QToolButton::clicked, this,
            [this] { RunCommand([this] { selection_.CutObjectButtonClick(); }); });
    PropertiesButton =
        addButton(toolsPanel, "PropertiesButton", ToolGlyphIcon(ToolGlyph::Properties),
                  tr("Properties of the selected item"), x += ButtonStep);
}

QToolButton* SelectionToolRow::addButton(QWidget* parent, const char* name, const QIcon& icon,
                                         const QString& tip, int left) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(icon);
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    button->setWhatsThis(tip + QLatin1Char('.'));
    button->setGeometry(left, ButtonTop, ButtonSize, ButtonSize);
    button->setAutoRaise(true);
    // A click leaves the keyboard focus on the handle, so the arrow keys still move the item;
    // the Tab key reaches the button, and Space presses it.
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QToolButton* SelectionToolRow::addNudgeButton(QWidget* parent, const char* name,
                                              Direction direction, const QString& tip, int left) {
    const ToolGlyph glyphs[] = {ToolGlyph::ArrowUp, ToolGlyph::ArrowDown, ToolGlyph::ArrowLeft,
                                ToolGlyph::ArrowRight};
    QToolButton* button = addButton(parent, name, ToolGlyphIcon(glyphs[int(direction)]), tip, left);
    const char* const ways[] = {QT_TR_NOOP("up"), QT_TR_NOOP("down"), QT_TR_NOOP("left"),
                                QT_TR_NOOP("right")};
    button->setWhatsThis(
        tr("Moves the selected item one pixel %1; held down, it keeps moving. With "
           "\"Move All\" checked it moves every item of the label instead.")
            .arg(tr(ways[int(direction)])));
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(RepeatDelayMs);
    button->setAutoRepeatInterval(RepeatIntervalMs);
    connect(button, &QToolButton::pressed, this, [this] { nudgePressed(); });
    connect(button, &QToolButton::released, this, [this, button] { nudgeReleased(button); });
    connect(button, &QToolButton::clicked, this,
            [this, button, direction] { nudgeClicked(button, direction); });
    return button;
}

bool SelectionToolRow::movingAll() const {
    return MoveAll->isChecked();
}

void SelectionToolRow::nudgePressed() {
    DesignSteps* steps = selection_.Steps();
    if (!steps)
        return;
    nudgeEnding_ = false;
    ++nudgeRelease_; // the pointer came back onto the button: the step goes on
    if (stepsOpen_)
        return;
    stepsOpen_ = steps;
    steps->BeginStep(ItemSelection::NudgeStepName(movingAll()));
}

void SelectionToolRow::nudgeReleased(QToolButton* button) {
    if (!stepsOpen_ || button->isDown())
        return;
    nudgeEnding_ = true;
    // Released off the button no click follows: the step closes once control returns.
    const int release = ++nudgeRelease_;
    QTimer::singleShot(0, this, [this, release] {
        if (release == nudgeRelease_)
            endNudgeStep();
    });
}

void SelectionToolRow::nudgeClicked(QToolButton* button, Direction direction) {
    RunCommand([this, direction] { selection_.Nudge(direction, movingAll()); });
    if (nudgeEnding_ && !button->isDown())
        endNudgeStep();
}

void SelectionToolRow::endNudgeStep() {
    if (!stepsOpen_)
        return;
    DesignSteps* steps = stepsOpen_;
    stepsOpen_ = nullptr;
    nudgeEnding_ = false;
    steps->EndStep();
}
