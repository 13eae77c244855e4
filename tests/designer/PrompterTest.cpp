#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <gtest/gtest.h>

#include "designer/DesignerPrompter.h"
#include "ui/THelpWindow.h"

#include "support/ModalDriver.h"
#include "support/ScriptedPrompter.h"
#include "ui/TInputQueryForm.h"
#include <QScrollBar>
#include <QTextBrowser>

using Answer = ScriptedPrompter::Answer;

namespace {
// A window blocked by a modal one receives no input: Qt marks it so.
bool QApplicationPrivateBlocked(QWidget* window) {
    return window->windowHandle() && QGuiApplication::modalWindow() &&
           QGuiApplication::modalWindow() != window->windowHandle() &&
           !window->windowHandle()->isAncestorOf(QGuiApplication::modalWindow()) &&
           !QGuiApplication::modalWindow()->isAncestorOf(window->windowHandle());
}
} // namespace

TEST(CentreOnMainWindow, HalvesTheDifferenceTruncatingTowardZero) {
    EXPECT_EQ(CentredOver(QRect(100, 50, 610, 450), QSize(307, 111)), QPoint(100 + 151, 50 + 169));
    // A dialog wider and taller than the window by an odd amount: -5 div 2 is -2, not -3.
    EXPECT_EQ(CentredOver(QRect(100, 50, 300, 200), QSize(305, 207)), QPoint(98, 47));
    EXPECT_EQ(CentredOver(QRect(-20, -10, 400, 300), QSize(400, 300)), QPoint(-20, -10));
}

TEST(CentreOnMainWindow, MovesTheDialogOverTheMainWindow) {
    QMainWindow main;
    main.setGeometry(200, 120, 610, 450);
    Prompter::SetMainWindow(&main);
    TInputQueryForm form;
    CentreOnMainWindow(&form);
    const QRect frame = main.frameGeometry();
    EXPECT_EQ(form.pos(), QPoint(frame.left() + (frame.width() - 307) / 2,
                                 frame.top() + (frame.height() - 111) / 2));
    Prompter::SetMainWindow(nullptr);
}

// A dialog sized by its layout is centred on its laid-out size, not on the size it has
// before it was first shown, and stays on the screen.
TEST(CentreOnMainWindow, UsesTheLaidOutSizeAndKeepsTheDialogOnTheScreen) {
    QMainWindow main;
    main.setGeometry(100, 80, 610, 450);
    Prompter::SetMainWindow(&main);
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* body = new QWidget;
    body->setFixedSize(500, 400);
    layout->addWidget(body);
    CentreOnMainWindow(&dialog);
    const QSize laidOut = dialog.sizeHint();
    EXPECT_EQ(dialog.size(), laidOut);
    EXPECT_EQ(dialog.pos(), CentredOver(main.frameGeometry(), laidOut));
    dialog.show();
    EXPECT_EQ(dialog.size(), laidOut) << "showing must not change the size it was centred on";

    const QRect screen = main.screen()->availableGeometry();
    main.setGeometry(screen.right() - 200, screen.bottom() - 100, 610, 450);
    QDialog low;
    auto* lowLayout = new QVBoxLayout(&low);
    auto* lowBody = new QWidget;
    lowBody->setFixedSize(300, 200);
    lowLayout->addWidget(lowBody);
    CentreOnMainWindow(&low);
    EXPECT_TRUE(screen.contains(QRect(low.pos(), low.size())))
        << "placed at " << low.pos().x() << "," << low.pos().y();
    Prompter::SetMainWindow(nullptr);
}

