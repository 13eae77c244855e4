#include "designer/LabelUnit.h"

#include "document/PaperSizes.h"
#include "document/SheetGeometry.h"

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
