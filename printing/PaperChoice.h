#pragma once

#include <QPageSize>
#include <QString>

#include "printing/ReportTypes.h"

class TBaseReport;

// The paper and orientation a label's PAPERSIZE asks for.
struct PaperChoice {
    int PaperCode = 0; // 1 letter, 9 A4, 11 A5; 0: the device's own paper, unchecked
    TReportOrientation Orientation = TReportOrientation::Portrait;

    static PaperChoice ForPaperSize(const QString& paperSize);

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
};
