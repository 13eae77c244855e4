#include "document/ScreenMetrics.h"
#include "document/ConversionError.h"
#include "document/ObjectsTextReader.h"
#include "document/ObjectsTextWriter.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class ObjectsText : public ::testing::Test {
protected:
    void SetUp() override { SetScreenPixelsPerInch(96); }
    void TearDown() override { SetScreenPixelsPerInch(96); }

    static std::vector<LabelItemValue> read(const QString& text) {
        std::vector<LabelItemValue> items;
        ReadObjectsText(text, [&](const LabelItemValue& item) { items.push_back(item); });
        return items;
    }

    // Reads until the error and gives back its message and the items created before it.
    static QString readError(const QString& text, std::vector<LabelItemValue>& items) {
        try {
            ReadObjectsText(text, [&](const LabelItemValue& item) { items.push_back(item); });
        } catch (const ConversionError& error) {
            return error.message();
        }
        return {};
    }
};

LabelItemValue welcomeText(const QString& caption) {
    LabelItemValue text;
    text.kind = LabelItemKind::Text;
    text.text = caption;
    text.left = 20;
    text.top = 10;
    text.width = 40;
    text.height = 16;
    text.fontName = "Arial";
    text.fontSize = 10;
    text.bold = true;
    return text;
}

LabelItemValue hollowRectangle() {
    LabelItemValue box;
    box.kind = LabelItemKind::Rectangle;
    box.left = 24;
    box.top = 48;
    box.width = 25;
    box.height = 25;
    box.penWidth = 1;
    box.brushStyle = TBrushStyle::Clear;
    return box;
}

QString lines(std::initializer_list<const char*> each) {
    QString text;
    for (const char* line : each)
        text += QString::fromUtf8(line) + "\r\n";
    return text;
}

// One item of every kind with distinct values in every field its lines carry.
std::vector<LabelItemValue> allNineKinds() {
    std::vector<LabelItemValue> items;
    LabelItemValue text = welcomeText("Label = text");
    text.angle = 45;
    text.fontColor = 255;
    text.italic = true;
    text.underline = true;
    text.relativeX = 3;
    text.relativeY = 7;
    items.push_back(text);
    LabelItemValue counter = text;
    counter.kind = LabelItemKind::Counter;
    counter.angle = -90;
    counter.startingNumber = -1;
    counter.repeatEach = 3;
    counter.fontColor = -2147483643; // a system colour
    items.push_back(counter);
    LabelItemValue symbol;
    symbol.kind = LabelItemKind::Symbol;
    symbol.asciiChar = 0;
    symbol.fontSize = 24;
    symbol.fontColor = 16777215;
    symbol.left = -5;
    items.push_back(symbol);
    for (auto kind :
         {LabelItemKind::Rectangle, LabelItemKind::RoundRectangle, LabelItemKind::Ellipse}) {
        LabelItemValue shape = hollowRectangle();
        shape.kind = kind;
        shape.brushStyle = TBrushStyle::DiagCross;
        shape.brushColor = 65280;
        shape.penColor = 255;
        shape.penWidth = 4;
        shape.rounding = kind == LabelItemKind::RoundRectangle ? 35 : 0;
        items.push_back(shape);
    }
    for (auto kind : {LabelItemKind::HorizontalLine, LabelItemKind::VerticalLine}) {
        LabelItemValue line;
        line.kind = kind;
        line.width = 100;
        line.height = 2;
        line.penWidth = 2;
        line.penColor = 123456;
        items.push_back(line);
    }
    LabelItemValue image;
    image.kind = LabelItemKind::Image;
    image.fileName = "/pictures/logo=1.bmp";
    image.stretch = true;
    image.width = 120;
    image.height = 80;
    items.push_back(image);
    return items;
}

