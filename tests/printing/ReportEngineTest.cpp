#include <QFont>
#include <gtest/gtest.h>

#include "RenderProbe.h"
#include "ReportRendering.h"
#include "printing/ReportFontMetrics.h"

using namespace ReportRendering;
using RenderProbe::InkBox;

namespace {

// A filled box 1 x 0.5 inch at (1, 1) from an origin of (0.5, 0.25).
void FilledBox(TBaseReport& report) {
    report.SetOrigin(0.5, 0.25);
    report.SetPen(Qt::black, TPenStyle::Clear, 0);
    report.SetBrush(Qt::black, TReportBrushStyle::Solid);
    report.Rectangle(1, 1, 2, 1.5);
}

QRect Expected(double dpi) {
    return QRect(QPoint(qRound(1.5 * dpi), qRound(1.25 * dpi)),
                 QPoint(qRound(2.5 * dpi) - 1, qRound(1.75 * dpi) - 1));
}

} // namespace

TEST(ReportEngine, InchesLandOnTheSamePixelsOnImageAndThroughThePreviewStream) {
    for (const double dpi : {96.0, 600.0}) {
        SCOPED_TRACE(dpi);
        EXPECT_EQ(InkBox(ToImage(dpi, FilledBox)), Expected(dpi));
        // Recorded at a printer's resolution, replayed at the target's.
        EXPECT_EQ(InkBox(ReplayPage(ToStream(600, FilledBox), 0, dpi)), Expected(dpi));
        EXPECT_EQ(InkBox(ReplayPage(ToStream(300, FilledBox), 0, dpi)), Expected(dpi));
    }
}

TEST(ReportEngine, LabelOriginFromMarginsAndPitches) {
    // Row 2, column 1 of a sheet with margins 0.5 / 0.1875 and pitches 2.75 / 1.0.
    const QImage page = ToImage(600, [](TBaseReport& report) {
        report.SetOrigin(1 * 2.75 + 0.1875, 2 * 1.0 + 0.5);
        report.SetPen(Qt::black, TPenStyle::Clear, 0);
        report.SetBrush(Qt::black, TReportBrushStyle::Solid);
        report.Rectangle(0, 0, 0.5, 0.5);
    });
    const QRect box = InkBox(page);
    EXPECT_EQ(box.left(), qRound(2.9375 * 600));
    EXPECT_EQ(box.top(), qRound(2.5 * 600));
}

TEST(ReportEngine, NegativePenWidthIsHundredthsOfAnInchAtLeastOnePixel) {
    const auto line = [](int width) {
        return [width](TBaseReport& report) {
            report.SetPen(Qt::black, TPenStyle::Solid, width);
            report.MoveTo(1, 1);
            report.LineTo(1, 2);
        };
    };
    const auto widthAt = [](const QImage& image, double dpi) {
        return RenderProbe::InkRunLengthInRow(image, qRound(1.5 * dpi), qRound(0.5 * dpi));
    };
    EXPECT_EQ(widthAt(ToImage(600, line(-3)), 600), 18); // 0.03 inch
    EXPECT_EQ(widthAt(ToImage(96, line(-3)), 96), 3);
    EXPECT_EQ(widthAt(ToImage(600, line(-1)), 600), 6);
    EXPECT_EQ(widthAt(ToImage(96, line(-1)), 96), 1); // 0.96 pixel: at least one
    EXPECT_EQ(widthAt(ToImage(600, line(0)), 600), 1);
    EXPECT_EQ(widthAt(ToImage(600, line(4)), 600), 4); // device pixels
    EXPECT_EQ(widthAt(ReplayPage(ToStream(600, line(-3)), 0, 600), 600), 18);
    EXPECT_EQ(widthAt(ReplayPage(ToStream(600, line(-3)), 0, 96), 96), 3);
}

TEST(ReportEngine, OutlineIsCentredOnTheBoxEdges) {
    const QImage page = ToImage(600, [](TBaseReport& report) {
        report.SetPen(Qt::black, TPenStyle::Solid, -3);
        report.SetBrush(Qt::white, TReportBrushStyle::Clear);
        report.Rectangle(1, 1, 3, 2);
    });
    const QRect box = InkBox(page);
    EXPECT_NEAR(box.left(), 600 - 9, 1);
    EXPECT_NEAR(box.top(), 600 - 9, 1);
    EXPECT_NEAR(box.right(), 1800 + 9, 1);
    EXPECT_NEAR(box.bottom(), 1200 + 9, 1);
    // Clear brush: the inside stays white.
    EXPECT_EQ(page.pixel(1200, 900), qRgb(255, 255, 255));
}