TEST(ScriptedPrompter, AnswersInOrderAndRecordsWhatWasShown) {
    ScriptedPrompter script;
    script.Then(Answer::Yes()).Then(Answer::No()).Then(Answer::Text(QStringLiteral("Hello")));
    script.Then(Answer::CancelText()).Then(Answer::Counter(-7, 3)).Then(Answer::Symbol(74, 255));
    script.Then(Answer::CancelRotation({45, 90})).Then(Answer::ImageFile(QStringLiteral("/a.BMP")));

    ShowInformation(QStringLiteral("There is a limit of one Counter per label"));
    EXPECT_TRUE(AskYesNo(QStringLiteral("Save changes?"), QStringLiteral("Save")));
    EXPECT_FALSE(AskYesNoDefaultNo(QStringLiteral("Delete?"), QStringLiteral("Delete")));
    QString text = QStringLiteral("Text");
    EXPECT_TRUE(EnterText(QStringLiteral("Text"), QStringLiteral("Enter text"), text));
    EXPECT_EQ(text, QStringLiteral("Hello"));
    EXPECT_FALSE(EnterText(QStringLiteral("Text"), QStringLiteral("Enter text"), text));
    EXPECT_EQ(text, QStringLiteral("Hello"));
    int start = 0, repeat = 0;
    EXPECT_TRUE(AskNewCounter(start, repeat));
    EXPECT_EQ(start, -7);
    EXPECT_EQ(repeat, 3);
    int code = 33;
    qint32 colour = 0;
    EXPECT_TRUE(AskSymbol(code, colour));
    EXPECT_EQ(code, 74);
    EXPECT_EQ(colour, 255);
    std::vector<int> turned;
    int angle = 30;
    EXPECT_FALSE(AskRotation(angle, [&](int a) { turned.push_back(a); }));
    EXPECT_EQ(angle, 30);
    EXPECT_EQ(turned, (std::vector<int>{45, 90}));
    EXPECT_EQ(GetImageFile(), QStringLiteral("/a.BMP"));
    ShowRuntimeError(QStringLiteral("'x' is not a valid integer value"));
    ShowHelpTopic(1046);

    EXPECT_EQ(script.Unanswered(), 0u);
    EXPECT_EQ(script.Messages(QStringLiteral("Information")),
              QStringList{QStringLiteral("There is a limit of one Counter per label")});
    EXPECT_EQ(script.Messages(QStringLiteral("Error")),
              QStringList{QStringLiteral("'x' is not a valid integer value")});
    ASSERT_EQ(script.History().size(), 11u);
    EXPECT_EQ(script.History()[1].caption, QStringLiteral("Save"));
    EXPECT_EQ(script.History()[2].kind, QStringLiteral("YesNoDefaultNo"));
    EXPECT_EQ(script.History()[3].message, QStringLiteral("Enter text|Text"));
    EXPECT_EQ(script.History()[5].message, QStringLiteral("1,1"));
    EXPECT_EQ(script.History().back().caption, QStringLiteral("1046"));
}

TEST(ScriptedPrompter, RestoresThePreviousPrompterWhenItEnds) {
    Prompter* before = &Prompter::Current();
    {
        ScriptedPrompter outer;
        {
            ScriptedPrompter inner;
            EXPECT_EQ(&Prompter::Current(), &inner);
        }
        EXPECT_EQ(&Prompter::Current(), &outer);
    }
    EXPECT_EQ(&Prompter::Current(), before);
}

TEST(ColourValues, RedIsTheLowestByte) {
    EXPECT_EQ(ValueFromColour(QColor(255, 0, 0)), 255);
    EXPECT_EQ(ValueFromColour(QColor(0, 0, 255)), 0xFF0000);
    EXPECT_EQ(ValueFromColour(Qt::white), 16777215);
    EXPECT_EQ(ColourFromValue(0x00336699), QColor(0x99, 0x66, 0x33));
    EXPECT_EQ(ColourFromValue(ValueFromColour(QColor(1, 2, 3))), QColor(1, 2, 3));
}

// The real boxes, answered by simulated keys.
TEST(RealPrompter, InformationBoxHasItsCaptionIconAndOkButton) {
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    ModalWatch watch = WhenModal<QMessageBox>([&](QMessageBox* box) {
        caption = box->windowTitle();
        icon = box->icon();
        EXPECT_NE(box->button(QMessageBox::Ok), nullptr);
        QTest::keyClick(box, Qt::Key_Return);
    });
    Prompter::Current().ShowInformation(QStringLiteral("Nothing to print"));
    EXPECT_EQ(caption, QStringLiteral("Information"));
    EXPECT_EQ(icon, QMessageBox::Information);
}

