#include "document/PrintItemsReader.h"
#include "document/ConversionError.h"
#include "document/ObjectsTextWriter.h"

#include "document/ScreenMetrics.h"

#include <gtest/gtest.h>

namespace {

QString lines(std::initializer_list<const char*> each) {
    QString text;
    for (const char* line : each)
        text += QString::fromUtf8(line) + "\r\n";
    return text;
}

TEST(PrintItemsReader, KeepsInchesAndTheTextOriginAsWritten) {
    SetScreenPixelsPerInch(120);
    LabelItemValue text;
    text.kind = LabelItemKind::Text;
    text.text = "Hello";
    text.left = 10;
    text.top = 120;
    text.relativeX = 6;
    text.relativeY = 12;
    text.fontName = "Arial";
    text.fontSize = 10;
    text.angle = -90;
    const PrintItemsText read = ReadPrintItems(WriteObjectsText({text}));
    SetScreenPixelsPerInch(96);
    ASSERT_EQ(read.lastIndex(), 0);
    const PrintItemValue& item = read.items[0];
    EXPECT_EQ(item.kind, LabelItemKind::Text);
    EXPECT_DOUBLE_EQ(item.left, 0.083);
    EXPECT_DOUBLE_EQ(item.top, 1.0);
    EXPECT_DOUBLE_EQ(item.relativeX, 0.05);
    EXPECT_DOUBLE_EQ(item.relativeY, 0.1);
    EXPECT_EQ(item.fontSize, 10.0);
    EXPECT_EQ(item.angle, 270);
    EXPECT_EQ(item.text, "Hello");
}

TEST(PrintItemsReader, EveryBlockGivesARecordWithItsKindCode) {
    const PrintItemsText read = ReadPrintItems(lines({
        "LABELITEM=COUNTER",
        "STARTINGNUMBER=5",
        "REPEATEACH=2",
        "LABELITEM=SYMBOL",
        "LABELITEM=RECTANGLE",
        "LABELITEM=ROUNDRECTANGLE",
        "LABELITEM=ELLIPSE",
        "LABELITEM=IMAGE",
        "LABELITEM=VERTICALLINE",
        "LABELITEM=HORIZONTALLINE",
        "LABELITEM=BARCODE",
        "LABELITEM=TEXT",
        "LABELITEM=COUNTER",
        "STARTINGNUMBER=7",
        "NOTHING=NOTHING",
    }));
    ASSERT_EQ(read.lastIndex(), 10);
    const int codes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1};
    for (int i = 0; i <= read.lastIndex(); ++i)
        EXPECT_EQ(int(read.items[static_cast<size_t>(i)].kind), codes[i]) << i;
    // The last counter settings read win.
    EXPECT_EQ(read.startingNumber, 7);
    EXPECT_EQ(read.repeatEach, 2);
}

TEST(PrintItemsReader, BarcodesKeepTheirDataAndBlocksOfUnknownKindsAreSkipped) {
    const PrintItemsText read = ReadPrintItems(lines({
        "LABELITEM=BARCODE",
        "TOP=0.250",
        "LEFT=0.125",
        "WIDTH=2.000",
        "HEIGHT=0.750",
        "SYMBOLOGY=EANX",
        "DATA=590123412345{#}",
        "SHOWTEXT=N",
        "COLOR=255",
        "BACKGROUND=65535",
        "LABELITEM=HOLOGRAM",
        "SHEEN=bright",
        "DATA=not mine",
        "LABELITEM=BARCODE",
        "SYMBOLOGY=AZTEC",
    }));
    ASSERT_EQ(read.lastIndex(), 1);
    const PrintItemValue& ean = read.items[0];
    EXPECT_EQ(ean.kind, LabelItemKind::Barcode);
    EXPECT_DOUBLE_EQ(ean.left, 0.125);
    EXPECT_DOUBLE_EQ(ean.height, 0.75);
    EXPECT_EQ(ean.symbology, BarcodeSymbology::Ean);
    EXPECT_EQ(ean.data, "590123412345{#}");
    EXPECT_FALSE(ean.showText);
    EXPECT_EQ(ean.color, 255);
    EXPECT_EQ(ean.background, 65535);
    // DATA starts empty in every block, as TEXT does.
    EXPECT_EQ(read.items[1].symbology, BarcodeSymbology::Aztec);
    EXPECT_EQ(read.items[1].data, "");
    // Any well-formed Zint name is kept (a newer Zint's too); others stop the reading.
    const PrintItemsText more = ReadPrintItems(
        lines({"LABELITEM=BARCODE", "SYMBOLOGY=MAXICODE", "ECC=3", "QUIET=N", "LABELITEM=BARCODE",
               "SYMBOLOGY=SOME_FUTURE_CODE"}));
    ASSERT_EQ(more.items.size(), 2u);
    EXPECT_EQ(BarcodeSymbologyName(more.items[0].symbology), "MAXICODE");
    EXPECT_EQ(BarcodeSymbologyName(more.items[1].symbology), "SOME_FUTURE_CODE");
    EXPECT_EQ(more.items[0].ecc, 3);
    EXPECT_FALSE(more.items[0].quietZones);
    EXPECT_EQ(more.items[1].ecc, 0); // the newer keys start afresh in every item
    EXPECT_TRUE(more.items[1].quietZones);
    EXPECT_THROW(ReadPrintItems(lines({"LABELITEM=BARCODE", "SYMBOLOGY=maxicode"})),
                 ConversionError);
}

