#include "RealWindowFixture.h"

#include "app/TSelectLabel.h"
#include "controls/TCanvasPanel.h"
#include "designer/ItemSelection.h"
#include "printing/TPrinterSetup.h"
#include "storage/TemplateTable.h"
#include "templates/TSelectTemplate.h"
#include "templates/TTemplateEdit.h"
#include "ui/THelpWindow.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QWhatsThis>

// The dialogs on a real screen, as a person sees them: each centred over the main window
// and inside the screen, help beside the dialog that opened it. The whole screen is kept as
// a picture when QV_PICTURE_DIR names a folder.
class ShellScreens : public RealWindowTest {
protected:

    // The dialog's middle lies on the main window's middle (the window manager may add a
    // frame; without one, as under Xvfb, frame and client coincide), and it is on the screen.
    void ExpectCentred(QWidget* dialog) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
        const QRect frame = dialog->frameGeometry();
        const QPoint middle = window->frameGeometry().center();
        EXPECT_NEAR(frame.center().x(), middle.x(), 2) << dialog->objectName().toStdString();
        EXPECT_NEAR(frame.center().y(), middle.y(), 2) << dialog->objectName().toStdString();
        EXPECT_TRUE(window->screen()->availableGeometry().contains(frame));
    }
};

TEST_F(ShellScreens, CentredDialogsAndHelpBesideTheCatalogue) {
    window->Descript->setText(QStringLiteral("Shipping label"));
    pointer.Click(window->SaveButton);
    QTest::qWait(50);
    KeepScreen(QStringLiteral("main-window.png"));

    QString failure;
    std::unique_ptr<TemplateTable> templates = TemplateTable::Open(dir.path(), failure);
    ASSERT_NE(templates, nullptr) << failure.toStdString();
    {
        TSelectTemplate catalogue(*templates, window.get());
        ModalWatch watch = WhenModal<TSelectTemplate>([&](TSelectTemplate* dialog) {
            ExpectCentred(dialog);
            KeepScreen(QStringLiteral("catalogue-centred.png"));
            pointer.Click(dialog->HelpButton);
            THelpWindow& help = THelpWindow::Instance();
            for (int i = 0; i < 100 && !help.isVisible(); ++i)
                QTest::qWait(10);
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
            // Beside the catalogue where a side leaves room for readable help (320 pixels);
            // the catalogue with its sheet drawing is wider than a 1280-pixel screen leaves
            // for that, so there help lies over it, whole on the screen.
            const QRect area = window->screen()->availableGeometry();
            const QRect frame = dialog->frameGeometry();
            const int room = qMax(area.right() - frame.right(), frame.left() - area.left());
            if (room >= 320 + (frame.width() - dialog->width()))
                EXPECT_FALSE(help.frameGeometry().intersects(frame))
                    << "help stands beside the catalogue";
            else
                EXPECT_TRUE(area.contains(help.frameGeometry()));
            EXPECT_GE(help.width(), 320);
            KeepScreen(QStringLiteral("help-over-catalogue.png"));
            help.close();
            ClickToClose(dialog, dialog->CancelButton);
        });
        Prompter::Current().RunDialog(catalogue);
    }
    {
        TTemplateEdit editor(window.get());
        ModalWatch watch = WhenModal<TTemplateEdit>([&](TTemplateEdit* dialog) {
            ExpectCentred(dialog);
            KeepScreen(QStringLiteral("template-editor-centred.png"));
            ClickToClose(dialog, dialog->CancelButton);
        });
        Prompter::Current().RunDialog(editor);
    }
    {
        ModalWatch watch = WhenModal<TSelectLabel>([&](TSelectLabel* dialog) {
            ExpectCentred(dialog);
            EXPECT_TRUE(dialog->MouseHelpButton->isVisible());
            KeepScreen(QStringLiteral("select-label-centred.png"));
            ClickToClose(dialog, dialog->CancelButton);
        });
        window->mnuSelectLabel->trigger();
    }
    {
        ModalWatch watch = WhenModal<TPrinterSetup>([&](TPrinterSetup* dialog) {
            ExpectCentred(dialog);
            KeepScreen(QStringLiteral("printer-setup.png"));
            ClickToClose(dialog, dialog->CancelButton);
        });
        window->mnuPrinterSetup->trigger();
    }
}

// A blank text is found by its outline, and a text turned in the rotation dialog keeps its
// frame round it while the dialog is still open.
TEST_F(ShellScreens, BlankTextOutlineOnTheDesignPanel) {
    window->Model().CreateItemFromValue({.kind = LabelItemKind::Text, .top = 30, .left = 60, .width = 0, .height = 0, .text = QString(), .fontName = QStringLiteral("Arial"), .fontSize = 12, .fontColor = kColorBlack, .bold = false, .italic = false, .underline = false, .angle = 0});
    window->Model().CreateItemFromValue({.kind = LabelItemKind::Text, .top = 30, .left = 120, .width = 0, .height = 0, .text = QStringLiteral("Quorvane"), .fontName = QStringLiteral("Arial"), .fontSize = 12, .fontColor = kColorBlack, .bold = false, .italic = false, .underline = false, .angle = 0});
    QTest::qWait(50);
    KeepScreen(QStringLiteral("blank-text-outline.png"));
    QWidget* blank = window->Items().OrderList().first();
    pointer.Click(window->LabelPanel, TCanvasPanel::OutlineRect(blank).center());
    QTest::qWait(30);
    EXPECT_EQ(window->Selection().Selected(), blank);
    KeepScreen(QStringLiteral("blank-text-selected.png"));
}

// In "?" mode a click on a tool button shows what the button does, and places nothing.
TEST_F(ShellScreens, ContextHelpOnAToolButtonShowsItsText) {
    auto* textTool = window->ToolsPanel->findChild<QToolButton*>(QStringLiteral("DropTextButton"));
    ASSERT_NE(textTool, nullptr);
    pointer.Click(window->ContextHelpButton);
    QTest::qWait(30);
    ASSERT_TRUE(QWhatsThis::inWhatsThisMode());
    pointer.Click(textTool);
    QWidget* shown = nullptr;
    for (int i = 0; i < 100 && !shown; ++i) {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible() && top->inherits("QWhatsThat"))
                shown = top;
        if (!shown)
            QTest::qWait(10);
    }
    ASSERT_NE(shown, nullptr) << "no What's This? text appeared";
    KeepScreen(QStringLiteral("whats-this-tool-button.png"));
    EXPECT_TRUE(window->Items().OrderList().isEmpty());
    QWhatsThis::hideText();
}
