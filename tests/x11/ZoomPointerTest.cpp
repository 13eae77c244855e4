#include "RealKeyboard.h"
#include "RealWindowFixture.h"

#include "app/DesignUndo.h"
#include "app/Preferences.h"
#include "controls/TCanvasPanel.h"
#include "controls/ZoomedBox.h"
#include "designer/DesignRuler.h"
#include "designer/DesignZoom.h"
#include "document/Units.h"

#include <QCursor>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QUndoStack>

#include <cmath>

// The zoom of the design panel with the real pointer, wheel and keys: a view of the label that
// never changes it.
class ZoomPointer : public RealWindowTest {
protected:
    void SetUp() override {
        RealWindowTest::SetUp();
        ASSERT_TRUE(keyboard.IsOpen());
    }
    // Filled, so that a press anywhere on it picks it.
    QWidget* NewRectangle(int left = 30, int top = 20) {
        window->Model().CreateItemFromValue({.kind = LabelItemKind::Rectangle, .top = top, .left = left, .width = 40, .height = 25, .brushStyle = TBrushStyle(0), .brushColor = 0xE0FFFF, .penWidth = 1, .penColor = kColorBlack, .rounding = 0});
        QTest::qWait(20);
        return LastItem();
    }
    // Turns the wheel by notches (up: zoom in) over a point of a widget with Ctrl held.
    void CtrlWheel(QWidget* over, const QPoint& at, int notches) {
        pointer.MoveTo(over->mapToGlobal(at));
        keyboard.Hold("Control_L", true);
        for (int i = 0; i < std::abs(notches); ++i) {
            const int button = notches > 0 ? 4 : 5;
            pointer.Press(button);
            pointer.Release(button);
        }
        keyboard.Hold("Control_L", false);
        QTest::qWait(30);
    }
    // The label point under the pointer, in design pixels.
    QPointF LabelPointUnderPointer() const {
        return QPointF(window->LabelPanel->mapFromGlobal(QCursor::pos())) /
               window->Zoom().Zoom();
    }
    bool SaveShown() const { return !window->SaveButton->isHidden(); }
    void SaveLabel(const QString& description) {
        window->Descript->setText(description);
        window->Records().SaveButtonClick();
        QTest::qWait(20);
        ASSERT_FALSE(SaveShown());
    }
    // A 1/2 x 1-3/4 in label (address labels, 80 a sheet), opened as a person opens it.
    void OpenSmallLabel() {
        window->Zoom().SetOpensFitted(true);
        window->Model().SetTemplate(QStringLiteral("Return Address 1/2 x 1-3/4 (80)"),
                                    {0.5f, 1.75f, 4, 20, 0.5f, 0.28125f, 2.0625f, 0.5f, "LTR",
                                     "RR"});
        QTest::qWait(50);
    }

    RealKeyboard keyboard;
};

TEST_F(ZoomPointer, CtrlWheelAndCtrlZeroLeaveTheLabelAndTheSaveButtonAlone) {
    QWidget* item = NewRectangle();
    SaveLabel(QStringLiteral("zoom"));
    const QString memo = window->SaveItems();
    const int steps = window->Undo().Stack().count();

    CtrlWheel(item, {5, 5}, 3);
    EXPECT_DOUBLE_EQ(window->Zoom().Zoom(), 2.0);
    EXPECT_EQ(window->ZoomStatus->text(), QStringLiteral("Zoom 200 %"));
    // The item is shown twice as large; the label holds what it held.
    EXPECT_EQ(item->size(), QSize(80, 50));
    EXPECT_EQ(window->SaveItems(), memo);
    EXPECT_FALSE(SaveShown());

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    keyboard.PressControl("0");
    EXPECT_DOUBLE_EQ(window->Zoom().Zoom(), 1.0);
    EXPECT_EQ(item->geometry(), QRect(30, 20, 40, 25));
    keyboard.PressControl("minus");
    EXPECT_DOUBLE_EQ(window->Zoom().Zoom(), 0.75);
    keyboard.PressControl("equal");
    EXPECT_DOUBLE_EQ(window->Zoom().Zoom(), 1.0);
    // Ctrl++ as typed on a US keyboard: Ctrl, Shift and the "=" key.
    keyboard.PressControl("plus", true);
    EXPECT_DOUBLE_EQ(window->Zoom().Zoom(), ZoomMapping::StepIn(1.0));
    keyboard.PressControl("0");
    EXPECT_DOUBLE_EQ(window->Zoom().Zoom(), 1.0);
    EXPECT_EQ(window->SaveItems(), memo);
    EXPECT_FALSE(SaveShown());
    EXPECT_EQ(window->Undo().Stack().count(), steps);
    // The wheel without Ctrl scrolls and leaves the zoom.
    pointer.MoveTo(item->mapToGlobal(QPoint(5, 5)));
    pointer.Press(5);
    pointer.Release(5);
    EXPECT_DOUBLE_EQ(window->Zoom().Zoom(), 1.0);
}

