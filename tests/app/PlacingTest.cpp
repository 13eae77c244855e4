#include "MainWindowFixture.h"
#include "support/ModelItems.h"

#include "controls/BarcodeCatalogue.h"
#include "controls/TBarcode.h"
#include "controls/TCanvasPanel.h"
#include "controls/TImage.h"
#include "controls/TPim3DLabel.h"
#include "controls/TPimShape.h"
#include "designer/DropToolButton.h"
#include "designer/ItemMenus.h"
#include "designer/ItemPlacer.h"
#include "designer/ItemSelection.h"
#include "designer/SelectionToolRow.h"
#include "designer/TStretchHandle.h"
#include "designer/TSymbologyChooser.h"
#include "support/ModalDriver.h"
#include "designer/ToolPictures.h"
#include "designer/LabelItems.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QTest>

using Answer = ScriptedPrompter::Answer;

namespace {
// Where the pictures of the designer are written for a person to look at.
QString ShotPath(const QString& name) {
    QString folder = qEnvironmentVariable("QV_SHOT_DIR");
    if (folder.isEmpty())
        folder = QDir::temp().filePath(QStringLiteral("quorvane-shots"));
    QDir().mkpath(folder);
    return QDir(folder).filePath(name);
}
} // namespace

class PlacingTest : public MainWindowTest {
protected:
    // A tool dropped as the platform delivers it, then the deferred creation run.
    void Drop(QWidget* target, LabelItemKind tool, QPoint point) {
        std::unique_ptr<QMimeData> data(ItemPlacer::ToolMimeData(tool));
        QDragEnterEvent enter(point, Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(target, &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(point), Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(target, &drop);
        ASSERT_TRUE(drop.isAccepted());
        QCoreApplication::processEvents();
    }
    QWidget* Last() { return window->Items().OrderList().last().data(); }
    QString WriteBitmap(const QString& name) {
        const QString path = dir.filePath(name);
        QImage image(40, 24, QImage::Format_RGB32);
        image.fill(QColor(200, 220, 255));
        QPainter painter(&image);
        painter.fillRect(5, 5, 30, 14, QColor(0, 120, 0));
        painter.end();
        image.save(path, "BMP");
        return path;
    }
    // A label with one item of every kind, placed and edited through the tools and menus.
    void BuildEveryKind() {
        window->mnuNewLabel->trigger();
        QWidget* panel = window->LabelPanel;
        prompts.Then(Answer::Text(QStringLiteral("Quorvane")));
        Drop(panel, LabelItemKind::Text, {8, 6});
        QWidget* text = Last();
        prompts.Then(Answer::Counter(100, 2));
        Drop(panel, LabelItemKind::Counter, {180, 60});
        prompts.Then(Answer::Symbol(74, 255));
        Drop(panel, LabelItemKind::Symbol, {210, 8});
        Drop(panel, LabelItemKind::Rectangle, {8, 40});
        Choose(Last(), QStringLiteral("PopupMenuShapePatternCross"));
        Drop(panel, LabelItemKind::RoundRectangle, {40, 40});
        prompts.Then(Answer::Colour(0x00C0FF));
        Choose(Last(), QStringLiteral("PopupMenuRoundRectColor"));
        Drop(panel, LabelItemKind::Ellipse, {72, 40});
        Choose(Last(), QStringLiteral("PopupMenuShapePoint3"));
        Drop(panel, LabelItemKind::HorizontalLine, {8, 80});
        Drop(panel, LabelItemKind::VerticalLine, {240, 20});
        prompts.Then(Answer::ImageFile(WriteBitmap(QStringLiteral("logo.bmp"))));
        Drop(panel, LabelItemKind::Image, {120, 30});
        Choose(Last(), QStringLiteral("PopupMenuImageSendToBack"));
        prompts.Then(Answer::Rotation(90));
        Choose(text, QStringLiteral("PopupMenuTextRotation"));
        prompts.Then(Answer::Rotation(0));
        Choose(text, QStringLiteral("PopupMenuTextRotation"));
    }
};

TEST_F(PlacingTest, TheToolRowHoldsTheTenToolsAtItsLeft) {
    ASSERT_NE(window->Placer, nullptr);
    EXPECT_EQ(window->Placer->Buttons().size(), 10);
    EXPECT_EQ(window->Placer->Buttons().last(), window->Placer->Button(LabelItemKind::Barcode));
    EXPECT_EQ(window->Placer->Button(LabelItemKind::Barcode)->objectName(), "DropBarcodeButton");
    for (DropToolButton* button : window->Placer->Buttons())
        EXPECT_EQ(button->parentWidget(), window->ToolsPanel);
    EXPECT_EQ(window->ToolsPanel->findChild<QWidget*>(QStringLiteral("DropTextButton")),
              window->Placer->Button(LabelItemKind::Text));
    // Clear of the nudge buttons, which start at 240.
    EXPECT_LE(window->Placer->ToolsRight(), 236);
}

// A barcode goes through the tool, its data entry and its menu like every kind: Zint's reason
// is shown for data the symbology refuses and the entry opens again for correction.
TEST_F(PlacingTest, ABarcodeIsPlacedAndEditedThroughItsMenu) {
    window->mnuNewLabel->trigger();
    QWidget* panel = window->LabelPanel;
    prompts.Then(Answer::CancelText());
    Drop(panel, LabelItemKind::Barcode, {8, 6});
    EXPECT_TRUE(window->Items().OrderList().isEmpty());
    prompts.Then(Answer::Text(QStringLiteral("ASSET-{#}")));
    Drop(panel, LabelItemKind::Barcode, {8, 6});
    auto* barcode = qobject_cast<TBarcode*>(Last());
    ASSERT_NE(barcode, nullptr);
    EXPECT_EQ(barcode->pos(), QPoint(8, 6));
    EXPECT_EQ(barcode->Data(), QStringLiteral("ASSET-{#}"));
    EXPECT_EQ(barcode->Symbology(), BarcodeSymbology::Code128);
    EXPECT_EQ(window->Selection().Selected(), barcode);

    // Data with field references is taken as typed by any symbology; it is checked in print.
    Choose(barcode, QStringLiteral("PopupMenuBarcodeEANX"));
    EXPECT_EQ(barcode->Symbology(), BarcodeSymbology::Ean);
    EXPECT_TRUE(prompts.Messages(QStringLiteral("Information")).isEmpty());

    const QString letters = BarcodeSymbol::Validate(BarcodeSymbology::Ean, "59012341234X");
    const QString check = BarcodeSymbol::Validate(BarcodeSymbology::Ean, "5901234123458");
    ASSERT_FALSE(letters.isEmpty());
    ASSERT_FALSE(check.isEmpty());
    prompts.Then(Answer::Text(QStringLiteral("59012341234X")))
        .Then(Answer::Text(QStringLiteral("5901234123458")))
        .Then(Answer::Text(QStringLiteral("5901234123457")));
    Choose(barcode, QStringLiteral("PopupMenuBarcodeData"));
    EXPECT_EQ(prompts.Messages(QStringLiteral("Information")), QStringList({letters, check}));
    EXPECT_EQ(barcode->Data(), QStringLiteral("5901234123457"));
    // The entry reopened with the text as typed, for correction.
    QStringList entries;
    for (const auto& shown : prompts.History())
        if (shown.kind == QStringLiteral("Text"))
            entries << shown.caption;
    EXPECT_EQ(entries.count(QStringLiteral("Barcode Data")), 5);

    // Thirteen digits are no UPC-A: cancelling the correction keeps the symbology.
    prompts.Then(Answer::CancelText());
    Choose(barcode, QStringLiteral("PopupMenuBarcodeUPCA"));
    EXPECT_EQ(barcode->Symbology(), BarcodeSymbology::Ean);
    EXPECT_EQ(barcode->Data(), QStringLiteral("5901234123457"));
    Choose(barcode, QStringLiteral("PopupMenuBarcodeShowText"));
    EXPECT_FALSE(barcode->ShowText());
    prompts.Then(Answer::Colour(255)).Then(Answer::Colour(65535));
    Choose(barcode, QStringLiteral("PopupMenuBarcodeColor"));
    Choose(barcode, QStringLiteral("PopupMenuBarcodeBackgroundColor"));
    EXPECT_EQ(barcode->BarColor(), 255);
    EXPECT_EQ(barcode->BackgroundColor(), 65535);
    // The check marks show the item's state when its menu opens.
    window->Menus->PopupAt(barcode, barcode->mapToGlobal(QPoint(1, 1)));
    window->Menus->PopupMenuBarcode->close();
    EXPECT_FALSE(window->Menus->PopupMenuBarcodeShowText->isChecked());
    EXPECT_TRUE(
        window->Menus->PopupMenuBarcode->findChild<QAction*>(QStringLiteral("PopupMenuBarcodeEANX"))
            ->isChecked());
    EXPECT_EQ(prompts.Unanswered(), 0u);

    prompts.Then(Answer::Text(QStringLiteral("Text")));
    Drop(panel, LabelItemKind::Text, {100, 70});
    Choose(barcode, QStringLiteral("PopupMenuBarcodeBringToFront"));
    EXPECT_EQ(Last(), barcode);
    const QString saved = window->SaveItems();
    EXPECT_TRUE(saved.contains(QStringLiteral("LABELITEM=BARCODE\r\nTOP=0.063\r\nLEFT=0.083\r\n")));
    EXPECT_TRUE(saved.contains(QStringLiteral("SYMBOLOGY=EANX\r\nDATA=5901234123457\r\n"
                                              "SHOWTEXT=N\r\nCOLOR=255\r\nBACKGROUND=65535\r\n")));
    Choose(barcode, QStringLiteral("PopupMenuBarcodeSendToBack"));
    EXPECT_EQ(window->Items().OrderList().first().data(), barcode);
    Choose(barcode, QStringLiteral("PopupMenuBarcodeDelete"));
    EXPECT_EQ(window->Items().OrderList().size(), 1);
}

// The symbology submenu holds every symbology of the installed Zint, one submenu per group,
// with the item's own checked; "Find Symbology" finds one by typing.
TEST_F(PlacingTest, TheSymbologyMenuGroupsEverySymbologyAndFindsByTyping) {
    window->mnuNewLabel->trigger();
    prompts.Then(Answer::Text(QStringLiteral("12345678")));
    Drop(window->LabelPanel, LabelItemKind::Barcode, {8, 6});
    auto* barcode = qobject_cast<TBarcode*>(Last());
    ASSERT_NE(barcode, nullptr);
    QMenu* menu = window->Menus->PopupMenuBarcode;
    int entries = 0;
    for (const BarcodeType& type : BarcodeCatalogue::All()) {
        const QString group = BarcodeCatalogue::GroupCaption(type.group);
        auto* submenu = menu->findChild<QMenu*>(QStringLiteral("PopupMenuBarcodeSymbology") + group);
        ASSERT_NE(submenu, nullptr) << group.toStdString();
        EXPECT_EQ(submenu->title(), group);
        QAction* entry = submenu->findChild<QAction*>(QStringLiteral("PopupMenuBarcode") + type.name);
        ASSERT_NE(entry, nullptr) << type.name.toStdString();
        EXPECT_EQ(entry->text(), type.caption);
        EXPECT_TRUE(submenu->actions().contains(entry));
        ++entries;
    }
    EXPECT_GT(entries, 40);

    Choose(barcode, QStringLiteral("PopupMenuBarcodeCODE93"));
    EXPECT_EQ(BarcodeSymbologyName(barcode->Symbology()), QStringLiteral("CODE93"));
    window->Menus->PopupAt(barcode, barcode->mapToGlobal(QPoint(1, 1)));
    menu->close();
    EXPECT_TRUE(menu->findChild<QAction*>(QStringLiteral("PopupMenuBarcodeCODE93"))->isChecked());
    EXPECT_FALSE(menu->findChild<QAction*>(QStringLiteral("PopupMenuBarcodeCODE128"))->isChecked());

    {
        ModalWatch watch = WhenModal<TSymbologyChooser>([](TSymbologyChooser* dialog) {
            EXPECT_EQ(dialog->Choice(), QStringLiteral("CODE93"));
            QTest::keyClicks(dialog->SearchEdit, QStringLiteral("interleaved"));
            QTest::keyClick(dialog->SearchEdit, Qt::Key_Return);
        });
        Choose(barcode, QStringLiteral("PopupMenuBarcodeFindSymbology"));
    }
    EXPECT_EQ(BarcodeSymbologyName(barcode->Symbology()), QStringLiteral("C25INTER"));
    EXPECT_TRUE(window->SaveItems().contains(QStringLiteral("SYMBOLOGY=C25INTER\r\nDATA=12345678\r\n")));
    EXPECT_EQ(prompts.Unanswered(), 0u);
}

TEST_F(PlacingTest, ALabelOfEveryKindBuiltWithToolsAndMenusSavesAndReloadsTheSame) {
    BuildEveryKind();
    EXPECT_EQ(prompts.Unanswered(), 0u);
    ASSERT_EQ(window->Items().OrderList().size(), 9);
    EXPECT_TRUE(Changed());
    // The image sent to the back is written first.
    const QString before = window->SaveItems();
    EXPECT_TRUE(before.startsWith(QStringLiteral("LABELITEM=IMAGE")));
    EXPECT_TRUE(before.contains(QStringLiteral("BRUSHSTYLE=CROSS")));
    window->Descript->setText(QStringLiteral("Every kind"));
    window->SaveButton->click();
    EXPECT_FALSE(Changed());
    window->grab().save(ShotPath(QStringLiteral("finished-label.png")));

    RestartWindow();
    EXPECT_EQ(Description(), QStringLiteral("Every kind"));
    EXPECT_EQ(window->SaveItems(), before);
    // The reloaded image lies under every other item.
    QWidget* first = window->Items().OrderList().first().data();
    EXPECT_TRUE(qobject_cast<TImage*>(first));
    for (QObject* child : window->LabelPanel->children()) {
        if (LabelItems::IsLabelItem(child)) {
            EXPECT_EQ(child, first);
            break;
        }
    }
}

TEST_F(PlacingTest, PicturesOfTheToolRowADragAndEveryMenu) {
    BuildEveryKind();
    window->resize(640, 360);
    window->show();
    QCoreApplication::processEvents();
    window->ToolsPanel->grab().save(ShotPath(QStringLiteral("tool-row.png")));

    // A drag in progress: the rectangle's picture hanging from the pointer over the panel.
    QPixmap shot = window->grab();
    {
        QPainter painter(&shot);
        const QPoint pointer = window->LabelPanel->mapTo(window.get(), QPoint(150, 50));
        painter.drawPixmap(pointer, ToolPictures::DragPicture(LabelItemKind::Rectangle));
    }
    shot.save(ShotPath(QStringLiteral("drag.png")));

    int shown = 0;
    for (const auto& entry : window->Items().OrderList()) {
        QMenu* menu = window->Menus->MenuFor(entry.data());
        window->Menus->PopupAt(entry.data(), entry->mapToGlobal(QPoint(2, 2)));
        QCoreApplication::processEvents();
        EXPECT_TRUE(menu->isVisible());
        menu->grab().save(ShotPath(menu->objectName() + QStringLiteral(".png")));
        menu->close();
        ++shown;
    }
    EXPECT_EQ(shown, 9);
    window->hide();
}

TEST_F(PlacingTest, AnEmptyTextAndACancelledPromptOnTheRealWindow) {
    window->mnuNewLabel->trigger();
    prompts.Then(Answer::CancelText());
    Drop(window->LabelPanel, LabelItemKind::Text, {10, 10});
    EXPECT_TRUE(window->Items().OrderList().isEmpty());
    prompts.Then(Answer::Text(QStringLiteral("x")));
    Drop(window->LabelPanel, LabelItemKind::Text, {10, 10});
    auto* text = qobject_cast<TPim3DLabel*>(Last());
    ASSERT_NE(text, nullptr);
    prompts.Then(Answer::Text(QString()));
    Choose(text, QStringLiteral("PopupMenuTextText"));
    EXPECT_EQ(text->Caption(), QString());
    EXPECT_TRUE(window->SaveItems().contains(QStringLiteral("TEXT=\r\n")));
}

TEST_F(PlacingTest, DropsAndMenusWorkTheRealSelection) {
    window->mnuNewLabel->trigger();
    ItemSelection& selection = window->Selection();
    Drop(window->LabelPanel, LabelItemKind::RoundRectangle, {30, 20});
    QWidget* round = Last();
    EXPECT_EQ(selection.Selected(), round);

    // A cancelled text prompt leaves nothing selected.
    prompts.Then(Answer::CancelText());
    Drop(round, LabelItemKind::Text, {3, 3});
    EXPECT_EQ(selection.Selected(), nullptr);

    // The Properties button does nothing without a selection ...
    window->ToolRow().PropertiesButton->click();
    EXPECT_FALSE(window->Menus->PopupMenuRoundRect->isVisible());
    // ... and opens the rounded rectangle's menu at its bottom-right corner.
    Drop(window->LabelPanel, LabelItemKind::Ellipse, {100, 20});
    window->Selection().AttachControl(round);
    window->ToolRow().PropertiesButton->click();
    QMenu* menu = window->Menus->PopupMenuRoundRect;
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(),
              window->LabelPanel->mapToGlobal(round->geometry().bottomRight() + QPoint(1, 1)));
    menu->close();

    // A right click on the ellipse selects it; its entries act on it.
    QWidget* ellipse = Last();
    QContextMenuEvent right(QContextMenuEvent::Mouse, QPoint(3, 3),
                            ellipse->mapToGlobal(QPoint(3, 3)));
    QCoreApplication::sendEvent(ellipse, &right);
    EXPECT_TRUE(window->Menus->PopupMenuShape->isVisible());
    EXPECT_EQ(selection.Selected(), ellipse);
    window->Menus->PopupMenuShape->close();

    // Sent to the back and brought forward again, the frame stays on top.
    Choose(ellipse, QStringLiteral("PopupMenuShapeSendtoback"));
    EXPECT_EQ(window->Items().OrderList().first().data(), ellipse);
    Choose(ellipse, QStringLiteral("PopupMenuShapeBringtoFront"));
    EXPECT_EQ(window->Items().OrderList().last().data(), ellipse);
    EXPECT_EQ(window->LabelPanel->children().last(), &selection.Handle());

    // Centring goes through the selection's own operation.
    Choose(ellipse, QStringLiteral("PopupMenuShapeCenter"));
    EXPECT_EQ(ellipse->geometry().center().x() / 10, window->LabelPanel->rect().center().x() / 10);
}

TEST_F(PlacingTest, ARightClickThroughTheFrameOpensTheSelectedItemsMenu) {
    window->mnuNewLabel->trigger();
    prompts.Then(ScriptedPrompter::Answer::Symbol(40, 0));
    Drop(window->LabelPanel, LabelItemKind::Symbol, {20, 20});
    QWidget* symbol = Last();
    TStretchHandle& handle = window->Selection().Handle();
    ASSERT_EQ(window->Selection().Selected(), symbol);
    const QPoint inside = handle.mapFromGlobal(symbol->mapToGlobal(QPoint(2, 2)));
    QContextMenuEvent right(QContextMenuEvent::Mouse, inside, handle.mapToGlobal(inside));
    QCoreApplication::sendEvent(&handle, &right);
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->Menus->PopupMenuSymbol->isVisible());
    EXPECT_EQ(window->Menus->PopupComponent(window->Menus->PopupMenuSymbol), symbol);
    EXPECT_EQ(window->Selection().Selected(), symbol);
    window->Menus->PopupMenuSymbol->close();
}

