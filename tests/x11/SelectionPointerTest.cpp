#include "RealKeyboard.h"
#include "RealWindowFixture.h"
#include "RunningProgram.h"

#include "controls/TCanvasPanel.h"
#include "designer/FontFace.h"
#include "designer/ItemMenus.h"
#include "designer/ItemSelection.h"
#include "designer/PropertyBar.h"
#include "designer/TStretchHandle.h"
#include "document/JournalFile.h"
#include "storage/LabelRecordStore.h"
#include "storage/LabelTable.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFontComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QToolButton>

// Several items at once, with the real pointer and keyboard: Shift/Ctrl-clicks, rubber
// bands, group drags and nudges, and the clipboard.
class SelectionPointer : public RealWindowTest {
protected:
    void SetUp() override {
        RealWindowTest::SetUp();
        ASSERT_TRUE(keyboard.IsOpen());
        QTest::qWait(30);
    }

    // A box with a fill (clear: outline only) at left, top, 30 x 20 pixels unless told.
    QString AddBox(int left, int top, TBrushStyle fill = TBrushStyle::Solid, int width = 30,
                   int height = 20) {
        return window->Model().CreateItemFromValue({.kind = LabelItemKind::Rectangle,
                                                    .top = top,
                                                    .left = left,
                                                    .width = width,
                                                    .height = height,
                                                    .brushStyle = fill,
                                                    .brushColor = 0xC0E0FF,
                                                    .penWidth = 1,
                                                    .penColor = 0});
    }
    QString AddText(const QString& text, int left, int top) {
        return window->Model().CreateItemFromValue({.kind = LabelItemKind::Text,
                                                    .top = top,
                                                    .left = left,
                                                    .text = text,
                                                    .fontName = QStringLiteral("Arial"),
                                                    .fontSize = 10});
    }
    QWidget* Control(const QString& name) const { return window->Items().Control(name); }
    QPoint At(const QString& name) const {
        const LabelItemValue& value = window->Model().Design().Find(name)->value;
        return {value.left, value.top};
    }
    QStringList SelectedNames() const {
        QStringList names;
        for (const QWidget* item : window->Selection().SelectedItems())
            names << item->objectName();
        return names;
    }
    QWidget* Panel() const { return window->LabelPanel; }
    // The point of the panel at the centre of an item.
    QPoint CentreOf(const QString& name) const { return Control(name)->geometry().center(); }

    void ClickWith(const char* key, const QString& name) {
        keyboard.Hold(key, true);
        pointer.Click(Panel(), CentreOf(name));
        keyboard.Hold(key, false);
    }
    void PressControl(const char* key) {
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        keyboard.PressControl(key);
        QTest::qWait(20);
    }
    void TypeDescription(const QString& text) {
        pointer.Click(window->Descript);
        window->Descript->selectAll();
        keyboard.Type(text);
    }
    QString StoredObjects() const {
        return LabelRecordStore(*window->Records().Table()).ReadObjects();
    }

    // Waits until the keys typed have had their effect (a busy machine delays them).
    template <typename Condition> static bool Eventually(Condition condition) {
        for (int i = 0; i < 200 && !condition(); ++i)
            QTest::qWait(10);
        return condition();
    }

    RealKeyboard keyboard;
};