TEST(RealPrompter, QuestionsAnswerYesOrNoWithTheirDefaultButton) {
    ModalWatch watch = WhenModal<QMessageBox>([](QMessageBox* box) {
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Save"));
        EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_TRUE(Prompter::Current().AskYesNo(QStringLiteral("Save?"), QStringLiteral("Save")));

    watch = WhenModal<QMessageBox>([](QMessageBox* box) {
        EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_FALSE(Prompter::Current().AskYesNoDefaultNo(QStringLiteral("Delete?"),
                                                       QStringLiteral("Delete Entire Label")));

    watch = WhenModal<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_FALSE(Prompter::Current().AskYesNo(QStringLiteral("Exit?"), QStringLiteral("Exit")));
}

TEST(RealPrompter, RuntimeErrorEndsWithAFullStopInAnErrorBox) {
    QString text;
    ModalWatch watch = WhenModal<QMessageBox>([&](QMessageBox* box) {
        text = box->text();
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        QTest::keyClick(box, Qt::Key_Return);
    });
    Prompter::Current().ShowRuntimeError(
        QStringLiteral("'1,5' is not a valid floating point value"));
    EXPECT_EQ(text, QStringLiteral("'1,5' is not a valid floating point value."));
    // A message ending in a parenthesis keeps its full stop; one already ended gets no second.
    for (const QString& message : {QStringLiteral("Cannot read the table (QVLBLS.DBF)"),
                                   QStringLiteral("The file is damaged.")}) {
        ModalWatch again = WhenModal<QMessageBox>([&](QMessageBox* box) {
            text = box->text();
            QTest::keyClick(box, Qt::Key_Return);
        });
        Prompter::Current().ShowRuntimeError(message);
        EXPECT_EQ(text, message.endsWith(QLatin1Char('.')) ? message : message + QLatin1Char('.'));
    }
}

// A box names a file, never the folders it lies in; the full text still goes to stderr.
TEST(RealPrompter, MessagesNameFilesWithoutTheirFolders) {
    using P = Prompter;
    EXPECT_EQ(P::ShownText(QStringLiteral("The table /tmp/qv-x1/QVLBLS.DBF is damaged (header)")),
              QStringLiteral("The table QVLBLS.DBF is damaged (header)"));
    EXPECT_EQ(
        P::ShownText(QStringLiteral("Cannot read the picture \"/home/ann/My Pictures/logo.bmp\": "
                                    "No such file.")),
        QStringLiteral("Cannot read the picture \"logo.bmp\": No such file."));
    EXPECT_EQ(P::ShownText(QStringLiteral("/srv/out/labels.pdf already exists.")),
              QStringLiteral("labels.pdf already exists."));
    // Fractions, "and/or" and addresses are not paths.
    for (const QString& plain : {QStringLiteral("Use 1/2 inch and/or more"),
                                 QStringLiteral("See https://example.org/help/page"),
                                 QStringLiteral("'x' is not a valid integer value")})
        EXPECT_EQ(P::ShownText(plain), plain);

    ScriptedPrompter script;
    ShowRuntimeError(QStringLiteral("Seeking needs an index order on /data/labels/QVLBLS.DBF"));
    ShowInformation(QStringLiteral("Cannot write the PDF file \"/nonexistent/x.pdf\"."));
    EXPECT_EQ(script.Messages(QStringLiteral("Error")),
              QStringList{QStringLiteral("Seeking needs an index order on QVLBLS.DBF")});
    EXPECT_EQ(script.Messages(QStringLiteral("Information")),
              QStringList{QStringLiteral("Cannot write the PDF file \"x.pdf\".")});
}

// Help opened from a dialog belongs to that dialog, so the dialog's modality does not block
// it, and it stands beside the dialog, not over it.
TEST(RealPrompter, HelpOverADialogIsUsableAndBesideIt) {
    QDialog dialog;
    dialog.setGeometry(560, 100, 200, 150); // no room on the right: help goes left
    bool blocked = true;
    QRect helpRect;
    QPointer<QWidget> helpParent;
    QTimer::singleShot(0, &dialog, [&] {
        Prompter::Current().ShowHelpTopic(1015);
        THelpWindow& help = THelpWindow::Instance();
        helpParent = help.parentWidget();
        blocked = QApplicationPrivateBlocked(&help);
        helpRect = help.frameGeometry();
        help.hide();
        dialog.reject();
    });
    dialog.exec();
    EXPECT_EQ(helpParent.data(), &dialog);
    EXPECT_FALSE(blocked) << "the dialog's modality blocks the help window";
    EXPECT_FALSE(helpRect.intersects(dialog.frameGeometry()))
        << helpRect.x() << "," << helpRect.y() << " " << helpRect.width() << "x"
        << helpRect.height();
}

// A dialog in the middle of the screen leaves neither side the help's usual width: help
// narrows to the wider side instead of covering the dialog.
TEST(RealPrompter, HelpNarrowsBesideAWideDialog) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QDialog dialog;
    dialog.setGeometry(screen.left() + 340, screen.top() + 100, screen.width() - 680, 150);
    QRect helpRect;
    QTimer::singleShot(0, &dialog, [&] {
        Prompter::Current().ShowHelpTopic(1015);
        THelpWindow& help = THelpWindow::Instance();
        helpRect = help.frameGeometry();
        help.hide();
        dialog.reject();
    });
    dialog.exec();
    EXPECT_FALSE(helpRect.intersects(dialog.frameGeometry()));
    EXPECT_GE(helpRect.width(), 320);
    EXPECT_LT(helpRect.width(), 520);
    EXPECT_TRUE(screen.contains(helpRect));
}

TEST(RealPrompter, HelpOpensTheHelpWindowAtEveryTopicThatHasASection) {
    THelpWindow& help = THelpWindow::Instance();
    const QString html = help.Browser->toHtml();
    for (int topic : {1001, 1011, 1015, 1021, 1023, 1046, 1047, 1049, 2001})
        EXPECT_TRUE(html.contains(THelpWindow::AnchorFor(topic))) << topic;
    EXPECT_EQ(THelpWindow::AnchorFor(4711), QStringLiteral("topic-1001"));

    Prompter::Current().ShowHelpTopic(1001);
    EXPECT_TRUE(help.isVisible());
    const int contents = help.Browser->verticalScrollBar()->value();
    Prompter::Current().ShowHelpTopic(1049); // rotating text lies far below the contents
    EXPECT_GT(help.Browser->verticalScrollBar()->value(), contents + 100);
    help.hide();
}

TEST(TextEntry, EnterKeepsTheEditedTextAndEscLeavesItAlone) {
    ModalWatch watch = WhenModal<TInputQueryForm>([](TInputQueryForm* form) {
        EXPECT_EQ(form->windowTitle(), QStringLiteral("Text"));
        EXPECT_EQ(form->MessageLabel->text(), QStringLiteral("Enter text"));
        EXPECT_EQ(form->InputText->text(), QStringLiteral("Text"));
        EXPECT_EQ(form->size(), QSize(307, 111));
        form->InputText->setFocus();
        QTest::keyClicks(form->InputText, QStringLiteral("Bolts"));
        QTest::keyClick(form->InputText, Qt::Key_Return);
    });
    QString text = QStringLiteral("Text");
    EXPECT_TRUE(EnterText(QStringLiteral("Text"), QStringLiteral("Enter text"), text));
    EXPECT_EQ(text, QStringLiteral("Bolts")); // the proposed text was selected and replaced

    watch = WhenModal<TInputQueryForm>([](TInputQueryForm* form) {
        QTest::keyClicks(form->InputText, QStringLiteral("zz"));
        QTest::keyClick(form->InputText, Qt::Key_Escape);
    });
    EXPECT_FALSE(EnterText(QStringLiteral("Text"), QStringLiteral("Enter text"), text));
    EXPECT_EQ(text, QStringLiteral("Bolts"));

    watch = WhenModal<TInputQueryForm>([](TInputQueryForm* form) { form->BitBtn1->click(); });
    text = QStringLiteral("kept");
    EXPECT_TRUE(EnterText(QStringLiteral("Text"), QStringLiteral("Enter text"), text));
    EXPECT_EQ(text, QStringLiteral("kept"));
}

TEST(TextEntry, LineBreaksBecomeSpacesSoTheLabelTextStaysOneLine) {
    TInputQueryForm form;
    form.SetText(QStringLiteral("two\r\nlines\nand\rmore"));
    EXPECT_EQ(form.Text(), QStringLiteral("two lines and more"));
    form.InputText->setText(QStringLiteral("pasted\nline"));
    EXPECT_EQ(form.InputText->text(), QStringLiteral("pasted line"));
    form.InputText->setText(QString());
    EXPECT_EQ(form.Text(), QString()); // empty text is allowed
}
