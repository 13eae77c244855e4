#pragma once

#include <Qt>

// Fill styles of shape items, in their stored order (values 0..7).
enum TBrushStyle {
    bsSolid = 0,
    bsClear = 1,
    bsHorizontal = 2,
    bsVertical = 3,
    bsFDiagonal = 4, // "\" lines
    bsBDiagonal = 5, // "/" lines
    bsCross = 6,
    bsDiagCross = 7
};

// The Qt pattern drawing a stored style; hatches leave their gaps unpainted. Values outside
// 0..7 (a hand-edited file) draw no fill.
Qt::BrushStyle ToQtBrushStyle(int brushStyle);

// True for the six hatched styles.
bool IsHatchBrushStyle(int brushStyle);
