#include "RealWindowFixture.h"

#include "controls/TCanvasPanel.h"
#include "controls/TCounterLabel.h"
#include "controls/TImage.h"
#include "controls/TLineShape.h"
#include "controls/TPim3DLabel.h"
#include "controls/TPimShape.h"
#include "controls/TSymbol.h"
#include "designer/AngleDial.h"
#include "designer/DesignerPrompter.h"
#include "designer/ItemMenus.h"
#include "designer/ItemSelection.h"
#include "designer/SelectionToolRow.h"
#include "designer/SpinEdit.h"
#include "designer/TFontDialog.h"
#include "designer/TGetCounter.h"
#include "designer/TGetSymbol.h"
#include "designer/ImagePreview.h"
#include "designer/TImageBrowse.h"
#include "designer/TSetRotate.h"
#include "designer/TTextDialog.h"
#include "designer/TStretchHandle.h"
#include "RealKeyboard.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

// Every dialog opened from an item's menu answers the real mouse: a click on OK applies,
// a click on Cancel leaves the item as it was, a click in a list chooses.
class ItemDialogsPointer : public RealWindowTest {
protected:
    TPim3DLabel* NewText() {
        window->Model().CreateItemFromValue({.kind = LabelItemKind::Text, .top = 20, .left = 30, .width = 0, .height = 0, .text = QStringLiteral("Hello"), .fontName = QStringLiteral("Arial"), .fontSize = 10, .fontColor = kColorBlack, .bold = false, .italic = false, .underline = false, .angle = 0});
        QTest::qWait(20);
        return qobject_cast<TPim3DLabel*>(LastItem());
    }

    // Opens the item's menu with a right click and clicks the entry.
    void Choose(QWidget* item, const QString& entry) {
        QMenu* menu = OpenMenuOf(item);
        ASSERT_NE(menu, nullptr) << "the item's menu did not open";
        ClickEntry(menu, entry);
        QTest::qWait(20);
    }

    // While the dialog is open: the frame lies round the turned text, and where the squares
    // of the flat text's frame were, the screen shows no square any more.
    void ExpectFrameFollows(QWidget* text, const QRect& flat) {
        TStretchHandle* handle = window->Selection().StretchHandle1;
        ASSERT_EQ(window->Selection().Selected(), text);
        EXPECT_EQ(handle->geometry(), text->geometry().adjusted(-2, -2, 3, 3));
        QTest::qWait(50);
        const QImage screen = window->screen()->grabWindow(0).toImage();
        if (const QString folder = qEnvironmentVariable("QV_PICTURE_DIR"); !folder.isEmpty())
            screen.save(QDir(folder).filePath(QStringLiteral("rotation-live.png")));
        const QRect oldFrame = flat.adjusted(-2, -2, 3, 3);
        const QList<QRect> squares = TStretchHandle::SquaresFor(oldFrame.size());
        for (int zone :
             {TStretchHandle::TopRight, TStretchHandle::BottomRight, TStretchHandle::RightMiddle}) {
            const QRect square = squares[zone - 1].translated(oldFrame.topLeft());
            ASSERT_FALSE(square.intersects(handle->geometry()));
            const QPoint onScreen = window->LabelPanel->mapToGlobal(square.topLeft());
            int ink = 0;
            for (int y = 0; y < square.height(); ++y)
                for (int x = 0; x < square.width(); ++x)
                    ink += screen.pixelColor(onScreen + QPoint(x, y)).lightness() < 128;
            EXPECT_EQ(ink, 0) << "a square of the old frame is left on screen, zone " << zone;
        }
    }

    // Runs a colour dialog from the entry, sets colour in it and clicks OK or Cancel.
    void AnswerColour(QWidget* item, const QString& entry, const QColor& colour, bool ok) {
        ModalWatch watch = WhenModal<QColorDialog>([&](QColorDialog* dialog) {
            dialog->setCurrentColor(colour);
            auto* box = dialog->findChild<QDialogButtonBox*>();
            ClickToClose(dialog, box->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel));
        });
        Choose(item, entry);
    }
};

TEST_F(ItemDialogsPointer, TextDialogTakesOkAndCancelClicks) {
    TPim3DLabel* text = NewText();
    ASSERT_NE(text, nullptr);
    const QString name = text->objectName();
    {
        ModalWatch watch = WhenModal<TTextDialog>([&](TTextDialog* dialog) {
            dialog->Editor->setPlainText(QStringLiteral("Not taken"));
            ClickToClose(dialog, dialog->Buttons->button(QDialogButtonBox::Cancel));
        });
        Choose(text, QStringLiteral("PopupMenuTextText"));
    }
    EXPECT_EQ(window->Model().Design().Find(name)->value.text, QStringLiteral("Hello"));
    {
        ModalWatch watch = WhenModal<TTextDialog>([&](TTextDialog* dialog) {
            dialog->Editor->setPlainText(QStringLiteral("Clicked"));
            ClickToClose(dialog, dialog->Buttons->button(QDialogButtonBox::Ok));
        });
        Choose(text, QStringLiteral("PopupMenuTextText"));
    }
    EXPECT_EQ(window->Model().Design().Find(name)->value.text, QStringLiteral("Clicked"));
}

