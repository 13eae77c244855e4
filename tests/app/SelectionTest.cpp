#include "MainWindowFixture.h"
#include "support/ModelItems.h"

#include "controls/SymbolGlyph.h"
#include "controls/TCanvasPanel.h"
#include "controls/TPim3DLabel.h"
#include "controls/TextBoxLayout.h"
#include "controls/TSymbol.h"
#include "designer/ItemMenus.h"
#include "designer/ItemSelection.h"
#include "designer/SelectionToolRow.h"
#include "designer/TStretchHandle.h"
#include "designer/LabelItems.h"
#include "support/PointerDriver.h"

#include <QAction>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollArea>
#include <QTest>
#include <QToolButton>

#include <cmath>

using namespace PointerDriver;
using Answer = ScriptedPrompter::Answer;

namespace {
QSize GlyphSize(TSymbol* symbol) {
    const QSizeF glyph = MeasureSymbolGlyph(symbol->CharCode(), symbol->SymbolFont(), symbol);
    return {int(std::ceil(glyph.width())), int(std::ceil(glyph.height()))};
}

QRect Framed(const QRect& item) {
    return item.adjusted(-2, -2, 3, 3);
}
} // namespace

// A stored label (252 x 96 pixels) holding one rectangle at left 30, top 20, 40 x 25, shown
// on an offscreen screen, with nothing changed.
class SelectionTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        SaveNewLabel(QStringLiteral("Selection"));
        AddRectangle(30, 20, 40, 25);
        window->SaveButton->click();
        ASSERT_FALSE(Changed());
        window->show();
        item = window->Items().OrderList().last();
        ASSERT_NE(item, nullptr);
    }

    QWidget* AddRectangle(int left, int top, int width, int height) {
        window->Model().CreateItemFromValue({.kind = LabelItemKind::Rectangle, .top = top, .left = left, .width = width, .height = height, .brushStyle = TBrushStyle(1), .brushColor = kColorBlack, .penWidth = 1, .penColor = kColorBlack, .rounding = 0});
        return window->Items().OrderList().last();
    }

    // Saves so that the next change shows again.
    void Save() {
        window->SaveButton->click();
        ASSERT_FALSE(Changed());
    }

    ItemSelection& Selection() { return window->Selection(); }
    TStretchHandle* Handle() { return Selection().StretchHandle1; }

    // Selects an item with a left click on it.
    void ClickItem(QWidget* target, const QPoint& at = {3, 3}) {
        Press(target, at);
        Release(target, at);
    }

    void Key(int key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(Handle(), &event);
    }

    QWidget* item = nullptr;
};

TEST_F(SelectionTest, GridStartsOffAndEachEntryChecksItselfAlone) {
    EXPECT_TRUE(window->mnuNoSnap->isChecked());
    EXPECT_EQ(Handle()->GridX(), 1);
    EXPECT_EQ(Handle()->GridY(), 1);
    const std::pair<QAction*, int> entries[] = {{window->mnuSnap8, 8},
                                                {window->mnuSnap2, 2},
                                                {window->mnuSnap4, 4},
                                                {window->mnuNoSnap, 1}};
    for (const auto& [entry, grid] : entries) {
        entry->trigger();
        EXPECT_EQ(Handle()->GridX(), grid);
        EXPECT_EQ(Handle()->GridY(), grid);
        for (QAction* other :
             {window->mnuNoSnap, window->mnuSnap2, window->mnuSnap4, window->mnuSnap8})
            EXPECT_EQ(other->isChecked(), other == entry) << other->text().toStdString();
    }
    EXPECT_FALSE(Changed());
}

