#include "controls/BrushStyle.h"

Qt::BrushStyle ToQtBrushStyle(int brushStyle) {
    switch (brushStyle) {
    case bsSolid:
        return Qt::SolidPattern;
    case bsHorizontal:
        return Qt::HorPattern;
    case bsVertical:
        return Qt::VerPattern;
    case bsFDiagonal:
        return Qt::FDiagPattern;
    case bsBDiagonal:
        return Qt::BDiagPattern;
    case bsCross:
        return Qt::CrossPattern;
    case bsDiagCross:
        return Qt::DiagCrossPattern;
    default:
        return Qt::NoBrush;
    }
}

bool IsHatchBrushStyle(int brushStyle) {
    return brushStyle >= bsHorizontal && brushStyle <= bsDiagCross;
}
