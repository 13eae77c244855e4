#include "WmfTestSupport.h"

#include "controls/SymbolGlyph.h"
#include "controls/WingdingsMap.h"

#include <QFile>
#include <QFontDatabase>
#include <QPainter>
#include <gtest/gtest.h>

#include <set>

namespace {

QFont WingDings(int pointSize) {
    QFont font(QStringLiteral("WingDings"));
    font.setPointSize(pointSize);
    return font;
}

QImage Canvas(QSize size, int dotsPerInch) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(qRound(dotsPerInch / 0.0254));
    image.setDotsPerMeterY(qRound(dotsPerInch / 0.0254));
    image.fill(Qt::white);
    return image;
}

bool WineWingdingsInstalled() {
    return QFile::exists("/usr/share/wine/fonts/wingding.ttf");
}

TEST(WingdingsMap, CoversEveryCodeFrom33To255AndNothingElse) {
    std::set<char32_t> distinct;
    for (int code = 33; code <= 255; ++code) {
        const char32_t ch = WingdingsToUnicode(code);
        EXPECT_NE(ch, 0u) << code;
        EXPECT_GT(ch, 0x7Fu) << "an ASCII stand-in would not look like the symbol: " << code;
        distinct.insert(ch);
    }
    EXPECT_GE(distinct.size(), 222u); // 160 and 167 are both the small black square
    EXPECT_EQ(WingdingsToUnicode(32), 0u);
    EXPECT_EQ(WingdingsToUnicode(256), 0u);
    EXPECT_EQ(WingdingsToUnicode(34), 0x2702u);   // scissors
    EXPECT_EQ(WingdingsToUnicode(74), 0x263Au);   // smiling face
    EXPECT_EQ(WingdingsToUnicode(108), 0x25CFu);  // black circle
    EXPECT_EQ(WingdingsToUnicode(129), 0x2460u);  // circled digit one
    EXPECT_EQ(WingdingsToUnicode(183), 0x1F550u); // clock face one o'clock
    EXPECT_EQ(WingdingsToUnicode(232), 0x1F87Au); // right arrow
    EXPECT_EQ(WingdingsToUnicode(252), 0x2714u);  // check mark
}

TEST(SymbolGlyph, RegisteringMakesAWingdingsFamilyKnown) {
    if (!WineWingdingsInstalled())
        GTEST_SKIP() << "fonts-wine is not installed";
    RegisterSymbolFonts();
    RegisterSymbolFonts(); // a second call changes nothing
    bool found = false;
    for (const QString& family : QFontDatabase::families())
        found = found || family.toUpper().contains(QStringLiteral("WINGDING"));
    EXPECT_TRUE(found);
}

TEST(SymbolGlyph, UsesTheWingdingsGlyphWhereTheFontHasOneAndAStandInElsewhere) {
    if (!WineWingdingsInstalled())
        GTEST_SKIP() << "fonts-wine is not installed";
    RegisterSymbolFonts();
    const SymbolGlyphChoice circle = ChooseSymbolGlyph(108, WingDings(18));
    EXPECT_TRUE(circle.fromWingdings);
    const SymbolGlyphChoice smile = ChooseSymbolGlyph(74, WingDings(18));
    EXPECT_FALSE(smile.fromWingdings);
    EXPECT_EQ(smile.text, QString(QChar(0x263A)));
    EXPECT_EQ(smile.font.pointSize(), 18);
}

// Draws code at 18 points on a device and returns the ink's bounds and the measured cell.
struct DrawnGlyph {
    QRect ink;
    QSizeF cell;
};

DrawnGlyph DrawOne(unsigned char code, int dotsPerInch) {
    const int side = 3 * dotsPerInch / 4; // three quarters of an inch
    QImage image = Canvas(QSize(side, side), dotsPerInch);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    const QPointF at(side / 4.0, side / 4.0);
    DrawSymbolGlyph(painter, at, code, WingDings(18));
    painter.end();
    DrawnGlyph result{InkBounds(image).translated(-at.toPoint()), {}};
    result.cell = MeasureSymbolGlyph(code, WingDings(18), &image);
    return result;
}

TEST(SymbolGlyph, EveryCodeDrawsVisibleInkInsideItsCellOnScreenAndOnPaper) {
    RegisterSymbolFonts();
    for (int dpi : {96, 600}) {
        for (int code = 33; code <= 255; ++code) {
            const DrawnGlyph glyph = DrawOne(static_cast<unsigned char>(code), dpi);
            ASSERT_FALSE(glyph.ink.isEmpty()) << "code " << code << " at " << dpi << " dpi";
            // 18 points is a quarter inch: every symbol is at least a few percent of that.
            EXPECT_GE(std::max(glyph.ink.width(), glyph.ink.height()), dpi / 40)
                << "code " << code << " at " << dpi << " dpi";
            EXPECT_GT(glyph.cell.width(), 0) << code;
            const double slack = glyph.cell.height() * 0.3;
            EXPECT_GE(glyph.ink.left(), -slack) << code;
            EXPECT_LE(glyph.ink.right(), glyph.cell.width() + slack) << code;
            EXPECT_GE(glyph.ink.top(), -slack) << code;
            EXPECT_LE(glyph.ink.bottom(), glyph.cell.height() + slack) << code;
        }
    }
}

TEST(SymbolGlyph, PaperAndScreenAgreeInProportion) {
    RegisterSymbolFonts();
    for (int code : {74, 108, 129, 232, 252}) {
        const QSizeF screen = DrawOne(static_cast<unsigned char>(code), 96).cell;
        const QSizeF paper = DrawOne(static_cast<unsigned char>(code), 600).cell;
        EXPECT_NEAR(paper.height() / screen.height(), 600.0 / 96, 0.4) << code;
        EXPECT_NEAR(paper.width() / screen.width(), 600.0 / 96, 0.8) << code;
    }
}

TEST(SymbolGlyph, TheFullGridAsTheSymbolDialogShowsIt) {
    RegisterSymbolFonts();
    // Seven columns, rows 30 pixels high, the font 27 pixels high.
    QFont font(QStringLiteral("WingDings"));
    font.setPixelSize(27);
    const int columns = 7, cellWidth = 60, rowHeight = 30;
    QImage grid = Canvas(QSize(columns * cellWidth, 32 * rowHeight), 96);
    QPainter painter(&grid);
    int empty = 0;
    for (int code = 33; code <= 255; ++code) {
        const int index = code - 33;
        const QRect cell((index % columns) * cellWidth, (index / columns) * rowHeight, cellWidth,
                         rowHeight);
        painter.setPen(QColor(220, 220, 220));
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
        painter.setPen(Qt::black);
        DrawSymbolGlyph(painter, cell.topLeft() + QPointF(4, 0), static_cast<unsigned char>(code),
                        font);
        painter.end();
        empty += InkCount(grid, cell.adjusted(1, 1, -1, -1)) == 0 ? 1 : 0;
        painter.begin(&grid);
    }
    painter.end();
    EXPECT_EQ(empty, 0);
    if (const QString out = PictureOutputDir(); !out.isEmpty())
        grid.save(out + QStringLiteral("/symbol-grid.png"));
}

} // namespace
