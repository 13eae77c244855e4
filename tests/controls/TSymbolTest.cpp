#include <cmath>
#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "controls/SymbolGlyph.h"
#include "controls/TSymbol.h"

TEST(TSymbol, HoldsOneCharacterOfTheSymbolFont) {
    TSymbol symbol;
    symbol.setCaption(QStringLiteral("JKL"));
    EXPECT_EQ(symbol.CharCode(), 74);
    EXPECT_EQ(symbol.Caption(), QStringLiteral("J"));
    symbol.setCaption(QString(QChar(0xF000 + 200)));
    EXPECT_EQ(symbol.CharCode(), 200);
    symbol.setCharCode(33);
    EXPECT_EQ(symbol.Caption(), QString(QChar(33)));
    EXPECT_EQ(symbol.FontName(), QStringLiteral("WingDings"));
    EXPECT_EQ(symbol.SymbolFont().family(), QStringLiteral("WingDings"));
    EXPECT_TRUE(symbol.AutoSize());
    EXPECT_TRUE(symbol.Transparent());
}

TEST(TSymbol, SizesItselfToTheGlyphCellAtTheScreenResolution) {
    RegisterSymbolFonts();
    QSize sizes[2];
    int i = 0;
    for (const int ppi : {96, 120}) {
        ScopedPixelsPerInch scope(ppi);
        TSymbol symbol;
        symbol.setFontSize(24);
        symbol.setFontColor(MakeColorValue(0, 0, 255));
        symbol.setCharCode(74);
        EXPECT_EQ(symbol.SymbolFont().pixelSize(), ppi == 96 ? 32 : 40);
        const QSizeF cell = MeasureSymbolGlyph(74, symbol.SymbolFont(), &symbol);
        EXPECT_EQ(symbol.size(),
                  QSize(int(std::ceil(cell.width())), int(std::ceil(cell.height()))));
        symbol.resize(200, 200); // a size from outside gives way
        symbol.show();
        EXPECT_EQ(symbol.size(),
                  QSize(int(std::ceil(cell.width())), int(std::ceil(cell.height()))));
        const QImage painted = RenderOnWhite(symbol);
        EXPECT_GT(InkCount(painted), 20) << ppi;
        sizes[i++] = symbol.size();
    }
    EXPECT_GT(sizes[1].height(), sizes[0].height());
}
