#include "designer/LabelUnit.h"

#include "document/PaperSizes.h"
#include "document/SheetGeometry.h"

#include <cmath>

LabelUnit LabelUnit::Of(const SheetGeometry& geometry) {
    // A paper measured in millimetres says so in its list entry: "A4 (210 x 297mm)".
    const int index = PaperSizes::IndexOf(geometry.paperSize);
    const bool metric = index >= 0 && PaperSizes::Entries().at(index).contains(QLatin1String("mm"));
    return LabelUnit(metric ? Millimetres : Inches);
}

QString LabelUnit::Symbol() const {
    return kind_ == Millimetres ? QStringLiteral("mm") : QStringLiteral("in");
}

QString LabelUnit::Number(double inches) const {
    return QString::number(inches * PerInch(), 'f', Decimals());
}

QString LabelUnit::Format(double inches) const {
    return Number(inches) + u' ' + Symbol();
}

QString LabelUnit::LocalNumber(double inches, const QLocale& locale) const {
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(inches * PerInch(), 'f', Decimals());
}

QString LabelUnit::LocalFormat(double inches, const QLocale& locale) const {
    return LocalNumber(inches, locale) + u' ' + Symbol();
}

std::optional<double> LabelUnit::ParseInches(const QString& text, const QLocale& locale) const {
    QString number = text.trimmed();
    if (number.endsWith(Symbol(), Qt::CaseInsensitive))
        number = number.chopped(Symbol().size()).trimmed();
    // "1.250" is one and a quarter, never a thousand two hundred and fifty: the box holds
    // no group separators.
    QLocale typed = locale;
    typed.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    double value = typed.toDouble(number, &ok);
    if (!ok)
        value = QLocale::c().toDouble(number, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value / PerInch();
}
