#include "designer/LabelItems.h"
#include "document/ScreenMetrics.h"
#include "controls/TBarcode.h"
#include "controls/TCanvasPanel.h"
#include "controls/TCounterLabel.h"
#include "controls/TImage.h"
#include "controls/TPim3DLabel.h"
#include "controls/TSymbol.h"
#include "document/ConversionError.h"
#include "designer/ItemPrompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

// Answers the item questions from a script and records what was asked.
class ScriptedPrompts : public ItemPrompts {
public:
    QStringList messages;
    int counterQuestions = 0, symbolQuestions = 0, imageQuestions = 0;
    bool answerOk = true;
    int startingNumber = 100, repeatCount = 4, symbolCode = 33;
    qint32 symbolColour = 255;
    QString imageFile;

    void ShowInformation(const QString& message) override { messages << message; }
    bool AskNewCounter(int& start, int& repeat) override {
        ++counterQuestions;
        start = startingNumber;
        repeat = repeatCount;
        return answerOk;
    }
    bool AskSymbol(int& code, qint32& colour) override {
        ++symbolQuestions;
        code = symbolCode;
        colour = symbolColour;
        return answerOk;
    }
    QString GetImageFile() override {
        ++imageQuestions;
        return imageFile;
    }
};

class LabelItemsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetScreenPixelsPerInch(96);
        panel_ = new TCanvasPanel(&window_);
        panel_->resize(300, 200);
        LabelItems::Hooks hooks;
        hooks.TriggerChange = [this] { ++changes_; };
        hooks.DetachSelection = [this] { ++detaches_; };
        hooks.ItemCreated = [this](QWidget*, LabelItemKind kind) { created_.push_back(kind); };
        items_ = std::make_unique<LabelItems>(panel_, &window_, prompts_, hooks);
        ASSERT_TRUE(dir_.isValid());
    }
    void TearDown() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QStringList names() const {
        QStringList list;
        for (QWidget* item : items_->OrderList())
            list << item->objectName();
        return list;
    }
    void addLine() { items_->CreateLineItem(stHorizontal, 0, 0, 50, 1, 0, 1); }
    void addCounter(int start) {
        items_->CreateCounterItem(5, 5, 0, 0, 0, "Arial", 10, 0, false, false, false, start, 2);
    }
    QString bitmap(const QString& fileName, int width = 10, int height = 6) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::red);
        const QString path = dir_.filePath(fileName);
        EXPECT_TRUE(image.save(path, "BMP"));
        return path;
    }

    QWidget window_;
    TCanvasPanel* panel_ = nullptr;
    ScriptedPrompts prompts_;
    std::unique_ptr<LabelItems> items_;
    int changes_ = 0, detaches_ = 0;
    std::vector<LabelItemKind> created_;
    QTemporaryDir dir_;
};

QString lines(std::initializer_list<const char*> each) {
    QString text;
    for (const char* line : each)
        text += QString::fromUtf8(line) + "\r\n";
    return text;
}

TEST_F(LabelItemsTest, ItemsTakeTheLowestFreeNameAndReusedNamesGoToTheFront) {
    addLine();
    addLine();
    addLine();
    EXPECT_EQ(names(), QStringList({"Special1", "Special2", "Special3"}));
    EXPECT_EQ(changes_, 3);
    EXPECT_EQ(panel_->findChild<QWidget*>("Special1")->parentWidget(), panel_);

    items_->DeleteObject(items_->OrderList()[1]);
    EXPECT_EQ(changes_, 4);
    EXPECT_EQ(detaches_, 1);
    items_->CreateShapeItem(stEllipse, 1, 2, 30, 20, 0, 0, 1, 0, TBrushStyle::Solid);
    EXPECT_EQ(names(), QStringList({"Special1", "Special3", "Special2"}));

    // Names in use anywhere under the window count, whatever their case.
    QObject other(&window_);
    other.setObjectName("SPECIAL4");
    EXPECT_EQ(items_->FindNextAvailable("Special"), "Special5");
}

