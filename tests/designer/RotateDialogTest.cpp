#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

#include "designer/AngleDial.h"
#include "designer/DesignerPrompter.h"
#include "designer/SpinEdit.h"
#include "designer/TSetRotate.h"
#include "support/ModalDriver.h"
#include "support/ScriptedPrompter.h"

namespace {
// A rotation dialog whose target records every angle it is turned to.
struct RotateFixture {
    TSetRotate dialog;
    std::vector<int> turns;
    RotateFixture() {
        dialog.SetTarget([this](int angle) { turns.push_back(angle); });
    }
    void PressOnDial(QPoint p) {
        QTest::mousePress(dialog.PaintBox1, Qt::LeftButton, {}, p);
        QTest::mouseRelease(dialog.PaintBox1, Qt::LeftButton, {}, p);
    }
};
} // namespace

TEST(RotateDialog, LayoutAndDefaults) {
    TSetRotate dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Set Rotation"));
    EXPECT_EQ(dialog.size(), QSize(317, 185));
    EXPECT_EQ(dialog.AngleSpinLabel->text(), QStringLiteral("Set Degree of Rotation (0-359)"));
    EXPECT_EQ(dialog.PaintBox1->size(), QSize(113, 113));
    EXPECT_EQ(dialog.AngleSpin->Value(), 0);
    EXPECT_EQ(dialog.AngleSpin->MinValue(), 0);
    EXPECT_EQ(dialog.AngleSpin->MaxValue(), 359);
    EXPECT_EQ(dialog.ShownAngle(), 0);
    EXPECT_EQ(dialog.OkButton->text(), QStringLiteral("Ok"));
    EXPECT_TRUE(dialog.OkButton->isDefault());
}

TEST(RotateDialog, TheItemTurnsWithEveryChangeOfTheBox) {
    RotateFixture f;
    f.dialog.AngleSpin->SetValue(90);
    EXPECT_EQ(f.turns, (std::vector<int>{90}));
    EXPECT_EQ(f.dialog.ShownAngle(), 90);
    // A value typed outside the range reaches the item as typed; the dial shows it normalised.
    f.dialog.AngleSpin->Editor()->setText(QStringLiteral("400"));
    EXPECT_EQ(f.turns.back(), 400);
    EXPECT_EQ(f.dialog.ShownAngle(), 40);
    f.dialog.AngleSpin->CorrectBounds(); // what leaving the box does: 359, which turns into 0
    EXPECT_EQ(f.dialog.AngleSpin->Value(), 0);
    EXPECT_EQ(f.turns.back(), 0);
}

TEST(RotateDialog, ThreeFiftyNineTurnsIntoZero) {
    RotateFixture f;
    f.dialog.AngleSpin->Editor()->selectAll();
    QTest::keyClicks(f.dialog.AngleSpin, QStringLiteral("359"));
    EXPECT_EQ(f.dialog.AngleSpin->Value(), 0);
    EXPECT_EQ(f.dialog.ShownAngle(), 0);
    EXPECT_EQ(f.turns.back(), 0);
    EXPECT_EQ(std::count(f.turns.begin(), f.turns.end(), 359), 0);

    // Stepping up by 45 from 315 is limited to 359 and so wraps to 0.
    f.dialog.AngleSpin->SetValue(315);
    QTest::keyClick(f.dialog.AngleSpin, Qt::Key_Up);
    EXPECT_EQ(f.dialog.AngleSpin->Value(), 0);
    // Stepping down from 0 stays at 0, without turning the item again.
    const std::size_t before = f.turns.size();
    QTest::keyClick(f.dialog.AngleSpin, Qt::Key_Down);
    EXPECT_EQ(f.dialog.AngleSpin->Value(), 0);
    EXPECT_EQ(f.turns.size(), before);
    QTest::keyClick(f.dialog.AngleSpin, Qt::Key_Up);
    EXPECT_EQ(f.dialog.AngleSpin->Value(), 45);
}

TEST(RotateDialog, DialAnglesFollowTheArcTangentRoundedToTheNearestDegree) {
    const QSize size(113, 113); // centre (56, 56)
    EXPECT_EQ(AngleDial::AngleAt({56, 10}, size), 90);
    EXPECT_EQ(AngleDial::AngleAt({56, 56}, size), 90);
    EXPECT_EQ(AngleDial::AngleAt({56, 100}, size), 270);
    EXPECT_EQ(AngleDial::AngleAt({100, 56}, size), 0);
    EXPECT_EQ(AngleDial::AngleAt({10, 56}, size), 180);
    EXPECT_EQ(AngleDial::AngleAt({16, 16}, size), 135);
    EXPECT_EQ(AngleDial::AngleAt({96, 96}, size), 315);
    EXPECT_EQ(AngleDial::AngleAt({16, 96}, size), 225);
    EXPECT_EQ(AngleDial::AngleAt({96, 36}, size), 27); // atan(1/2) = 26.57
    EXPECT_EQ(AngleDial::AngleAt({76, 16}, size), 63); // atan(2) = 63.43
    EXPECT_EQ(AngleDial::AngleAt({112, 55}, size), 1); // atan(1/56) = 1.02
    EXPECT_EQ(AngleDial::AngleAt({112, 57}, size), 359);
}

