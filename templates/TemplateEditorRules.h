#pragma once

#include "document/SheetGeometry.h"

#include <QSizeF>
#include <QString>
#include <QStringList>

// What the template editor computes without widgets: the unit conversions of its inch and
// millimetre screens, the display of its numeric entries, the paper and shape lists with
// their stored codes, the pitch rules and the validation of a geometry before it is saved.
// Stored values are always inches.
class TemplateEditorRules {
public:
    static constexpr double MillimetresPerInch = 25.4;
    static constexpr double InchesPerMillimetre = 0.039370078740157480314;

    static double InchesToMillimetres(double inches) { return inches * MillimetresPerInch; }
    static double MillimetresToInches(double millimetres) {
        return millimetres * InchesPerMillimetre;
    }

    // Display patterns of the numeric entries: inches at first, inches after a switch back
    // from millimetres, millimetres.
    static const QString InitialInchPattern; // "##.###"
    static const QString InchPattern;        // "##.##"
    static const QString MillimetrePattern;  // "###"

    // The text a numeric entry shows for `value` under `pattern`: as many decimals as the
    // pattern has '#' after its point, a half going away from zero, every decimal shown (4 under
    // "##.##" is "4.00"), no thousands separator, always "." (e.g. 2.625 under "##.##" shows
    // "2.63").
    static QString FormatByPattern(double value, const QString& pattern);
    static int PatternDecimals(const QString& pattern);

    // Reads what a person typed into a numeric entry: "." is a decimal point whatever the
    // locale, and so is the locale's own separator `localeDecimalPoint` (e.g. ','). Blank
    // reads as 0. False when the text is not a number.
    static bool ParseEntry(const QString& text, QChar localeDecimalPoint, double& value);

    // The paper sizes in the order of the editor's list, and their stored codes.
    static QStringList PaperSizeEntries();
    // "LTR", "LTRL", "A4", "A4L", "A5", "USER", then the papers added since (PaperSizes).
    static QStringList PaperSizeCodes();
    // List index of a stored code; an unknown code gives 0 (Letter).
    static int PaperSizeIndex(const QString& code);
    static QString PaperSizeCode(int index);

    // The label shapes in list order and their codes: "RR", "RE", "SR".
    static QStringList LabelShapeEntries();
    static QStringList LabelShapeCodes();
    // List index of a stored code; an unknown code gives 0 (rounded edges).
    static int LabelShapeIndex(const QString& code);
    static QString LabelShapeCode(int index);

    // Leaving the width (height) entry: a pitch smaller than the label becomes the label's
    // size. Both values in the unit on screen.
    static double PitchAfterLabelSize(double labelSize, double pitch) {
        return labelSize > pitch ? labelSize : pitch;
    }

    // The checks before a template is saved, on the inch values, in order; the first failure's
    // message, or an empty text when the geometry and description are valid. The pitch of a
    // single column or row is not checked; margins only so far as the labels must fit.
    static QString ValidLabel(const SheetGeometry& inches, const QString& description);

    // The paper a code names, in inches as it lies (landscape turned); empty for "USER",
    // "ROLL" and unknown codes, whose size the code does not tell.
    static QSizeF PaperInches(const QString& code);
    // The message refusing a sheet whose last label's right or bottom edge lies beyond its
    // paper (named, or of the sheet's own size); empty when the labels fit or the paper is
    // not known.
    static QString LabelsOffPaper(const SheetGeometry& inches);

    // The counts the editor's spin edits allow: 1 to 10 across, 1 to 30 down.
    static constexpr int MaxAcross = 10;
    static constexpr int MaxDown = 30;
    static bool CountsInRange(const SheetGeometry& g) {
        return g.labelsAcross >= 1 && g.labelsAcross <= MaxAcross && g.labelsDown >= 1 &&
               g.labelsDown <= MaxDown;
    }
};
