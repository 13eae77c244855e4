#include "designer/TStretchHandle.h"
#include "support/PointerDriver.h"

#include <QContextMenuEvent>
#include <QImage>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include <memory>

using namespace PointerDriver;

namespace {
// A widget that remembers the mouse presses and releases it was given.
class Recorder : public QWidget {
public:
    using QWidget::QWidget;
    int presses = 0;
    int releases = 0;
    Qt::MouseButton lastButton = Qt::NoButton;
    QPoint lastPos;

protected:
    void mousePressEvent(QMouseEvent* e) override {
        ++presses;
        lastButton = e->button();
        lastPos = e->position().toPoint();
    }
    void mouseReleaseEvent(QMouseEvent*) override { ++releases; }
};

class StretchHandleTest : public ::testing::Test {
protected:
    void SetUp() override {
        panel.resize(300, 200);
        item = new Recorder(&panel);
        item->setGeometry(50, 40, 60, 30);
        handle.OnMouseUp = [this] { ++mouseUps; };
        handle.OnKeyDown = [this](int key) { keys.push_back(key); };
        handle.AttachItem(item);
    }
    void TearDown() override { handle.DetachAll(); }

    // A full drag through the handle: hover to choose the zone, press, move, release.
    void DragHandle(const QPoint& from, const QPoint& to) {
        Hover(&handle, from);
        Press(&handle, from);
        Drag(&handle, to);
        Release(&handle, to);
    }

    Recorder panel;
    Recorder* item = nullptr;
    TStretchHandle handle;
    int mouseUps = 0;
    std::vector<int> keys;
};
} // namespace

TEST(StretchHandleIdle, IsSmallHiddenDisabledAndParentless) {
    TStretchHandle handle;
    EXPECT_EQ(handle.size(), QSize(24, 24));
    EXPECT_TRUE(handle.isHidden());
    EXPECT_FALSE(handle.isEnabled());
    EXPECT_EQ(handle.parentWidget(), nullptr);
    EXPECT_EQ(handle.AttachedCount(), 0);
    EXPECT_EQ(handle.AttachedItem(0), nullptr);
    EXPECT_EQ(handle.GridX(), 1);
    EXPECT_FALSE(handle.SnapToGrid());

    QWidget form;
    try {
        handle.AttachItem(&form);
        ADD_FAILURE() << "a form was attached";
    } catch (const EBadChild& error) {
        EXPECT_STREQ(error.what(), "Handles can not be attached to a Form!");
    }
    handle.AttachItem(nullptr);
    EXPECT_EQ(handle.AttachedCount(), 0);
}

TEST(StretchHandleIdle, GridsStayInRangeAndSnapSetsBoth) {
    TStretchHandle handle;
    handle.setSnapToGrid(true);
    EXPECT_EQ(handle.GridX(), 8);
    EXPECT_EQ(handle.GridY(), 8);
    handle.setGridX(1);
    EXPECT_TRUE(handle.SnapToGrid()); // GridY is still 8
    handle.setSnapToGrid(false);
    EXPECT_EQ(handle.GridY(), 1);
    handle.setGridX(0);
    EXPECT_EQ(handle.GridX(), 1);
    handle.setGridY(40);
    EXPECT_EQ(handle.GridY(), 32);
}

TEST_F(StretchHandleTest, AttachingFramesTheItemAndDetachingReturnsToIdle) {
    EXPECT_EQ(handle.parentWidget(), &panel);
    EXPECT_EQ(handle.geometry(), QRect(48, 38, 65, 35));
    EXPECT_FALSE(handle.isHidden());
    EXPECT_TRUE(handle.isEnabled());
    EXPECT_EQ(handle.AttachedItem(0), item);
    EXPECT_EQ(handle.AttachedItem(-1), nullptr);
    EXPECT_EQ(panel.children().last(), &handle); // in front of the item

    handle.AttachItem(item); // already attached: unchanged
    EXPECT_EQ(handle.AttachedCount(), 1);

    handle.DetachAll();
    EXPECT_EQ(handle.AttachedCount(), 0);
    EXPECT_EQ(handle.parentWidget(), nullptr);
    EXPECT_TRUE(handle.isHidden());
    EXPECT_EQ(handle.size(), QSize(24, 24));
    EXPECT_EQ(item->geometry(), QRect(50, 40, 60, 30));
}

