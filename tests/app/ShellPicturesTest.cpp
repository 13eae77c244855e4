#include "MainWindowFixture.h"

#include "app/TSplashForm.h"
#include "controls/TCanvasPanel.h"
#include "document/LabelItems.h"
#include "ui/THelpWindow.h"

#include <QDir>
#include <QImage>
#include <QTextBrowser>

namespace {
// Keeps a picture for a person to look at when QV_PICTURE_DIR names a folder.
void Keep(const QImage& image, const QString& name) {
    const QString folder = qEnvironmentVariable("QV_PICTURE_DIR");
    if (!folder.isEmpty())
        image.save(QDir(folder).filePath(name));
}

int CountPixels(const QImage& image, const QRect& area, const std::function<bool(QColor)>& match) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += match(image.pixelColor(x, y)) ? 1 : 0;
    return count;
}
} // namespace

TEST(SplashWindow, ShowsTheTruthAboutThisBuildInRedAndHidesOkUntilAbout) {
    TSplashForm splash;
    EXPECT_TRUE(splash.OkButton->isHidden());
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(splash.windowFlags() & Qt::WindowStaysOnTopHint);
    const QImage picture = splash.grab().toImage();
    Keep(picture, QStringLiteral("splash.png"));
    const auto red = [](QColor c) { return c.red() > 200 && c.green() < 80 && c.blue() < 80; };
    EXPECT_GT(CountPixels(picture, QRect(0, 175, picture.width(), 30), red), 50);
    EXPECT_EQ(CountPixels(picture, QRect(0, 0, picture.width(), 170), red), 0);

    splash.ShowOkButton();
    EXPECT_FALSE(splash.OkButton->isHidden());
    splash.OkButton->click();
    EXPECT_EQ(splash.result(), QDialog::Accepted);
}

TEST_F(MainWindowTest, AboutShowsTheSplashAsAModalBoxWithItsOkButton) {
    bool okShown = false;
    prompts.Then(ScriptedPrompter::Answer::Dialog(true, [&okShown](QDialog& dialog) {
        auto& splash = static_cast<TSplashForm&>(dialog);
        okShown = !splash.OkButton->isHidden();
    }));
    window->mnuAbout->trigger();
    EXPECT_TRUE(okShown);
    EXPECT_EQ(prompts.History().back().kind, QStringLiteral("Dialog"));
}

TEST_F(MainWindowTest, PicturesOfTheMainWindowAndItsHelp) {
    window->show();
    Keep(window->grab().toImage(), QStringLiteral("main-empty.png"));
    SaveNewLabel(QStringLiteral("Shipping label"));
    window->Items().CreateTextItem(QStringLiteral("Quorvane Ltd"), 8, 10, 0, 0, 0,
                                   QStringLiteral("Arial"), 14, 0x800000, true, false, false);
    window->Items().CreateShapeItem(stRoundRect, 40, 10, 120, 40, 0xFFFF, 0xFF, 2, 20, 0);
    window->SaveButton->click();
    const QImage loaded = window->grab().toImage();
    Keep(loaded, QStringLiteral("main-loaded.png"));
    // The label lies white on the grey area; the rounded rectangle's yellow fill shows.
    const QPoint panel = window->LabelPanel->mapTo(window.get(), QPoint(0, 0));
    EXPECT_EQ(loaded.pixelColor(panel + QPoint(200, 48)), QColor(Qt::white));
    EXPECT_EQ(loaded.pixelColor(panel + QPoint(0, 0)), QColor(128, 128, 128));
    EXPECT_EQ(loaded.pixelColor(panel + QPoint(300, 150)), QColor(128, 128, 128));
    EXPECT_EQ(loaded.pixelColor(panel + QPoint(70, 60)), QColor(Qt::yellow));

    THelpWindow& help = THelpWindow::Instance();
    help.ShowTopic(1015);
    Keep(help.grab().toImage(), QStringLiteral("help.png"));
    EXPECT_TRUE(
        help.Browser->toPlainText().contains(QStringLiteral("Choosing and making templates")));
    help.hide();
}
