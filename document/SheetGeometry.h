#pragma once

#include <QString>

// The geometry of a sheet of labels, as held by the template editor and the current label.
// Lengths are single-precision inches, as stored; counts are labels.
struct SheetGeometry {
    float labelHeight = 0;     // LBLHEIGHT
    float labelWidth = 0;      // LBLWIDTH
    int labelsAcross = 0;      // NBRACROSS
    int labelsDown = 0;        // NBRDOWN
    float topMargin = 0;       // TOPMARG
    float leftMargin = 0;      // LEFTMARG
    float horizontalPitch = 0; // HORIZPITCH
    float verticalPitch = 0;   // VERTPITCH
    QString paperSize;         // PAPERSIZE: "LTR", "LTRL", "A4", "A4L", "A5", "USER", ...
    QString labelShape;        // LBLSHAPE: "RR", "RE", "SR"
    // The paper's own size, inches, for papers no code names: "USER" (any width x height) and
    // "ROLL" (a label printer's page, one row of labels long). 0 where the code tells it.
    float sheetWidth = 0;  // SHEETWIDTH
    float sheetHeight = 0; // SHEETDEPTH

    bool operator==(const SheetGeometry&) const = default;
};

// The one label the main window designs: its description, the template its geometry
// came from, and the geometry itself. Shared with printing and the template code.
struct CurrentLabel {
    QString description;  // at most 60 characters in memory
    QString templateName; // at most 60 characters
    SheetGeometry geometry;

    bool operator==(const CurrentLabel&) const = default;
};