TEST_F(LabelItemsTest, TheThousandAndFirstItemIsRefusedWithAMessage) {
    for (int i = 0; i < 1000; ++i)
        addLine();
    ASSERT_EQ(items_->OrderList().size(), 1000);
    EXPECT_EQ(items_->OrderList().back()->objectName(), "Special1000");
    const int changesBefore = changes_;

    items_->CreateTextItem("one too many", 0, 0, 0, 0, 0, "Arial", 10, 0, false, false, false);
    EXPECT_EQ(items_->OrderList().size(), 1000);
    EXPECT_EQ(changes_, changesBefore);
    ASSERT_EQ(prompts_.messages.size(), 1);
    EXPECT_TRUE(prompts_.messages[0].contains("1000"));

    // Asking kinds are refused before anyone is asked.
    addCounter(-1);
    EXPECT_EQ(prompts_.counterQuestions, 0);
    // A stored text with more items says so once.
    prompts_.messages.clear();
    items_->REstoreItems(lines({"LABELITEM=ELLIPSE", "LABELITEM=ELLIPSE", "LABELITEM=ELLIPSE"}));
    EXPECT_EQ(prompts_.messages.size(), 1);
    EXPECT_EQ(items_->OrderList().size(), 1000);
}

TEST_F(LabelItemsTest, OnlyOneCounterIsPlacedByHandButStoredCountersAreAllCreated) {
    addCounter(-1);
    ASSERT_EQ(prompts_.counterQuestions, 1);
    auto* counter = qobject_cast<TCounterLabel*>(items_->OrderList().at(0));
    ASSERT_NE(counter, nullptr);
    EXPECT_EQ(counter->Caption(), "100"); // the dialog's values, not the ones passed in
    EXPECT_EQ(counter->Tag(), 4);
    EXPECT_TRUE(items_->AlreadyACounter());

    addCounter(-1);
    EXPECT_EQ(prompts_.counterQuestions, 1);
    EXPECT_EQ(prompts_.messages, QStringList({"There is a limit of one Counter per label"}));
    EXPECT_EQ(items_->OrderList().size(), 1);

    // A starting number passed in makes no test; a declined dialog creates nothing.
    addCounter(7);
    EXPECT_EQ(items_->OrderList().size(), 2);
    items_->DeleteAllItems();
    prompts_.answerOk = false;
    addCounter(-1);
    EXPECT_TRUE(items_->OrderList().isEmpty());
    EXPECT_FALSE(items_->AlreadyACounter());

    items_->REstoreItems(
        lines({"LABELITEM=COUNTER", "STARTINGNUMBER=1", "LABELITEM=COUNTER", "STARTINGNUMBER=2"}));
    EXPECT_EQ(items_->OrderList().size(), 2);
}

TEST_F(LabelItemsTest, DeletingAllItemsSignalsNoChange) {
    items_->DeleteAllItems();
    EXPECT_EQ(changes_, 0);
    addLine();
    addCounter(3);
    QWidget stranger(panel_);
    stranger.setObjectName("Other");
    items_->OrderListAdd(&stranger);
    changes_ = 0;
    items_->DeleteAllItems();
    EXPECT_EQ(changes_, 0);
    EXPECT_GE(detaches_, 1);
    // Only label items are removed; their names are free again at once.
    EXPECT_EQ(names(), QStringList({"Other"}));
    EXPECT_EQ(items_->FindNextAvailable("Special"), "Special1");
    items_->OrderListDelete(&stranger);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(panel_->findChildren<QWidget*>().size(), 1);
}

