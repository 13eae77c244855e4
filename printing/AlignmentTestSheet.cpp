#include "printing/AlignmentTestSheet.h"

#include <QLocale>
#include <QPointF>

#include <algorithm>
#include <cmath>

#include "printing/SheetMarks.h"
#include "printing/TBaseReport.h"
#include <QCoreApplication>

namespace {

constexpr double kMm = 1 / 25.4;
constexpr double kRulerOutside = 0.25; // inches the rulers reach past the label's edge
constexpr double kRulerInside = 0.75;  // and into the label

void Line(TBaseReport& report, const QPointF& from, const QPointF& to) {
    report.MoveTo(from.x(), from.y());
    report.LineTo(to.x(), to.y());
}

// A ruler through zero along `along` (a unit vector, positive into the label) from -outside
// to +inside inches; millimetre ticks stand on the `out` side, 1/32 in ticks on the other.
void DrawRuler(TBaseReport& report, const QPointF& zero, const QPointF& along, const QPointF& out,
               double outside, double inside) {
    report.SetPen(Qt::black, TPenStyle::Solid, 0);
    Line(report, zero - along * outside, zero + along * inside);
    report.SetFont(QStringLiteral("Arial"), 5);
    report.SetFontPlacement(TVerticalPlacement::Baseline);
    for (int mm = int(std::ceil(-outside / kMm)); mm <= int(std::floor(inside / kMm)); ++mm) {
        const double length = mm % 10 == 0 ? 0.12 : mm % 5 == 0 ? 0.08 : 0.045;
        const QPointF at = zero + along * (mm * kMm);
        Line(report, at, at + out * length);
        if (mm % 5 == 0) {
            const QPointF text = at + out * (length + 0.07) - QPointF(0.02, -0.025);
            report.PrintXY(text.x(), text.y(), QString::number(mm));
        }
    }
    for (int n = int(std::ceil(-outside * 32)); n <= int(std::floor(inside * 32)); ++n) {
        const double length = n % 32 == 0 ? 0.12 : n % 8 == 0 ? 0.08 : n % 4 == 0 ? 0.06 : 0.035;
        const QPointF at = zero + along * (n / 32.0);
        Line(report, at, at - out * length);
    }
}

// "+0.125", as the locale writes numbers ("+0,125" in German).
QString Signed(double value, int decimals) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return (value >= 0 ? QStringLiteral("+") : QString()) + locale.toString(value, 'f', decimals);
}

} // namespace

void AlignmentTestSheet::Draw(TBaseReport& report) const {
    const SheetGeometry& g = Geometry;
    const double width = g.labelWidth, height = g.labelHeight;
    for (int row = 0; row < g.labelsDown; ++row)
        for (int column = 0; column < g.labelsAcross; ++column) {
            const double x = column * double(g.horizontalPitch) + g.leftMargin;
            const double y = row * double(g.verticalPitch) + g.topMargin;
            DrawOutline(report, x, y);
            DrawCross(report, x + width / 2, y + height / 2);
        }
    // Each ruler crosses an edge in its middle, zero on the edge, so that the two rulers of a
    // label never meet (at a corner their ticks and numbers would print over each other) and
    // a round label's edge is where the ruler crosses it. Inside the label a ruler stops
    // short of the cross at the centre.
    constexpr double kClearOfCross = 0.15;
    const double insideX = std::clamp(width / 2 - kClearOfCross, 0.0, kRulerInside);
    const double insideY = std::clamp(height / 2 - kClearOfCross, 0.0, kRulerInside);
    const double firstX = g.leftMargin, firstY = g.topMargin;
    DrawRuler(report, {firstX, firstY + height / 2}, {1, 0}, {0, -1}, kRulerOutside, insideX);
    DrawRuler(report, {firstX + width / 2, firstY}, {0, 1}, {-1, 0}, kRulerOutside, insideY);
    const double lastX =
        std::max(0, g.labelsAcross - 1) * double(g.horizontalPitch) + g.leftMargin + width;
    const double lastY =
        std::max(0, g.labelsDown - 1) * double(g.verticalPitch) + g.topMargin + height;
    DrawRuler(report, {lastX, lastY - height / 2}, {-1, 0}, {0, 1}, kRulerOutside, insideX);
    DrawRuler(report, {lastX - width / 2, lastY}, {0, -1}, {1, 0}, kRulerOutside, insideY);
    DrawCaption(report);
}

void AlignmentTestSheet::DrawOutline(TBaseReport& report, double x, double y) const {
    SheetMarks::DrawOutline(report, Geometry, x, y);
}

void AlignmentTestSheet::DrawCross(TBaseReport& report, double x, double y) const {
    report.SetPen(Qt::black, TPenStyle::Solid, 0);
    constexpr double arm = 0.1;
    Line(report, {x - arm, y}, {x + arm, y});
    Line(report, {x, y - arm}, {x, y + arm});
}

// In the middle of the page, over whatever labels lie there.
void AlignmentTestSheet::DrawCaption(TBaseReport& report) const {
    const QSizeF page = report.PageSizeInches();
    const QString offsets =
        QCoreApplication::translate("AlignmentTestSheet",
                                    "Offsets: horizontal %1 in (%2 mm), vertical %3 in (%4 mm)")
            .arg(Signed(Alignment.OffsetX, 3), Signed(Alignment.OffsetX * 25.4, 2),
                 Signed(Alignment.OffsetY, 3), Signed(Alignment.OffsetY * 25.4, 2));
    const QString scales =
        QCoreApplication::translate("AlignmentTestSheet",
                                    "Scale corrections: horizontal %1 %, vertical %2 %")
            .arg(Signed((Alignment.ScaleX - 1) * 100, 2), Signed((Alignment.ScaleY - 1) * 100, 2));
    const QStringList lines = {
        QCoreApplication::translate("AlignmentTestSheet", "Printer alignment test sheet"),
        QCoreApplication::translate("AlignmentTestSheet", "Printer: %1").arg(PrinterName),
        offsets,
        scales,
        QCoreApplication::translate("AlignmentTestSheet", "Template: %1")
            .arg(TemplateName.trimmed()),
        QCoreApplication::translate("AlignmentTestSheet", "Printed %1")
            .arg(Printed.toString(QStringLiteral("yyyy-MM-dd hh:mm"))),
        QCoreApplication::translate(
            "AlignmentTestSheet",
            "Rulers: across the middle of each edge, zero on the edge, millimetres on"),
        QCoreApplication::translate("AlignmentTestSheet", "one side, 1/32 in on the other."),
        QCoreApplication::translate(
            "AlignmentTestSheet",
            "Hold this sheet against a sheet of labels to the light: where the labels'"),
        QCoreApplication::translate(
            "AlignmentTestSheet",
            "edges cross the rulers is how far the print must move (+ right, + down)."),
    };
    report.SetFont(QStringLiteral("Arial"), 9);
    report.SetFontPlacement(TVerticalPlacement::Top);
    double y = page.height() / 2 - lines.size() * 0.08;
    for (int i = 0; i < lines.size(); ++i) {
        report.SetBold(i == 0);
        report.PrintXY(page.width() / 2 - 2.4, y, lines[i]);
        y += 0.17;
    }
}