TEST_F(SelectionPointer, ABandSelectsWhatItHoldsAndOneDragMovesExactlyThose) {
    const QString a = AddBox(10, 10), b = AddBox(50, 10), c = AddBox(90, 10);
    const QString d = AddBox(10, 60), e = AddBox(160, 30);
    // From an empty spot across the top row: D lies below the band, E right of it.
    pointer.Drag(Panel(), {5, 5}, {125, 35});
    EXPECT_EQ(SelectedNames(), (QStringList{a, b, c}));
    EXPECT_EQ(window->Selection().Selected(), nullptr);
    KeepScreen(QStringLiteral("three-items-selected.png"), true);

    // One drag on B moves all three by the same amount; D and E stay.
    pointer.Drag(Panel(), CentreOf(b), CentreOf(b) + QPoint(20, 30));
    EXPECT_EQ(At(a), QPoint(30, 40));
    EXPECT_EQ(At(b), QPoint(70, 40));
    EXPECT_EQ(At(c), QPoint(110, 40));
    EXPECT_EQ(At(d), QPoint(10, 60));
    EXPECT_EQ(At(e), QPoint(160, 30));
    EXPECT_EQ(SelectedNames(), (QStringList{a, b, c}));
    EXPECT_EQ(window->mnuUndo->text(), QStringLiteral("&Undo Move"));

    // Arrows nudge the three; arrows within a second are one step.
    keyboard.Press("Right");
    keyboard.Press("Right");
    keyboard.Press("Down");
    EXPECT_TRUE(Eventually([&] { return At(a) == QPoint(32, 41); }));
    EXPECT_EQ(At(c), QPoint(112, 41));
    EXPECT_EQ(At(d), QPoint(10, 60));
    window->mnuUndo->trigger();
    EXPECT_EQ(At(a), QPoint(30, 40));
    EXPECT_EQ(At(c), QPoint(110, 40));
    // Undone, the same three stay selected; one more undo takes back the drag.
    EXPECT_EQ(SelectedNames(), (QStringList{a, b, c}));
    window->mnuUndo->trigger();
    EXPECT_EQ(At(b), QPoint(50, 10));

    // Escape clears the selection; a click on an empty spot after a band selects nothing.
    keyboard.Press("Escape");
    EXPECT_TRUE(Eventually([&] { return SelectedNames().isEmpty(); }));
    EXPECT_EQ(window->focusWidget(), Panel());
}

TEST_F(SelectionPointer, ShiftAndCtrlClicksAddAndRemoveItems) {
    const QString a = AddBox(10, 10), b = AddBox(60, 10), c = AddBox(110, 40);
    pointer.Click(Panel(), CentreOf(a));
    EXPECT_EQ(SelectedNames(), QStringList{a});
    ClickWith("Shift_L", c);
    EXPECT_EQ(SelectedNames(), (QStringList{a, c}));
    ClickWith("Control_L", b);
    EXPECT_EQ(SelectedNames(), (QStringList{a, b, c}));
    KeepScreen(QStringLiteral("shift-click-three-frames.png"), true);
    // A second Shift+click takes an item out, also one inside the frame of the others.
    ClickWith("Shift_L", b);
    EXPECT_EQ(SelectedNames(), (QStringList{a, c}));
    ClickWith("Shift_L", a);
    EXPECT_EQ(SelectedNames(), QStringList{c});
    // A plain click picks one item alone; a click on an empty spot clears.
    pointer.Click(Panel(), CentreOf(b));
    EXPECT_EQ(SelectedNames(), QStringList{b});
    pointer.Click(Panel(), {200, 80});
    EXPECT_TRUE(SelectedNames().isEmpty());
    // Shift with a band adds what it holds to the selection.
    pointer.Click(Panel(), CentreOf(c));
    keyboard.Hold("Shift_L", true);
    pointer.Drag(Panel(), {5, 5}, {45, 35});
    keyboard.Hold("Shift_L", false);
    EXPECT_EQ(SelectedNames(), (QStringList{a, c}));
}

TEST_F(SelectionPointer, AHollowShapeIsHitNearItsOutlineOnly) {
    const QString frame = AddBox(4, 4, TBrushStyle::Clear, 240, 86);
    const QString inside = AddBox(60, 30);
    // Inside the hollow frame: the item there, or an empty spot.
    pointer.Click(Panel(), CentreOf(inside));
    EXPECT_EQ(SelectedNames(), QStringList{inside});
    pointer.Click(Panel(), {150, 50});
    EXPECT_TRUE(SelectedNames().isEmpty());
    // A band from inside the frame selects what it holds.
    pointer.Drag(Panel(), {40, 20}, {120, 70});
    EXPECT_EQ(SelectedNames(), QStringList{inside});
    // On its outline, the frame.
    pointer.Click(Panel(), {4, 40});
    EXPECT_EQ(SelectedNames(), QStringList{frame});
    // Selected, it moves by a drag from an empty spot inside it, and a click on the item
    // inside picks that item.
    pointer.Drag(Panel(), {150, 50}, {152, 51});
    EXPECT_EQ(At(frame), QPoint(6, 5));
    pointer.Click(Panel(), CentreOf(inside));
    EXPECT_EQ(SelectedNames(), QStringList{inside});
}