// What reading gives back for what was written: the reader does not keep the text origin,
// and the value slots an item's kind does not write carry over from the items before it.
void expectSameStoredFields(const LabelItemValue& read, const LabelItemValue& written) {
    EXPECT_EQ(read.kind, written.kind);
    EXPECT_EQ(read.left, written.left);
    EXPECT_EQ(read.top, written.top);
    EXPECT_EQ(read.width, written.width);
    EXPECT_EQ(read.height, written.height);
    switch (written.kind) {
    case LabelItemKind::Text:
    case LabelItemKind::Counter:
        EXPECT_EQ(read.fontName, written.fontName);
        EXPECT_EQ(read.fontSize, written.fontSize);
        EXPECT_EQ(read.fontColor, written.fontColor);
        EXPECT_EQ(read.bold, written.bold);
        EXPECT_EQ(read.italic, written.italic);
        EXPECT_EQ(read.underline, written.underline);
        if (written.kind == LabelItemKind::Text) {
            EXPECT_EQ(read.text, written.text);
        } else {
            EXPECT_EQ(read.startingNumber, written.startingNumber);
            EXPECT_EQ(read.repeatEach, written.repeatEach);
        }
        break;
    case LabelItemKind::Symbol:
        EXPECT_EQ(read.asciiChar, written.asciiChar);
        EXPECT_EQ(read.fontSize, written.fontSize);
        EXPECT_EQ(read.fontColor, written.fontColor);
        break;
    case LabelItemKind::Rectangle:
    case LabelItemKind::RoundRectangle:
    case LabelItemKind::Ellipse:
        EXPECT_EQ(read.brushStyle, written.brushStyle);
        EXPECT_EQ(read.brushColor, written.brushColor);
        if (written.kind == LabelItemKind::RoundRectangle) {
            EXPECT_EQ(read.rounding, written.rounding);
        }
        [[fallthrough]];
    case LabelItemKind::HorizontalLine:
    case LabelItemKind::VerticalLine:
        EXPECT_EQ(read.penWidth, written.penWidth);
        EXPECT_EQ(read.penColor, written.penColor);
        break;
    case LabelItemKind::Image:
        EXPECT_EQ(read.fileName, written.fileName);
        EXPECT_EQ(read.stretch, written.stretch);
        break;
    case LabelItemKind::Barcode:
        EXPECT_EQ(read.symbology, written.symbology);
        EXPECT_EQ(read.barcodeData, written.barcodeData);
        EXPECT_EQ(read.showText, written.showText);
        EXPECT_EQ(read.brushColor, written.brushColor);
        EXPECT_EQ(read.backgroundColor, written.backgroundColor);
        break;
    }
}

LabelItemValue assetTag() {
    LabelItemValue tag;
    tag.kind = LabelItemKind::Barcode;
    tag.left = 10;
    tag.top = 20;
    tag.width = 192;
    tag.height = 48;
    tag.symbology = BarcodeSymbology::QrCode;
    tag.barcodeData = "ASSET-{#} {Room}=a";
    tag.showText = false;
    tag.brushColor = 128;
    tag.backgroundColor = -2147483643;
    return tag;
}

TEST_F(ObjectsText, WorkedExampleIsWrittenByteForByteWithItsFillerLine) {
    const QString expected = lines({
        "LABELITEM=TEXT",   "TEXT=Welcome",    "TOP=0.104",       "LEFT=0.208",
        "WIDTH=0.417",      "HEIGHT=0.167",    "FONTNAME=Arial",  "FONTCOLOR=0",
        "FONTSIZE=10",      "FONTBOLD=Y",      "FONTITALIC=N",    "FONTUNDER=N",
        "ANGLE=0",          "RELATIVEX=0.000", "RELATIVEY=0.000", "LABELITEM=RECTANGLE",
        "TOP=0.500",        "LEFT=0.250",      "WIDTH=0.260",     "HEIGHT=0.260",
        "BRUSHSTYLE=CLEAR", "COLOR=0",         "LINETHICKNESS=1", "LINECOLOR=0",
        "NOTHING=NOTHING",
    });
    EXPECT_EQ(WriteObjectsText({welcomeText("Welcome"), hollowRectangle()}), expected);
    // 332 characters without the filler: a multiple of 4.
    EXPECT_EQ(expected.size() - QStringLiteral("NOTHING=NOTHING\r\n").size(), 332);

    // "Hello" makes it 330 characters: the text ends after LINECOLOR=0.
    const QString hello = WriteObjectsText({welcomeText("Hello"), hollowRectangle()});
    EXPECT_EQ(hello.size(), 330);
    EXPECT_TRUE(hello.endsWith("LINETHICKNESS=1\r\nLINECOLOR=0\r\n"));
}

TEST_F(ObjectsText, EmptyLabelIsTheFillerLineAloneAndReadsAsNoItems) {
    EXPECT_EQ(WriteObjectsText({}), "NOTHING=NOTHING\r\n");
    EXPECT_TRUE(read(WriteObjectsText({})).empty());
}

