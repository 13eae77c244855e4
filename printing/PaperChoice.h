#pragma once

#include <QPageSize>
#include <QSizeF>
#include <QString>

#include "printing/ReportTypes.h"

class TBaseReport;
struct SheetGeometry;

// The paper and orientation a label's PAPERSIZE asks for.
struct PaperChoice {
    // 1 letter, 3 tabloid, 5 legal, 8 A3, 9 A4, 11 A5; 0: no named paper (see CustomInches)
    int PaperCode = 0;
    TReportOrientation Orientation = TReportOrientation::Portrait;
    // The page of a sheet whose paper no code names ("USER", and "ROLL": a label printer's
    // page, one row of labels long), inches, upright; empty leaves the device's own paper.
    QSizeF CustomInches;

    static PaperChoice ForPaperSize(const QString& paperSize);
    // As ForPaperSize, and the stored sheet size for the papers no code names.
    static PaperChoice ForGeometry(const SheetGeometry& geometry);

    // The page size a paper code names; QPageSize::Custom for 0 and unknown codes.
    static QPageSize::PageSizeId PageSizeId(int paperCode);

    // Empty when report can take the paper; otherwise the message to show the user, which
    // names the printer when printerName is given.
    static QString Check(const TBaseReport& report, const QString& paperSize,
                         const QString& printerName = {});
    // "The printer "PDF" has no Letter paper."
    static QString NoPaperMessage(const QString& paperSize, const QString& printerName);
    // The paper's name in words: "Letter", "A4", "A5"; "" for the device's own paper.
    static QString PaperName(int paperCode);

    // Gives report the paper and orientation of paperSize.
    static void Apply(TBaseReport& report, const QString& paperSize);
    // Gives report the paper of a sheet, its own size when no code names it.
    static void Apply(TBaseReport& report, const SheetGeometry& geometry);
};