TEST_F(SelectionPointer, DeleteKeyDeletesEverySelectedItemAndKeepsTheKeys) {
    AddBox(10, 10);
    AddBox(60, 10);
    AddText(QStringLiteral("Hello"), 100, 50);
    pointer.Click(Panel(), {200, 80});
    PressControl("a");
    ASSERT_TRUE(Eventually([&] { return SelectedNames().size() == 3; }));
    // The Edit menu as a user opens it, its entries in their order.
    QMenuBar* bar = window->menuBar();
    pointer.Click(bar, bar->actionGeometry(window->mnuEdit->menuAction()).center());
    QMenu* menu = WaitForPopup();
    ASSERT_EQ(menu, window->mnuEdit);
    QStringList entries;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator())
            entries << action->objectName();
    EXPECT_EQ(entries, (QStringList{"mnuUndo", "mnuRedo", "mnuCut", "mnuCopy", "mnuPaste",
                                    "mnuDuplicate", "mnuDelete", "mnuSelectAll"}));
    EXPECT_TRUE(window->mnuCut->isEnabled());
    KeepScreen(QStringLiteral("edit-menu.png"), true);
    menu->close();
    QTest::qWait(20);
    keyboard.Press("Delete");
    EXPECT_TRUE(Eventually([&] { return window->Items().OrderList().isEmpty(); }));
    EXPECT_EQ(window->focusWidget(), Panel());
    EXPECT_EQ(window->mnuUndo->text(), QStringLiteral("&Undo Delete Items"));
    window->mnuUndo->trigger();
    EXPECT_EQ(window->Items().OrderList().size(), 3);
}

TEST_F(SelectionPointer, CopyDeleteSaveAndPasteGiveTheSameLabelHereAndOnANewLabel) {
    TypeDescription(QStringLiteral("clip"));
    AddBox(10, 10);
    AddBox(4, 4, TBrushStyle::Clear, 240, 86);
    AddText(QStringLiteral("Hello"), 100, 50);
    window->Records().TriggerChange();
    PressControl("s");
    const QString saved = StoredObjects();
    ASSERT_FALSE(saved.isEmpty());

    pointer.Click(Panel(), {200, 30});
    PressControl("a");
    PressControl("c");
    keyboard.Press("Delete");
    ASSERT_TRUE(Eventually([&] { return window->Items().OrderList().isEmpty(); }));
    PressControl("s");
    EXPECT_TRUE(Eventually([&] { return window->SaveButton->isHidden(); }));
    EXPECT_EQ(StoredObjects(), QStringLiteral("NOTHING=NOTHING\r\n"));
    PressControl("v");
    ASSERT_TRUE(Eventually([&] { return window->Items().OrderList().size() == 3; }));
    EXPECT_EQ(window->mnuUndo->text(), QStringLiteral("&Undo Paste"));
    EXPECT_EQ(SelectedNames().size(), 3);
    PressControl("s");
    EXPECT_TRUE(Eventually([&] { return window->SaveButton->isHidden(); }));
    EXPECT_EQ(StoredObjects(), saved);
    // Other programs get the texts.
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Hello"));

    // On a new label the same items paste at the same places.
    PressControl("n");
    ASSERT_TRUE(Eventually([&] { return window->Items().OrderList().isEmpty(); }));
    PressControl("v");
    ASSERT_TRUE(Eventually([&] { return window->Items().OrderList().size() == 3; }));
    EXPECT_EQ(window->SaveItems(), saved);

    // Duplicate adds copies one grid step away (8 pixels without a grid), selected. (A click
    // on an item of the pasted group keeps the group, ready to be dragged.)
    pointer.Click(Panel(), {248, 50});
    pointer.Click(Panel(), CentreOf(QStringLiteral("Special1")));
    PressControl("d");
    ASSERT_TRUE(Eventually([&] { return window->Items().OrderList().size() == 4; }));
    EXPECT_EQ(SelectedNames(), QStringList{QStringLiteral("Special4")});
    EXPECT_EQ(At(QStringLiteral("Special4")), QPoint(18, 18));
    EXPECT_EQ(window->mnuUndo->text(), QStringLiteral("&Undo Duplicate"));
}