TEST_F(PlacingTest, PicturesOfBarcodesOnThePanelAndTheirMenu) {
    window->mnuNewLabel->trigger();
    QString objects;
    const auto add = [&objects](const char* symbology, const char* data, double left, double top,
                                double width, double height) {
        objects += QStringLiteral("LABELITEM=BARCODE\r\nTOP=%1\r\nLEFT=%2\r\nWIDTH=%3\r\n"
                                  "HEIGHT=%4\r\nSYMBOLOGY=%5\r\nDATA=%6\r\nSHOWTEXT=Y\r\n"
                                  "COLOR=0\r\nBACKGROUND=16777215\r\n")
                       .arg(top)
                       .arg(left)
                       .arg(width)
                       .arg(height)
                       .arg(QLatin1String(symbology), QString::fromUtf8(data));
    };
    add("CODE128", "ASSET-{#}", 0.05, 0.05, 1.3, 0.45);
    add("EANX", "5901234123457", 1.4, 0.05, 1.15, 0.55);
    add("QRCODE", "https://example.org/q", 0.05, 0.55, 0.42, 0.42);
    add("DATAMATRIX", "Quorvane", 0.5, 0.6, 0.35, 0.35);
    add("AZTEC", "Quorvane", 0.9, 0.6, 0.35, 0.35);
    add("EANX", "12345A", 1.4, 0.65, 1.15, 0.33);
    AddItemsFromText(window->Model(), objects);
    ASSERT_EQ(window->Items().OrderList().size(), 6);
    EXPECT_TRUE(qobject_cast<TBarcode*>(window->Items().OrderList()[0])->Drawing().ok());
    EXPECT_FALSE(qobject_cast<TBarcode*>(window->Items().OrderList()[5])->Drawing().ok());
    window->resize(640, 360);
    window->show();
    window->Selection().AttachControl(window->Items().OrderList()[1]);
    QCoreApplication::processEvents();
    window->grab().save(ShotPath(QStringLiteral("barcodes-on-panel.png")));

    QWidget* tag = window->Items().OrderList()[0];
    window->Menus->PopupAt(tag, tag->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::processEvents();
    QMenu* menu = window->Menus->PopupMenuBarcode;
    EXPECT_TRUE(menu->isVisible());
    menu->grab().save(ShotPath(QStringLiteral("PopupMenuBarcode.png")));
    menu->close();
    auto* symbology = menu->findChild<QMenu*>(QStringLiteral("PopupMenuBarcodeSymbology"));
    ASSERT_NE(symbology, nullptr);
    symbology->popup(QPoint(0, 0));
    QCoreApplication::processEvents();
    symbology->grab().save(ShotPath(QStringLiteral("PopupMenuBarcodeSymbology.png")));
    symbology->close();
    window->hide();
}
