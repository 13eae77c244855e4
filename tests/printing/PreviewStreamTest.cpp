#include <QBuffer>
#include <gtest/gtest.h>

#include "RenderProbe.h"
#include "ReportRendering.h"
#include "controls/Picture.h"
#include "printing/PreviewStreamReader.h"

using namespace ReportRendering;

namespace {

// A label-like page: text, shapes in several brushes, a line and an image.
void Scene(TBaseReport& report) {
    QImage logo(3, 3, QImage::Format_RGB32);
    logo.fill(qRgb(200, 30, 40));
    for (int page = 1; page <= 3; ++page) {
        if (page > 1)
            report.NewPage();
        report.SetOrigin(0.25 * page, 0.5);
        report.SetFont(QStringLiteral("Arial"), 14);
        report.SetBold(page == 2);
        report.SetFontColor(QColor(0, 0, 160));
        report.SetFontPlacement(TVerticalPlacement::Top);
        report.PrintXY(0.2, 0.3, QStringLiteral("Page %1 of labels").arg(page));
        report.SetFontRotation(30);
        report.PrintXY(1, 2, QStringLiteral("Turned"));
        report.SetPen(QColor(10, 120, 10), TPenStyle::Solid, -2);
        report.SetBrush(QColor(240, 200, 0), TReportBrushStyle::Solid);
        report.Rectangle(0.2, 0.6, 1.8, 1.2);
        report.SetBrush(Qt::black, TReportBrushStyle::DiagCross);
        report.RoundRect(2, 0.6, 3.5, 1.2, 0.3, 0.3);
        report.SetBrush(Qt::red, TReportBrushStyle::Clear);
        report.Ellipse(2, 1.5, 3.5, 2.5);
        report.MoveTo(0.2, 3);
        report.LineTo(3.5, 3);
        report.StretchDraw(0.2, 3.2, 0.7, 3.7, logo);
    }
}

int DifferingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return INT_MAX;
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

} // namespace

TEST(PreviewStream, ReplayDrawsExactlyWhatTheEngineDrawsDirectly) {
    const QByteArray stream = ToStream(300, Scene);
    PreviewStreamReader reader;
    ASSERT_TRUE(reader.Load(stream)) << reader.Error().toStdString();
    ASSERT_EQ(reader.PageCount(), 3);
    EXPECT_EQ(reader.PageSize(1), QSizeF(5, 5));

    TReportImage direct(300);
    direct.SetCustomPageSize(QSizeF(5, 5));
    direct.OnPrint = Scene;
    direct.Execute();
    ASSERT_EQ(direct.Pages().size(), 3u);
    for (int page = 0; page < 3; ++page) {
        SCOPED_TRACE(page);
        const QImage replayed = ReplayPage(stream, page, 300);
        EXPECT_EQ(DifferingPixels(replayed, RenderProbe::ToRgb32(direct.Pages()[page])), 0);
    }
    // Each page states its own pen, brush and font: page 3 alone replays the same.
    EXPECT_NE(DifferingPixels(ReplayPage(stream, 2, 300), ReplayPage(stream, 1, 300)), 0);
}

TEST(PreviewStream, SameImageOnEveryLabelIsStoredOnce) {
    QImage logo(50, 50, QImage::Format_RGB32);
    logo.fill(Qt::darkCyan);
    const auto many = [&](TBaseReport& report) {
        for (int i = 0; i < 30; ++i)
            report.StretchDraw(0.1 * i, 0, 0.1 * i + 0.1, 0.1, logo.copy());
    };
    const auto once = [&](TBaseReport& report) { report.StretchDraw(0, 0, 0.1, 0.1, logo); };
    EXPECT_LT(ToStream(600, many).size(), ToStream(600, once).size() + 30 * 64);
}

TEST(PreviewStream, DamagedStreamsAreRefusedOrCutShortWithoutReadingPastTheEnd) {
    const QByteArray stream = ToStream(600, Scene);
    PreviewStreamReader reader;
    EXPECT_FALSE(reader.Load(QByteArray("not a preview")));
    EXPECT_FALSE(reader.Error().isEmpty());
    EXPECT_FALSE(reader.Load(QByteArray()));
    for (int cut = 1; cut < stream.size(); cut += 37) {
        PreviewStreamReader partial;
        if (partial.Load(stream.left(cut)))
            for (int page = 0; page < partial.PageCount(); ++page) {
                QImage image(50, 50, QImage::Format_RGB32);
                QPainter painter(&image);
                PainterSurface surface(&painter, 10, 10);
                partial.ReplayPage(page, surface);
            }
    }
    QByteArray flipped = stream;
    for (int i = 10; i < flipped.size(); i += 13)
        flipped[i] = char(flipped[i] ^ 0x5A);
    PreviewStreamReader damaged;
    if (damaged.Load(flipped)) {
        QImage image(50, 50, QImage::Format_RGB32);
        QPainter painter(&image);
        PainterSurface surface(&painter, 10, 10);
        for (int page = 0; page < damaged.PageCount(); ++page)
            damaged.ReplayPage(page, surface);
    }
    SUCCEED() << "no crash and no read past the end (checked under the sanitizers)";
}

TEST(PreviewStream, StatusShowsThePageNumberAndAbortIsReported) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    TReportFiler filer;
    filer.Stream = &buffer;
    filer.StatusFormat = QStringLiteral("Printing page %p");
    QStringList shown;
    filer.OnStatus = [&](const QString& text) { shown << text; };
    filer.OnPrint = [](TBaseReport& report) {
        report.NewPage();
        report.NewPage();
        report.Abort();
    };
    filer.Execute();
    EXPECT_EQ(shown, QStringList({"Printing page 1", "Printing page 2", "Printing page 3"}));
    EXPECT_TRUE(filer.Aborted());
    EXPECT_EQ(filer.PagesWritten(), 3);
}

TEST(PreviewStream, AnErrorWhileDrawingFinishesTheDocumentAndIsPassedOn) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    TReportFiler filer;
    filer.Stream = &buffer;
    filer.OnPrint = [](TBaseReport& report) {
        report.SetPen(Qt::black, TPenStyle::Solid, -1);
        report.MoveTo(0, 0);
        report.LineTo(1, 1);
        throw std::runtime_error("'x' is not a valid integer value");
    };
    EXPECT_THROW(filer.Execute(), std::runtime_error);
    EXPECT_FALSE(filer.Printing());
    PreviewStreamReader reader;
    ASSERT_TRUE(reader.Load(bytes));
    EXPECT_EQ(reader.PageCount(), 1);
}
