#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "designer/DesignerPrompter.h"
#include "designer/SpinEdit.h"
#include "designer/TGetCounter.h"
#include "support/ModalDriver.h"
#include "support/ScriptedPrompter.h"

namespace {
void TypeInto(SpinEdit* box, const QString& text) {
    box->Editor()->selectAll();
    QTest::keyClicks(box, text);
}
} // namespace

TEST(CounterDialog, OpensWithOneAndOneAndItsCaptions) {
    TGetCounter dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Counter"));
    EXPECT_EQ(dialog.size(), QSize(370, 149));
    EXPECT_EQ(dialog.StartingNumberLabel->text(), QStringLiteral("Starting Number"));
    EXPECT_EQ(dialog.RepeatForLabel->text(), QStringLiteral("Repeat for how many labels?"));
    EXPECT_EQ(dialog.StartingNumber->Value(), 1);
    EXPECT_EQ(dialog.RepeatFor->Value(), 1);
    EXPECT_EQ(dialog.RepeatFor->MinValue(), 1);
    EXPECT_EQ(dialog.RepeatFor->MaxValue(), 999);
    EXPECT_TRUE(dialog.OkButton->isDefault());
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
}

TEST(CounterDialog, TextThatIsNotANumberReadsAsTheLowerBound) {
    TGetCounter dialog;
    dialog.RepeatFor->Editor()->setText(QStringLiteral("-"));
    dialog.StartingNumber->Editor()->setText(QString());
    EXPECT_EQ(dialog.RepeatFor->Value(), 1);
    EXPECT_EQ(dialog.StartingNumber->Value(), 0);
    // The keyboard cannot put letters into the boxes.
    TypeInto(dialog.RepeatFor, QStringLiteral("1x2"));
    EXPECT_EQ(dialog.RepeatFor->Editor()->text(), QStringLiteral("12"));
}

TEST(CounterDialog, RepeatCountIsBroughtIntoRangeWhenTheBoxLosesTheFocus) {
    TGetCounter dialog;
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    dialog.RepeatFor->setFocus();
    TypeInto(dialog.RepeatFor, QStringLiteral("5000"));
    EXPECT_EQ(dialog.RepeatFor->Value(), 5000); // as typed until the focus leaves
    dialog.StartingNumber->setFocus();
    EXPECT_EQ(dialog.RepeatFor->Value(), 999);
    dialog.RepeatFor->setFocus();
    TypeInto(dialog.RepeatFor, QStringLiteral("0"));
    dialog.StartingNumber->setFocus();
    EXPECT_EQ(dialog.RepeatFor->Value(), 1);
    // The starting number has no bounds: negative and large numbers stay.
    TypeInto(dialog.StartingNumber, QStringLiteral("-250000"));
    dialog.RepeatFor->setFocus();
    EXPECT_EQ(dialog.StartingNumber->Value(), -250000);
    EXPECT_EQ(dialog.StartingNumber->Editor()->text(), QStringLiteral("-250000"));
}

TEST(CounterDialog, ArrowKeysStepByOneWithinTheBounds) {
    TGetCounter dialog;
    QTest::keyClick(dialog.RepeatFor, Qt::Key_Down);
    EXPECT_EQ(dialog.RepeatFor->Value(), 1);
    QTest::keyClick(dialog.RepeatFor, Qt::Key_Up);
    EXPECT_EQ(dialog.RepeatFor->Value(), 2);
    dialog.StartingNumber->SetValue(0);
    QTest::keyClick(dialog.StartingNumber, Qt::Key_Down);
    EXPECT_EQ(dialog.StartingNumber->Value(), -1);
}

TEST(CounterDialog, NewCounterKeepsItsOwnPlaceAndEnterGivesTheTypedValues) {
    QMainWindow main;
    main.setGeometry(0, 0, 900, 700);
    Prompter::SetMainWindow(&main);
    QPoint shownAt;
    ModalWatch watch = WhenModal<TGetCounter>([&](TGetCounter* dialog) {
        shownAt = dialog->pos();
        EXPECT_EQ(dialog->StartingNumber->Value(), 1);
        TypeInto(dialog->StartingNumber, QStringLiteral("500"));
        TypeInto(dialog->RepeatFor, QStringLiteral("4000"));
        // Enter from inside a box reaches the OK button; the box is corrected on the way out.
        QTest::keyClick(dialog->RepeatFor, Qt::Key_Return);
    });
    int start = 0, repeat = 0;
    EXPECT_TRUE(DesignerPrompter::Current().AskNewCounter(start, repeat));
    EXPECT_EQ(shownAt, QPoint(TGetCounter::DesignedLeft, TGetCounter::DesignedTop));
    EXPECT_EQ(start, 500);
    EXPECT_EQ(repeat, 999);
    Prompter::SetMainWindow(nullptr);
}

TEST(CounterDialog, CounterValuesIsCentredPresetAndEscChangesNothing) {
    QMainWindow main;
    main.setGeometry(40, 30, 800, 600);
    Prompter::SetMainWindow(&main);
    QPoint shownAt;
    ModalWatch watch = WhenModal<TGetCounter>([&](TGetCounter* dialog) {
        shownAt = dialog->pos();
        EXPECT_EQ(dialog->StartingNumber->Value(), 42);
        EXPECT_EQ(dialog->RepeatFor->Value(), 3);
        TypeInto(dialog->StartingNumber, QStringLiteral("7"));
        QTest::keyClick(dialog->StartingNumber, Qt::Key_Escape);
    });
    int start = 42, repeat = 3;
    EXPECT_FALSE(DesignerPrompter::Current().AskCounterValues(start, repeat));
    EXPECT_EQ(start, 42);
    EXPECT_EQ(repeat, 3);
    EXPECT_EQ(shownAt, CentredOver(main.frameGeometry(), QSize(370, 149)));
    Prompter::SetMainWindow(nullptr);
}

TEST(CounterDialog, HelpOpensTopic2001) {
    ScriptedPrompter script;
    TGetCounter dialog;
    dialog.HelpButton->click();
    EXPECT_EQ(script.History().size(), 1u);
    EXPECT_EQ(script.History()[0].kind, QStringLiteral("Help"));
    EXPECT_EQ(script.History()[0].caption, QStringLiteral("2001"));
}
