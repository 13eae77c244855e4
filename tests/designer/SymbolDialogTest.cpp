#include <QColorDialog>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "designer/DesignerPrompter.h"
#include "designer/TGetSymbol.h"
#include "support/ModalDriver.h"
#include "support/ScriptedPrompter.h"

TEST(SymbolDialog, Offers223CharactersFrom33To255WithTheFirstSelected) {
    TGetSymbol dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select Symbol"));
    EXPECT_EQ(dialog.size(), QSize(432, 264));
    ASSERT_EQ(dialog.SymbolList->count(), 223);
    EXPECT_EQ(dialog.SymbolList->currentRow(), 0);
    EXPECT_EQ(dialog.SelectedCode(), 33);
    dialog.SymbolList->setCurrentRow(222);
    EXPECT_EQ(dialog.SelectedCode(), 255);
    EXPECT_EQ(dialog.SymbolList->font().pixelSize(), 27);
    EXPECT_EQ(dialog.SymbolList->gridSize().height(), 30);
}

TEST(SymbolDialog, SevenColumnsAreInViewAndEntriesRunDownEachColumn) {
    TGetSymbol dialog;
    dialog.show();
    QListWidget* list = dialog.SymbolList;
    const QRect first = list->visualItemRect(list->item(0));
    const QRect second = list->visualItemRect(list->item(1));
    EXPECT_EQ(second.left(), first.left());
    EXPECT_EQ(second.top(), first.top() + 30);
    const int rows = list->viewport()->height() / 30;
    const QRect nextColumn = list->visualItemRect(list->item(rows));
    EXPECT_EQ(nextColumn.top(), first.top());
    EXPECT_EQ(list->viewport()->width() / (nextColumn.left() - first.left()), 7);
}

TEST(SymbolDialog, SelectingACodeSelectsItsEntry) {
    TGetSymbol dialog;
    dialog.SelectCode(74);
    EXPECT_EQ(dialog.SymbolList->currentRow(), 41);
    EXPECT_EQ(dialog.SelectedCode(), 74);
    dialog.SelectCode(0); // a code the list does not hold selects the first entry
    EXPECT_EQ(dialog.SelectedCode(), 33);
}

TEST(SymbolDialog, WhiteSymbolsGetABlackBackground) {
    TGetSymbol dialog;
    EXPECT_EQ(dialog.BackgroundColor(), QColor(Qt::white));
    ModalWatch watch = WhenModal<QColorDialog>([](QColorDialog* chooser) {
        EXPECT_EQ(chooser->currentColor(), QColor(Qt::black));
        EXPECT_TRUE(chooser->testOption(QColorDialog::DontUseNativeDialog));
        chooser->setCurrentColor(Qt::white);
        chooser->accept();
    });
    dialog.ColorButton->click();
    EXPECT_EQ(dialog.FontColor(), QColor(Qt::white));
    EXPECT_EQ(dialog.BackgroundColor(), QColor(Qt::black));
    EXPECT_EQ(dialog.SymbolList->palette().color(QPalette::Base), QColor(Qt::black));

    // Cancelling the chooser keeps the colour; an almost-white colour is not white.
    watch = WhenModal<QColorDialog>([](QColorDialog* chooser) { chooser->reject(); });
    dialog.ColorButton->click();
    EXPECT_EQ(dialog.FontColor(), QColor(Qt::white));
    watch = WhenModal<QColorDialog>([](QColorDialog* chooser) {
        chooser->setCurrentColor(QColor(255, 255, 254));
        chooser->accept();
    });
    dialog.ColorButton->click();
    EXPECT_EQ(dialog.SymbolList->palette().color(QPalette::Base), QColor(Qt::white));
}

TEST(SymbolDialog, WhiteSymbolIsVisibleAsSoonAsTheDialogOpens) {
    TGetSymbol dialog;
    dialog.SetFontColor(Qt::white);
    EXPECT_EQ(dialog.BackgroundColor(), QColor(Qt::black));
}

TEST(SymbolDialog, DrawsEachEntryInTheListColourOnItsBackground) {
    TGetSymbol dialog;
    dialog.SetFontColor(QColor(255, 0, 0));
    dialog.SymbolList->setCurrentRow(-1);
    dialog.show();
    const QImage image = dialog.SymbolList->viewport()->grab().toImage();
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            red += image.pixelColor(x, y) == QColor(255, 0, 0);
    EXPECT_GT(red, 50);
    EXPECT_EQ(image.pixelColor(image.width() - 2, image.height() - 2), QColor(Qt::white));
}

TEST(SymbolDialog, AskSymbolPresetsTheDialogAndGivesCodeAndColourOnEnter) {
    ModalWatch watch = WhenModal<TGetSymbol>([](TGetSymbol* dialog) {
        EXPECT_EQ(dialog->SelectedCode(), 74);
        EXPECT_EQ(dialog->FontColor(), QColor(0, 0, 255));
        QTest::keyClick(dialog->SymbolList, Qt::Key_Down);
        QTest::keyClick(dialog->SymbolList, Qt::Key_Return);
    });
    int code = 74;
    qint32 colour = 0xFF0000; // blue
    EXPECT_TRUE(DesignerPrompter::Current().AskSymbol(code, colour));
    EXPECT_EQ(code, 75);
    EXPECT_EQ(colour, 0xFF0000);

    watch = WhenModal<TGetSymbol>([](TGetSymbol* dialog) {
        dialog->SymbolList->setCurrentRow(222);
        QTest::keyClick(dialog->SymbolList, Qt::Key_Escape);
    });
    EXPECT_FALSE(DesignerPrompter::Current().AskSymbol(code, colour));
    EXPECT_EQ(code, 75);
}

TEST(SymbolDialog, DoubleClickChoosesTheSymbol) {
    TGetSymbol dialog;
    dialog.show();
    QListWidget* list = dialog.SymbolList;
    const QRect cell = list->visualItemRect(list->item(9));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.SelectedCode(), 42);
}

TEST(SymbolDialog, HelpOpensTopic1046) {
    ScriptedPrompter script;
    TGetSymbol dialog;
    dialog.HelpButton->click();
    ASSERT_EQ(script.History().size(), 1u);
    EXPECT_EQ(script.History()[0].caption, QStringLiteral("1046"));
}
