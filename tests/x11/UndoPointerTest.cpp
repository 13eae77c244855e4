#include "RealWindowFixture.h"

#include "app/DesignUndo.h"
#include "controls/TPim3DLabel.h"
#include "designer/AngleDial.h"
#include "designer/ItemSelection.h"
#include "designer/SelectionToolRow.h"
#include "designer/SpinEdit.h"
#include "designer/TSetRotate.h"

#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QUndoStack>

#include <cstdlib>

// Undo with the real mouse: a drag, a held nudge button and a dragged rotation dial are one
// step each, taken back through the Edit menu clicked on the menu bar.
class UndoPointer : public RealWindowTest {
protected:
    QWidget* NewRectangle() {
        window->Model().CreateItemFromValue({.kind = LabelItemKind::Rectangle, .top = 20, .left = 30, .width = 40, .height = 25, .brushStyle = TBrushStyle(1), .brushColor = kColorBlack, .penWidth = 1, .penColor = kColorBlack, .rounding = 0});
        QTest::qWait(20);
        return LastItem();
    }
    int Steps() { return window->Undo().Stack().index(); }
    // Opens Edit on the menu bar and clicks "Undo …".
    void ClickUndo() {
        QMenuBar* bar = window->menuBar();
        pointer.Click(bar, bar->actionGeometry(window->mnuEdit->menuAction()).center());
        QMenu* menu = WaitForPopup();
        ASSERT_EQ(menu, window->mnuEdit);
        ClickEntry(menu, QStringLiteral("mnuUndo"));
        QTest::qWait(20);
    }
};

TEST_F(UndoPointer, ADragIsOneStepAndEditUndoTakesItBack) {
    QWidget* item = NewRectangle();
    const int steps = Steps();
    pointer.Drag(item, {1, 10}, {31, 22}, 12); // a hollow box is held by its outline
    QTest::qWait(20);
    EXPECT_GT(LastItem()->x(), 50);
    EXPECT_EQ(Steps(), steps + 1);
    EXPECT_EQ(window->mnuUndo->text(), QStringLiteral("&Undo Move"));
    ClickUndo();
    EXPECT_EQ(LastItem()->pos(), QPoint(30, 20));
    EXPECT_EQ(Steps(), steps);
}

TEST_F(UndoPointer, ANudgeButtonHeldDownIsOneStep) {
    pointer.Click(NewRectangle(), {1, 5});
    QToolButton* down = window->ToolRow().PosDownButton;
    const int steps = Steps();
    pointer.MoveTo(down->mapToGlobal(down->rect().center()));
    pointer.Press();
    QTest::qWait(400);
    pointer.Release();
    QTest::qWait(20);
    EXPECT_GT(LastItem()->y(), 22) << "the button repeats while held";
    EXPECT_EQ(Steps(), steps + 1);
    ClickUndo();
    EXPECT_EQ(LastItem()->y(), 20);
}

TEST_F(UndoPointer, ADraggedRotationDialIsOneStep) {
    window->Model().CreateItemFromValue({.kind = LabelItemKind::Text, .top = 20, .left = 30, .width = 0, .height = 0, .text = QStringLiteral("Turn"), .fontName = QStringLiteral("Arial"), .fontSize = 10, .fontColor = kColorBlack, .bold = false, .italic = false, .underline = false, .angle = 0});
    QTest::qWait(20);
    auto* text = qobject_cast<TPim3DLabel*>(LastItem());
    ASSERT_NE(text, nullptr);
    const int steps = Steps();
    {
        ModalWatch watch = WhenModal<TSetRotate>([&](TSetRotate* dialog) {
            ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
            const QPoint centre = dialog->PaintBox1->rect().center();
            // Round from the right (0 degrees) through the top to the left (180 degrees).
            pointer.Drag(dialog->PaintBox1, centre + QPoint(40, 0), centre - QPoint(0, 40), 6);
            pointer.Drag(dialog->PaintBox1, centre - QPoint(0, 40), centre - QPoint(40, 0), 6);
            ClickToClose(dialog, dialog->OkButton);
        });
        QMenu* menu = OpenMenuOf(text);
        ASSERT_NE(menu, nullptr);
        ClickEntry(menu, QStringLiteral("PopupMenuTextRotation"));
        QTest::qWait(20);
    }
    text = qobject_cast<TPim3DLabel*>(LastItem());
    EXPECT_EQ(std::abs(text->Angle()), 180);
    EXPECT_EQ(Steps(), steps + 1);
    ClickUndo();
    EXPECT_EQ(qobject_cast<TPim3DLabel*>(LastItem())->Angle(), 0);
}
