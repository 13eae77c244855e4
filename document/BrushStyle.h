#pragma once

#include <QString>
#include <QStringView>
#include <Qt>

#include <optional>

// Fill styles of shape items, numbered as label items store them and as the report engine
// takes them (0..7). The one list of fill styles in the program.
enum class TBrushStyle : int {
    Solid = 0,
    Clear = 1,
    Horizontal = 2,
    Vertical = 3,
    FDiagonal = 4, // "\" lines
    BDiagonal = 5, // "/" lines
    Cross = 6,
    DiagCross = 7,
};

// The Qt pattern drawing a style; hatches leave their gaps unpainted, Clear draws no fill.
Qt::BrushStyle ToQtBrushStyle(TBrushStyle style);

// True for the six hatched styles.
bool IsHatchBrushStyle(TBrushStyle style);

// The stored names "SOLID" … "DIAGCROSS" and back (compared exactly); nothing for any other.
QString BrushStyleName(TBrushStyle style);
std::optional<TBrushStyle> BrushStyleFromName(QStringView name);
// A style from its number (a preview stream), Clear outside 0..7.
TBrushStyle BrushStyleFromNumber(int number);
