#pragma once

#include <QLocale>
#include <QString>

#include <optional>

struct SheetGeometry;

// The unit a label's measures are shown in: the unit of its template's paper (millimetres on
// the ISO papers, A4 and the like; inches on Letter and the others). Stored values are inches
// whatever the unit.
class LabelUnit {
public:
    enum Kind { Inches, Millimetres };

    explicit LabelUnit(Kind kind = Inches) : kind_(kind) {}
    static LabelUnit Of(const SheetGeometry& geometry);

    Kind Which() const { return kind_; }
    // "in" or "mm".
    QString Symbol() const;
    // Units in one inch.
    double PerInch() const { return kind_ == Millimetres ? 25.4 : 1.0; }
    // A length in inches as the unit shows it: "1.250 in" (three decimals), "31.8 mm" (one).
    QString Format(double inches) const;
    // The number alone, as a typed value shows it: "1.250", "31.8".
    QString Number(double inches) const;
    int Decimals() const { return kind_ == Millimetres ? 1 : 3; }
    // The number as the locale writes it, for a box the user types into: "1,250" in German.
    QString LocalNumber(double inches, const QLocale& locale) const;
    // A length as the locale writes it, with the unit's symbol: "1,250 in" in German.
    QString LocalFormat(double inches, const QLocale& locale) const;
    // A number typed in this unit, in inches: the locale's form or the plain one ("1.25"),
    // with or without the unit's symbol; nothing when it is not a number.
    std::optional<double> ParseInches(const QString& text, const QLocale& locale) const;

private:
    Kind kind_;
};
