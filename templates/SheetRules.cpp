#include "templates/SheetRules.h"

#include "document/PaperSizes.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>

namespace {
// A length in a message, as the locale writes numbers ("2,625" in German).
QString Inches(double value) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', 3);
}
} // namespace

double SheetRules::RightEdge(const SheetGeometry& g) {
    return g.leftMargin + std::max(0, g.labelsAcross - 1) * double(g.horizontalPitch) +
           g.labelWidth;
}

double SheetRules::BottomEdge(const SheetGeometry& g) {
    return g.topMargin + std::max(0, g.labelsDown - 1) * double(g.verticalPitch) + g.labelHeight;
}

QString SheetRules::Problem(const SheetGeometry& g) {
    if (!(g.labelWidth > 0) || !(g.labelHeight > 0))
        return QCoreApplication::translate("SheetRules", "The label has no size");
    if (g.labelsAcross < 1 || g.labelsDown < 1 || g.labelsAcross > MaxCount ||
        g.labelsDown > MaxCount)
        return QCoreApplication::translate("SheetRules",
                                           "The labels across and down must each be from 1 to %1")
            .arg(MaxCount);
    if (g.leftMargin < -Tolerance || g.topMargin < -Tolerance)
        return QCoreApplication::translate("SheetRules",
                                           "The first label starts outside the paper");
    if (g.labelsAcross > 1 && g.horizontalPitch + Tolerance < g.labelWidth)
        return QCoreApplication::translate(
                   "SheetRules", "The labels overlap: a horizontal pitch of %1 in is less than "
                                 "the label width of %2 in")
            .arg(Inches(g.horizontalPitch), Inches(g.labelWidth));
    if (g.labelsDown > 1 && g.verticalPitch + Tolerance < g.labelHeight)
        return QCoreApplication::translate(
                   "SheetRules", "The labels overlap: a vertical pitch of %1 in is less than the "
                                 "label height of %2 in")
            .arg(Inches(g.verticalPitch), Inches(g.labelHeight));
    const QSizeF paper = PaperSizes::Inches(g);
    if (PaperSizes::SizeIsStored(g.paperSize) && paper.isEmpty())
        return QCoreApplication::translate("SheetRules", "The paper has no size");
    if (paper.isEmpty())
        return {};
    if (RightEdge(g) > paper.width() + Tolerance)
        return QCoreApplication::translate(
                   "SheetRules", "The labels do not fit on the paper: the last label ends %1 in "
                                 "from the left edge of a paper %2 in wide")
            .arg(Inches(RightEdge(g)), Inches(paper.width()));
    if (BottomEdge(g) > paper.height() + Tolerance)
        return QCoreApplication::translate(
                   "SheetRules", "The labels do not fit on the paper: the last label ends %1 in "
                                 "from the top edge of a paper %2 in high")
            .arg(Inches(BottomEdge(g)), Inches(paper.height()));
    return {};
}
