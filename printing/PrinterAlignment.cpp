#include "printing/PrinterAlignment.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace {

// The value brought into [low, high]; a message when it had to move.
void Bound(double& value, double fallback, double low, double high, const QString& what,
           const QString& limit, QStringList& messages) {
    if (!std::isfinite(value)) {
        value = fallback;
        messages << QCoreApplication::translate(
                        "PrinterAlignment", "The %1 was not a number; it is set to its default.")
                        .arg(what);
        return;
    }
    const double bounded = std::clamp(value, low, high);
    if (bounded == value)
        return;
    value = bounded;
    messages << QCoreApplication::translate(
                    "PrinterAlignment",
                    "The %1 must lie within %2; it is set to the nearest limit.")
                    .arg(what, limit);
}

} // namespace

QStringList PrinterAlignment::Clamp() {
    QStringList messages;
    const QString offsetLimit =
        QCoreApplication::translate("PrinterAlignment", "±0.5 in (±12.7 mm)");
    const QString scaleLimit = QStringLiteral("±2 %");
    Bound(OffsetX, 0, -MaxOffset, MaxOffset,
          QCoreApplication::translate("PrinterAlignment", "horizontal offset"), offsetLimit,
          messages);
    Bound(OffsetY, 0, -MaxOffset, MaxOffset,
          QCoreApplication::translate("PrinterAlignment", "vertical offset"), offsetLimit,
          messages);
    Bound(ScaleX, 1, 1 - MaxScaleChange, 1 + MaxScaleChange,
          QCoreApplication::translate("PrinterAlignment", "horizontal scale correction"),
          scaleLimit, messages);
    Bound(ScaleY, 1, 1 - MaxScaleChange, 1 + MaxScaleChange,
          QCoreApplication::translate("PrinterAlignment", "vertical scale correction"), scaleLimit,
          messages);
    return messages;
}
