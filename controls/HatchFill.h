#pragma once

#include <QColor>
#include <QPainterPath>
#include <Qt>

class QPainter;

// Fills path with a hatch (Qt::HorPattern, VerPattern, FDiagPattern, BDiagPattern,
// CrossPattern or DiagCrossPattern) so that paper looks like the screen: on a device no finer
// than the screen, Qt's 8-pixel patterns; on a finer one (printer, PDF, 600-dpi image) the
// hatch is drawn as clipped lines, one per 1/12 inch, each about one screen pixel wide,
// instead of patterns that would shrink to a grey tint. Other brush styles fill solid.
void FillHatchedPath(QPainter& painter, const QPainterPath& path, Qt::BrushStyle style,
                     const QColor& color);

// True when the painter's device is finer than the screen, so hatches and pattern
// brushes must be scaled up to keep their on-screen look.
bool DeviceFinerThanScreen(const QPainter& painter);
