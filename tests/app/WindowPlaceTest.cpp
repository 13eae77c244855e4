#include "MainWindowFixture.h"

#include "app/Preferences.h"
#include "app/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

namespace {
const QRect FullHd(0, 0, 1920, 1050); // a 1920 x 1080 screen less its panel
const QRect Right(1920, 0, 1280, 1024);
} // namespace

TEST(WindowPlacement, KeptPlaceIsUsedWhileItsTitleCanBeGrabbed) {
    // Where it was left, on either screen.
    EXPECT_EQ(WindowPlacement::Placed(QRect(100, 80, 900, 700), {FullHd}),
              QRect(100, 80, 900, 700));
    EXPECT_EQ(WindowPlacement::Placed(QRect(2000, 50, 800, 600), {FullHd, Right}),
              QRect(2000, 50, 800, 600));
    // Larger than the screen now: shrunk to it and moved onto it.
    EXPECT_EQ(WindowPlacement::Placed(QRect(300, 200, 2400, 1400), {FullHd}), FullHd);
    // Hanging over the edge with its title still reachable: pulled onto the screen.
    EXPECT_EQ(WindowPlacement::Placed(QRect(1700, 500, 800, 600), {FullHd}),
              QRect(1120, 450, 800, 600));
    // On a screen no longer attached, or above every screen: the first place.
    const QRect first(320, 175, 1280, 700);
    EXPECT_EQ(WindowPlacement::Placed(QRect(2000, 50, 800, 600), {FullHd}), first);
    EXPECT_EQ(WindowPlacement::Placed(QRect(200, -300, 800, 320), {FullHd}), first);
    EXPECT_EQ(WindowPlacement::Placed(QRect(200, 100, 0, 300), {FullHd}), first);
}

TEST(WindowPlacement, FirstPlaceIsTwoThirdsOfTheScreenCentredAndNeverUnderTheMinimum) {
    EXPECT_EQ(WindowPlacement::Placed(std::nullopt, {FullHd, Right}), QRect(320, 175, 1280, 700));
    EXPECT_EQ(WindowPlacement::Placed(std::nullopt, {QRect(0, 0, 800, 600)}),
              QRect(95, 75, 610, 450));
    EXPECT_EQ(WindowPlacement::Placed(std::nullopt, {QRect(0, 0, 640, 480)}),
              QRect(0, 0, 610, 450));
}

TEST_F(MainWindowTest, TheWindowOpensWhereItWasClosed) {
    Preferences preferences(dir.path());
    EXPECT_FALSE(preferences.ReadWindowPlace());
    const QRect available = window->screen()->availableGeometry();
    const QRect kept(available.left() + 40, available.top() + 30, 500, 320);
    window.reset(); // gone without a close: it keeps no place
    ASSERT_TRUE(preferences.WriteWindowPlace({kept, false}));
    StartWindow();
    EXPECT_EQ(window->geometry(), kept);
    EXPECT_FALSE(window->windowState() & Qt::WindowMaximized);

    // A close keeps the place; a maximised window keeps its place to go back to.
    window->setGeometry(kept.translated(10, 20));
    RestartWindow();
    EXPECT_EQ(preferences.ReadWindowPlace(), (WindowPlace{kept.translated(10, 20), false}));
    ASSERT_TRUE(preferences.WriteWindowPlace({kept, true}));
    window.reset();
    StartWindow();
    EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);

    // A place that is not a number is no place.
    QSettings(preferences.FileName(), QSettings::IniFormat)
        .setValue(QStringLiteral("Window/Width"), QStringLiteral("wide"));
    EXPECT_FALSE(preferences.ReadWindowPlace());
}