TEST(ReportEngine, RoundedCornersUseTheGivenEllipse) {
    // 2 x 1 inch with rounding 50 %: corner ellipses 1 inch wide and high.
    const QImage page = ToImage(600, [](TBaseReport& report) {
        report.SetPen(Qt::black, TPenStyle::Clear, 0);
        report.SetBrush(Qt::black, TReportBrushStyle::Solid);
        report.RoundRect(1, 1, 3, 2, 1.0, 1.0);
    });
    const auto ink = [&](double x, double y) {
        return RenderProbe::IsInk(page.pixel(qRound(x * 600), qRound(y * 600)));
    };
    EXPECT_FALSE(ink(1.1, 1.1)); // outside the quarter circle of radius 0.5
    EXPECT_TRUE(ink(1.2, 1.2));  // 0.146 inch in along the diagonal is the arc
    EXPECT_FALSE(ink(2.9, 1.9));
    EXPECT_TRUE(ink(1.01, 1.5)); // the straight part of the short sides
    EXPECT_TRUE(ink(2.0, 1.01));
    EXPECT_FALSE(ink(1.5, 1.02) && ink(1.02, 1.02));
}

TEST(ReportEngine, EllipseIsInscribedInItsBox) {
    const QImage page = ToImage(600, [](TBaseReport& report) {
        report.SetPen(Qt::black, TPenStyle::Clear, 0);
        report.SetBrush(Qt::black, TReportBrushStyle::Solid);
        report.Ellipse(1, 1, 3, 2);
    });
    const QRect box = InkBox(page);
    EXPECT_NEAR(box.left(), 600, 1);
    EXPECT_NEAR(box.right(), 1799, 1);
    EXPECT_NEAR(box.top(), 600, 1);
    EXPECT_NEAR(box.bottom(), 1199, 1);
    EXPECT_FALSE(RenderProbe::IsInk(page.pixel(620, 620)));
}

TEST(ReportEngine, HatchLinesStandOneTwelfthOfAnInchApartOnPaper) {
    const auto hatch = [](TReportBrushStyle style) {
        return [style](TBaseReport& report) {
            report.SetOrigin(1, 1);
            report.SetPen(Qt::black, TPenStyle::Clear, 0);
            report.SetBrush(Qt::black, style);
            report.Rectangle(0, 0, 2, 2);
        };
    };
    for (const double dpi : {96.0, 600.0}) {
        SCOPED_TRACE(dpi);
        const double step = dpi / 12.0;
        const int from = qRound(1.2 * dpi), to = qRound(2.8 * dpi), mid = qRound(2 * dpi);

        const QImage horizontal = ToImage(dpi, hatch(TReportBrushStyle::Horizontal));
        const auto rows = RenderProbe::InkRunsInColumn(horizontal, mid, from, to);
        ASSERT_GE(rows.size(), 10u);
        EXPECT_NEAR(double(rows.back() - rows.front()) / (rows.size() - 1), step, 0.5);
        // Lines start at the label's origin, on paper as on the design panel.
        const int halfLine = std::max(1, qRound(dpi / 96)) / 2;
        EXPECT_EQ((rows.front() + halfLine - qRound(dpi)) % qRound(step), 0);
        EXPECT_TRUE(RenderProbe::InkRunsInRow(horizontal, mid, from, to).size() <= 1);

        const QImage vertical = ToImage(dpi, hatch(TReportBrushStyle::Vertical));
        const auto columns = RenderProbe::InkRunsInRow(vertical, mid, from, to);
        ASSERT_GE(columns.size(), 10u);
        EXPECT_NEAR(double(columns.back() - columns.front()) / (columns.size() - 1), step, 0.5);

        const QImage diagonal = ToImage(dpi, hatch(TReportBrushStyle::FDiagonal));
        const auto crossings = RenderProbe::InkRunsInRow(diagonal, mid, from, to);
        ASSERT_GE(crossings.size(), 10u);
        EXPECT_NEAR(double(crossings.back() - crossings.front()) / (crossings.size() - 1), step,
                    1.0);
        // "\" lines: one row lower, the crossings move right.
        const auto lower = RenderProbe::InkRunsInRow(diagonal, mid + 2, from, to);
        const auto modStep = [&](int v) {
            return ((v % qRound(step)) + qRound(step)) % qRound(step);
        };
        EXPECT_EQ(modStep(lower.front() - crossings.front()), 2);

        const QImage backward = ToImage(dpi, hatch(TReportBrushStyle::BDiagonal));
        const auto b1 = RenderProbe::InkRunsInRow(backward, mid, from + 20, to);
        const auto b2 = RenderProbe::InkRunsInRow(backward, mid + 2, from + 20, to);
        ASSERT_FALSE(b1.empty());
        ASSERT_FALSE(b2.empty());
        EXPECT_EQ(modStep(b1.front() - b2.front()), 2);

        // Nothing outside the shape.
        EXPECT_TRUE(InkBox(ToImage(dpi, hatch(TReportBrushStyle::DiagCross)))
                        .adjusted(1, 1, -1, -1)
                        .intersected(QRect(0, 0, qRound(dpi) - 1, qRound(dpi) - 1))
                        .isEmpty());
    }
}

