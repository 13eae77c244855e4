#pragma once

#include <QString>

// How an XLSX cell's number format shows its number, as far as a label needs: general
// numbers (whole numbers without a decimal point, others to 15 significant digits), fixed
// decimals with or without thousands separators and percent, and dates and times, which
// show as ISO 8601 ("2024-03-15", "2024-03-15 14:30:00", "14:30:00") whatever the format's
// own order. Separators are '.' and ','; a negative number's own section is not used.
class NumberFormat {
public:
    enum class Kind { General, Fixed, Date, DateTime, Time };

    // One of the formats every workbook has without listing it (numFmtId below 164).
    static NumberFormat Builtin(int id);
    // A format code such as "#,##0.00" or "dd/mm/yyyy hh:mm".
    static NumberFormat Parse(const QString& code);

    Kind GetKind() const { return kind_; }
    int Decimals() const { return decimals_; }
    // value shown; date1904 is the workbook's date system.
    QString Show(double value, bool date1904) const;

    // A number as a general format shows it.
    static QString General(double value);
    // A date serial number as an ISO date, date and time or time.
    static QString Serial(double value, bool date1904, Kind kind);

private:
    Kind kind_ = Kind::General;
    int decimals_ = 0;
    bool grouping_ = false;
    bool percent_ = false;
};