TEST_F(LabelItemsTest, OrderListMovesDecideTheOrderOfTheObjectsText) {
    addLine();
    items_->CreateShapeItem(stRectangle, 0, 0, 10, 10, 0, 0, 1, 0, TBrushStyle::Clear);
    items_->CreateSymbolItem(65, 0, 0, 0, 0, 12, 0);
    QWidget* line = items_->OrderList()[0];
    QWidget* symbol = items_->OrderList()[2];
    items_->OrderListBringToFront(line);
    items_->OrderListSendToBack(symbol);
    QWidget notListed;
    items_->OrderListBringToFront(&notListed);
    EXPECT_EQ(names(), QStringList({"Special3", "Special2", "Special1"}));
    const QString text = items_->SaveItems();
    EXPECT_LT(text.indexOf("LABELITEM=SYMBOL"), text.indexOf("LABELITEM=RECTANGLE"));
    EXPECT_LT(text.indexOf("LABELITEM=RECTANGLE"), text.indexOf("LABELITEM=HORIZONTALLINE"));
}

TEST_F(LabelItemsTest, AllNineKindsComeBackUnchangedThroughTheObjectsText) {
    const QString picture = bitmap("logo.bmp", 12, 9);
    items_->CreateTextItem("Welcome", 10, 20, 0, 0, -90, "Arial", 10, 0, true, false, true);
    addCounter(5);
    items_->CreateSymbolItem(74, 40, 40, 0, 0, 20, 255);
    items_->CreateShapeItem(stRectangle, 50, 5, 40, 30, 65280, 0, 2, 0, TBrushStyle::Cross);
    items_->CreateShapeItem(stRoundRect, 50, 50, 40, 30, 0, 255, 1, 30, TBrushStyle::Solid);
    items_->CreateShapeItem(stEllipse, 90, 5, 25, 25, 0, 0, 3, 0, TBrushStyle::Clear);
    items_->CreateLineItem(stHorizontal, 120, 0, 100, 4, 16711680, 2);
    items_->CreateLineItem(stVertical, 0, 150, 3, 100, 0, 3);
    items_->CreateImageItem(130, 130, 0, 0, picture, false);
    items_->CreateImageItem(10, 200, 60, 40, picture, true);
    ASSERT_EQ(items_->OrderList().size(), 10);
    EXPECT_EQ(items_->OrderList()[8]->size(), QSize(12, 9)); // natural size, unstretched
    EXPECT_EQ(items_->OrderList()[9]->size(), QSize(60, 40));
    EXPECT_EQ(items_->OrderList()[0]->findChild<QWidget*>(), nullptr);

    const QString saved = items_->SaveItems();
    EXPECT_TRUE(saved.contains("ANGLE=270\r\n"));
    items_->DeleteAllItems();
    created_.clear();
    changes_ = 0;
    items_->REstoreItems(saved);
    EXPECT_EQ(created_.size(), 10u);
    EXPECT_EQ(items_->SaveItems(), saved);
    EXPECT_EQ(qobject_cast<TPim3DLabel*>(items_->OrderList()[0])->Angle(), -90);
    EXPECT_TRUE(prompts_.messages.isEmpty());
}

TEST_F(LabelItemsTest, BarcodesComeBackUnchangedAndShowTheCounterStartForTheCounterField) {
    items_->CreateBarcodeItem(10, 20, 0, 0, BarcodeSymbology::Code128, "TAG-{#}", true, 255,
                              16777215);
    items_->CreateBarcodeItem(60, 20, 96, 96, BarcodeSymbology::QrCode, "line\nbreak", false, 0,
                              65280);
    ASSERT_EQ(items_->OrderList().size(), 2);
    auto* tag = qobject_cast<TBarcode*>(items_->OrderList()[0]);
    ASSERT_NE(tag, nullptr);
    // A fresh item takes the symbol's own size: wider than tall for a linear code.
    EXPECT_GT(tag->width(), tag->height());
    EXPECT_EQ(tag->DataShown(), "TAG-0"); // no counter yet
    addCounter(41);
    tag->setData(tag->Data());
    EXPECT_EQ(tag->DataShown(), "TAG-41");
    EXPECT_EQ(qobject_cast<TBarcode*>(items_->OrderList()[1])->Data(), "linebreak");
    EXPECT_EQ(created_.front(), LabelItemKind::Barcode);

    const QString saved = items_->SaveItems();
    EXPECT_TRUE(saved.contains("LABELITEM=BARCODE\r\nTOP=0.104\r\nLEFT=0.208\r\n"));
    EXPECT_TRUE(saved.contains("SYMBOLOGY=QRCODE\r\nDATA=linebreak\r\nSHOWTEXT=N\r\nCOLOR=0\r\n"
                               "BACKGROUND=65280\r\n"));
    items_->DeleteAllItems();
    items_->REstoreItems(saved);
    EXPECT_EQ(items_->SaveItems(), saved);
}