TEST_F(SelectionTest, LeftPressSelectsAndPressesAroundTheItemClearIt) {
    Press(item, {3, 3}, Qt::RightButton);
    Release(item, {3, 3}, Qt::RightButton);
    EXPECT_EQ(Selection().Selected(), nullptr);

    ClickItem(item);
    EXPECT_EQ(Selection().Selected(), item);
    EXPECT_EQ(window->Selection().AttachRect(), QRect(30, 20, 40, 25));
    EXPECT_EQ(Handle()->parentWidget(), window->LabelPanel);
    EXPECT_EQ(Handle()->geometry(), QRect(28, 18, 45, 30));
    EXPECT_TRUE(Handle()->isVisible());
    EXPECT_FALSE(Changed());

    Hover(window->LabelPanel, {200, 80}); // lets go of the mouse
    Press(window->LabelPanel, {200, 80});
    EXPECT_EQ(Selection().Selected(), nullptr);
    EXPECT_TRUE(Handle()->isHidden());

    ClickItem(item);
    Hover(window->ScrollBoxArea, {2, 2});
    Press(window->ScrollBoxArea, {2, 2}, Qt::RightButton);
    EXPECT_EQ(Selection().Selected(), nullptr);
    EXPECT_FALSE(Changed());
}

TEST_F(SelectionTest, PressingAnUnselectedItemAndDraggingMovesIt) {
    // The drag starts at the first movement after the press; the handle holds the mouse.
    Press(item, {5, 5});
    Drag(item, {5, 5});
    Drag(item, {12, 5});
    Drag(item, {15, 5});
    EXPECT_EQ(item->pos(), QPoint(30, 20)); // only the band moves during the drag
    EXPECT_FALSE(Handle()->RubberBand().isEmpty());
    Release(item, {15, 5});
    EXPECT_EQ(item->geometry(), QRect(40, 20, 40, 25));
    EXPECT_EQ(Handle()->geometry(), Framed(item->geometry()));
    EXPECT_TRUE(Changed());
}

TEST_F(SelectionTest, ReleaseWithoutTravelMarksOnlyARealDifference) {
    ClickItem(item);
    Press(Handle(), {20, 12});
    Release(Handle(), {20, 12});
    EXPECT_FALSE(Changed());
    EXPECT_EQ(Selection().Selected(), item);

    item->move(33, 20); // changed behind the handle's back
    Press(Handle(), {20, 12});
    Release(Handle(), {20, 12});
    EXPECT_TRUE(Changed());
    EXPECT_EQ(Handle()->geometry(), Framed(item->geometry())); // re-laid around the item
}

TEST_F(SelectionTest, EightPixelGridSnapsDrags) {
    window->mnuSnap8->trigger();
    LabelItemValue value = window->Items().ItemOf(item)->value;
    value.left = 16;
    value.top = 16;
    window->Model().SetItem(item->objectName(), value);
    ASSERT_EQ(item->pos(), QPoint(16, 16));
    Save();
    ClickItem(item);
    Hover(Handle(), {20, 12});
    Press(Handle(), {20, 12});
    Drag(Handle(), {23, 12});
    Release(Handle(), {23, 12});
    EXPECT_EQ(item->x(), 16);
    EXPECT_FALSE(Changed());

    Hover(Handle(), {20, 12});
    Press(Handle(), {20, 12});
    Drag(Handle(), {29, 12});
    Release(Handle(), {29, 12});
    EXPECT_EQ(item->x(), 24);
    EXPECT_TRUE(Changed());
}

TEST_F(SelectionTest, ArrowKeysMoveOnePixelAndMarkTheChange) {
    window->mnuSnap8->trigger();
    ClickItem(item);
    Key(Qt::Key_A);
    EXPECT_FALSE(Changed());
    Key(Qt::Key_Right);
    Key(Qt::Key_Up);
    EXPECT_EQ(item->pos(), QPoint(31, 19));
    EXPECT_EQ(Handle()->geometry(), Framed(item->geometry()));
    EXPECT_TRUE(Changed());
}

TEST_F(SelectionTest, NudgeButtonsMoveTheSelectionOnly) {
    SelectionToolRow& s = window->ToolRow();
    s.PosRightButton->click(); // nothing selected: nothing happens
    EXPECT_EQ(item->pos(), QPoint(30, 20));
    EXPECT_FALSE(Changed());

    ClickItem(item);
    s.PosRightButton->click();
    s.PosDownButton->click();
    s.PosDownButton->click();
    s.PosLeftButton->click();
    s.PosUpButton->click();
    EXPECT_EQ(item->pos(), QPoint(30, 21));
    EXPECT_EQ(Handle()->geometry(), Framed(item->geometry()));
    EXPECT_TRUE(Changed());
}

