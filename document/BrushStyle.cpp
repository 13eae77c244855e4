#include "document/BrushStyle.h"

#include <array>

namespace {
// In style order.
constexpr std::array<QStringView, 8> kNames = {
    u"SOLID",     u"CLEAR",     u"HORIZONTAL", u"VERTICAL",
    u"FDIAGONAL", u"BDIAGONAL", u"CROSS",      u"DIAGCROSS",
};
} // namespace

Qt::BrushStyle ToQtBrushStyle(TBrushStyle style) {
    switch (style) {
    case TBrushStyle::Solid:
        return Qt::SolidPattern;
    case TBrushStyle::Clear:
        return Qt::NoBrush;
    case TBrushStyle::Horizontal:
        return Qt::HorPattern;
    case TBrushStyle::Vertical:
        return Qt::VerPattern;
    case TBrushStyle::FDiagonal:
        return Qt::FDiagPattern;
    case TBrushStyle::BDiagonal:
        return Qt::BDiagPattern;
    case TBrushStyle::Cross:
        return Qt::CrossPattern;
    case TBrushStyle::DiagCross:
        return Qt::DiagCrossPattern;
    }
    return Qt::NoBrush;
}

bool IsHatchBrushStyle(TBrushStyle style) {
    return style >= TBrushStyle::Horizontal && style <= TBrushStyle::DiagCross;
}

QString BrushStyleName(TBrushStyle style) {
    const auto index = size_t(style);
    return (index < kNames.size() ? kNames[index] : kNames[size_t(TBrushStyle::Clear)])
        .toString();
}

std::optional<TBrushStyle> BrushStyleFromName(QStringView name) {
    for (size_t i = 0; i < kNames.size(); ++i)
        if (kNames[i] == name)
            return TBrushStyle(i);
    return std::nullopt;
}

TBrushStyle BrushStyleFromNumber(int number) {
    return number >= 0 && number < int(kNames.size()) ? TBrushStyle(number) : TBrushStyle::Clear;
}
