#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include "document/BrushStyle.h"

// Values shared by the report engine, its drawing surfaces and the preview stream.

// Where a printed text stands relative to the y given to it.
enum class TVerticalPlacement : int {
    Baseline = 0, // the baseline at y
    Top = 1,      // the top of the character cell at y - ascent - internal leading
    Bottom = 2,   // the bottom of the character cell at y + descent
};

enum class TReportOrientation { Portrait, Landscape };

// The eight fill styles of a report brush: those of label items, numbered as they store them.
using TReportBrushStyle = TBrushStyle;

enum class TPenStyle : int { Solid, Dash, Dot, DashDot, DashDotDot, Clear };

// Only plain copying is supported on every target (printer, PDF, image, preview).
enum class TPenMode : int { Copy };

// A font as the engine selects it: a face and a size in points with its styles.
struct TReportFontDesc {
    QString Name = QStringLiteral("Arial");
    double Size = 10.0;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;

    bool operator==(const TReportFontDesc&) const = default;
};

// A pen with its width already in inches; 0 means the device's thinnest line.
struct TReportPenSpec {
    QColor Color = Qt::black;
    TPenStyle Style = TPenStyle::Solid;
    double WidthInches = 0.0;

    bool operator==(const TReportPenSpec&) const = default;
};

// A brush; hatch lines are laid out from HatchOrigin (inches from the paper's corner).
struct TReportBrushSpec {
    QColor Color = Qt::white;
    TReportBrushStyle Style = TReportBrushStyle::Solid;
    QImage Pattern; // optional tile, one pixel = 1/96 inch; overrides Style when set
    double HatchOriginX = 0.0;
    double HatchOriginY = 0.0;
};