TEST_F(SelectionTest, HeldNudgeButtonRepeats) {
    QToolButton* down = window->ToolRow().PosDownButton;
    EXPECT_EQ(down->autoRepeatDelay(), 100);
    EXPECT_EQ(down->autoRepeatInterval(), 50);
    ClickItem(item);
    QTest::mousePress(down, Qt::LeftButton);
    QTest::qWait(400);
    QTest::mouseRelease(down, Qt::LeftButton);
    EXPECT_GE(item->y() - 20, 2); // at least one repeat before the release's own step
}

TEST_F(SelectionTest, MoveAllMovesEveryItemAndClearsTheSelection) {
    QWidget* second = AddRectangle(100, 50, 10, 10);
    Save();
    ClickItem(item);
    window->ToolRow().MoveAll->setChecked(true);
    window->ToolRow().PosLeftButton->click();
    EXPECT_EQ(item->pos(), QPoint(29, 20));
    EXPECT_EQ(second->pos(), QPoint(99, 50));
    EXPECT_EQ(Selection().Selected(), nullptr);
    EXPECT_TRUE(Changed());
}

TEST_F(SelectionTest, MoveAllWithNoItemsStillMarksTheLabelChanged) {
    RemoveAllItems(window->Model());
    ASSERT_FALSE(Changed());
    window->ToolRow().MoveAll->setChecked(true);
    window->ToolRow().PosUpButton->click();
    EXPECT_TRUE(Changed());
}

TEST_F(SelectionTest, CentringUsesTruncatedHalves) {
    Selection().AlignCenter(item);
    // Panel 252 x 96, item 40 x 25: 126 - 20, 48 - 12.
    EXPECT_EQ(item->pos(), QPoint(106, 36));
    EXPECT_EQ(Selection().Selected(), item);
    EXPECT_EQ(Handle()->geometry(), Framed(item->geometry()));
    EXPECT_TRUE(Changed());

    item->resize(301, 25);
    Selection().AlignHorizontal(item);
    EXPECT_EQ(item->x(), 126 - 150); // wider than the label: negative left
    item->resize(40, 97);
    Selection().AlignVertical(item);
    EXPECT_EQ(item->y(), 0);
}

TEST_F(SelectionTest, CutDeletesTheSelectedItemOnly) {
    window->ToolRow().CutObjectButton->click();
    EXPECT_EQ(window->Items().OrderList().size(), 1);
    EXPECT_FALSE(Changed());

    ClickItem(item);
    window->ToolRow().CutObjectButton->click();
    EXPECT_TRUE(window->Items().OrderList().isEmpty());
    EXPECT_EQ(Selection().Selected(), nullptr);
    EXPECT_TRUE(Changed());
}

// A text left blank draws nothing, yet its outline shows on the panel, a press there
// selects it and the cut button deletes it.
TEST_F(SelectionTest, ABlankTextCanBeFoundSelectedAndDeleted) {
    window->Model().CreateItemFromValue({.kind = LabelItemKind::Text, .top = 50, .left = 150, .width = 0, .height = 0, .text = QString(), .fontName = QStringLiteral("Arial"), .fontSize = 12, .fontColor = kColorBlack, .bold = false, .italic = false, .underline = false, .angle = 0});
    QWidget* blank = window->Items().OrderList().last();
    window->LabelPanel->repaint();
    const QRect outline = TCanvasPanel::OutlineRect(blank);
    const QImage shot = window->LabelPanel->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString folder = qEnvironmentVariable("QV_PICTURE_DIR");
    if (!folder.isEmpty())
        shot.save(QDir(folder).filePath(QStringLiteral("blank-text-outline.png")));
    int dots = 0;
    for (int x = outline.left(); x <= outline.right(); ++x)
        dots += QColor(shot.pixel(x, outline.bottom())) != QColor(Qt::white);
    EXPECT_GE(dots, outline.width() / 3);

    ClickItem(window->LabelPanel, outline.center());
    ASSERT_EQ(Selection().Selected(), blank);
    Press(window->LabelPanel, {5, 90}); // beside it: the selection goes
    EXPECT_EQ(Selection().Selected(), nullptr);
    int menus = 0;
    QObject::connect(blank, &QWidget::customContextMenuRequested, [&] { ++menus; });
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, outline.center(),
                                 window->LabelPanel->mapToGlobal(outline.center()));
    QApplication::sendEvent(window->LabelPanel, &rightClick);
    EXPECT_EQ(menus, 1) << "a right click on the outline opens the item's menu";
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    ClickItem(window->LabelPanel, outline.bottomRight());
    ASSERT_EQ(Selection().Selected(), blank);
    window->ToolRow().CutObjectButton->click();
    EXPECT_EQ(window->Items().OrderList().size(), 1);
}