TEST(ReportEngine, FontSelectionResetsStylesAndIgnoresSizesNotAboveZero) {
    TReportImage report(600);
    report.SetFont(QStringLiteral("Arial"), 10);
    report.SetBold(true);
    report.SetFontRotation(45);
    report.SetFontColor(Qt::red);
    report.SetFontPlacement(TVerticalPlacement::Top);
    report.SetFont(QStringLiteral("Times New Roman"), 0);
    report.SetFont(QStringLiteral("Times New Roman"), -4);
    EXPECT_EQ(report.Font().Name, QStringLiteral("Arial"));
    EXPECT_TRUE(report.Font().Bold);
    EXPECT_EQ(report.FontRotation(), 45);
    report.SetFont(QStringLiteral("Courier New"), 12);
    EXPECT_FALSE(report.Font().Bold);
    EXPECT_EQ(report.FontRotation(), 0);
    EXPECT_EQ(report.FontColor(), QColor(Qt::black));
    EXPECT_EQ(report.FontPlacement(), TVerticalPlacement::Baseline);
    report.SetFontRotation(-90);
    EXPECT_EQ(report.FontRotation(), 270);
    report.SetFontRotation(450);
    EXPECT_EQ(report.FontRotation(), 90);
}

TEST(ReportEngine, ArialMetricsMatchThePrinterDriversIntegerMetrics) {
    TReportImage at600(600), at96(96);
    at600.SetFont(QStringLiteral("Arial"), 10);
    at96.SetFont(QStringLiteral("Arial"), 10);
    EXPECT_DOUBLE_EQ(at600.FontAscent() * 600, 75);
    EXPECT_DOUBLE_EQ(at600.FontDescent() * 600, 18);
    EXPECT_DOUBLE_EQ(at600.FontInternalLeading() * 600, 10);
    EXPECT_DOUBLE_EQ(at600.FontSize() * 600, 83);
    EXPECT_DOUBLE_EQ(at96.FontAscent() * 96, 12);
    EXPECT_DOUBLE_EQ(at96.FontDescent() * 96, 3);
    EXPECT_DOUBLE_EQ(at96.FontInternalLeading() * 96, 2);
}

TEST(ReportEngine, VerticalPlacementsPutTheBaselineWhereTheCellRulesSay) {
    const auto text = [](TVerticalPlacement placement) {
        return [placement](TBaseReport& report) {
            report.SetFont(QStringLiteral("Arial"), 36);
            report.SetFontPlacement(placement);
            report.PrintXY(1, 2, QStringLiteral("HHH"));
        };
    };
    TReportImage probe(600);
    probe.SetFont(QStringLiteral("Arial"), 36);
    const int leading = qRound(probe.FontInternalLeading() * 600);
    const int capHeight =
        qRound(QFontMetricsF(ReportFontMetrics::DeviceFont(probe.Font(), 600)).capHeight());
    ASSERT_GT(leading, 0);

    // "H" sits on the baseline: its ink ends on the row above it.
    const QRect baseline = InkBox(ToImage(600, text(TVerticalPlacement::Baseline)));
    EXPECT_NEAR(baseline.bottom() + 1, 1200, 1);
    EXPECT_NEAR(baseline.top(), 1200 - capHeight, 2);
    EXPECT_NEAR(baseline.left(), 600, 40); // the left bearing of "H"

    // Top: the cell top at y - ascent - leading, so the baseline at y - leading.
    const QRect top = InkBox(ToImage(600, text(TVerticalPlacement::Top)));
    EXPECT_NEAR(top.bottom() + 1, 1200 - leading, 1);

    // Bottom: the cell bottom at y + descent, so the baseline at y.
    const QRect bottom = InkBox(ToImage(600, text(TVerticalPlacement::Bottom)));
    EXPECT_NEAR(bottom.bottom() + 1, 1200, 1);

    // Through the preview stream the same.
    const QRect replayed = InkBox(ReplayPage(ToStream(600, text(TVerticalPlacement::Top)), 0, 600));
    EXPECT_NEAR(replayed.bottom() + 1, 1200 - leading, 1);
    const QRect screen = InkBox(ReplayPage(ToStream(600, text(TVerticalPlacement::Top)), 0, 96));
    EXPECT_NEAR(screen.bottom() + 1, (1200 - leading) * 96.0 / 600, 1);
}