TEST_F(SelectionPointer, TheDescriptionKeepsItsOwnClipboardKeys) {
    TypeDescription(QStringLiteral("words"));
    AddBox(10, 10);
    QGuiApplication::clipboard()->clear();
    // Ctrl+A and Ctrl+C act on the box's text, not on the items.
    for (int i = 0; i < 100 && !window->Descript->hasFocus(); ++i)
        QTest::qWait(10);
    keyboard.PressControl("a");
    keyboard.PressControl("c");
    EXPECT_TRUE(
        Eventually([] { return QGuiApplication::clipboard()->text() == QStringLiteral("words"); }));
    EXPECT_TRUE(SelectedNames().isEmpty());
    // Text from another program pastes onto the label as a new text item.
    pointer.Click(Panel(), {200, 80});
    QGuiApplication::clipboard()->setText(QStringLiteral("From elsewhere\r\n"));
    QTest::qWait(30);
    PressControl("v");
    ASSERT_TRUE(Eventually([&] { return window->Items().OrderList().size() == 2; }));
    const DesignItem& pasted = window->Model().Design().items.back();
    EXPECT_EQ(pasted.value.kind, LabelItemKind::Text);
    EXPECT_EQ(pasted.value.text, QStringLiteral("From elsewhere"));
}

TEST_F(SelectionPointer, TheArrangeMenuAlignsTheSelectedItemsAsOneStep) {
    const QString a = AddBox(10, 10), b = AddBox(60, 40),
                  c = AddBox(110, 25, TBrushStyle::Solid, 50);
    pointer.Drag(Panel(), {5, 5}, {170, 70});
    ASSERT_EQ(SelectedNames().size(), 3);
    // Opened from the menu bar with the real pointer, as a user does.
    QMenuBar* bar = window->menuBar();
    pointer.Click(bar, bar->actionGeometry(window->mnuArrange->menuAction()).center());
    QMenu* menu = WaitForPopup();
    ASSERT_EQ(menu, window->mnuArrange);
    KeepScreen(QStringLiteral("arrange-menu.png"), true);
    ClickEntry(menu, QStringLiteral("mnuAlignLeft"));
    QTest::qWait(30);
    EXPECT_EQ(At(a).x(), 10);
    EXPECT_EQ(At(b).x(), 10);
    EXPECT_EQ(At(c).x(), 10);
    EXPECT_EQ(At(b).y(), 40) << "aligning left moves across only";
    EXPECT_EQ(window->mnuUndo->text(), QStringLiteral("&Undo Align Left"));
    EXPECT_EQ(SelectedNames().size(), 3);
    EXPECT_EQ(window->focusWidget(), &window->Selection().Handle());

    // Same Width takes the width of the item selected first.
    window->findChild<QAction*>(QStringLiteral("mnuSameWidth"))->trigger();
    EXPECT_EQ(window->Model().Design().Find(c)->value.width, 30);
    window->mnuUndo->trigger();
    window->mnuUndo->trigger();
    EXPECT_EQ(At(c).x(), 110);

    // One item aligns to the label.
    pointer.Click(Panel(), {240, 90});
    pointer.Click(Panel(), CentreOf(b));
    window->findChild<QAction*>(QStringLiteral("mnuAlignRight"))->trigger();
    EXPECT_EQ(At(b).x(), Panel()->width() - 30);
}

