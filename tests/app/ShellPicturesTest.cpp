#include "MainWindowFixture.h"

#include "app/TSelectLabel.h"
#include "app/TSplashForm.h"
#include "controls/TCanvasPanel.h"
#include "designer/TFontDialog.h"
#include "designer/TGetCounter.h"
#include "designer/TGetSymbol.h"
#include "designer/TImageBrowse.h"
#include "designer/TSetRotate.h"
#include "designer/TTextDialog.h"
#include "document/ChosenPositions.h"
#include "designer/LabelItems.h"
#include "merge/TMergeSourceDialog.h"
#include "printing/TPreviewForm.h"
#include "printing/TPrinterAlignment.h"
#include "printing/TPrinterSetup.h"
#include "printing/TSelectLabelsToPrint.h"
#include "storage/LabelTable.h"
#include "storage/TemplateTable.h"
#include "templates/TSelectTemplate.h"
#include "templates/TTemplateEdit.h"
#include "ui/THelpWindow.h"
#include "ui/TInputQueryForm.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBrowser>
#include <QToolButton>
#include <QWhatsThis>

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
    window->Model().CreateItemFromValue({.kind = LabelItemKind::Text, .top = 8, .left = 10, .width = 0, .height = 0, .text = QStringLiteral("Quorvane Ltd"), .fontName = QStringLiteral("Arial"), .fontSize = 14, .fontColor = 0x800000, .bold = true, .italic = false, .underline = false, .angle = 0});
    window->Model().CreateItemFromValue({.kind = LabelItemKind::RoundRectangle, .top = 40, .left = 10, .width = 120, .height = 40, .brushStyle = TBrushStyle(0), .brushColor = 0xFFFF, .penWidth = 2, .penColor = 0xFF, .rounding = 20});
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

// A label that fits the window shows no scroll bars; a larger one shows them, and every
// label is first seen from its top left corner.
TEST_F(MainWindowTest, ScrollBarsShowOnlyForALabelLargerThanTheWindow) {
    window->show();
    QCoreApplication::processEvents();
    QScrollBar* across = window->ScrollBox1->horizontalScrollBar();
    QScrollBar* down = window->ScrollBox1->verticalScrollBar();
    window->mnuNewLabel->trigger();
    QCoreApplication::processEvents();
    EXPECT_FALSE(across->isVisible());
    EXPECT_FALSE(down->isVisible());
    Keep(window->grab().toImage(), QStringLiteral("main-new-label.png"));

    SheetGeometry large = window->Model().Design().geometry;
    large.labelWidth = 8.0f;
    large.labelHeight = 10.0f;
    window->Model().SetTemplate(window->Model().Design().templateName, large);
    QCoreApplication::processEvents();
    EXPECT_TRUE(across->isVisible());
    EXPECT_TRUE(down->isVisible());
    across->setValue(across->maximum());
    down->setValue(down->maximum());

    SheetGeometry small = large;
    small.labelWidth = 2.625f;
    small.labelHeight = 1.0f;
    window->Model().SetTemplate(window->Model().Design().templateName, small);
    QCoreApplication::processEvents();
    EXPECT_FALSE(across->isVisible());
    EXPECT_FALSE(down->isVisible());
    EXPECT_EQ(across->value(), 0);
    EXPECT_EQ(down->value(), 0);
    // The grey area still fills the box, so a press beside the label clears the selection.
    EXPECT_GE(window->ScrollBoxArea->width(), window->ScrollBox1->viewport()->width());
    EXPECT_GE(window->ScrollBoxArea->height(), window->ScrollBox1->viewport()->height());

    // Only one direction too large: one bar, the other direction keeps its room.
    SheetGeometry wide = small;
    wide.labelWidth = 9.0f;
    window->Model().SetTemplate(window->Model().Design().templateName, wide);
    QCoreApplication::processEvents();
    EXPECT_TRUE(across->isVisible());
    EXPECT_FALSE(down->isVisible());
}

// Every control of the main window and its tool row says what it does in "?" mode, and every
// dialog has its "?" button, which starts that mode.
TEST_F(MainWindowTest, EveryControlHasAWhatsThisTextAndEveryDialogItsContextHelpButton) {
    window->mnuNewLabel->trigger();
    QStringList silent;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const bool isControl =
            qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control) ||
            qobject_cast<QComboBox*>(control) || qobject_cast<QAbstractSpinBox*>(control);
        // Qt's own parts (the menu bar's overflow button) are not the program's controls.
        if (isControl && !control->objectName().startsWith(QLatin1String("qt_")) &&
            control->whatsThis().isEmpty())
            silent << control->objectName();
    }
    EXPECT_TRUE(silent.isEmpty()) << silent.join(QLatin1Char(' ')).toStdString();
    EXPECT_GE(window->ToolsPanel->findChildren<QToolButton*>().size(), 10);

    LabelTable& table = *window->Records().Table();
    QString failure;
    std::unique_ptr<TemplateTable> templates = TemplateTable::Open(dir.path(), failure);
    ASSERT_NE(templates, nullptr) << failure.toStdString();
    ChosenPositions positions;
    std::vector<std::unique_ptr<QDialog>> dialogs;
    dialogs.emplace_back(new TSelectLabel(table));
    dialogs.emplace_back(new TSelectTemplate(*templates));
    dialogs.emplace_back(new TTemplateEdit);
    dialogs.emplace_back(new TGetCounter);
    dialogs.emplace_back(new TGetSymbol);
    dialogs.emplace_back(new TImageBrowse);
    dialogs.emplace_back(new TSetRotate);
    dialogs.emplace_back(new TFontDialog);
    dialogs.emplace_back(new TInputQueryForm);
    dialogs.emplace_back(new TTextDialog);
    dialogs.emplace_back(new TMergeSourceDialog);
    dialogs.emplace_back(new TPrinterAlignment(QStringLiteral("PDF")));
    dialogs.emplace_back(new TSelectLabelsToPrint(positions, 3, 10));
    dialogs.emplace_back(new TPreviewForm);
    const QPrinter printer;
    dialogs.emplace_back(new TPrinterSetup(printer));
    for (const auto& dialog : dialogs) {
        const QString name = QString::fromLatin1(dialog->metaObject()->className());
        QAbstractButton* help = nullptr;
        for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
            if (button->text() == QStringLiteral("?") ||
                button->objectName() == QStringLiteral("MouseHelpButton"))
                help = button;
        ASSERT_NE(help, nullptr) << name.toStdString() << " has no \"?\" button";
        EXPECT_FALSE(help->whatsThis().isEmpty() && help->toolTip().isEmpty());
        help->click();
        EXPECT_TRUE(QWhatsThis::inWhatsThisMode()) << name.toStdString();
        QWhatsThis::leaveWhatsThisMode();
    }
}
