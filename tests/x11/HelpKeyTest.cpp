#include "RealKeyboard.h"
#include "RealWindowFixture.h"

#include "designer/ItemMenus.h"
#include "printing/TPrinterAlignment.h"
#include "storage/TemplateTable.h"
#include "templates/TSelectTemplate.h"
#include "ui/HelpKey.h"
#include "ui/THelpWindow.h"

#include <QDir>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>


// F1 typed on the real keyboard opens the help at the topic of the window in front: the
// main window's contents, a dialog's own topic, a menu's commands.
class HelpKeyTest : public RealWindowTest {
protected:
    void SetUp() override {
        RealWindowTest::SetUp();
        ASSERT_TRUE(keyboard.IsOpen());
        HelpKey::Install(*qApp);
    }
    void TearDown() override {
        THelpWindow::Instance().hide();
        RealWindowTest::TearDown();
    }

    // Types F1 with the pointer resting over the window in front, and waits for the help.
    THelpWindow& PressF1Over(QWidget* front) {
        pointer.MoveTo(front->mapToGlobal(QPoint(front->width() / 2, 10)));
        keyboard.Press("F1");
        THelpWindow& help = THelpWindow::Instance();
        for (int i = 0; i < 100 && !help.isVisible(); ++i)
            QTest::qWait(10);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&help));
        QTest::qWait(30);
        return help;
    }

    // Where the help stands scrolled now is where the section's heading puts it.
    static void ExpectShowing(THelpWindow& help, const QString& anchor) {
        const int shown = help.Browser->verticalScrollBar()->value();
        help.Browser->scrollToAnchor(anchor);
        EXPECT_EQ(shown, help.Browser->verticalScrollBar()->value()) << anchor.toStdString();
    }


    RealKeyboard keyboard;
};

TEST_F(HelpKeyTest, InTheMainWindowOpensTheContents) {
    window->activateWindow();
    QTest::qWait(30);
    THelpWindow& help = PressF1Over(window.get());
    ASSERT_TRUE(help.isVisible());
    ExpectShowing(help, QStringLiteral("topic-1001"));
    EXPECT_EQ(help.parentWidget(), nullptr) << "help over no dialog blocks nothing";
    KeepScreen(QStringLiteral("f1-main-window.png"));
}

TEST_F(HelpKeyTest, InADialogOpensItsTopicForTheDialog) {
    QString failure;
    std::unique_ptr<TemplateTable> templates = TemplateTable::Open(dir.path(), failure);
    ASSERT_NE(templates, nullptr) << failure.toStdString();
    TSelectTemplate catalogue(*templates, window.get());
    ModalWatch watch = WhenModal<TSelectTemplate>([&](TSelectTemplate* dialog) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
        THelpWindow& help = PressF1Over(dialog);
        EXPECT_TRUE(help.isVisible());
        ExpectShowing(help, QStringLiteral("topic-1015"));
        EXPECT_GT(help.Browser->verticalScrollBar()->value(), 0);
        // The help belongs to the dialog, so the dialog's modality leaves it usable.
        EXPECT_EQ(help.parentWidget(), dialog);
        EXPECT_TRUE(window->screen()->availableGeometry().contains(help.frameGeometry()));
        KeepScreen(QStringLiteral("f1-in-catalogue.png"));
        help.hide();
        ClickToClose(dialog, dialog->CancelButton);
    });
    Prompter::Current().RunDialog(catalogue);
}

TEST_F(HelpKeyTest, InADialogWithoutAHelpButtonOpensTheSectionOnIt) {
    TPrinterAlignment alignment(QStringLiteral("PDF"), window.get());
    ModalWatch watch = WhenModal<TPrinterAlignment>([&](TPrinterAlignment* dialog) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
        THelpWindow& help = PressF1Over(dialog);
        EXPECT_TRUE(help.isVisible());
        ExpectShowing(help, QStringLiteral("alignment"));
        KeepScreen(QStringLiteral("f1-in-printer-alignment.png"));
        help.hide();
        ClickToClose(dialog, dialog->findChild<QPushButton*>(QStringLiteral("CancelButton")));
    });
    Prompter::Current().RunDialog(alignment);
}

TEST_F(HelpKeyTest, OnAnItemMenuClosesItAndOpensTheSectionOnItsCommands) {
    window->Model().CreateItemFromValue({.kind = LabelItemKind::Text,
                                         .top = 30,
                                         .left = 40,
                                         .text = QStringLiteral("Quorvane"),
                                         .fontName = QStringLiteral("Arial"),
                                         .fontSize = 12,
                                         .fontColor = kColorBlack});
    QTest::qWait(30);
    QMenu* menu = OpenMenuOf(LastItem());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu, window->Menus->PopupMenuText);
    THelpWindow& help = PressF1Over(menu);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_TRUE(help.isVisible());
    ExpectShowing(help, QStringLiteral("menu-text"));
}