// A text's further lines join its first; its box settings and a picture's FIT belong to their
// own item only.
TEST(PrintItemsReader, TextLinesAndBoxSettingsBelongToTheirItem) {
    const PrintItemsText read = ReadPrintItems(lines({
        "LABELITEM=TEXT", "TEXT={Name}", "TEXTLINE={Street}", "TEXTLINE=", "TEXTLINE={City}",
        "BOX=Y", "ALIGN=C", "VALIGN=B", "WRAP=Y", "SHRINK=Y", "MINFONTSIZE=7.5",
        "LINESPACING=1.250", "SKIPBLANK=Y", "LABELITEM=IMAGE", "FIT=Y", "LABELITEM=TEXT",
        "TEXT=plain",
    }));
    ASSERT_EQ(read.items.size(), 3u);
    EXPECT_EQ(read.items[0].text, "{Name}\n{Street}\n\n{City}");
    const TextBoxOptions& box = read.items[0].textBox;
    EXPECT_TRUE(box.box && box.wrap && box.shrink && box.skipBlank);
    EXPECT_EQ(box.align, TextAlign::Centre);
    EXPECT_EQ(box.valign, TextVAlign::Bottom);
    EXPECT_DOUBLE_EQ(box.minFontSize, 7.5);
    EXPECT_DOUBLE_EQ(box.lineSpacing, 1.25);
    EXPECT_TRUE(read.items[1].fit);
    EXPECT_EQ(read.items[1].textBox, TextBoxOptions{});
    EXPECT_FALSE(read.items[2].fit);
    EXPECT_EQ(read.items[2].text, "plain");
    EXPECT_THROW(ReadPrintItems(lines({"LABELITEM=TEXT", "LINESPACING=wide"})), ConversionError);
}

TEST(PrintItemsReader, NoItemsGivesLastIndexMinusOneAndNoCounter) {
    const PrintItemsText read = ReadPrintItems("NOTHING=NOTHING\r\n");
    EXPECT_EQ(read.lastIndex(), -1);
    EXPECT_EQ(read.startingNumber, 0);
    EXPECT_EQ(read.repeatEach, 0);
}

TEST(PrintItemsReader, StringsStartEmptyInEachBlockWhileNumbersAndFlagsCarryOver) {
    const PrintItemsText read = ReadPrintItems(lines({
        "LABELITEM=TEXT",
        "TEXT=one",
        "FONTNAME=Arial",
        "FONTSIZE=14",
        "FONTBOLD=Y",
        "ANGLE=90",
        "ORIENTATION=Vertical",
        "LABELITEM=IMAGE",
        "FILENAMEANDPATH=/a.bmp",
        "STRETCH=Y",
        "LABELITEM=TEXT",
        "BRUSHSTYLE=SOLID",
        "BRUSHSTYLE=TARTAN",
    }));
    ASSERT_EQ(read.items.size(), 3u);
    EXPECT_EQ(read.items[1].text, "");
    EXPECT_EQ(read.items[1].fontName, "");
    EXPECT_EQ(read.items[1].fileName, "/a.bmp");
    EXPECT_EQ(read.items[2].fileName, "");
    EXPECT_EQ(read.items[2].fontSize, 14.0);
    EXPECT_TRUE(read.items[2].bold);
    EXPECT_TRUE(read.items[2].stretch);
    EXPECT_EQ(read.items[2].angle, 90);
    EXPECT_EQ(read.items[0].orientation, u'V');
    EXPECT_EQ(read.items[0].brushStyle, TBrushStyle::Clear); // clear until a block names another
    EXPECT_EQ(read.items[2].brushStyle, TBrushStyle::Solid);
}

TEST(PrintItemsReader, PenWidthIsNegatedHundredthsOfAnInchAt96PerInch) {
    const std::pair<const char*, int> cases[] = {{"1", -1},    {"23", -23}, {"24", -25},
                                                 {"96", -100}, {"0", 0},    {"-48", 50}};
    for (const auto& [pixels, hundredths] : cases) {
        const auto read = ReadPrintItems(lines({"LABELITEM=HORIZONTALLINE"}) +
                                         QStringLiteral("LINETHICKNESS=%1\r\n").arg(pixels));
        EXPECT_EQ(read.items.at(0).penWidth, hundredths) << pixels;
    }
}

TEST(PrintItemsReader, LongNamesAreKeptWhole) {
    const QString font(60, u'F');
    const QString file = "/pictures/" + QString(120, u'x') + ".bmp";
    const auto read = ReadPrintItems("LABELITEM=TEXT\r\nFONTNAME=" + font +
                                     "\r\nLABELITEM=IMAGE\r\nFILENAMEANDPATH=" + file + "\r\n");
    EXPECT_EQ(read.items.at(0).fontName, font);
    EXPECT_EQ(read.items.at(1).fileName, file);
}

TEST(PrintItemsReader, MalformedNumbersStopWithTheConversionMessage) {
    try {
        ReadPrintItems(lines({"LABELITEM=TEXT", "RELATIVEX=zero"}));
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_EQ(error.message(), "'zero' is not a valid floating point value");
    }
    try {
        ReadPrintItems(lines({"LABELITEM=COUNTER", "REPEATEACH=2x"}));
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_EQ(error.message(), "'2x' is not a valid integer value");
    }
}

} // namespace
