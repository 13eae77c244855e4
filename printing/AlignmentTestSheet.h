#pragma once

#include <QDateTime>
#include <QString>

#include "document/SheetGeometry.h"
#include "printing/PrinterAlignment.h"

class TBaseReport;

// The printer alignment test sheet for a label's template: every label's outline, a cross
// at each label's centre, rulers across the middle of the edges of the first and the last
// label (1 mm ticks on one side, 1/32 in ticks on the other, zero on the label's edge) and
// the printer's name, its correction and the date. Printed on plain paper and held against a
// sheet of labels to the light, the rulers show how far the labels' edges lie from the print.
class AlignmentTestSheet {
public:
    SheetGeometry Geometry;
    QString TemplateName;
    QString PrinterName;
    PrinterAlignment Alignment; // the correction the sheet is printed with
    QDateTime Printed;

    // Draws the sheet as one page; the engine's own correction moves it like any label.
    void Draw(TBaseReport& report) const;

private:
    void DrawOutline(TBaseReport& report, double x, double y) const;
    void DrawCross(TBaseReport& report, double x, double y) const;
    void DrawCaption(TBaseReport& report) const;
};
