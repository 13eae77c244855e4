#include "RealKeyboard.h"
#include "RealWindowFixture.h"

#include "app/Preferences.h"
#include "controls/TCanvasPanel.h"
#include "designer/ItemSelection.h"
#include "designer/TStretchHandle.h"
#include "document/JournalFile.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

// The keys of everyday editing typed on the real keyboard, and where they leave the focus.
class EditingKeys : public RealWindowTest {
protected:
    void SetUp() override {
        RealWindowTest::SetUp();
        ASSERT_TRUE(keyboard.IsOpen());
        QTest::qWait(30);
    }

    void AddText(const QString& text) {
        window->Model().CreateItemFromValue(
            {.kind = LabelItemKind::Text, .top = 20, .left = 30, .width = 0, .height = 0,
             .text = text, .fontName = QStringLiteral("Arial"), .fontSize = 10, .fontColor = 0,
             .bold = false, .italic = false, .underline = false, .angle = 0});
    }
    QWidget* Panel() const { return window->LabelPanel; }
    // Ctrl with a key, typed into the main window as the window manager gives it the keys
    // back after a dialog closed.
    void PressControl(const char* key) {
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        keyboard.PressControl(key);
    }
    bool Changed() const { return !window->SaveButton->isHidden(); }


    // Types the description as a person does: a click in the box, the old text selected
    // and typed over.
    void TypeDescription(const QString& text) {
        pointer.Click(window->Descript);
        window->Descript->selectAll();
        keyboard.Type(text);
    }

    RealKeyboard keyboard;
};

TEST_F(EditingKeys, ShortcutsSaveStartAndAskWithTheKeysOnTheLabel) {
    // A label started: the keys are on the label, not in its description.
    EXPECT_EQ(window->focusWidget(), Panel());
    TypeDescription(QStringLiteral("keys"));
    EXPECT_EQ(window->focusWidget(), static_cast<QWidget*>(window->Descript));
    PressControl("s");
    EXPECT_FALSE(Changed());
    EXPECT_EQ(window->Records().Table()->Text(QStringLiteral("DESCRIPT")).trimmed(),
              QStringLiteral("keys"));
    EXPECT_EQ(window->focusWidget(), Panel());

    // Ctrl+N with a change asks; Cancel keeps the label and its change.
    AddText(QStringLiteral("Hello"));
    window->Records().TriggerChange();
    QString asked;
    {
        ModalWatch watch = WhenModal<QMessageBox>([&](QMessageBox* box) {
            asked = box->text();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(box));
            KeepScreen(QStringLiteral("save-changes-question.png"));
            ClickToClose(box, box->button(QMessageBox::Cancel));
        });
        PressControl("n");
        QTest::qWait(30);
    }
    EXPECT_EQ(asked, QStringLiteral("Save changes to \"keys\"?"));
    EXPECT_TRUE(Changed());
    EXPECT_EQ(window->Descript->text(), QStringLiteral("keys"));
    EXPECT_EQ(window->focusWidget(), Panel());

    // Save from the question stores the label, then the new label starts.
    {
        ModalWatch watch = WhenModal<QMessageBox>(
            [&](QMessageBox* box) { ClickToClose(box, box->button(QMessageBox::Save)); });
        PressControl("n");
        QTest::qWait(30);
    }
    EXPECT_EQ(window->Descript->text(), QStringLiteral("{untitled label}"));
    EXPECT_TRUE(window->Items().OrderList().isEmpty());
    EXPECT_EQ(window->focusWidget(), Panel());
}

TEST_F(EditingKeys, DeletingThroughTheMenuLeavesTheKeysOnTheLabel) {
    TypeDescription(QStringLiteral("name"));
    PressControl("s");
    AddText(QStringLiteral("Hello"));
    QTest::qWait(20);
    QWidget* item = LastItem();
    pointer.Click(item);
    EXPECT_EQ(window->Selection().Selected(), item);
    QMenu* menu = OpenMenuOf(item);
    ASSERT_NE(menu, nullptr);
    ClickEntry(menu, QStringLiteral("PopupMenuTextDelete"));
    QTest::qWait(50);
    EXPECT_TRUE(window->Items().OrderList().isEmpty());
    EXPECT_NE(window->focusWidget(), static_cast<QWidget*>(window->Descript));
    EXPECT_FALSE(window->Descript->hasSelectedText());
    // The next Delete key cannot erase the label's name.
    keyboard.Press("Delete");
    keyboard.Press("BackSpace");
    EXPECT_EQ(window->Descript->text(), QStringLiteral("name"));

    // The Delete key deletes the item selected, and the keys stay on the label.
    AddText(QStringLiteral("Again"));
    QTest::qWait(20);
    pointer.Click(LastItem());
    ASSERT_NE(window->Selection().Selected(), nullptr);
    keyboard.Press("Delete");
    QTest::qWait(20);
    EXPECT_TRUE(window->Items().OrderList().isEmpty());
    EXPECT_EQ(window->focusWidget(), Panel());
    EXPECT_EQ(window->mnuUndo->text(), QStringLiteral("&Undo Delete Item"));
    // In the description the key is the box's own.
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    pointer.Click(window->Descript);
    for (int i = 0; i < 100 && !window->Descript->hasFocus(); ++i)
        QTest::qWait(10);
    keyboard.Press("End");
    keyboard.Press("BackSpace");
    // A busy machine delivers the keys a moment later.
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->Descript->text() == QStringLiteral("nam"); },
                                2000))
        << window->Descript->text().toStdString();
}

TEST_F(EditingKeys, TheWindowOpensAtThePlaceItWasClosedAt) {
    const QRect available = window->screen()->availableGeometry();
    const QRect kept(available.left() + 150, available.top() + 120, 900, 640);
    window.reset();
    // The window went without closing: the recovery journal of its new label would be
    // offered at the next start, which is not what this test is about.
    QFile::remove(JournalFile(dir.path()).Path());
    ASSERT_TRUE(Preferences(dir.path()).WriteWindowPlace({kept, false}));
    window = std::make_unique<TZendorMain>(dir.path());
    Prompter::SetMainWindow(window.get());
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QTest::qWait(100);
    EXPECT_EQ(window->geometry(), kept);
    KeepScreen(QStringLiteral("window-restored-900x640.png"));
    // Moved and closed, it opens there next time.
    window->setGeometry(kept.translated(-50, 40));
    QTest::qWait(100);
    {
        ModalWatch watch = WhenModal<QMessageBox>(
            [&](QMessageBox* box) { ClickToClose(box, box->button(QMessageBox::Yes)); });
        window->close(); // "Exit program?"
        QTest::qWait(30);
    }
    EXPECT_EQ(Preferences(dir.path()).ReadWindowPlace(),
              (WindowPlace{kept.translated(-50, 40), false}));
}