TEST(ReportEngine, RotationTurnsTextCounterClockwiseAboutItsStart) {
    const auto rotated = [](int angle) {
        return [angle](TBaseReport& report) {
            report.SetFont(QStringLiteral("Arial"), 24);
            report.SetFontRotation(angle);
            report.PrintXY(4, 4, QStringLiteral("HHHHH"));
        };
    };
    const int pivot = 2400;
    // 90: the text runs up the page from the pivot, its glyphs' tops facing left.
    const QRect up = InkBox(ToImage(600, rotated(90)));
    EXPECT_NEAR(up.bottom(), pivot, 30); // within the side bearing
    EXPECT_LT(up.top(), pivot - 500);
    EXPECT_LE(up.right(), pivot + 1);
    EXPECT_GT(up.left(), pivot - 250);
    // 270 (or -90): down the page, tops facing right.
    const QRect down = InkBox(ToImage(600, rotated(-90)));
    EXPECT_NEAR(down.top(), pivot, 30);
    EXPECT_GT(down.bottom(), pivot + 500);
    EXPECT_GE(down.left(), pivot - 1);
    // 180: to the left, upside down.
    const QRect left = InkBox(ToImage(600, rotated(180)));
    EXPECT_NEAR(left.right(), pivot, 30);
    EXPECT_LT(left.left(), pivot - 500);
    EXPECT_GE(left.top(), pivot - 1);
}

TEST(ReportEngine, UnderlineAndBoldChangeTheInk) {
    const auto styled = [](bool bold, bool underline) {
        return [=](TBaseReport& report) {
            report.SetFont(QStringLiteral("Arial"), 20);
            report.SetBold(bold);
            report.SetUnderline(underline);
            report.PrintXY(1, 1, QStringLiteral("iiii"));
        };
    };
    const QRect plain = InkBox(ToImage(600, styled(false, false)));
    const QRect bold = InkBox(ToImage(600, styled(true, false)));
    const QRect underlined = InkBox(ToImage(600, styled(false, true)));
    EXPECT_GT(bold.width(), plain.width());
    EXPECT_GT(underlined.bottom(), plain.bottom());
}

TEST(ReportEngine, BitmapIsStretchedIntoItsBox) {
    QImage bitmap(2, 2, QImage::Format_RGB32);
    bitmap.setPixel(0, 0, qRgb(255, 0, 0));
    bitmap.setPixel(1, 0, qRgb(0, 255, 0));
    bitmap.setPixel(0, 1, qRgb(0, 0, 255));
    bitmap.setPixel(1, 1, qRgb(0, 0, 0));
    const auto draw = [&](TBaseReport& report) {
        report.SetOrigin(1, 1);
        report.StretchDraw(0, 0, 2, 1, bitmap);
    };
    for (const QImage& page : {ToImage(96, draw), ReplayPage(ToStream(600, draw), 0, 96)}) {
        EXPECT_EQ(page.pixel(96 + 10, 96 + 10), qRgb(255, 0, 0));
        EXPECT_EQ(page.pixel(96 + 180, 96 + 10), qRgb(0, 255, 0));
        EXPECT_EQ(page.pixel(96 + 10, 96 + 90), qRgb(0, 0, 255));
        EXPECT_EQ(InkBox(page), QRect(96, 96, 192, 96));
    }
}

TEST(ReportEngine, CreateRectGivesDevicePixelsOfTheBoxFromTheOrigin) {
    TReportImage report(600);
    report.SetOrigin(1, 0.5);
    EXPECT_EQ(report.CreateRect(0.5, 0.5, 1.5, 1.0), QRect(900, 600, 600, 300));
}