// A text box's lines and settings, a picture's FIT and a barcode's ECC and quiet zones come
// back as they were stored, however the panel shows them.
TEST_F(LabelItemsTest, NewerKeysAreWrittenBackAsTheyWereRead) {
    const QString stored =
        lines({"LABELITEM=TEXT", "TEXT={Name}", "TOP=0.100", "LEFT=0.100", "WIDTH=2.000",
               "HEIGHT=0.800", "FONTNAME=Arial", "FONTCOLOR=0", "FONTSIZE=12", "FONTBOLD=N",
               "FONTITALIC=N", "FONTUNDER=N", "ANGLE=0", "RELATIVEX=0.000", "RELATIVEY=0.000",
               "TEXTLINE={Street}", "TEXTLINE={City}", "BOX=Y", "ALIGN=C", "SHRINK=Y",
               "MINFONTSIZE=7", "LABELITEM=BARCODE", "TOP=1.000", "LEFT=0.100", "WIDTH=1.000",
               "HEIGHT=1.000", "SYMBOLOGY=QRCODE", "DATA={Id}", "SHOWTEXT=N", "COLOR=0",
               "BACKGROUND=16777215", "ECC=4", "QUIET=N"});
    items_->REstoreItems(stored);
    ASSERT_EQ(items_->OrderList().size(), 2);
    const QString saved = items_->SaveItems();
    for (const char* line : {"TEXTLINE={Street}\r\nTEXTLINE={City}\r\nBOX=Y\r\nALIGN=C\r\n"
                             "SHRINK=Y\r\nMINFONTSIZE=7\r\n",
                             "BACKGROUND=16777215\r\nECC=4\r\nQUIET=N\r\n"})
        EXPECT_TRUE(saved.contains(QLatin1String(line))) << saved.toStdString();
}

TEST_F(LabelItemsTest, ItemsOfUnknownKindsAreKeptInPlaceAndWrittenBackUnchanged) {
    const QString future = lines({"LABELITEM=HOLOGRAM", "TOP=0.100", "SHEEN=7", "COLOR=5"});
    items_->CreateLineItem(stHorizontal, 0, 0, 50, 1, 0, 1);
    items_->CreateShapeItem(stRectangle, 50, 5, 40, 30, 65280, 0, 2, 0, TBrushStyle::Cross);
    const QString two = items_->SaveItems();
    const qsizetype rectangle = two.indexOf("LABELITEM=RECTANGLE");
    const QString stored = lines({"LABELITEM=WHATNOT"}) + two.left(rectangle) + future +
                           two.mid(rectangle).remove("NOTHING=NOTHING\r\n");
    items_->DeleteAllItems();
    items_->REstoreItems(stored);
    EXPECT_EQ(items_->OrderList().size(), 2);
    EXPECT_EQ(items_->KeptItemCount(), 2);
    QString expected = stored;
    if (expected.size() % 4 == 0)
        expected += "NOTHING=NOTHING\r\n";
    EXPECT_EQ(items_->SaveItems(), expected);

    // The block after a deleted item follows the item before it; sending the rectangle to
    // the back leaves the blocks where they stood.
    items_->OrderListSendToBack(items_->OrderList()[1]);
    QString afterMove = items_->SaveItems();
    EXPECT_LT(afterMove.indexOf("LABELITEM=WHATNOT"), afterMove.indexOf("LABELITEM=RECTANGLE"));
    EXPECT_LT(afterMove.indexOf("LABELITEM=RECTANGLE"),
              afterMove.indexOf("LABELITEM=HORIZONTALLINE"));
    EXPECT_LT(afterMove.indexOf("LABELITEM=HORIZONTALLINE"),
              afterMove.indexOf("LABELITEM=HOLOGRAM"));
    items_->DeleteObject(items_->OrderList()[1]);
    afterMove = items_->SaveItems();
    EXPECT_TRUE(afterMove.contains(future));
    EXPECT_LT(afterMove.indexOf("LABELITEM=RECTANGLE"), afterMove.indexOf("LABELITEM=HOLOGRAM"));
    items_->DeleteAllItems();
    EXPECT_EQ(items_->KeptItemCount(), 0);
    EXPECT_EQ(items_->SaveItems(), "NOTHING=NOTHING\r\n");
}

