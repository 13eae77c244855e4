#pragma once

#include <QColor>
#include <QPainterPath>

#include "document/BrushStyle.h"

class QPainter;

// Fills path (in the painter's coordinates) with a hatch so that a picture's hatch looks on
// paper as on the screen: lines one per 1/12 inch of the device, each about one screen pixel
// wide, laid from the device's corner; on a device no finer than the screen, 8 device pixels
// apart as the screen shows them. Drawn by the one hatch routine (document/HatchLines.h).
void FillHatchedPath(QPainter& painter, const QPainterPath& path, TBrushStyle style,
                     const QColor& color);
