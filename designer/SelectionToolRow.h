#pragma once

#include "designer/ItemSelection.h"

#include <QObject>

class QCheckBox;
class QToolButton;
class QWidget;

// The selection's part of the tool row: the four nudge buttons, "Move All", the cut button
// and the properties button. A nudge button held down is one undo step from its press to its
// release; every click moves through the selection.
class SelectionToolRow : public QObject {
    Q_OBJECT
public:
    // Puts the controls into toolsPanel, starting at x = left.
    SelectionToolRow(ItemSelection& selection, QWidget* toolsPanel, int left,
                     QObject* parent = nullptr);

    QToolButton* PosUpButton = nullptr;
    QToolButton* PosDownButton = nullptr;
    QToolButton* PosLeftButton = nullptr;
    QToolButton* PosRightButton = nullptr;
    QCheckBox* MoveAll = nullptr;
    QToolButton* CutObjectButton = nullptr;
    // Opens the selected item's menu; its click is connected by the item menus.
    QToolButton* PropertiesButton = nullptr;

private:
    using Direction = ItemSelection::Direction;
    QToolButton* addButton(QWidget* parent, const char* name, const QIcon& icon, const QString& tip,
                           int left);
    QToolButton* addNudgeButton(QWidget* parent, const char* name, Direction direction,
                                const QString& tip, int left);
    bool movingAll() const;
    // While the button is held its repeats report released, clicked and pressed with the
    // button still down; the real release reports released, then clicked, with the button up.
    void nudgePressed();
    void nudgeReleased(QToolButton* button);
    void nudgeClicked(QToolButton* button, Direction direction);
    void endNudgeStep();

    ItemSelection& selection_;
    DesignSteps* stepsOpen_ = nullptr; // the history the open nudge step belongs to
    bool nudgeEnding_ = false;
    int nudgeRelease_ = 0;
};