TEST_F(ZoomPointer, ZoomAboutThePointerKeepsTheLabelPointUnderIt) {
    NewRectangle();
    window->resize(610, 450);
    QTest::qWait(50);
    QWidget* panel = window->LabelPanel;
    // Well in: the label is then larger than the view both ways and scrolls.
    CtrlWheel(panel, {180, 60}, 5);
    ASSERT_DOUBLE_EQ(window->Zoom().Zoom(), 4.0);
    const QPointF before = LabelPointUnderPointer();
    CtrlWheel(panel, panel->mapFromGlobal(QCursor::pos()), 1);
    ASSERT_DOUBLE_EQ(window->Zoom().Zoom(), 6.0);
    const QPointF after = LabelPointUnderPointer();
    EXPECT_NEAR(after.x(), before.x(), 0.5);
    EXPECT_NEAR(after.y(), before.y(), 0.5);
    CtrlWheel(panel, panel->mapFromGlobal(QCursor::pos()), -1);
    ASSERT_DOUBLE_EQ(window->Zoom().Zoom(), 4.0);
    EXPECT_NEAR(LabelPointUnderPointer().x(), before.x(), 0.5);
    EXPECT_NEAR(LabelPointUnderPointer().y(), before.y(), 0.5);
    // The status bar tells where the pointer is on the label, in the template's unit.
    EXPECT_EQ(window->PointerStatus->text(),
              QStringLiteral("X %1 in  Y %2 in")
                  .arg(LabelPointUnderPointer().x() / 96, 0, 'f', 3)
                  .arg(LabelPointUnderPointer().y() / 96, 0, 'f', 3));
}

TEST_F(ZoomPointer, ADragAtTwiceTheSizeMovesByHalfTheScreenDistance) {
    QWidget* item = NewRectangle(30, 20);
    window->Zoom().SetZoom(2.0);
    QTest::qWait(20);
    const int steps = window->Undo().Stack().index();
    // Selected first, so that the press lands on the frame and the drag starts there.
    pointer.Click(item, {10, 10});
    pointer.Drag(item, {10, 10}, {50, 30}, 10);
    QTest::qWait(20);
    const LabelItemValue& moved = window->Model().Design().items.back().value;
    EXPECT_EQ(QPoint(moved.left, moved.top), QPoint(50, 30));
    EXPECT_EQ(QSize(moved.width, moved.height), QSize(40, 25));
    // 40 screen pixels at 200 % are 20 pixels of the label: 0.208 in.
    EXPECT_EQ(PixelsToInchesToString(moved.left), QStringLiteral("0.521"));
    EXPECT_EQ(item->geometry(), QRect(100, 60, 80, 50));
    EXPECT_EQ(window->Undo().Stack().index(), steps + 1);
    // An arrow key moves a design pixel, the least a label holds.
    keyboard.Press("Right");
    // A busy machine delivers the key a moment later.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return window->Model().Design().items.back().value.left == 51; }, 2000))
        << window->Model().Design().items.back().value.left;
}

TEST_F(ZoomPointer, ASmallLabelOpensFittedAndShowsRulersAndTheSafeArea) {
    // A 1920 x 1080 screen filled by the window, as a person working on labels has it.
    window->setGeometry(window->screen()->availableGeometry());
    QTest::qWait(100);
    OpenSmallLabel();
    NewRectangle(4, 4);
    window->Model().CreateItemFromValue({.kind = LabelItemKind::Text, .top = 12, .left = 60, .width = 0, .height = 0, .text = QStringLiteral("Quorvane 123"), .fontName = QStringLiteral("Arial"), .fontSize = 8, .fontColor = 0, .bold = true, .italic = false, .underline = false, .angle = 0});
    const double fitted = window->Zoom().Zoom();
    EXPECT_GT(fitted, 1.0);
    EXPECT_TRUE(window->Zoom().Fitted());
    // The label fills the room one way and fits it the other.
    const QSize room = window->Zoom().Room();
    const QSize label = window->LabelPanel->size();
    EXPECT_LE(label.width(), room.width());
    EXPECT_LE(label.height(), room.height());
    EXPECT_TRUE(label.width() >= room.width() - 1 || label.height() >= room.height() - 1 ||
                fitted == 8.0);
    EXPECT_EQ(window->LabelPanel->DesignSize(), QSize(168, 48));
    KeepScreen(QStringLiteral("zoom-fitted.png"));

    // A smaller window fits the label again, and so does a larger one.
    const QRect full = window->geometry();
    window->setGeometry(QRect(full.topLeft(), QSize(700, 500)));
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->Zoom().Zoom() < fitted; }, 2000));
    EXPECT_TRUE(window->Zoom().Fitted());
    EXPECT_LE(window->LabelPanel->width(), window->Zoom().Room().width());
    EXPECT_LE(window->LabelPanel->height(), window->Zoom().Room().height());
    window->setGeometry(full);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->Zoom().Zoom() == fitted; }, 2000));

    window->mnuSafeArea->setChecked(true);
    window->mnuRulers->setChecked(true);
    window->Zoom().SetZoom(4.0);
    EXPECT_TRUE(window->TopRuler->isVisible());
    EXPECT_DOUBLE_EQ(window->TopRuler->PixelsPerUnit(), 384);
    // The top ruler counts from the label's left edge.
    EXPECT_NEAR(window->TopRuler->Origin(),
                window->TopRuler->mapFromGlobal(window->LabelPanel->mapToGlobal(QPoint())).x(),
                0.5);
    pointer.MoveTo(window->LabelPanel->mapToGlobal(QPoint(192, 96)));
    QTest::qWait(30);
    ASSERT_TRUE(window->TopRuler->Pointer().has_value());
    EXPECT_NEAR(*window->TopRuler->Pointer(), 0.5, 0.01);
    EXPECT_NEAR(*window->LeftRuler->Pointer(), 0.25, 0.01);
    KeepScreen(QStringLiteral("zoom-400-rulers-safe-area.png"));

    // Both are kept in QV.INI for the next start.
    window->mnuRulers->setChecked(false);
    EXPECT_FALSE(window->TopRuler->isVisible());
    Preferences preferences(dir.path());
    EXPECT_FALSE(preferences.ReadViewSetting(QStringLiteral("Rulers"), true));
    EXPECT_TRUE(preferences.ReadViewSetting(QStringLiteral("SafeArea"), false));
}