TEST_F(SelectionTest, RightClickThroughTheHandleReachesTheItemsMenu) {
    item->setContextMenuPolicy(Qt::CustomContextMenu);
    int asked = 0;
    QObject::connect(item, &QWidget::customContextMenuRequested, [&] { ++asked; });
    ClickItem(item);
    Press(Handle(), {20, 12}, Qt::RightButton);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, {20, 12},
                           Handle()->mapToGlobal(QPoint(20, 12)));
    QApplication::sendEvent(Handle(), &menu);
    Release(Handle(), {20, 12}, Qt::RightButton);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(Selection().Selected(), item);
    EXPECT_FALSE(Changed());
}

TEST(SymbolFit, FitsTheGlyphScaleIntoTheBox) {
    // A 12-point glyph of 16 x 18 pixels in a 40 x 30 box: min(30, 20).
    EXPECT_EQ(ItemSelection::FittedSymbolPoints({40, 30}, {16, 18}, 12), 20);
    EXPECT_EQ(ItemSelection::FittedSymbolPoints({4, 30}, {16, 18}, 12), 12); // too small
    EXPECT_EQ(ItemSelection::FittedSymbolPoints({40, 30}, {0, 18}, 12), 12); // unmeasured
    EXPECT_EQ(ItemSelection::FittedSymbolPoints({5, 5}, {160, 180}, 12), 1); // never below 1
}

TEST_F(SelectionTest, ResizingASymbolRefitsItsFont) {
    window->Model().CreateItemFromValue({.kind = LabelItemKind::Symbol, .top = 10, .left = 120, .width = 0, .height = 0, .fontSize = 12, .fontColor = kColorBlack, .asciiChar = 74});
    auto* symbol = qobject_cast<TSymbol*>(window->Items().OrderList().last());
    ASSERT_NE(symbol, nullptr);
    Save();
    const QSize glyph = GlyphSize(symbol);
    ASSERT_EQ(symbol->size(), glyph);
    const QSize box(glyph.width() * 2 + 3, glyph.height() * 3 / 2);
    const int expected = ItemSelection::FittedSymbolPoints(box, glyph, 12);
    ASSERT_NE(expected, 12);

    ClickItem(symbol);
    const QPoint corner(glyph.width() + 2, glyph.height() + 2); // bottom-right square
    Hover(Handle(), corner);
    ASSERT_EQ(Handle()->Zone(), TStretchHandle::BottomRight);
    Press(Handle(), corner);
    const QPoint to = corner + QPoint(box.width() - glyph.width(), box.height() - glyph.height());
    Drag(Handle(), to);
    Release(Handle(), to);

    EXPECT_EQ(symbol->FontSize(), expected);
    EXPECT_EQ(symbol->size(), GlyphSize(symbol)); // the box takes the new glyph's size
    EXPECT_EQ(symbol->pos(), QPoint(120, 10));
    EXPECT_EQ(Selection().Selected(), symbol);
    EXPECT_EQ(Selection().AttachRect(), symbol->geometry());
    EXPECT_TRUE(Changed());
}