TEST_F(ObjectsText, KindLinesComeInTheirFixedOrder) {
    const auto items = allNineKinds();
    QString counter;
    AppendItemLines(counter, items[1]);
    EXPECT_EQ(counter,
              lines({"LABELITEM=COUNTER", "TOP=0.104", "LEFT=0.208", "WIDTH=0.417", "HEIGHT=0.167",
                     "RELATIVEX=0.031", "RELATIVEY=0.073", "STARTINGNUMBER=-1", "REPEATEACH=3",
                     "FONTNAME=Arial", "FONTSIZE=10", "FONTCOLOR=-2147483643", "FONTBOLD=Y",
                     "FONTITALIC=Y", "FONTUNDER=Y", "ANGLE=-90"}));
    QString symbol;
    AppendItemLines(symbol, items[2]);
    EXPECT_EQ(symbol, lines({"LABELITEM=SYMBOL", "TOP=0.000", "LEFT=-0.052", "WIDTH=0.000",
                             "HEIGHT=0.000", "FONTSIZE=24", "FONTCOLOR=16777215", "ASCIICHAR=0"}));
    QString round;
    AppendItemLines(round, items[4]);
    EXPECT_EQ(round, lines({"LABELITEM=ROUNDRECTANGLE", "TOP=0.500", "LEFT=0.250", "WIDTH=0.260",
                            "HEIGHT=0.260", "BRUSHSTYLE=DIAGCROSS", "COLOR=65280",
                            "LINETHICKNESS=4", "LINECOLOR=255", "ROUNDING=35"}));
    QString line;
    AppendItemLines(line, items[7]);
    EXPECT_EQ(line,
              lines({"LABELITEM=VERTICALLINE", "TOP=0.000", "LEFT=0.000", "WIDTH=1.042",
                     "HEIGHT=0.021", "ORIENTATION=V", "LINETHICKNESS=2", "LINECOLOR=123456"}));
    QString image;
    AppendItemLines(image, items[8]);
    EXPECT_EQ(image, lines({"LABELITEM=IMAGE", "TOP=0.000", "LEFT=0.000", "WIDTH=1.250",
                            "HEIGHT=0.833", "STRETCH=Y", "FILENAMEANDPATH=/pictures/logo=1.bmp"}));
}

TEST_F(ObjectsText, TextAnglesAreWrittenIn0To359AndCounterAnglesAsHeld) {
    LabelItemValue text = welcomeText("x");
    text.angle = -90;
    EXPECT_TRUE(WriteObjectsText({text}).contains("\r\nANGLE=270\r\n"));
    text.angle = -180;
    EXPECT_TRUE(WriteObjectsText({text}).contains("\r\nANGLE=180\r\n"));
    text.kind = LabelItemKind::Counter;
    text.angle = -90;
    EXPECT_TRUE(WriteObjectsText({text}).contains("\r\nANGLE=-90\r\n"));
}

TEST_F(ObjectsText, AllNineKindsSurviveWritingAndReadingAt96And120) {
    for (int ppi : {96, 120}) {
        SetScreenPixelsPerInch(ppi);
        const auto written = allNineKinds();
        const auto back = read(WriteObjectsText(written));
        ASSERT_EQ(back.size(), written.size()) << ppi;
        for (size_t i = 0; i < written.size(); ++i) {
            SCOPED_TRACE(testing::Message() << ppi << " ppi, item " << i);
            expectSameStoredFields(back[i], written[i]);
        }
    }
}

TEST_F(ObjectsText, BarcodesAreWrittenInTheirOrderAndReadBackByEverySymbologyName) {
    QString tag;
    AppendItemLines(tag, assetTag());
    EXPECT_EQ(tag, lines({"LABELITEM=BARCODE", "TOP=0.208", "LEFT=0.104", "WIDTH=2.000",
                          "HEIGHT=0.500", "SYMBOLOGY=QRCODE", "DATA=ASSET-{#} {Room}=a",
                          "SHOWTEXT=N", "COLOR=128", "BACKGROUND=-2147483643"}));
    const char* names[] = {"CODE128", "CODE39", "EANX",       "UPCA",   "ITF14",
                           "GS1_128", "QRCODE", "DATAMATRIX", "PDF417", "AZTEC"};
    std::vector<LabelItemValue> written;
    for (BarcodeSymbology symbology : AllBarcodeSymbologies) {
        LabelItemValue item = assetTag();
        item.symbology = symbology;
        item.showText = symbology == BarcodeSymbology::Ean;
        written.push_back(item);
        EXPECT_EQ(BarcodeSymbologyName(symbology), names[written.size() - 1]);
    }
    written.push_back(welcomeText("after"));
    const auto back = read(WriteObjectsText(written));
    ASSERT_EQ(back.size(), written.size());
    for (size_t i = 0; i < written.size(); ++i) {
        SCOPED_TRACE(i);
        expectSameStoredFields(back[i], written[i]);
    }
}

