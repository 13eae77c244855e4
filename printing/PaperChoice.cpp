#include "printing/PaperChoice.h"

#include "document/PaperSizes.h"
#include "document/SheetGeometry.h"
#include "printing/TBaseReport.h"
#include <QCoreApplication>

PaperChoice PaperChoice::ForPaperSize(const QString& paperSize) {
    PaperChoice choice;
    const QString code = paperSize.trimmed();
    const struct {
        const char* portrait;
        const char* landscape;
        int paperCode;
    } papers[] = {{"LTR", "LTRL", 1}, {"A4", "A4L", 9},   {"A5", "A5L", 11},
                  {"A3", "A3L", 8},   {"LGL", "LGLL", 5}, {"TAB", "TABL", 3}};
    for (const auto& p : papers) {
        if (code == QLatin1String(p.portrait) || code == QLatin1String(p.landscape))
            choice.PaperCode = p.paperCode;
        if (code == QLatin1String(p.landscape))
            choice.Orientation = TReportOrientation::Landscape;
    }
    return choice;
}

PaperChoice PaperChoice::ForGeometry(const SheetGeometry& geometry) {
    PaperChoice choice = ForPaperSize(geometry.paperSize);
    if (choice.PaperCode == 0 && PaperSizes::SizeIsStored(geometry.paperSize))
        choice.CustomInches = PaperSizes::Inches(geometry);
    return choice;
}

QPageSize::PageSizeId PaperChoice::PageSizeId(int paperCode) {
    switch (paperCode) {
    case 1:
        return QPageSize::Letter;
    case 3:
        return QPageSize::Tabloid;
    case 5:
        return QPageSize::Legal;
    case 8:
        return QPageSize::A3;
    case 9:
        return QPageSize::A4;
    case 11:
        return QPageSize::A5;
    default:
        return QPageSize::Custom;
    }
}

QString PaperChoice::PaperName(int paperCode) {
    switch (paperCode) {
    case 1:
        return QStringLiteral("Letter");
    case 9:
        return QStringLiteral("A4");
    case 11:
        return QStringLiteral("A5");
    default:
        return {};
    }
}

QString PaperChoice::NoPaperMessage(const QString& paperSize, const QString& printerName) {
    const QString paper = PaperName(ForPaperSize(paperSize).PaperCode);
    if (printerName.isEmpty())
        return QCoreApplication::translate("PaperChoice", "The printer has no %1 paper.")
            .arg(paper);
    return QCoreApplication::translate("PaperChoice", "The printer \"%1\" has no %2 paper.")
        .arg(printerName, paper);
}

QString PaperChoice::Check(const TBaseReport& report, const QString& paperSize,
                           const QString& printerName) {
    const PaperChoice choice = ForPaperSize(paperSize);
    if (choice.PaperCode == 0 || report.SupportsPaper(choice.PaperCode))
        return {};
    return NoPaperMessage(paperSize, printerName);
}

void PaperChoice::Apply(TBaseReport& report, const QString& paperSize) {
    const PaperChoice choice = ForPaperSize(paperSize);
    if (choice.PaperCode != 0)
        report.SelectPaper(choice.PaperCode);
    report.SetOrientation(choice.Orientation);
}

void PaperChoice::Apply(TBaseReport& report, const SheetGeometry& geometry) {
    const PaperChoice choice = ForGeometry(geometry);
    Apply(report, geometry.paperSize);
    // Always set, so that a paper of its own size never stays behind for the next job.
    report.SetCustomPageSize(choice.CustomInches);
    if (!choice.CustomInches.isEmpty())
        report.SelectPaper(0);
}
