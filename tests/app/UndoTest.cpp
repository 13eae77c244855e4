#include "MainWindowFixture.h"

#include "app/DesignUndo.h"
#include "app/TSelectLabel.h"
#include "controls/TCanvasPanel.h"
#include "designer/ItemMenus.h"
#include "designer/ItemPlacer.h"
#include "designer/ItemSelection.h"
#include "designer/SelectionToolRow.h"
#include "designer/TStretchHandle.h"
#include "designer/LabelItems.h"
#include "support/PointerDriver.h"
#include "support/TestData.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QUndoStack>

#include <functional>

using Answer = ScriptedPrompter::Answer;
using namespace PointerDriver;

// A stored label on a shown window, edited through the tools, menus and mouse as a person
// does, with every step taken back and done again through the Edit menu.
class UndoTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        SaveNewLabel(QStringLiteral("Undo"));
        window->show();
    }

    const QUndoStack& Stack() { return window->Undo().Stack(); }
    QWidget* Last() { return window->Items().OrderList().last().data(); }
    ItemSelection& Selection() { return window->Selection(); }
    TStretchHandle* Handle() { return Selection().StretchHandle1; }

    // Everything a step can change: the items as saved, their names, description, geometry.
    std::string Design() { return DesignText().toStdString(); }
    QString DesignText() {
        QStringList names;
        for (const auto& item : window->Items().OrderList())
            names << item->objectName();
        const SheetGeometry g = window->Records().Label().geometry;
        return window->SaveItems() + names.join(u',') + u'|' + Description() + u'|' +
               QString::number(g.labelWidth) + u'x' + QString::number(g.labelHeight) +
               window->Records().Label().templateName;
    }

    // Runs one command and expects it to be exactly one step named name, which the Edit menu
    // takes back and does again.
    void ExpectOneStep(const QString& name, const std::function<void()>& command) {
        SCOPED_TRACE(name.toStdString());
        const std::string before = Design();
        const int index = Stack().index();
        command();
        const std::string after = Design();
        ASSERT_NE(after, before);
        EXPECT_EQ(Stack().index(), index + 1);
        EXPECT_EQ(window->mnuUndo->text().toStdString(), "&Undo " + name.toStdString());
        window->mnuUndo->trigger();
        EXPECT_EQ(Design(), before);
        EXPECT_EQ(window->mnuRedo->text().toStdString(), "&Redo " + name.toStdString());
        window->mnuRedo->trigger();
        EXPECT_EQ(Design(), after);
        EXPECT_EQ(Stack().index(), index + 1);
    }

    void Drop(LabelItemKind tool, QPoint point) {
        std::unique_ptr<QMimeData> data(ItemPlacer::ToolMimeData(tool));
        QWidget* panel = window->LabelPanel;
        QDragEnterEvent enter(point, Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(panel, &enter);
        QDropEvent drop(QPointF(point), Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(panel, &drop);
        QCoreApplication::processEvents();
    }
    QString WriteBitmap(const QString& name, QColor colour, QSize size) {
        const QString path = dir.filePath(name);
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        image.save(path, "BMP");
        return path;
    }
    void ClickItem(QWidget* target) {
        Press(target, {3, 3});
        Release(target, {3, 3});
    }
    void Key(int key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(Handle(), &event);
    }
    QWidget* AddRectangle(int left, int top) {
        window->Model().CreateItemFromValue({.kind = LabelItemKind::Rectangle, .top = top, .left = left, .width = 30, .height = 20, .brushStyle = TBrushStyle(1), .brushColor = kColorBlack, .penWidth = 1, .penColor = kColorBlack, .rounding = 0});
        return Last();
    }
};

TEST_F(UndoTest, EveryKindOfStepIsTakenBackAndDoneAgain) {
    EXPECT_FALSE(window->mnuUndo->isEnabled());
    EXPECT_EQ(window->mnuUndo->text(), QStringLiteral("&Undo"));
    // Undo and redo re-create the items: they are found again by their names.
    QString text, counter, symbol, rect, round, line, image, barcode;
    const auto drop = [&](LabelItemKind tool, QPoint at, QString* made) {
        return [this, tool, at, made] {
            Drop(tool, at);
            *made = Last()->objectName();
        };
    };
    prompts.Then(Answer::Text(QStringLiteral("Hello")));
    ExpectOneStep("Add Text", drop(LabelItemKind::Text, {8, 6}, &text));
    prompts.Then(Answer::Counter(100, 2));
    ExpectOneStep("Add Counter", drop(LabelItemKind::Counter, {150, 60}, &counter));
    prompts.Then(Answer::Symbol(74, 255));
    ExpectOneStep("Add Symbol", drop(LabelItemKind::Symbol, {200, 8}, &symbol));
    ExpectOneStep("Add Rectangle", drop(LabelItemKind::Rectangle, {8, 40}, &rect));
    ExpectOneStep("Add Rounded Rectangle", drop(LabelItemKind::RoundRectangle, {40, 40}, &round));
    ExpectOneStep("Add Horizontal Line", drop(LabelItemKind::HorizontalLine, {8, 80}, &line));
    prompts.Then(Answer::ImageFile(WriteBitmap("a.bmp", Qt::green, {40, 24})));
    ExpectOneStep("Add Image", drop(LabelItemKind::Image, {120, 30}, &image));
    prompts.Then(Answer::Text(QStringLiteral("12345")));
    ExpectOneStep("Add Barcode", drop(LabelItemKind::Barcode, {90, 4}, &barcode));
    const auto named = [this](const QString& name) {
        for (const auto& item : window->Items().OrderList())
            if (item->objectName() == name)
                return item.data();
        return static_cast<QWidget*>(nullptr);
    };
    const auto choose = [&](const QString& item, const char* entry) {
        return [this, named, item, entry] { Choose(named(item), QString::fromLatin1(entry)); };
    };

    prompts.Then(Answer::Text(QStringLiteral("Goodbye")));
    ExpectOneStep("Text", choose(text, "PopupMenuTextText"));
    FontChoice font;
    font.name = QStringLiteral("Arial"), font.size = 14, font.italic = true;
    font.colour = 0x0000FF;
    prompts.Then(Answer::Font(font));
    ExpectOneStep("Font", choose(text, "PopupMenuTextFont"));
    prompts.Then(Answer::Colour(0x00FF00));
    ExpectOneStep("Font Color", choose(text, "PopupMenuTextFontColor"));
    prompts.Then(Answer::Rotation(90, {45, 135, 180}));
    ExpectOneStep("Rotation", choose(text, "PopupMenuTextRotation"));
    prompts.Then(Answer::Counter(7, 3));
    ExpectOneStep("Counter Values", choose(counter, "PopupMenuCounterCounterValues"));
    prompts.Then(Answer::Symbol(80, 0xFF0000));
    ExpectOneStep("Symbol", choose(symbol, "PopupMenuSymbolSymbol"));
    prompts.Then(Answer::Colour(0x808000));
    ExpectOneStep("Color", choose(symbol, "PopupMenuSymbolColor"));
    prompts.Then(Answer::Colour(0x00C0FF));
    ExpectOneStep("Color", choose(rect, "PopupMenuShapeColor"));
    prompts.Then(Answer::Colour(0xFF00FF));
    ExpectOneStep("Line Color", choose(rect, "PopupMenuShapeLineColor"));
    ExpectOneStep("Line Thickness", choose(line, "PopupMenuLinePoint4"));
    ExpectOneStep("Pattern", choose(rect, "PopupMenuShapePatternDiagCross"));
    ExpectOneStep("Degree of Rounding", choose(round, "PopupMenuRoundRect60"));
    prompts.Then(Answer::ImageFile(WriteBitmap("b.bmp", Qt::red, {60, 30})));
    ExpectOneStep("Image File", choose(image, "PopupMenuImageImageFile"));
    ExpectOneStep("Stretch to Fit", choose(image, "PopupMenuImageStretchToFit"));
    prompts.Then(Answer::Text(QStringLiteral("67890")));
    ExpectOneStep("Barcode Data", choose(barcode, "PopupMenuBarcodeData"));
    ExpectOneStep("Symbology", choose(barcode, "PopupMenuBarcodeCODE39"));
    ExpectOneStep("Show Text", choose(barcode, "PopupMenuBarcodeShowText"));
    prompts.Then(Answer::Colour(0x000080));
    ExpectOneStep("Bar Color", choose(barcode, "PopupMenuBarcodeColor"));
    ExpectOneStep("Send to Back", choose(barcode, "PopupMenuBarcodeSendToBack"));
    ExpectOneStep("Bring to Front", choose(rect, "PopupMenuShapeBringtoFront"));
    ExpectOneStep("Center", choose(line, "PopupMenuLineCenter"));
    ExpectOneStep("Center Vertically", choose(symbol, "PopupMenuSymbolCenterVertically"));
    ExpectOneStep("Center Horizontally", choose(counter, "PopupMenuCounterCenterHorizontally"));
    ExpectOneStep("Delete Item", choose(round, "PopupMenuRoundRectDelete"));
    ExpectOneStep("Move", [&] {
        Selection().AttachControl(named(rect));
        window->ToolRow().PosRightButton->click();
    });
    ExpectOneStep("Move", [&] { Key(Qt::Key_Down); });
    ExpectOneStep("Delete Item", [&] { window->ToolRow().CutObjectButton->click(); });
    ExpectOneStep("Move All", [&] {
        window->ToolRow().MoveAll->setChecked(true);
        window->ToolRow().PosUpButton->click();
        window->ToolRow().MoveAll->setChecked(false);
    });
    ExpectOneStep("Description", [&] {
        window->Descript->setFocus();
        QTest::keyClicks(window->Descript, QStringLiteral(" two"));
    });
    EXPECT_EQ(prompts.Unanswered(), 0u);
    EXPECT_EQ(Stack().count(), 37);
}

TEST_F(UndoTest, AWholeDragAndAResizeAreOneStepEach) {
    QWidget* item = AddRectangle(30, 20);
    window->SaveButton->click();
    ExpectOneStep("Move", [&] {
        Press(item, {5, 5});
        for (int i = 0; i <= 20; ++i)
            Drag(item, {5 + i, 5 + i * 6 / 20});
        Release(item, {25, 11});
    });
    EXPECT_EQ(Last()->geometry(), QRect(50, 26, 30, 20));
    // The item keeps its name and stays selected through undo and redo.
    EXPECT_EQ(Selection().Selected(), Last());

    ExpectOneStep("Resize", [&] {
        const QPoint corner(32, 22); // the bottom-right square of a 30 x 20 item
        Hover(Handle(), corner);
        ASSERT_EQ(Handle()->Zone(), TStretchHandle::BottomRight);
        Press(Handle(), corner);
        Drag(Handle(), corner + QPoint(5, 5));
        Drag(Handle(), corner + QPoint(10, 8));
        Release(Handle(), corner + QPoint(10, 8));
    });
    EXPECT_EQ(Last()->size(), QSize(40, 28));
    window->mnuUndo->trigger();
    window->mnuUndo->trigger();
    EXPECT_EQ(Last()->geometry(), QRect(30, 20, 30, 20));
    EXPECT_FALSE(Changed());
}

// The frame compares with where the item was selected, so moving it back there marks
// nothing; it is a step all the same, and after a save in between it shows Save again.
TEST_F(UndoTest, MovingAnItemBackToWhereItWasSelectedIsAStepAndAChange) {
    QWidget* item = AddRectangle(30, 20);
    window->SaveButton->click();
    ClickItem(item);
    const int index = Stack().index();
    Key(Qt::Key_Right);
    window->mnuUndo->trigger();
    Key(Qt::Key_Right);
    Key(Qt::Key_Down);
    // Arrows on the same item within a second join into one step.
    EXPECT_EQ(Stack().index(), index + 1);
    EXPECT_EQ(window->mnuUndo->text(), QStringLiteral("&Undo Move"));
    window->mnuUndo->trigger();
    EXPECT_EQ(Last()->pos(), QPoint(30, 20));
    EXPECT_FALSE(Changed());
    // A second apart they are steps of their own.
    Key(Qt::Key_Right);
    QTest::qWait(DesignSteps::JoinWithinMs + 100);
    Key(Qt::Key_Left);
    EXPECT_EQ(Stack().index(), index + 2);
    window->mnuUndo->trigger();
    EXPECT_EQ(Last()->x(), 31);
    window->mnuUndo->trigger();
    EXPECT_EQ(Last()->x(), 30);
    EXPECT_FALSE(Changed());

    ClickItem(Last());
    Key(Qt::Key_Right);
    window->SaveButton->click();
    Key(Qt::Key_Left);
    EXPECT_EQ(Last()->x(), 30);
    EXPECT_TRUE(Changed()) << "the moved item would be lost on exit";
}

TEST_F(UndoTest, ALiveRotationIsOneStepAndCancellingItIsNone) {
    window->Model().CreateItemFromValue({.kind = LabelItemKind::Text, .top = 10, .left = 10, .width = 0, .height = 0, .text = QStringLiteral("Turn"), .fontName = QStringLiteral("Arial"), .fontSize = 10, .fontColor = 0, .bold = true, .italic = false, .underline = false, .angle = 0});
    QWidget* text = Last();
    window->SaveButton->click();
    const int index = Stack().index();
    prompts.Then(Answer::CancelRotation({45, 90, 180}));
    Choose(text, QStringLiteral("PopupMenuTextRotation"));
    EXPECT_EQ(Stack().index(), index);
    prompts.Then(Answer::Rotation(270, {45, 90, 180}));
    ExpectOneStep("Rotation", [&] { Choose(text, QStringLiteral("PopupMenuTextRotation")); });
}

TEST_F(UndoTest, ANudgeButtonHeldDownIsOneStepPerPressAndRelease) {
    QWidget* item = AddRectangle(30, 20);
    window->SaveButton->click();
    ClickItem(item);
    QToolButton* right = window->ToolRow().PosRightButton;
    const QPoint middle = right->rect().center();
    ExpectOneStep("Move", [&] {
        Press(right, middle);
        QTest::qWait(400); // the button repeats every 50 ms after 100 ms
        Release(right, middle);
    });
    EXPECT_GE(Last()->x(), 33);
    // Two quick clicks are two steps; a press released off the button is one.
    const int index = Stack().index();
    right->click();
    right->click();
    EXPECT_EQ(Stack().index(), index + 2);
    Press(right, middle);
    QTest::qWait(200);
    Drag(right, {-40, -40});
    Release(right, {-40, -40});
    QCoreApplication::processEvents();
    EXPECT_EQ(Stack().index(), index + 3);
    right->click();
    EXPECT_EQ(Stack().index(), index + 4);
}

TEST_F(UndoTest, UndoOfADeleteBringsBackTheSameItemsAndSavesTheSameText) {
    AddRectangle(10, 10);
    window->Model().CreateItemFromValue({.kind = LabelItemKind::Text, .top = 30, .left = 20, .width = 0, .height = 0, .text = QStringLiteral("Middle"), .fontName = QStringLiteral("Arial"), .fontSize = 12, .fontColor = 0x0000FF, .bold = false, .italic = true, .underline = false, .angle = 45});
    QWidget* middle = Last();
    window->Model().CreateItemFromValue({.kind = LabelItemKind::HorizontalLine, .top = 50, .left = 5, .width = 100, .height = 10, .penWidth = 3, .penColor = 0xFF});
    window->Model().CreateItemFromValue({.kind = LabelItemKind::Symbol, .top = 5, .left = 150, .width = 0, .height = 0, .fontSize = 18, .fontColor = 0xFF00, .asciiChar = 74});
    Choose(window->Items().OrderList().first(), QStringLiteral("PopupMenuShapeBringtoFront"));
    window->SaveButton->click();
    const QString stored = window->Records().Table()->Memo(QStringLiteral("OBJECTS"));
    const std::string design = Design();
    QStringList stacking;
    for (QObject* child : window->LabelPanel->children())
        if (LabelItems::IsLabelItem(child))
            stacking << child->objectName();

    Choose(middle, QStringLiteral("PopupMenuTextDelete"));
    EXPECT_TRUE(Changed());
    window->mnuUndo->trigger();
    EXPECT_EQ(Design(), design);
    QStringList restacked;
    for (QObject* child : window->LabelPanel->children())
        if (LabelItems::IsLabelItem(child) && !static_cast<QWidget*>(child)->isHidden())
            restacked << child->objectName();
    EXPECT_EQ(restacked, stacking);
    // Back at the saved state: nothing to save, but saving anyway writes the same text.
    EXPECT_FALSE(Changed());
    window->Descript->setText(QStringLiteral("Undo"));
    window->Records().TriggerChange();
    window->SaveButton->click();
    EXPECT_EQ(window->Records().Table()->Memo(QStringLiteral("OBJECTS")), stored);
}

TEST_F(UndoTest, SaveAndCancelFollowTheCleanPoint) {
    QWidget* item = AddRectangle(10, 10);
    window->SaveButton->click();
    ClickItem(item);
    window->ToolRow().PosDownButton->click();
    window->ToolRow().PosDownButton->click();
    EXPECT_TRUE(Changed());
    EXPECT_FALSE(window->ExitButton->isVisible());
    // The keys, pressed while the frame around the item has the focus.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(Handle(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(Changed());
    QTest::keyClick(Handle(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(Changed());
    EXPECT_TRUE(window->ExitButton->isVisible());
    QTest::keyClick(Handle(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(Changed());
    QTest::keyClick(Handle(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Last()->y(), 12);
    window->mnuUndo->trigger();
    window->mnuUndo->trigger();
    EXPECT_FALSE(Changed());
    EXPECT_TRUE(window->mnuSelectLabel->isEnabled());
    window->mnuRedo->trigger();
    EXPECT_TRUE(Changed());
    // Save keeps the history; undoing past it shows the buttons, redoing hides them.
    window->SaveButton->click();
    EXPECT_TRUE(window->mnuUndo->isEnabled());
    window->mnuUndo->trigger();
    EXPECT_TRUE(Changed());
    window->mnuRedo->trigger();
    EXPECT_FALSE(Changed());
    // A label not stored yet keeps its buttons at the start of its history.
    window->mnuNewLabel->trigger();
    AddRectangle(5, 5);
    window->mnuUndo->trigger();
    EXPECT_TRUE(Changed());
    EXPECT_FALSE(window->mnuUndo->isEnabled());
}

TEST_F(UndoTest, AnotherLabelShownStartsTheHistoryAfresh) {
    const auto expectCleared = [this](const char* what) {
        EXPECT_EQ(Stack().count(), 0) << what;
        EXPECT_FALSE(window->mnuUndo->isEnabled()) << what;
        EXPECT_FALSE(window->mnuRedo->isEnabled()) << what;
    };
    AddRectangle(10, 10);
    window->SaveButton->click();
    SaveNewLabel(QStringLiteral("Second"));
    expectCleared("New");
    // One command, so that there is a step to forget.
    ClickItem(AddRectangle(20, 20));
    window->ToolRow().PosDownButton->click();
    window->SaveButton->click();
    ASSERT_TRUE(window->mnuUndo->isEnabled());
    prompts.Then(Answer::Dialog(
        true, [](QDialog& dialog) { static_cast<TSelectLabel&>(dialog).Grid->selectRow(1); }));
    window->mnuSelectLabel->trigger();
    ASSERT_EQ(Description(), QStringLiteral("Undo"));
    expectCleared("Select");
    AddRectangle(30, 30);
    window->CancelButton->click();
    expectCleared("Cancel");
    prompts.Then(Answer::Yes());
    window->mnuDeleteLabel->trigger();
    ASSERT_EQ(Description(), QStringLiteral("Second"));
    expectCleared("Delete");
    AddRectangle(40, 40);
    window->SaveButton->click();
    prompts.Then(Answer::Yes());
    window->mnuCloneLabel->trigger();
    expectCleared("Clone");
    EXPECT_TRUE(Changed());
}

TEST_F(UndoTest, AThousandStepsKeepOnlyTheLastTwoHundred) {
    QWidget* item = AddRectangle(0, 0);
    window->SaveButton->click();
    Selection().AttachControl(item);
    for (int i = 0; i < 1000; ++i)
        Selection().Nudge(ItemSelection::Direction::Right);
    EXPECT_EQ(Last()->x(), 1000);
    EXPECT_EQ(Stack().count(), DesignUndo::Limit);
    while (window->mnuUndo->isEnabled())
        window->mnuUndo->trigger();
    EXPECT_EQ(Last()->x(), 1000 - DesignUndo::Limit);
    // The saved state fell off the bottom of the history: the buttons stay.
    EXPECT_TRUE(Changed());
}

TEST_F(UndoTest, PictureOfTheEditMenu) {
    Drop(LabelItemKind::Rectangle, {10, 10});
    QWidget* item = Last();
    ClickItem(item);
    window->ToolRow().PosRightButton->click();
    window->mnuUndo->trigger();
    window->mnuEdit->popup(window->menuBar()->mapToGlobal(
        window->menuBar()->actionGeometry(window->mnuEdit->menuAction()).bottomLeft()));
    QCoreApplication::processEvents();
    const QList<QAction*> bar = window->menuBar()->actions();
    EXPECT_EQ(bar.at(1), window->mnuEdit->menuAction());
    EXPECT_LT(bar.indexOf(window->mnuArrange->menuAction()),
              bar.indexOf(window->mnuLabel->menuAction()));
    EXPECT_LT(bar.indexOf(window->mnuEdit->menuAction()),
              bar.indexOf(window->mnuArrange->menuAction()));
    EXPECT_EQ(bar.at(2), window->mnuView->menuAction());
    EXPECT_EQ(window->mnuUndo->text(), QStringLiteral("&Undo Add Rectangle"));
    EXPECT_EQ(window->mnuRedo->text(), QStringLiteral("&Redo Move"));
    EXPECT_EQ(window->mnuUndo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
    EXPECT_EQ(window->mnuRedo->shortcuts(),
              (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Y")),
                                   QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));
    const QString folder = PictureOutputDir();
    if (!folder.isEmpty()) {
        QImage shot = window->grab().toImage();
        QPainter painter(&shot);
        const QPoint at = window->mapFromGlobal(window->mnuEdit->pos());
        painter.drawImage(at, window->mnuEdit->grab().toImage());
        painter.end();
        shot.save(QDir(folder).filePath(QStringLiteral("edit-menu.png")));
    }
    window->mnuEdit->close();
}