// Typed as a person types: Enter starts a new line in the text, Ctrl+Enter closes with OK.
TEST_F(ItemDialogsPointer, TextDialogEnterAddsALineAndCtrlEnterTakesIt) {
    RealKeyboard keys;
    ASSERT_TRUE(keys.IsOpen());
    TPim3DLabel* text = NewText();
    ASSERT_NE(text, nullptr);
    const QString name = text->objectName();
    bool stillOpenAfterEnter = false;
    {
        ModalWatch watch = WhenModal<TTextDialog>([&](TTextDialog* dialog) {
            ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
            for (int i = 0; i < 100 && QApplication::focusWidget() != dialog->Editor; ++i)
                QTest::qWait(10);
            keys.Type("ann smith"); // replaces the selected "Hello"
            keys.Press("Return");
            keys.Type("3 long road");
            keys.Press("KP_Enter");
            keys.Type("leeds");
            QTest::qWait(20);
            stillOpenAfterEnter = dialog->isVisible();
            if (const QString folder = qEnvironmentVariable("QV_PICTURE_DIR"); !folder.isEmpty())
                dialog->grab().save(QDir(folder).filePath(QStringLiteral("text-dialog.png")));
            keys.PressControl("Return");
            for (int i = 0; i < 100 && dialog->isVisible(); ++i)
                QTest::qWait(10);
        });
        Choose(text, QStringLiteral("PopupMenuTextText"));
    }
    EXPECT_TRUE(stillOpenAfterEnter) << "Enter closed the dialog instead of adding a line";
    EXPECT_EQ(window->Model().Design().Find(name)->value.text,
              QStringLiteral("ann smith\n3 long road\nleeds"));
    EXPECT_TRUE(window->Model().Design().SaveItems().contains(
        QStringLiteral("TEXTLINE=3 long road\r\nTEXTLINE=leeds\r\n")));
}

TEST_F(ItemDialogsPointer, FontDialogTakesListAndButtonClicks) {
    TPim3DLabel* text = NewText();
    ASSERT_NE(text, nullptr);
    {
        ModalWatch watch = WhenModal<TFontDialog>(
            [&](TFontDialog* dialog) { ClickToClose(dialog, dialog->CancelButton); });
        Choose(text, QStringLiteral("PopupMenuTextFont"));
    }
    EXPECT_EQ(text->FontSize(), 10);
    int chosen = 0;
    {
        ModalWatch watch = WhenModal<TFontDialog>([&](TFontDialog* dialog) {
            ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
            // Arial itself may be missing: a font of the list makes the choice valid.
            QListWidgetItem* font = dialog->FontList->item(0);
            dialog->FontList->scrollToItem(font);
            pointer.Click(dialog->FontList->viewport(),
                          dialog->FontList->visualItemRect(font).center());
            EXPECT_EQ(dialog->FontName->text(), font->text());
            QListWidgetItem* entry = dialog->SizeList->item(0);
            chosen = entry->text().toInt();
            pointer.Click(dialog->SizeList->viewport(),
                          dialog->SizeList->visualItemRect(entry).center());
            ClickToClose(dialog, dialog->OkButton);
        });
        Choose(text, QStringLiteral("PopupMenuTextFont"));
    }
    ASSERT_NE(chosen, 10);
    EXPECT_EQ(text->FontSize(), chosen);
}

TEST_F(ItemDialogsPointer, ColourDialogsTakeOkAndCancelClicks) {
    TPim3DLabel* text = NewText();
    ASSERT_NE(text, nullptr);
    AnswerColour(text, QStringLiteral("PopupMenuTextFontColor"), Qt::red, false);
    EXPECT_EQ(text->FontColor(), kColorBlack);
    AnswerColour(text, QStringLiteral("PopupMenuTextFontColor"), Qt::red, true);
    EXPECT_EQ(text->FontColor(), ValueFromColour(Qt::red));

    window->Model().CreateItemFromValue({.kind = LabelItemKind::Rectangle, .top = 40, .left = 100, .width = 60, .height = 30, .brushStyle = TBrushStyle(0), .brushColor = kColorBlack, .penWidth = 1, .penColor = kColorBlack, .rounding = 0});
    auto* shape = qobject_cast<TPimShape*>(LastItem());
    ASSERT_NE(shape, nullptr);
    AnswerColour(shape, QStringLiteral("PopupMenuShapeColor"), Qt::blue, true);
    EXPECT_EQ(shape->BrushColor(), ValueFromColour(Qt::blue));
    AnswerColour(shape, QStringLiteral("PopupMenuShapeLineColor"), Qt::green, true);
    EXPECT_EQ(shape->PenColor(), ValueFromColour(Qt::green));

    window->Model().CreateItemFromValue({.kind = LabelItemKind::HorizontalLine, .top = 70, .left = 20, .width = 60, .height = 20, .penWidth = 1, .penColor = kColorBlack});
    auto* line = qobject_cast<TLineShape*>(LastItem());
    ASSERT_NE(line, nullptr);
    AnswerColour(line, QStringLiteral("PopupMenuLineColor"), Qt::blue, false);
    EXPECT_EQ(line->PenColor(), kColorBlack);
}