TEST_F(SelectionPointer, TabStepsTheSelectionThroughTheItems) {
    const QString a = AddBox(10, 10), b = AddBox(60, 10), c = AddBox(110, 10);
    pointer.Click(Panel(), {200, 80});
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    for (int i = 0; i < 100 && !Panel()->hasFocus(); ++i)
        QTest::qWait(10);
    const auto selects = [&](const QString& name) {
        return Eventually([&] { return SelectedNames() == QStringList{name}; });
    };
    keyboard.Press("Tab");
    EXPECT_TRUE(selects(a));
    keyboard.Press("Tab");
    EXPECT_TRUE(selects(b));
    keyboard.Press("Tab", true);
    EXPECT_TRUE(selects(a));
    keyboard.Press("Tab", true);
    EXPECT_TRUE(selects(c)) << "round from the first to the last";
    EXPECT_EQ(window->focusWidget(), &window->Selection().Handle());
}

// The property bar with the real pointer and keys: a typed width, Enter and Escape, and a
// style given to two texts at once, each one step of the undo history.
TEST_F(SelectionPointer, ThePropertyBarEditsTheSelectionAsOneStep) {
    const QString box = AddBox(10, 50, TBrushStyle::Solid, 30, 20);
    const QString one = AddText(QStringLiteral("One"), 60, 10);
    const QString two = AddText(QStringLiteral("Two"), 140, 10);
    PropertyBar* bar = window->PropertiesBar;
    ASSERT_TRUE(bar->isVisible());

    pointer.Click(Panel(), CentreOf(box));
    ASSERT_EQ(SelectedNames(), QStringList{box});
    EXPECT_TRUE(Eventually([&] { return bar->WidthEdit->text() == QStringLiteral("0.313"); }))
        << bar->WidthEdit->text().toStdString(); // 30 px of 96 per inch
    EXPECT_EQ(bar->UnitLabel->text(), QStringLiteral("in"));
    EXPECT_FALSE(bar->BoldButton->isEnabled()) << "a box has no font";

    // A width typed in inches; Enter applies it.
    const QString before = window->SaveItems();
    pointer.Click(bar->WidthEdit);
    bar->WidthEdit->selectAll();
    keyboard.Type(QStringLiteral("0.5"));
    keyboard.Press("Return");
    EXPECT_TRUE(Eventually([&] { return window->Model().Design().Find(box)->value.width == 48; }));
    EXPECT_NE(window->SaveItems(), before);
    EXPECT_TRUE(window->SaveItems().contains(QStringLiteral("WIDTH=0.500")));
    EXPECT_EQ(window->mnuUndo->text(), QStringLiteral("&Undo Size"));
    EXPECT_TRUE(window->SaveButton->isVisible());
    // The keys are back on the label: an arrow moves the box.
    EXPECT_TRUE(Eventually([&] { return window->focusWidget() == &window->Selection().Handle(); }));
    keyboard.Press("Right");
    EXPECT_TRUE(Eventually([&] { return At(box) == QPoint(11, 50); }));
    EXPECT_TRUE(Eventually([&] { return bar->LeftEdit->text() == QStringLiteral("0.115"); }))
        << bar->LeftEdit->text().toStdString();
    window->mnuUndo->trigger();
    // Tab applies too, and goes on to the next box.
    pointer.Click(bar->LeftEdit);
    bar->LeftEdit->selectAll();
    keyboard.Type(QStringLiteral("0.25"));
    keyboard.Press("Tab");
    EXPECT_TRUE(Eventually([&] { return At(box).x() == 24; }));
    EXPECT_TRUE(Eventually([&] { return bar->TopEdit->hasFocus(); }));
    EXPECT_EQ(window->mnuUndo->text(), QStringLiteral("&Undo Position"));
    window->mnuUndo->trigger();
    // Escape puts back what the item holds.
    bar->HeightEdit->setFocus();
    bar->HeightEdit->selectAll();
    keyboard.Type(QStringLiteral("0.9"));
    keyboard.Press("Escape");
    EXPECT_TRUE(Eventually([&] { return bar->HeightEdit->text() == QStringLiteral("0.208"); }));
    EXPECT_EQ(window->Model().Design().Find(box)->value.height, 20);
    EXPECT_TRUE(Eventually([&] { return window->focusWidget() == &window->Selection().Handle(); }))
        << "Escape hands the keys back to the label";
    // Undo shows in the bar.
    window->mnuUndo->trigger();
    EXPECT_TRUE(Eventually([&] { return bar->WidthEdit->text() == QStringLiteral("0.313"); }));

    // Two steps of the thickness box's arrow, one straight after the other, are one change.
    pointer.Click(bar->LineWidthBox);
    keyboard.Press("Up");
    keyboard.Press("Up");
    EXPECT_TRUE(Eventually([&] { return window->Model().Design().Find(box)->value.penWidth == 3; }));
    EXPECT_EQ(window->mnuUndo->text(), QStringLiteral("&Undo Line Thickness"));
    window->mnuUndo->trigger();
    EXPECT_EQ(window->Model().Design().Find(box)->value.penWidth, 1);
    EXPECT_TRUE(Eventually([&] { return bar->LineWidthBox->value() == 1; }));

    // Bold for two texts at once, by a click on the bar's button; the box is left out of it.
    pointer.Click(Panel(), CentreOf(one));
    ClickWith("Shift_L", two);
    ASSERT_EQ(SelectedNames(), (QStringList{one, two}));
    EXPECT_TRUE(Eventually([&] { return bar->BoldButton->isEnabled(); }));
    EXPECT_FALSE(bar->WidthEdit->isEnabled()) << "plain texts take their text's size";
    EXPECT_EQ(bar->FontBox->currentText(), FontFace::Printed(QStringLiteral("Arial")));
    KeepScreen(QStringLiteral("property-bar-two-texts.png"), true);
    pointer.Click(bar->BoldButton);
    EXPECT_TRUE(Eventually([&] { return window->Model().Design().Find(two)->value.bold; }));
    EXPECT_TRUE(window->Model().Design().Find(one)->value.bold);
    EXPECT_EQ(window->Model().Design().Find(one)->value.fontName, QStringLiteral("Arial"))
        << "the stored face stays";
    EXPECT_EQ(window->mnuUndo->text(), QStringLiteral("&Undo Bold"));
    EXPECT_TRUE(bar->BoldButton->isChecked());
    window->mnuUndo->trigger();
    EXPECT_FALSE(window->Model().Design().Find(one)->value.bold);
    EXPECT_FALSE(window->Model().Design().Find(two)->value.bold);
    EXPECT_TRUE(Eventually([&] { return !bar->BoldButton->isChecked(); }));

    // One bold text and one plain: the button shows the mix, and a click makes both bold.
    pointer.Click(Panel(), {240, 90});
    pointer.Click(Panel(), CentreOf(one));
    ASSERT_EQ(SelectedNames(), QStringList{one});
    pointer.Click(bar->BoldButton);
    ClickWith("Shift_L", two);
    EXPECT_TRUE(Eventually([&] { return bar->BoldButton->property("mixed").toBool(); }));
    EXPECT_FALSE(bar->BoldButton->isChecked());
    EXPECT_FALSE(bar->ItalicButton->property("mixed").toBool()) << "neither is italic";
    KeepScreen(QStringLiteral("property-bar-mixed-bold.png"), true);
    pointer.Click(bar->BoldButton);
    EXPECT_TRUE(Eventually([&] { return window->Model().Design().Find(two)->value.bold; }));
    EXPECT_TRUE(window->Model().Design().Find(one)->value.bold);
    EXPECT_TRUE(Eventually([&] { return !bar->BoldButton->property("mixed").toBool(); }));

    // With the box as well the texts' font shows, and so do the box's colours.
    ClickWith("Shift_L", box);
    EXPECT_TRUE(Eventually([&] { return bar->FillColorButton->isEnabled(); }));
    EXPECT_TRUE(bar->BoldButton->isEnabled());
    KeepScreen(QStringLiteral("property-bar-two-texts-and-box.png"), true);
}