// A box text keeps the size it is dragged to: its width and height are the box's, stored,
// and its lines are laid out in the new box; a text without a box keeps its text's size.
TEST_F(SelectionTest, ResizingABoxTextSetsItsWidthAndHeight) {
    LabelItemValue v = ItemKind(LabelItemKind::Text).newItem();
    v.top = 10, v.left = 100, v.width = 90, v.height = 40;
    v.text = QStringLiteral("Ann Smith\n3 Long Road\nLeeds");
    v.textBox.box = true;
    v.textBox.shrink = true;
    const QString name = window->Model().CreateItemFromValue(v);
    QWidget* text = window->Items().OrderList().last();
    ASSERT_EQ(text->geometry(), QRect(100, 10, 90, 40));
    const double before = qobject_cast<TPim3DLabel*>(text)->LinesLayout().points;
    Save();

    ClickItem(text);
    const QPoint corner(90 + 2, 40 + 2); // bottom-right square
    Hover(Handle(), corner);
    ASSERT_EQ(Handle()->Zone(), TStretchHandle::BottomRight);
    Press(Handle(), corner);
    Drag(Handle(), corner + QPoint(40, 30));
    Release(Handle(), corner + QPoint(40, 30));

    const LabelItemValue& resized = window->Model().Design().Find(name)->value;
    EXPECT_EQ(QRect(resized.left, resized.top, resized.width, resized.height),
              QRect(100, 10, 130, 70));
    EXPECT_EQ(text->geometry(), QRect(100, 10, 130, 70));
    EXPECT_EQ(resized.text, v.text);
    EXPECT_TRUE(Changed());
    // The larger box needs less shrinking.
    EXPECT_GT(qobject_cast<TPim3DLabel*>(text)->LinesLayout().points, before);

    // Without a box the text keeps its own size however it is dragged.
    v.textBox = {};
    v.top = 60;
    const QString plain = window->Model().CreateItemFromValue(v);
    QWidget* lines = window->Items().OrderList().last();
    const QSize own = lines->size();
    ClickItem(lines);
    const QPoint plainCorner(own.width() + 2, own.height() + 2);
    Press(Handle(), plainCorner);
    Drag(Handle(), plainCorner + QPoint(40, 30));
    Release(Handle(), plainCorner + QPoint(40, 30));
    EXPECT_EQ(lines->size(), own);
    EXPECT_EQ(window->Model().Design().Find(plain)->value.width, own.width());
}

TEST_F(SelectionTest, SymbolDraggedBelowFivePixelsKeepsItsFont) {
    window->Model().CreateItemFromValue({.kind = LabelItemKind::Symbol, .top = 10, .left = 120, .width = 0, .height = 0, .fontSize = 12, .fontColor = kColorBlack, .asciiChar = 74});
    auto* symbol = qobject_cast<TSymbol*>(window->Items().OrderList().last());
    Save();
    const QSize glyph = GlyphSize(symbol);
    ClickItem(symbol);
    const QPoint right(glyph.width() + 2, (glyph.height() + 5) / 2);
    Hover(Handle(), right);
    ASSERT_EQ(Handle()->Zone(), TStretchHandle::RightMiddle);
    Press(Handle(), right);
    Drag(Handle(), right - QPoint(glyph.width() - 4, 0));
    Release(Handle(), right - QPoint(glyph.width() - 4, 0));
    EXPECT_EQ(symbol->FontSize(), 12);
    EXPECT_EQ(symbol->geometry(), QRect(QPoint(120, 10), glyph));
    EXPECT_FALSE(Changed());
}

