#pragma once

#include "storage/LabelTemplate.h"

#include <QString>
#include <QStringList>

// What the catalogue's search box asks for, and whether a template answers it. The text is
// either a label size ("2 x 4", "2-5/8 x 1", "1 5/8\" x 4\"", "50 x 25 mm", "99.1x38.1mm"),
// matched either way round, in inches or millimetres (both when no unit is given), or words
// that must each appear in the template's name, maker, part number, equivalents, category
// or paper (without regard to case). Paper and shape filters narrow either kind.
class TemplateSearch {
public:
    enum class Paper { Any, Letter, A4, Other, Roll };
    enum class Shape { Any, Rectangular, Rounded, RoundOrOval };

    explicit TemplateSearch(const QString& text = {}, Paper paper = Paper::Any,
                            Shape shape = Shape::Any);

    bool Matches(const LabelTemplate& t) const;
    bool IsSize() const { return sizeA_ > 0; }

    // Inches how far a label may differ from a size in inches (1/32 in), and millimetres
    // from one in millimetres (the figures of metric sheets are rounded to 0.1 mm, and a
    // person types "99 x 38" for 99.1 x 38.1 mm).
    static constexpr double InchTolerance = 1.0 / 32;
    static constexpr double MillimetreTolerance = 0.75;

    // A number as a person writes a length: "2", "2.625", "2,5", "5/8", "2-5/8", "2 5/8".
    // False for anything else.
    static bool ParseNumber(const QString& text, double& value);

private:
    bool SizeMatches(const SheetGeometry& g) const;

    QStringList words_;
    double sizeA_ = 0, sizeB_ = 0; // as typed
    bool inches_ = true, millimetres_ = true;
    Paper paper_;
    Shape shape_;
};