// Copy here, paste into another running copy of the program: the X clipboard carries the
// items between the two processes, and the other copy's label saves exactly these items.
TEST_F(SelectionPointer, ItemsCopiedHerePasteIntoAnotherRunningCopy) {
    AddBox(10, 50, TBrushStyle::Solid, 30, 20);
    AddText(QStringLiteral("Across"), 60, 10);
    window->Selection().SelectAll();
    window->mnuCopy->trigger();
    ASSERT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat(
        QStringLiteral("application/x-quorvane-items")));
    // Only the other copy's window is called by the program's name.
    window->setWindowTitle(QStringLiteral("Copied from"));
    const QString copied = window->SaveItems();

    QTemporaryDir other;
    {
        QString message;
        const std::unique_ptr<LabelTable> table = LabelTable::Open(other.path(), message);
        ASSERT_TRUE(table) << message.toStdString();
        CurrentLabel label;
        label.description = QStringLiteral("Target");
        label.templateName = QStringLiteral("Address 1 x 2-5/8 (30)");
        label.geometry = {1.0f, 2.625f, 3, 10, 0.5f, 0.1875f, 2.75f, 1.0f, "LTR", "RR"};
        LabelRecordStore(*table).Write(label, QStringLiteral("NOTHING=NOTHING\r\n"), true);
    }
    const auto stored = [&] {
        QString message;
        const std::unique_ptr<LabelTable> table = LabelTable::Open(other.path(), message);
        if (!table || table->RecordCount() != 1)
            return QString();
        table->First();
        return LabelRecordStore(*table).ReadObjects();
    };
    RunningProgram program(other.path());
    ASSERT_TRUE(program.Started());
    const QRect shown = RunningProgram::WaitForWindow("Quorvane", RunningProgram::IsMainWindow);
    ASSERT_TRUE(shown.isValid());
    // It names the label it shows in its QV.INI once the label is on screen, just before the
    // keys go to the label (a slow start, under a sanitizer, takes seconds).
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return QFile::exists(QDir(other.path()).filePath(QStringLiteral("QV.INI"))); },
        20000));
    QTest::qWait(500);
    // A click on its status bar gives it the keys, which stay on its design panel.
    pointer.MoveTo(shown.bottomLeft() + QPoint(150, -6));
    pointer.Press();
    pointer.Release();
    QTest::qWait(100);
    // The other copy pastes, asking this process for the clipboard while it waits here; its
    // journal then holds the unsaved change, which Save ends. Its table is its own until it
    // stops.
    const JournalFile journal(other.path());
    keyboard.PressControl("v");
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(journal.Path()); }, 20000))
        << "nothing was pasted";
    KeepScreen(QStringLiteral("pasted-into-another-copy.png"), true);
    keyboard.PressControl("s");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !QFile::exists(journal.Path()); }, 20000))
        << "not saved";
    program.Kill();
    EXPECT_EQ(stored(), copied);
}