TEST(RotateDialog, NeedlePointsRightAndTurnsCounterClockwise) {
    const QSize size(113, 113);
    EXPECT_EQ(AngleDial::NeedleEnd(0, size), QPoint(56 + 56, 56)); // 56.5 rounds to even 56
    EXPECT_EQ(AngleDial::NeedleEnd(90, size), QPoint(56, 0));
    EXPECT_EQ(AngleDial::NeedleEnd(180, size), QPoint(0, 56));
    EXPECT_EQ(AngleDial::NeedleEnd(270, size), QPoint(56, 112));
    EXPECT_EQ(AngleDial::NeedleEnd(45, size), QPoint(96, 16)); // 39.95 rounds to 40
}

TEST(RotateDialog, PressingOnTheDialSetsTheBoxAndTurnsTheItem) {
    RotateFixture f;
    const std::vector<std::pair<QPoint, int>> presses = {
        {{56, 5}, 90}, {{56, 108}, 270}, {{108, 56}, 0}, {{5, 56}, 180}, {{20, 20}, 135}};
    for (const auto& [point, angle] : presses) {
        f.PressOnDial(point);
        EXPECT_EQ(f.dialog.ShownAngle(), angle) << point.x() << "," << point.y();
        EXPECT_EQ(f.dialog.AngleSpin->Value(), angle);
    }
    EXPECT_EQ(f.turns, (std::vector<int>{90, 270, 0, 180, 135}));
    // 359 from the dial turns into 0 too.
    f.PressOnDial({112, 57});
    EXPECT_EQ(f.dialog.AngleSpin->Value(), 0);
    EXPECT_EQ(f.dialog.ShownAngle(), 0);
}

TEST(RotateDialog, DraggingFollowsThePointerOnlyOverTheDial) {
    RotateFixture f;
    AngleDial* dial = f.dialog.PaintBox1;
    QTest::mousePress(dial, Qt::LeftButton, {}, {108, 56});
    EXPECT_TRUE(dial->IsDragging());
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::CrossCursor);
    QTest::mouseMove(dial, {56, 5});
    EXPECT_EQ(f.dialog.AngleSpin->Value(), 90);
    QTest::mouseMove(dial, {-30, 56}); // outside the dial: ignored
    EXPECT_EQ(f.dialog.AngleSpin->Value(), 90);
    QTest::mouseMove(dial, {5, 56});
    QTest::mouseRelease(dial, Qt::LeftButton, {}, {5, 56});
    EXPECT_FALSE(dial->IsDragging());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(f.dialog.AngleSpin->Value(), 180);
    // The press pointed at 0, which the box already held: the item was not turned for it.
    EXPECT_EQ(f.turns, (std::vector<int>{90, 180}));
}

TEST(RotateDialog, DialIsPaintedWithItsNeedle) {
    TSetRotate dialog;
    dialog.SetShownAngle(90);
    const QImage image = dialog.PaintBox1->grab().toImage();
    const QColor ink = dialog.PaintBox1->palette().color(QPalette::WindowText);
    EXPECT_EQ(image.pixelColor(56, 30), ink);  // needle straight up
    EXPECT_EQ(image.pixelColor(56, 112), ink); // circle's bottom
    EXPECT_NE(image.pixelColor(80, 56), ink);  // no needle to the right
    dialog.SetShownAngle(-90);                 // shown normalised: 270, straight down
    EXPECT_EQ(dialog.ShownAngle(), 270);
    const QImage down = dialog.PaintBox1->grab().toImage();
    EXPECT_EQ(down.pixelColor(56, 80), ink);
    EXPECT_NE(down.pixelColor(56, 30), ink);
}

TEST(RotateDialog, AskRotationGivesTheBoxValueOnOkAndFalseOnCancel) {
    std::vector<int> turns;
    ModalWatch watch = WhenModal<TSetRotate>([](TSetRotate* dialog) {
        EXPECT_EQ(dialog->AngleSpin->Value(), 270);
        EXPECT_EQ(dialog->ShownAngle(), 270);
        QTest::keyClick(dialog->AngleSpin, Qt::Key_Up); // 315
        QTest::keyClick(dialog->AngleSpin, Qt::Key_Return);
    });
    int angle = 270;
    EXPECT_TRUE(DesignerPrompter::Current().AskRotation(angle, [&](int a) { turns.push_back(a); }));
    EXPECT_EQ(angle, 315);
    EXPECT_EQ(turns.back(), 315);

    watch = WhenModal<TSetRotate>([](TSetRotate* dialog) {
        QTest::mouseClick(dialog->PaintBox1, Qt::LeftButton, {}, {56, 5});
        QTest::keyClick(dialog->AngleSpin, Qt::Key_Escape);
    });
    angle = 315;
    EXPECT_FALSE(
        DesignerPrompter::Current().AskRotation(angle, [&](int a) { turns.push_back(a); }));
    EXPECT_EQ(angle, 315);
    EXPECT_EQ(turns.back(), 90); // it turned live; restoring is the caller's part
}

TEST(RotateDialog, HelpOpensTopic1049) {
    ScriptedPrompter script;
    TSetRotate dialog;
    dialog.HelpButton->click();
    ASSERT_EQ(script.History().size(), 1u);
    EXPECT_EQ(script.History()[0].caption, QStringLiteral("1049"));
}