TEST_F(ItemDialogsPointer, RotationDialTurnsByDragging) {
    TPim3DLabel* text = NewText();
    ASSERT_NE(text, nullptr);
    const QRect flat = text->geometry();
    const auto dragDialUp = [&](TSetRotate* dialog) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
        // The dialog opens over the middle of the window, where the label lies: put it in
        // the screen's bottom-left corner so that the screen shows the panel.
        const QRect screen = dialog->screen()->availableGeometry();
        dialog->move(screen.left(), screen.bottom() - dialog->frameGeometry().height());
        QTest::qWait(50);
        const QPoint centre = dialog->PaintBox1->rect().center();
        // Straight up from the centre is 90 degrees.
        pointer.Drag(dialog->PaintBox1, centre + QPoint(20, 0), centre - QPoint(0, 40));
        EXPECT_EQ(dialog->AngleSpin->Value(), 90);
        EXPECT_EQ(text->Angle(), 90) << "the text turns while the dial is dragged";
        ExpectFrameFollows(text, flat);
    };
    {
        ModalWatch watch = WhenModal<TSetRotate>([&](TSetRotate* dialog) {
            dragDialUp(dialog);
            ClickToClose(dialog, dialog->CancelButton);
        });
        Choose(text, QStringLiteral("PopupMenuTextRotation"));
    }
    EXPECT_EQ(text->Angle(), 0);
    {
        ModalWatch watch = WhenModal<TSetRotate>([&](TSetRotate* dialog) {
            dragDialUp(dialog);
            ClickToClose(dialog, dialog->OkButton);
        });
        Choose(text, QStringLiteral("PopupMenuTextRotation"));
    }
    EXPECT_EQ(text->Angle(), 90);
}

TEST_F(ItemDialogsPointer, CounterValuesTakeOkAndCancelClicks) {
    window->Model().CreateItemFromValue({.kind = LabelItemKind::Counter, .top = 20, .left = 30, .width = 0, .height = 0, .fontName = QStringLiteral("Arial"), .fontSize = 10, .fontColor = kColorBlack, .bold = false, .italic = false, .underline = false, .angle = 0, .startingNumber = 5, .repeatEach = 1});
    auto* counter = qobject_cast<TCounterLabel*>(LastItem());
    ASSERT_NE(counter, nullptr);
    for (bool ok : {false, true}) {
        ModalWatch watch = WhenModal<TGetCounter>([&](TGetCounter* dialog) {
            dialog->StartingNumber->SetValue(42);
            ClickToClose(dialog, ok ? dialog->OkButton : dialog->CancelButton);
        });
        Choose(counter, QStringLiteral("PopupMenuCounterCounterValues"));
        QTest::qWait(20);
        EXPECT_EQ(counter->Caption().trimmed(), ok ? QStringLiteral("42") : QStringLiteral("5"));
    }
}

// Also through the Properties tool button, which opens the selected item's menu.
TEST_F(ItemDialogsPointer, SymbolDialogTakesListClicksFromThePropertiesButton) {
    window->Model().CreateItemFromValue({.kind = LabelItemKind::Symbol, .top = 20, .left = 30, .width = 0, .height = 0, .fontSize = 18, .fontColor = kColorBlack, .asciiChar = 40});
    auto* symbol = qobject_cast<TSymbol*>(LastItem());
    ASSERT_NE(symbol, nullptr);
    pointer.Click(symbol);
    ASSERT_EQ(window->Selection().Selected(), symbol);
    {
        ModalWatch watch = WhenModal<TGetSymbol>([&](TGetSymbol* dialog) {
            ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
            QListWidgetItem* entry = dialog->SymbolList->item(5);
            pointer.Click(dialog->SymbolList->viewport(),
                          dialog->SymbolList->visualItemRect(entry).center());
            ClickToClose(dialog, dialog->OkButton);
        });
        pointer.Click(window->ToolRow().PropertiesButton);
        QMenu* menu = WaitForPopup();
        ASSERT_NE(menu, nullptr) << "the Properties button opened no menu";
        ClickEntry(menu, QStringLiteral("PopupMenuSymbolSymbol"));
        QTest::qWait(20);
    }
    EXPECT_EQ(int(symbol->CharCode()), TGetSymbol::FirstCode + 5);
}