// A right click on an item of a selection of several keeps the selection; its menu acts on
// all of them, and undoing the deletion brings them back selected.
TEST_F(SelectionPointer, ARightClickInASelectionActsOnAllOfIt) {
    const QString a = AddBox(10, 10), b = AddBox(50, 10), c = AddBox(90, 50);
    pointer.Drag(Panel(), {5, 5}, {85, 35});
    ASSERT_EQ(SelectedNames(), (QStringList{a, b}));
    pointer.Click(Panel(), CentreOf(b), 3);
    QMenu* menu = WaitForPopup();
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->objectName(), QStringLiteral("PopupMenuSelection"));
    EXPECT_EQ(SelectedNames(), (QStringList{a, b})) << "the selection stays";
    KeepScreen(QStringLiteral("selection-menu.png"), true);
    ClickEntry(menu, QStringLiteral("mnuDelete"));
    EXPECT_TRUE(Eventually([&] { return window->Model().Design().items.size() == 1; }));
    EXPECT_TRUE(window->Model().Design().Find(c));
    EXPECT_EQ(window->mnuUndo->text(), QStringLiteral("&Undo Delete Items"));

    window->mnuUndo->trigger();
    EXPECT_EQ(window->Model().Design().items.size(), 3u);
    EXPECT_EQ(SelectedNames(), (QStringList{a, b})) << "what came back is selected";
    // A right click on an item outside the selection opens that item's own menu.
    pointer.Click(Panel(), CentreOf(c), 3);
    menu = WaitForPopup();
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu, window->Menus->MenuFor(Control(c)));
    EXPECT_EQ(SelectedNames(), QStringList{c});
    menu->close();
}