// The newer keys come after a kind's lines, each only when it differs from its default, so
// that a label using none of them writes what it always wrote; a reader that knows only TEXT
// gets the first line.
TEST_F(ObjectsText, NewerKeysFollowTheLinesOnlyWhenTheyDifferFromTheirDefaults) {
    LabelItemValue address = welcomeText("{Name}\n{Street}\n{City}");
    address.textBox.box = true;
    address.textBox.align = TextAlign::Right;
    address.textBox.valign = TextVAlign::Middle;
    address.textBox.wrap = true;
    address.textBox.shrink = true;
    address.textBox.minFontSize = 6.5;
    address.textBox.lineSpacing = 1.2;
    address.textBox.skipBlank = true;
    LabelItemValue logo;
    logo.kind = LabelItemKind::Image;
    logo.fileName = "photos/{Id}.jpg";
    logo.fit = true;
    LabelItemValue qr = assetTag();
    qr.ecc = 4;
    qr.quietZones = false;
    QString written;
    AppendItemLines(written, address);
    const QString plain = WriteObjectsText({welcomeText("{Name}")});
    EXPECT_TRUE(written.startsWith(plain.left(plain.indexOf("NOTHING="))));
    EXPECT_TRUE(written.endsWith(lines({"RELATIVEY=0.000", "TEXTLINE={Street}", "TEXTLINE={City}",
                                        "BOX=Y", "ALIGN=R", "VALIGN=M", "WRAP=Y", "SHRINK=Y",
                                        "MINFONTSIZE=6.5", "LINESPACING=1.200", "SKIPBLANK=Y"})))
        << written.toStdString();
    QString picture, tag;
    AppendItemLines(picture, logo);
    AppendItemLines(tag, qr);
    EXPECT_TRUE(picture.endsWith(lines({"FILENAMEANDPATH=photos/{Id}.jpg", "FIT=Y"})));
    EXPECT_TRUE(tag.endsWith(lines({"BACKGROUND=-2147483643", "ECC=4", "QUIET=N"})));

    // Read back, every value returns; the items after them keep their defaults.
    LabelItemValue after = welcomeText("after");
    const auto back = read(WriteObjectsText({address, logo, qr, after}));
    ASSERT_EQ(back.size(), 4u);
    EXPECT_EQ(back[0].text, address.text);
    EXPECT_EQ(back[0].textBox, address.textBox);
    EXPECT_TRUE(back[1].fit);
    EXPECT_EQ(back[2].ecc, 4);
    EXPECT_FALSE(back[2].quietZones);
    EXPECT_EQ(back[3].textBox, TextBoxOptions{});
    EXPECT_EQ(back[3].ecc, 0);
    EXPECT_FALSE(back[3].fit);

    // Defaults are never written: each setting back at its default drops its line.
    LabelItemValue reset = address;
    reset.text = "{Name}";
    reset.textBox = TextBoxOptions{};
    QString same;
    AppendItemLines(same, reset);
    EXPECT_FALSE(same.contains("TEXTLINE") || same.contains("BOX") || same.contains("ALIGN") ||
                 same.contains("LINESPACING"));
    QString plainLines;
    AppendItemLines(plainLines, welcomeText("{Name}"));
    EXPECT_EQ(same, plainLines);
}

// Names of symbologies beyond the ten keep their name through reading and writing, whether or
// not this Zint makes them; anything not of a name's form is refused.
TEST_F(ObjectsText, AnUnknownSymbologyNameIsAConversionError) {
    LabelItemValue code93 = assetTag();
    code93.symbology = *BarcodeSymbologyFromName(u"CODE93");
    const QString written = WriteObjectsText({code93});
    EXPECT_TRUE(written.contains("SYMBOLOGY=CODE93\r\n"));
    EXPECT_EQ(read(written).at(0).symbology, code93.symbology);
    EXPECT_EQ(BarcodeSymbologyFromName(u"CODE93"), code93.symbology);

    std::vector<LabelItemValue> items;
    for (const char* name : {"BARCODE_QRCODE", "qrcode", "58", ""}) {
        items.clear();
        const QString text = WriteObjectsText({hollowRectangle()}) +
                             lines({"LABELITEM=BARCODE", "DATA=1"}) + "SYMBOLOGY=" + name + "\r\n";
        EXPECT_EQ(readError(text, items), QString("'%1' is not a valid symbology value").arg(name));
        EXPECT_EQ(items.size(), 1u);
    }
}