TEST_F(StretchHandleTest, PaintsEightSquaresAndNothingElse) {
    handle.setColor(Qt::red);
    QImage image(handle.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    handle.render(&image, {}, {}, QWidget::RenderFlags());
    const auto red = [&](int x, int y) { return image.pixelColor(x, y) == QColor(Qt::red); };
    // The item grown by 2 is (0,0)-(64,34) in handle coordinates; squares are 5 x 5.
    EXPECT_TRUE(red(0, 0) && red(4, 4));                  // top left
    EXPECT_TRUE(red(59, 0) && red(63, 4) && !red(64, 0)); // top right
    EXPECT_TRUE(red(0, 29) && red(4, 33) && !red(0, 34)); // bottom left
    EXPECT_TRUE(red(63, 33));                             // bottom right
    EXPECT_TRUE(red(30, 0) && red(34, 4) && !red(29, 0)); // top middle at 32
    EXPECT_TRUE(red(30, 33) && !red(35, 33));             // bottom middle
    EXPECT_TRUE(red(0, 15) && red(4, 19) && !red(0, 14)); // left middle at 17
    EXPECT_TRUE(red(63, 15));                             // right middle
    EXPECT_FALSE(red(10, 10));
    EXPECT_FALSE(red(32, 17));
    EXPECT_FALSE(red(5, 0));
}

TEST(StretchHandleZones, HitTestRunsInOrderAndTheLastMatchWins) {
    const QSize size(65, 35);
    using Z = TStretchHandle;
    EXPECT_EQ(Z::ZoneAt({0, 0}, size), Z::TopLeft);
    EXPECT_EQ(Z::ZoneAt({4, 4}, size), Z::TopLeft);
    EXPECT_EQ(Z::ZoneAt({5, 4}, size), Z::Move);
    EXPECT_EQ(Z::ZoneAt({64, 34}, size), Z::BottomRight);
    EXPECT_EQ(Z::ZoneAt({61, 0}, size), Z::TopRight);
    EXPECT_EQ(Z::ZoneAt({0, 31}, size), Z::BottomLeft);
    // Middles are exact halves: 32.5 across, 17.5 down.
    EXPECT_EQ(Z::ZoneAt({30, 0}, size), Z::TopMiddle);
    EXPECT_EQ(Z::ZoneAt({35, 2}, size), Z::TopMiddle);
    EXPECT_EQ(Z::ZoneAt({29, 2}, size), Z::Move);
    EXPECT_EQ(Z::ZoneAt({36, 2}, size), Z::Move);
    EXPECT_EQ(Z::ZoneAt({32, 34}, size), Z::BottomMiddle);
    EXPECT_EQ(Z::ZoneAt({1, 15}, size), Z::LeftMiddle);
    EXPECT_EQ(Z::ZoneAt({1, 14}, size), Z::Move);
    EXPECT_EQ(Z::ZoneAt({64, 20}, size), Z::RightMiddle);
    EXPECT_EQ(Z::ZoneAt({30, 15}, size), Z::Move);
    // On a tiny handle every test matches; the right middle is tested last.
    EXPECT_EQ(Z::ZoneAt({2, 2}, QSize(5, 5)), Z::RightMiddle);
}

TEST(StretchHandleZones, EveryDrawnPixelOfASquareActsOnThatSquare) {
    using Z = TStretchHandle;
    for (const QSize size : {QSize(65, 35), QSize(64, 34), QSize(25, 105)}) {
        const QList<QRect> squares = Z::SquaresFor(size);
        ASSERT_EQ(squares.size(), 8);
        for (int i = 0; i < squares.size(); ++i)
            for (int x = squares[i].left(); x <= squares[i].right(); ++x)
                for (int y = squares[i].top(); y <= squares[i].bottom(); ++y)
                    EXPECT_EQ(Z::ZoneAt({x, y}, size), Z::GrabZone(Z::TopLeft + i))
                        << "pixel " << x << "," << y << " of a " << size.width() << " x "
                        << size.height() << " handle";
    }
    // The bottom-right square of a 65 x 35 handle starts at 59, 29: a press there resizes.
    EXPECT_EQ(Z::ZoneAt({59, 29}, QSize(65, 35)), Z::BottomRight);
}

TEST_F(StretchHandleTest, HoverChoosesTheZoneAndItsCursor) {
    Hover(&handle, {0, 0});
    EXPECT_EQ(handle.Zone(), TStretchHandle::TopLeft);
    EXPECT_EQ(handle.cursor().shape(), Qt::SizeFDiagCursor);
    Hover(&handle, {64, 0});
    EXPECT_EQ(handle.cursor().shape(), Qt::SizeBDiagCursor);
    Hover(&handle, {32, 34});
    EXPECT_EQ(handle.Zone(), TStretchHandle::BottomMiddle);
    EXPECT_EQ(handle.cursor().shape(), Qt::SizeVerCursor);
    Hover(&handle, {64, 17});
    EXPECT_EQ(handle.cursor().shape(), Qt::SizeHorCursor);
    Hover(&handle, {20, 20});
    EXPECT_EQ(handle.Zone(), TStretchHandle::Move);
}

TEST_F(StretchHandleTest, DragShowsOnlyTheBandUntilRelease) {
    Hover(&handle, {30, 15});
    Press(&handle, {30, 15});
    Drag(&handle, {40, 17});
    EXPECT_TRUE(handle.Dragging());
    EXPECT_EQ(handle.RubberBand(), QRect(60, 42, 60, 30));
    EXPECT_EQ(item->geometry(), QRect(50, 40, 60, 30)); // not moved yet
    EXPECT_EQ(handle.cursor().shape(), handle.DragCursor().shape());
    EXPECT_EQ(mouseUps, 0);

    Release(&handle, {40, 17});
    EXPECT_FALSE(handle.Dragging());
    EXPECT_TRUE(handle.RubberBand().isEmpty());
    EXPECT_EQ(item->geometry(), QRect(60, 42, 60, 30));
    EXPECT_EQ(handle.geometry(), QRect(58, 40, 65, 35));
    EXPECT_EQ(mouseUps, 1);
}

TEST_F(StretchHandleTest, ReleaseGeometryFollowsTheZone) {
    struct Case {
        QPoint grab;
        QPoint travel;
        QRect expected;
    };
    // Item (50, 40, 60, 30); handle 65 x 35, whose last column and row lie beyond the item
    // grown by 2 (presses there pass through). Grid 1 follows the pointer exactly.
    const Case cases[] = {
        {{0, 0}, {-10, -5}, {40, 35, 70, 35}},   // top left
        {{62, 0}, {10, 5}, {50, 45, 70, 25}},    // top right
        {{0, 32}, {5, 6}, {55, 40, 55, 36}},     // bottom left
        {{62, 32}, {-20, 10}, {50, 40, 40, 40}}, // bottom right
        {{32, 0}, {7, -4}, {50, 36, 60, 34}},    // top middle
        {{0, 17}, {-3, 9}, {47, 40, 63, 30}},    // left middle
        {{32, 32}, {9, 4}, {50, 40, 60, 34}},    // bottom middle
        {{62, 17}, {12, 3}, {50, 40, 72, 30}},   // right middle
    };
    for (const Case& c : cases) {
        item->setGeometry(50, 40, 60, 30);
        handle.DetachAll();
        handle.AttachItem(item);
        DragHandle(c.grab, c.grab + c.travel);
        EXPECT_EQ(item->geometry(), c.expected) << c.grab.x() << "," << c.grab.y();
    }
}

TEST_F(StretchHandleTest, GridSnapsTheMovedEdgeTowardZero) {
    handle.setSnapToGrid(true);
    item->setGeometry(16, 16, 60, 30);
    handle.DetachAll();
    handle.AttachItem(item);
    DragHandle({30, 15}, {33, 15});
    EXPECT_EQ(item->x(), 16);
    DragHandle({30, 15}, {39, 15});
    EXPECT_EQ(item->x(), 24);
    // A resize snaps the size: 60 + 5 = 65 -> 64.
    DragHandle({62, 17}, {67, 17});
    EXPECT_EQ(item->width(), 64);
}

TEST_F(StretchHandleTest, WidthNeverGoesBelowZero) {
    DragHandle({62, 17}, {-40, 17});
    EXPECT_EQ(item->width(), 0);
    EXPECT_EQ(item->x(), 50);
}

TEST_F(StretchHandleTest, PointerIsClampedToThePanelButTheItemMayStickOut) {
    DragHandle({30, 15}, {1000, 1000});
    // The pointer stops at the panel's edge (300, 200): it travelled 222 by 147.
    EXPECT_EQ(item->geometry(), QRect(272, 187, 60, 30));
    DragHandle({30, 15}, {-1000, -1000});
    // The pointer stops at the panel's corner; the item was grabbed 28, 13 from its corner.
    EXPECT_EQ(item->pos(), QPoint(-28, -13));
}

TEST_F(StretchHandleTest, PressWithoutTravelLeavesTheItemAndReports) {
    DragHandle({30, 15}, {30, 15});
    EXPECT_EQ(item->geometry(), QRect(50, 40, 60, 30));
    EXPECT_EQ(mouseUps, 1);
}

TEST_F(StretchHandleTest, MoveWithButtonHeldStartsADragAtZoneZero) {
    // The path after the press that selected the item: no press reaches the handle.
    Drag(&handle, {2, 2}); // over the top-left square, yet a move
    Drag(&handle, {12, 7});
    EXPECT_EQ(handle.Zone(), TStretchHandle::Move);
    Release(&handle, {12, 7});
    EXPECT_EQ(item->geometry(), QRect(60, 45, 60, 30));
}

TEST_F(StretchHandleTest, ArrowKeysMoveOnePixelIgnoringTheGrid) {
    handle.setSnapToGrid(true);
    QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    QApplication::sendEvent(&handle, &left);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(&handle, &down);
    EXPECT_EQ(item->geometry(), QRect(49, 41, 60, 30));
    EXPECT_EQ(handle.geometry(), QRect(47, 39, 65, 35));
    QKeyEvent other(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(&handle, &other);
    EXPECT_EQ(item->geometry(), QRect(49, 41, 60, 30));
    EXPECT_EQ(keys, (std::vector<int>{Qt::Key_Left, Qt::Key_Down, Qt::Key_A}));
}

TEST_F(StretchHandleTest, PressesOutsideTheItemGoToWhatLiesBeneath) {
    auto* neighbour = new Recorder(&panel);
    neighbour->setGeometry(111, 40, 20, 20);
    handle.raise();
    // The handle's last column (panel x 112) lies beyond the item grown by 2.
    Press(&handle, {64, 10});
    Release(&handle, {64, 10});
    EXPECT_EQ(neighbour->presses, 1);
    EXPECT_EQ(neighbour->releases, 1);
    EXPECT_EQ(neighbour->lastPos, QPoint(1, 8));
    EXPECT_EQ(mouseUps, 0); // passed-through releases are not reported

    // A right press on the item goes to the item itself.
    Press(&handle, {20, 10}, Qt::RightButton);
    Release(&handle, {20, 10}, Qt::RightButton);
    EXPECT_EQ(item->presses, 1);
    EXPECT_EQ(item->lastButton, Qt::RightButton);
    EXPECT_EQ(item->lastPos, QPoint(18, 8));
    EXPECT_EQ(item->geometry(), QRect(50, 40, 60, 30));
    EXPECT_EQ(mouseUps, 0);

    // With nothing beneath, the panel gets it.
    neighbour->hide();
    Press(&handle, {64, 10}, Qt::RightButton);
    EXPECT_EQ(panel.presses, 1);
    EXPECT_EQ(panel.lastPos, QPoint(112, 48));
}

TEST_F(StretchHandleTest, ContextMenuOpensOnTheItemBeneath) {
    item->setContextMenuPolicy(Qt::CustomContextMenu);
    QPoint asked(-1, -1);
    QObject::connect(item, &QWidget::customContextMenuRequested,
                     [&](const QPoint& pos) { asked = pos; });
    QContextMenuEvent menu(QContextMenuEvent::Mouse, {20, 10}, handle.mapToGlobal(QPoint(20, 10)));
    QApplication::sendEvent(&handle, &menu);
    EXPECT_EQ(asked, QPoint(18, 8));
}

TEST_F(StretchHandleTest, BoundsChangesCarryTheItem) {
    handle.SetBounds(QRect(40, 30, 75, 45));
    EXPECT_EQ(item->geometry(), QRect(42, 32, 70, 40));
}