// What undo puts back: every item under its own name, in its place in the order, with the
// kept blocks of unknown kinds, and values the objects text would cut (a text over 99
// characters) whole.
TEST_F(LabelItemsTest, ASnapshotBringsTheItemsBackExactlyUnderTheirNames) {
    items_->REstoreItems(lines({"LABELITEM=RECTANGLE", "TOP=0.100", "LABELITEM=HOLOGRAM", "SHEEN=7",
                                "LABELITEM=HORIZONTALLINE", "WIDTH=0.500"}));
    const QString longText(150, u'x');
    items_->CreateTextItem(longText, 5, 5, 0, 0, 30, "Arial", 9, 255, false, true, false);
    items_->OrderListSendToBack(items_->OrderList()[2]);
    items_->DeleteObject(items_->OrderList()[1]); // Special1 goes; its name is free again
    items_->CreateSymbolItem(74, 1, 1, 0, 0, 12, 0);
    const LabelItems::Snapshot snapshot = items_->TakeSnapshot();
    EXPECT_EQ(snapshot.names, (QStringList{"Special3", "Special2", "Special1"}));
    const QString saved = items_->SaveItems();

    items_->DeleteAllItems();
    items_->RestoreSnapshot(snapshot);
    EXPECT_EQ(items_->TakeSnapshot(), snapshot);
    EXPECT_EQ(items_->SaveItems(), saved);
    EXPECT_EQ(items_->KeptItemCount(), 1);
    EXPECT_EQ(qobject_cast<TPim3DLabel*>(items_->OrderList()[0])->Caption(), longText);
    QStringList stacking;
    for (QObject* child : panel_->children())
        if (LabelItems::IsLabelItem(child))
            stacking << child->objectName();
    EXPECT_EQ(stacking, snapshot.names);
}

TEST_F(LabelItemsTest, StoredAskingValuesAreCreatedAsStoredWithoutAsking) {
    items_->REstoreItems(lines({"LABELITEM=COUNTER", "STARTINGNUMBER=-1", "REPEATEACH=3",
                                "LABELITEM=COUNTER", "STARTINGNUMBER=-1", "LABELITEM=SYMBOL",
                                "ASCIICHAR=0", "LABELITEM=IMAGE", "FILENAMEANDPATH="}));
    EXPECT_EQ(prompts_.counterQuestions + prompts_.symbolQuestions + prompts_.imageQuestions, 0);
    EXPECT_TRUE(prompts_.messages.isEmpty());
    ASSERT_EQ(items_->OrderList().size(), 4);
    EXPECT_EQ(qobject_cast<TCounterLabel*>(items_->OrderList()[1])->Caption(), "-1");
    EXPECT_EQ(qobject_cast<TSymbol*>(items_->OrderList()[2])->CharCode(), 0);
    const QString saved = items_->SaveItems();
    EXPECT_EQ(saved.count("STARTINGNUMBER=-1\r\n"), 2);
    EXPECT_TRUE(saved.contains("ASCIICHAR=0\r\n"));
}

