#include "printing/SheetMarks.h"

#include <QColor>
#include <QSizeF>

#include <algorithm>
#include <set>

#include "document/SheetGeometry.h"
#include "printing/TBaseReport.h"

namespace {

void Line(TBaseReport& report, double x1, double y1, double x2, double y2) {
    report.MoveTo(x1, y1);
    report.LineTo(x2, y2);
}

} // namespace

void SheetMarks::DrawOutline(TBaseReport& report, const SheetGeometry& geometry, double x,
                             double y) {
    report.SetPen(QColor(90, 90, 90), TPenStyle::Solid, -1);
    report.SetBrush(Qt::white, TReportBrushStyle::Clear);
    const double right = x + geometry.labelWidth, bottom = y + geometry.labelHeight;
    const QString shape = geometry.labelShape.trimmed();
    if (shape == u"RE") {
        report.Ellipse(x, y, right, bottom);
    } else if (shape == u"SR") {
        report.Rectangle(x, y, right, bottom);
    } else {
        const double corner = 0.2 * std::min<double>(geometry.labelWidth, geometry.labelHeight);
        report.RoundRect(x, y, right, bottom, corner, corner);
    }
}

void SheetMarks::DrawCropMarks(TBaseReport& report, const SheetGeometry& g) {
    if (g.labelsAcross <= 0 || g.labelsDown <= 0)
        return;
    // The labels' edges, each once (labels that touch share one).
    std::set<double> columns, rows;
    for (int c = 0; c < g.labelsAcross; ++c) {
        const double left = c * double(g.horizontalPitch) + g.leftMargin;
        columns.insert(left);
        columns.insert(left + g.labelWidth);
    }
    for (int r = 0; r < g.labelsDown; ++r) {
        const double top = r * double(g.verticalPitch) + g.topMargin;
        rows.insert(top);
        rows.insert(top + g.labelHeight);
    }
    const double blockLeft = *columns.begin(), blockRight = *columns.rbegin();
    const double blockTop = *rows.begin(), blockBottom = *rows.rbegin();
    const QSizeF page = report.PageSizeInches();
    report.SetPen(Qt::black, TPenStyle::Solid, 0);
    // A mark from the gap outwards, no further than the paper; none where the margin is
    // narrower than the gap.
    const auto mark = [](double edge, double direction, double limit, double& from, double& to) {
        from = edge + direction * CropMarkGap;
        to = edge + direction * (CropMarkGap + CropMarkLength);
        to = direction < 0 ? std::max(to, limit) : std::min(to, limit);
        return direction < 0 ? to < from : to > from;
    };
    double from = 0, to = 0;
    for (const double x : columns) {
        if (mark(blockTop, -1, 0, from, to))
            Line(report, x, from, x, to);
        if (mark(blockBottom, 1, page.height(), from, to))
            Line(report, x, from, x, to);
    }
    for (const double y : rows) {
        if (mark(blockLeft, -1, 0, from, to))
            Line(report, from, y, to, y);
        if (mark(blockRight, 1, page.width(), from, to))
            Line(report, from, y, to, y);
    }
}