TEST_F(ItemDialogsPointer, ImageBrowserTakesListAndButtonClicks) {
    QImage picture(24, 16, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const QString first = dir.filePath(QStringLiteral("a-first.bmp"));
    const QString second = dir.filePath(QStringLiteral("b-second.bmp"));
    ASSERT_TRUE(picture.save(first, "BMP"));
    picture.fill(Qt::blue);
    ASSERT_TRUE(picture.save(second, "BMP"));
    window->Model().CreateItemFromValue({.kind = LabelItemKind::Image, .top = 20, .left = 30, .width = 0, .height = 0, .stretch = false, .fileName = first});
    auto* image = qobject_cast<TImage*>(LastItem());
    ASSERT_NE(image, nullptr);
    const auto clickSecond = [&](TImageBrowse* dialog) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
        const QList<QListWidgetItem*> found =
            dialog->FileListBox->findItems(QStringLiteral("b-second.bmp"), Qt::MatchFixedString);
        ASSERT_EQ(found.size(), 1) << "the browser opens at the folder of the item's picture";
        pointer.Click(dialog->FileListBox->viewport(),
                      dialog->FileListBox->visualItemRect(found.first()).center());
    };
    {
        ModalWatch watch = WhenModal<TImageBrowse>([&](TImageBrowse* dialog) {
            clickSecond(dialog);
            ClickToClose(dialog, dialog->CancelButton);
        });
        Choose(image, QStringLiteral("PopupMenuImageImageFile"));
    }
    EXPECT_EQ(image->Hint(), first);
    {
        ModalWatch watch = WhenModal<TImageBrowse>([&](TImageBrowse* dialog) {
            clickSecond(dialog);
            ClickToClose(dialog, dialog->OkButton);
        });
        Choose(image, QStringLiteral("PopupMenuImageImageFile"));
    }
    EXPECT_EQ(QFileInfo(image->Hint()).fileName(), QStringLiteral("b-second.bmp"));
}

// A path typed with real keys into the browser's path box: the preview follows the typing,
// Enter on a folder opens it and keeps the dialog, Enter on a picture chooses it.
TEST_F(ItemDialogsPointer, ImageBrowserTakesATypedPathAndEnter) {
    RealKeyboard keys;
    ASSERT_TRUE(keys.IsOpen());
    QImage picture(24, 16, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const QString first = dir.filePath(QStringLiteral("a-first.bmp"));
    ASSERT_TRUE(picture.save(first, "BMP"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("logos")));
    QImage logo(30, 20, QImage::Format_ARGB32);
    logo.fill(Qt::green);
    const QString typed = dir.filePath(QStringLiteral("logos/c-third.png"));
    ASSERT_TRUE(logo.save(typed, "PNG"));
    window->Model().CreateItemFromValue({.kind = LabelItemKind::Image, .top = 20, .left = 30, .width = 0, .height = 0, .stretch = false, .fileName = first});
    auto* image = qobject_cast<TImage*>(LastItem());
    ASSERT_NE(image, nullptr);
    QString folderAfterEnter;
    bool openAfterFolderEnter = false;
    QSize previewWhileTyping;
    {
        ModalWatch watch = WhenModal<TImageBrowse>([&](TImageBrowse* dialog) {
            ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
            pointer.Click(dialog->PathEdit, dialog->PathEdit->rect().center());
            for (int i = 0; i < 100 && QApplication::focusWidget() != dialog->PathEdit; ++i)
                QTest::qWait(10);
            keys.Type("logos");
            keys.Press("Return");
            QTest::qWait(50);
            folderAfterEnter = dialog->Directory();
            openAfterFolderEnter = dialog->isVisible();
            keys.Type("c-third.png");
            QTest::qWait(50);
            previewWhileTyping = dialog->PreviewImage()->size();
            keys.Press("Return");
            for (int i = 0; i < 100 && dialog->isVisible(); ++i)
                QTest::qWait(10);
        });
        Choose(image, QStringLiteral("PopupMenuImageImageFile"));
    }
    EXPECT_EQ(folderAfterEnter, dir.filePath(QStringLiteral("logos")));
    EXPECT_TRUE(openAfterFolderEnter) << "Enter on a folder closed the browser";
    EXPECT_EQ(previewWhileTyping, QSize(30, 20));
    EXPECT_EQ(image->Hint(), typed);
}