TEST_F(LabelItemsTest, AStoredImageWhoseFileIsMissingIsKeptAndSavedUnchanged) {
    const QString missing = dir_.filePath("moved away/logo.bmp");
    const QString stored = "LABELITEM=IMAGE\r\nTOP=0.500\r\nLEFT=0.250\r\nWIDTH=1.000\r\n"
                           "HEIGHT=0.750\r\nSTRETCH=N\r\nFILENAMEANDPATH=" +
                           missing + "\r\n";
    items_->REstoreItems(stored);
    ASSERT_EQ(items_->OrderList().size(), 1);
    auto* image = qobject_cast<TImage*>(items_->OrderList()[0]);
    ASSERT_NE(image, nullptr);
    EXPECT_FALSE(image->HasPicture());
    EXPECT_EQ(image->geometry(), QRect(24, 48, 96, 72));
    QString expected = stored;
    if (expected.size() % 4 == 0)
        expected += "NOTHING=NOTHING\r\n";
    EXPECT_EQ(items_->SaveItems(), expected);
}

TEST_F(LabelItemsTest, PlacedImagesMustBeReadablePictureFiles) {
    const QString upper = bitmap("photo.Bmp");
    QFile::copy(upper, dir_.filePath("photo.jpg"));
    QFile garbage(dir_.filePath("broken.bmp"));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("not a picture");
    garbage.close();

    items_->CreateImageItem(0, 0, 0, 0, dir_.filePath("none.bmp"), false);
    items_->CreateImageItem(0, 0, 0, 0, dir_.filePath("photo.jpg"), false);
    items_->CreateImageItem(0, 0, 0, 0, dir_.filePath("broken.bmp"), false);
    prompts_.imageFile = "";
    items_->CreateImageItem(0, 0, 0, 0, "", false);
    EXPECT_TRUE(items_->OrderList().isEmpty());
    EXPECT_TRUE(prompts_.messages.isEmpty());

    prompts_.imageFile = upper;
    items_->CreateImageItem(3, 4, 0, 0, "", true);
    EXPECT_EQ(prompts_.imageQuestions, 2);
    ASSERT_EQ(items_->OrderList().size(), 1);
    EXPECT_EQ(qobject_cast<TImage*>(items_->OrderList()[0])->Hint(), upper);
}

TEST_F(LabelItemsTest, LineBreaksNeverReachAnItem) {
    const QString path = bitmap("a.bmp");
    items_->CreateImageItem(0, 0, 0, 0, path + "\n", false);
    EXPECT_TRUE(items_->OrderList().isEmpty());
    ASSERT_EQ(prompts_.messages.size(), 1);

    items_->CreateTextItem("two\r\nlines", 0, 0, 0, 0, 0, "Arial", 10, 0, false, false, false);
    EXPECT_EQ(qobject_cast<TPim3DLabel*>(items_->OrderList()[0])->Caption(), "twolines");
}

TEST_F(LabelItemsTest, SymbolsAskForTheirCharacterWhenGivenNone) {
    prompts_.symbolCode = 33;
    items_->CreateSymbolItem(0, 0, 0, 0, 0, 16, 0);
    ASSERT_EQ(items_->OrderList().size(), 1);
    auto* symbol = qobject_cast<TSymbol*>(items_->OrderList()[0]);
    EXPECT_EQ(symbol->CharCode(), 33);
    EXPECT_EQ(symbol->FontColor(), 255); // the dialog's colour replaces the one passed in
    EXPECT_EQ(symbol->FontName(), "WingDings");
    prompts_.answerOk = false;
    items_->CreateSymbolItem(0, 0, 0, 0, 0, 16, 0);
    EXPECT_EQ(items_->OrderList().size(), 1);
}

TEST_F(LabelItemsTest, AConversionErrorKeepsTheItemsCreatedBeforeIt) {
    try {
        items_->REstoreItems(lines(
            {"LABELITEM=RECTANGLE", "LABELITEM=ELLIPSE", "LINECOLOR=red", "LABELITEM=RECTANGLE"}));
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_EQ(error.message(), "'red' is not a valid integer value");
    }
    EXPECT_EQ(names(), QStringList({"Special1"}));
}

} // namespace
