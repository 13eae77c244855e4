#pragma once

#include "document/SheetGeometry.h"

#include <QString>

// The rules every template must keep, whoever made it (the stock catalogue, an import, the
// editor): labels of a positive size, at least one across and down (at most 99, what the
// table stores), pitches that keep neighbouring labels from overlapping, and every label on
// its paper when the paper's size is known. Inches throughout.
class SheetRules {
public:
    static constexpr int MaxCount = 99; // NBRACROSS and NBRDOWN hold two digits
    // Inches a label may stand out over the paper's edge or into its neighbour: the figures
    // of published templates are rounded (a third of an inch written 0.3333).
    static constexpr double Tolerance = 0.005;

    // The first rule the geometry breaks, as a message for a person; empty when it keeps
    // them all.
    static QString Problem(const SheetGeometry& inches);

    // The right and bottom edges of the last label, inches from the paper's top left.
    static double RightEdge(const SheetGeometry& g);
    static double BottomEdge(const SheetGeometry& g);
};
