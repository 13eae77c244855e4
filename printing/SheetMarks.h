#pragma once

class TBaseReport;
struct SheetGeometry;

// Marks drawn on a sheet beside the labels themselves, in inches from the paper's corner:
// the outline of a label (the template's shape, as on the alignment test sheet) and the
// crop marks in the sheet's margins that show where the labels' columns and rows begin and
// end, for cutting plain paper or checking a printer's placement.
class SheetMarks {
public:
    // The outline of the label whose top-left corner is at (x, y): a grey line a hundredth
    // of an inch wide, nothing filled.
    static void DrawOutline(TBaseReport& report, const SheetGeometry& geometry, double x, double y);
    // Crop marks outside the block of labels: short lines in the margins, in line with
    // every column's left and right edges and every row's top and bottom edges, kept a gap
    // away from the labels and cut short at the paper's edge.
    static void DrawCropMarks(TBaseReport& report, const SheetGeometry& geometry);

    static constexpr double CropMarkGap = 1.0 / 16;    // inches between a mark and the labels
    static constexpr double CropMarkLength = 3.0 / 16; // inches
};
