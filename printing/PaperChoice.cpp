#include "printing/PaperChoice.h"

#include "printing/TBaseReport.h"

PaperChoice PaperChoice::ForPaperSize(const QString& paperSize) {
    PaperChoice choice;
    if (paperSize == QLatin1String("LTR") || paperSize == QLatin1String("LTRL"))
        choice.PaperCode = 1;
    else if (paperSize == QLatin1String("A4") || paperSize == QLatin1String("A4L"))
        choice.PaperCode = 9;
    else if (paperSize == QLatin1String("A5"))
        choice.PaperCode = 11;
    if (paperSize == QLatin1String("LTRL") || paperSize == QLatin1String("A4L"))
        choice.Orientation = TReportOrientation::Landscape;
    return choice;
}

QPageSize::PageSizeId PaperChoice::PageSizeId(int paperCode) {
    switch (paperCode) {
    case 1:
        return QPageSize::Letter;
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
        return QStringLiteral("The printer has no %1 paper.").arg(paper);
    return QStringLiteral("The printer \"%1\" has no %2 paper.").arg(printerName, paper);
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