TEST_F(ObjectsText, BlocksOfUnknownKindsAreHandedOverLineForLine) {
    const QString future = lines({"LABELITEM=HOLOGRAM", "TOP=0.100", "SHEEN=7", "DATA=a=b"});
    const QString text = WriteObjectsText({hollowRectangle()}) + future +
                         lines({"LABELITEM=ELLIPSE", "LABELITEM=HOLOGRAM", "NOTHING=NOTHING"});
    std::vector<LabelItemValue> items;
    QStringList kept;
    ReadObjectsText(
        text, [&](const LabelItemValue& item) { items.push_back(item); },
        [&](const QString& block) { kept << block; });
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[1].kind, LabelItemKind::Ellipse);
    EXPECT_EQ(kept, QStringList({future, lines({"LABELITEM=HOLOGRAM"})}));

    // Written back where they stood; nothing else changes.
    QString expected;
    AppendItemLines(expected, hollowRectangle());
    expected += future;
    AppendItemLines(expected, items[1]);
    expected += kept[1];
    if (expected.size() % 4 == 0)
        expected += "NOTHING=NOTHING\r\n";
    EXPECT_EQ(WriteObjectsText({hollowRectangle(), items[1]}, {{0, kept[0]}, {1, kept[1]}}),
              expected);
}

TEST_F(ObjectsText, ReaderCarriesValuesOverAndTheLaterOfTwoKeysWins) {
    const auto items = read(lines({
        "LABELITEM=TEXT",
        "TEXT=first",
        "FONTNAME=Courier New",
        "FONTSIZE=12",
        "FONTBOLD=Y",
        "TOP=0.500",
        "TOP=1.000",
        "LABELITEM=TEXT",
        "TEXT=second",
        "LABELITEM=RECTANGLE",
        "BRUSHSTYLE=CROSS",
        "LABELITEM=ELLIPSE",
        "LABELITEM=RECTANGLE",
        "BRUSHSTYLE=Cross",
        "BRUSHSTYLE=PLAID",
    }));
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(items[0].top, 96);
    EXPECT_EQ(items[1].text, "second");
    EXPECT_EQ(items[1].fontName, "Courier New");
    EXPECT_EQ(items[1].fontSize, 12);
    EXPECT_TRUE(items[1].bold);
    EXPECT_EQ(items[1].top, 96);
    EXPECT_EQ(items[2].brushStyle, TBrushStyle::Cross);
    EXPECT_EQ(items[3].brushStyle, TBrushStyle::Cross); // no BRUSHSTYLE line of its own
    EXPECT_EQ(items[4].brushStyle, TBrushStyle::Cross); // unknown names leave it unchanged
}

TEST_F(ObjectsText, BrushStyleStartsAsClear) {
    const auto items = read(lines({"LABELITEM=RECTANGLE", "TOP=0.100"}));
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].brushStyle, TBrushStyle::Clear);
}

TEST_F(ObjectsText, LinesSplitAtTheirFirstEqualsAndKeysWordsAndFlagsCompareExactly) {
    const auto items = read(lines({
        "LABELITEM=TEXT",
        "TEXT=a=b",
        "FONTBOLD=y",
        "FONTITALIC=Y",
        "FONTUNDER=YES",
        "top=1.000",
        "LABELITEM=text",
        "TEXT=never created",
        "LabelItem=COUNTER",
        "=orphan value",
        "LABELITEM=HORIZONTALLINE",
        "ORIENTATION=V",
    }));
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].text, "a=b");
    EXPECT_FALSE(items[0].bold);
    EXPECT_TRUE(items[0].italic);
    EXPECT_FALSE(items[0].underline);
    EXPECT_EQ(items[0].top, 0);
    // The direction comes from the kind word, never from ORIENTATION.
    EXPECT_EQ(items[1].kind, LabelItemKind::HorizontalLine);
}