// The rotation dialog turns the text live; the frame goes round it at every angle and
// round what is left when the dialog closes.
TEST_F(SelectionTest, TheFrameFollowsATextTurnedInTheRotationDialog) {
    window->Model().CreateItemFromValue({.kind = LabelItemKind::Text, .top = 40, .left = 100, .width = 0, .height = 0, .text = QStringLiteral("Quorvane"), .fontName = QStringLiteral("Arial"), .fontSize = 12, .fontColor = kColorBlack, .bold = false, .italic = false, .underline = false, .angle = 0});
    QWidget* text = window->Items().OrderList().last();
    ClickItem(text);
    ASSERT_EQ(Selection().Selected(), text);
    const QRect flat = text->geometry();
    QList<QRect> framedWhileTurning;
    QAction* rotation = nullptr;
    for (QAction* action : window->Menus->PopupMenuText->actions())
        if (action->objectName() == QStringLiteral("PopupMenuTextRotation"))
            rotation = action;
    ASSERT_NE(rotation, nullptr);

    prompts.Then(Answer::CancelRotation({90}));
    rotation->trigger();
    EXPECT_EQ(text->geometry(), flat);
    EXPECT_EQ(Handle()->geometry(), Framed(flat)) << "back round the text as it was";

    prompts.Then(Answer::Rotation(90, {45, 90}));
    rotation->trigger();
    ASSERT_EQ(Selection().Selected(), text);
    EXPECT_GT(text->height(), flat.height());
    EXPECT_EQ(Handle()->geometry(), Framed(text->geometry()));
    EXPECT_TRUE(Changed());
}

TEST_F(SelectionTest, SelectedItemShowsItsGrabSquaresOnScreen) {
    window->Model().CreateItemFromValue({.kind = LabelItemKind::Text, .top = 60, .left = 120, .width = 0, .height = 0, .text = QStringLiteral("Quorvane"), .fontName = QStringLiteral("Arial"), .fontSize = 12, .fontColor = kColorBlack, .bold = true, .italic = false, .underline = false, .angle = 0});
    ClickItem(item);
    QTest::qWait(20);
    const QImage shot = window->grab().toImage();
    const QByteArray dirName = qgetenv("QV_PICTURE_DIR");
    if (!dirName.isEmpty())
        shot.save(QDir(QString::fromLocal8Bit(dirName)).filePath("selected-item.png"));
    const qreal ratio = shot.devicePixelRatio();
    const QPoint corner = Handle()->mapTo(window.get(), QPoint(0, 0));
    const QPoint middleTop = Handle()->mapTo(window.get(), QPoint(Handle()->width() / 2, 2));
    const QPoint inside = Handle()->mapTo(window.get(), QPoint(10, 10));
    EXPECT_EQ(shot.pixelColor((corner + QPoint(2, 2)) * ratio), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(middleTop * ratio), QColor(Qt::black));
    EXPECT_NE(shot.pixelColor(inside * ratio), QColor(Qt::black)); // the item shows through

    // While dragged, only a dotted band shows where the item would go.
    Hover(Handle(), {20, 12});
    Press(Handle(), {20, 12});
    Drag(Handle(), {80, 42});
    const QImage dragging = window->grab().toImage();
    if (!dirName.isEmpty())
        dragging.save(QDir(QString::fromLocal8Bit(dirName)).filePath("dragging-item.png"));
    const QRect band(window->LabelPanel->mapTo(window.get(), Handle()->RubberBand().topLeft()),
                     Handle()->RubberBand().size());
    EXPECT_EQ(band.size(), QSize(40, 25));
    int blackOnTop = 0;
    for (int x = band.left(); x <= band.right(); ++x)
        blackOnTop += dragging.pixelColor(QPoint(x, band.top()) * ratio) == QColor(Qt::black);
    EXPECT_GE(blackOnTop, 15); // every other pixel
    EXPECT_LE(blackOnTop, 25);
    EXPECT_EQ(dragging.pixelColor((corner + QPoint(2, 2)) * ratio), QColor(Qt::black));
    Release(Handle(), {80, 42});
    EXPECT_EQ(item->pos(), QPoint(90, 50));

    // The tools of the selection sit in the tool row.
    for (const char* name : {"PosUpButton", "PosDownButton", "PosLeftButton", "PosRightButton",
                             "MoveAll", "CutObjectButton", "PropertiesButton"}) {
        auto* tool = window->ToolsPanel->findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(tool, nullptr) << name;
        EXPECT_FALSE(tool->toolTip().isEmpty()) << name;
        EXPECT_GE(tool->x(), 225) << name;
    }
}
