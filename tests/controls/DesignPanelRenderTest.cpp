#include <QDir>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

#include "ControlTestSupport.h"
#include "controls/SymbolGlyph.h"
#include "controls/TCanvasPanel.h"
#include "controls/TCounterLabel.h"
#include "controls/TImage.h"
#include "controls/TLineShape.h"
#include "controls/TPim3DLabel.h"
#include "controls/TPimShape.h"
#include "controls/TSymbol.h"
#include "support/TestData.h"

namespace {

int Px(double inches) {
    return int(std::lround(inches * ScreenPixelsPerInch()));
}

QString WriteTestBitmap(const QTemporaryDir& dir) {
    QImage image(48, 32, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixelColor(x, y, QColor(x * 5, 80 + y * 5, ((x / 8 + y / 8) % 2) * 255));
    const QString path = dir.filePath(QStringLiteral("badge.bmp"));
    EXPECT_TRUE(image.save(path, "BMP"));
    return path;
}

TPim3DLabel* AddText(TCanvasPanel& panel, TPim3DLabel* label, const QString& text, int angle,
                     double left, double top, int points, ColorValue colour, bool bold = false) {
    label->setParent(&panel);
    label->move(Px(left), Px(top));
    label->setFontName(QStringLiteral("Arial"));
    label->setFontSize(points);
    label->setFontColor(colour);
    label->setBold(bold);
    label->setCaption(text);
    label->setAngle(angle);
    label->show();
    return label;
}

TPimShape* AddShape(TCanvasPanel& panel, TShapeType kind, QRect box, int pen, ColorValue penColour,
                    TBrushStyle brushStyle, ColorValue brushColour) {
    auto* shape = new TPimShape(&panel);
    shape->setShape(kind);
    shape->setGeometry(box);
    shape->setPenWidth(pen);
    shape->setPenColor(penColour);
    shape->setBrushStyle(brushStyle);
    shape->setBrushColor(brushColour);
    shape->show();
    return shape;
}

TLineShape* AddLine(TCanvasPanel& panel, TLineStyle style, QRect box, int pen, ColorValue colour) {
    auto* line = new TLineShape(&panel);
    line->setLineStyle(style);
    line->setGeometry(box);
    line->setPenWidth(pen);
    line->setPenColor(colour);
    line->show();
    return line;
}

// A label of every kind of item, rendered and saved as a picture; every item shows ink.
void RenderAllKinds(int ppi) {
    ScopedPixelsPerInch scope(ppi);
    RegisterSymbolFonts();
    QTemporaryDir dir;
    const QString bitmap = WriteTestBitmap(dir);

    TCanvasPanel panel;
    panel.setColor(QColor(0xC0, 0xC0, 0xC0));
    panel.resize(Px(4.0), Px(2.5));
    std::vector<QWidget*> items;

    items.push_back(AddText(panel, new TPim3DLabel, QStringLiteral("Quorvane labels"), 0, 0.45,
                            0.15, 14, MakeColorValue(0, 0, 128), true));
    items.push_back(
        AddText(panel, new TPim3DLabel, QStringLiteral("Upward"), 90, 0.15, 0.55, 10, kColorBlack));
    items.push_back(AddText(panel, new TPim3DLabel, QStringLiteral("Slanted 45"), 45, 0.45, 0.55,
                            10, MakeColorValue(160, 0, 0)));
    items.push_back(AddText(panel, new TPim3DLabel, QStringLiteral("Upside down"), -180, 2.2, 2.1,
                            10, MakeColorValue(0, 100, 0)));
    items.push_back(
        AddText(panel, new TPim3DLabel, QStringLiteral("Down"), -90, 3.75, 0.5, 10, kColorBlack));
    auto* counter = new TCounterLabel;
    counter->setTag(2);
    items.push_back(AddText(panel, counter, QStringLiteral("1001"), 0, 2.7, 0.2, 16,
                            MakeColorValue(200, 0, 200)));

    auto* symbol = new TSymbol(&panel);
    symbol->move(Px(3.3), Px(0.15));
    symbol->setFontSize(20);
    symbol->setFontColor(MakeColorValue(0, 0, 255));
    symbol->setCharCode(74);
    symbol->show();
    items.push_back(symbol);

    items.push_back(AddShape(panel, stRectangle, QRect(Px(1.3), Px(0.6), Px(0.8), Px(0.55)), 3,
                             MakeColorValue(0, 0, 200), TBrushStyle::Cross, MakeColorValue(0, 150, 0)));
    auto* rounded = AddShape(panel, stRoundRect, QRect(Px(2.3), Px(0.6), Px(0.9), Px(0.55)), 2,
                             kColorBlack, TBrushStyle::Solid, MakeColorValue(255, 220, 120));
    rounded->setRoundPerc(30);
    items.push_back(rounded);
    items.push_back(AddShape(panel, stEllipse, QRect(Px(1.3), Px(1.3), Px(0.9), Px(0.6)), 1,
                             MakeColorValue(200, 0, 0), TBrushStyle::FDiagonal, MakeColorValue(200, 0, 0)));
    items.push_back(AddLine(panel, stHorizontal, QRect(Px(0.45), Px(1.95), Px(1.6), Px(0.1)), 3,
                            MakeColorValue(0, 0, 160)));
    items.push_back(AddLine(panel, stVertical, QRect(Px(3.45), Px(0.6), Px(0.1), Px(1.2)), 2,
                            MakeColorValue(0, 120, 0)));

    auto* image = new TImage(&panel);
    image->move(Px(2.4), Px(1.3));
    image->LoadFromFile(bitmap);
    image->show();
    items.push_back(image);
    auto* stretched = new TImage(&panel);
    stretched->setStretch(true);
    stretched->setGeometry(Px(2.95), Px(1.3), Px(0.45), Px(0.45));
    stretched->LoadFromFile(bitmap);
    stretched->show();
    items.push_back(stretched);

    panel.show();
    const QImage picture = panel.grab().toImage();
    if (const QString folder = PictureOutputDir(); !folder.isEmpty()) {
        const QString out = QDir(folder).filePath(QStringLiteral("design-panel-%1.png").arg(ppi));
        ASSERT_TRUE(picture.save(out));
        std::printf("design panel at %d ppi: %s\n", ppi, qPrintable(out));
    }

    for (QWidget* item : items) {
        const QRect box = item->geometry();
        ASSERT_TRUE(panel.rect().contains(box))
            << item->metaObject()->className() << " " << box.x() << "," << box.y();
        const int ink = InkCount(picture, box);
        EXPECT_GT(ink, box.width() * box.height() / 20)
            << item->metaObject()->className() << " at " << box.x() << "," << box.y();
    }
    // The face between the items stays white.
    EXPECT_EQ(picture.pixelColor(Px(1.0), Px(2.25)), QColor(Qt::white));
}

} // namespace

TEST(DesignPanelRender, AllNineKindsShowAt96PixelsPerInch) {
    RenderAllKinds(96);
}

TEST(DesignPanelRender, AllNineKindsShowAt120PixelsPerInch) {
    RenderAllKinds(120);
}