TEST_F(ObjectsText, TheFirstLineWithoutEqualsEndsReading) {
    const QString tail = lines({"LABELITEM=ELLIPSE", "TOP=0.500"});
    EXPECT_EQ(read(lines({"LABELITEM=RECTANGLE", ""}) + tail).size(), 1u);
    EXPECT_EQ(read(lines({"LABELITEM=RECTANGLE", "garbage"}) + tail).size(), 1u);
    // The end of the text without a final line break ends the last item as well.
    EXPECT_EQ(read("LABELITEM=RECTANGLE\r\nLABELITEM=ELLIPSE").size(), 2u);
    EXPECT_EQ(read("LABELITEM=RECTANGLE\nLABELITEM=ELLIPSE\rLABELITEM=TEXT\n").size(), 3u);
}

TEST_F(ObjectsText, ConversionErrorsCarryTheirMessageAndKeepTheItemsBefore) {
    std::vector<LabelItemValue> items;
    EXPECT_EQ(readError(lines({"LABELITEM=TEXT", "TEXT=kept", "LABELITEM=COUNTER", "FONTSIZE=1O",
                               "LABELITEM=ELLIPSE"}),
                        items),
              "'1O' is not a valid integer value");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].text, "kept");

    items.clear();
    EXPECT_EQ(readError(lines({"LABELITEM=RECTANGLE", "LABELITEM=ELLIPSE", "WIDTH=0.5in"}), items),
              "'0.5in' is not a valid floating point value");
    EXPECT_EQ(items.size(), 1u);

    for (const char* bad : {"", "-", "+-1", "1.5", "2147483648", " 1 2", "0x10"}) {
        items.clear();
        EXPECT_EQ(readError(lines({"LABELITEM=SYMBOL", "ASCIICHAR=" + QByteArray(bad)}), items),
                  QStringLiteral("'%1' is not a valid integer value").arg(bad));
    }
    for (const char* bad : {"", ".", "1.2.3", "1e", "inf", "nan", "1e999"}) {
        items.clear();
        EXPECT_EQ(readError(lines({"LABELITEM=SYMBOL", "TOP=" + QByteArray(bad)}), items),
                  QStringLiteral("'%1' is not a valid floating point value").arg(bad));
    }
    // Forms a hand-made text may hold and that still are numbers.
    const auto good = read(lines({"LABELITEM=SYMBOL", "TOP=+.5", "LEFT=1E-1", "ASCIICHAR= +65 "}));
    ASSERT_EQ(good.size(), 1u);
    EXPECT_EQ(good[0].top, 48);
    EXPECT_EQ(good[0].left, 10);
    EXPECT_EQ(good[0].asciiChar, 65);
}

TEST_F(ObjectsText, LongValuesAreKeptWhole) {
    LabelItemValue text = welcomeText(QString(300, u'W'));
    text.fontName = "A font family whose name runs well past forty characters";
    LabelItemValue image;
    image.kind = LabelItemKind::Image;
    image.fileName = "/home/user/" + QString(150, u'p') + "/picture.bmp";
    const QString written = WriteObjectsText({text, image});
    EXPECT_TRUE(written.contains("\r\nFONTNAME=" + text.fontName + "\r\n"));

    const auto items = read(written);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].text, text.text);
    EXPECT_EQ(items[0].fontName, text.fontName);
    EXPECT_EQ(items[1].fileName, image.fileName);
}

TEST_F(ObjectsText, AskingValuesAreReadAsStored) {
    const auto items = read(lines({"LABELITEM=COUNTER", "STARTINGNUMBER=-1", "REPEATEACH=2",
                                   "LABELITEM=SYMBOL", "ASCIICHAR=0"}));
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].startingNumber, -1);
    EXPECT_EQ(items[0].repeatEach, 2);
    EXPECT_EQ(items[1].asciiChar, 0);
}

TEST_F(ObjectsText, LineBreaksInsideValuesNeverEndTheText) {
    LabelItemValue text = welcomeText("two\r\nlines\rand\nmore");
    text.fontName = "Ari\nal";
    LabelItemValue image;
    image.kind = LabelItemKind::Image;
    image.fileName = "/tmp/a\r\n.bmp";
    const auto items = read(WriteObjectsText({text, image, hollowRectangle()}));
    ASSERT_EQ(items.size(), 3u);
    // A line feed starts a further line (TEXTLINE); other breaks are dropped.
    EXPECT_EQ(items[0].text, "two\nlinesand\nmore");
    EXPECT_EQ(items[0].fontName, "Arial");
    EXPECT_EQ(items[1].fileName, "/tmp/a.bmp");
    EXPECT_EQ(items[2].kind, LabelItemKind::Rectangle);
}

} // namespace
