#include "templates/TemplateSearch.h"

#include "document/PaperSizes.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace {
constexpr double MillimetresPerInch = 25.4;

bool Near(double a, double b, double tolerance) {
    return std::abs(a - b) <= tolerance + 1e-9;
}
} // namespace

bool TemplateSearch::ParseNumber(const QString& text, double& value) {
    static const QRegularExpression pattern(
        QStringLiteral("^(?:(\\d+(?:[.,]\\d+)?)|(?:(\\d+)[- ])?(\\d+)/(\\d+))$"));
    const QRegularExpressionMatch m = pattern.match(text.trimmed());
    if (!m.hasMatch())
        return false;
    if (!m.captured(1).isEmpty()) {
        value = QString(m.captured(1)).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
        return true;
    }
    const double denominator = m.captured(4).toDouble();
    if (denominator == 0)
        return false;
    value = m.captured(2).toDouble() + m.captured(3).toDouble() / denominator;
    return true;
}

TemplateSearch::TemplateSearch(const QString& text, Paper paper, Shape shape)
    : paper_(paper), shape_(shape) {
    // A size: two lengths joined by "x" (or "×" or "*"), units after either or both.
    static const QRegularExpression size(
        QStringLiteral(
            "^\\s*([\\d.,/ -]+?)\\s*(\"|in|inch|inches|mm|cm)?\\s*[x×*]\\s*([\\d.,/ -]+?)\\s*"
            "(\"|in|inch|inches|mm|cm)?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = size.match(text);
    double a = 0, b = 0;
    if (m.hasMatch() && ParseNumber(m.captured(1), a) && ParseNumber(m.captured(3), b) && a > 0 &&
        b > 0) {
        const QString unit = (m.captured(4).isEmpty() ? m.captured(2) : m.captured(4)).toLower();
        sizeA_ = a;
        sizeB_ = b;
        if (unit == u"cm") {
            sizeA_ *= 10;
            sizeB_ *= 10;
        }
        inches_ = unit.isEmpty() || unit == u"\"" || unit.startsWith(u"in");
        millimetres_ = unit.isEmpty() || unit == u"mm" || unit == u"cm";
        return;
    }
    words_ = text.toLower().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

bool TemplateSearch::SizeMatches(const SheetGeometry& g) const {
    const auto same = [](double w, double h, double a, double b, double tolerance) {
        return (Near(w, a, tolerance) && Near(h, b, tolerance)) ||
               (Near(w, b, tolerance) && Near(h, a, tolerance));
    };
    const double w = g.labelWidth, h = g.labelHeight;
    if (inches_ && same(w, h, sizeA_, sizeB_, InchTolerance))
        return true;
    return millimetres_ && same(w * MillimetresPerInch, h * MillimetresPerInch, sizeA_, sizeB_,
                                MillimetreTolerance);
}

bool TemplateSearch::Matches(const LabelTemplate& t) const {
    const SheetGeometry& g = t.geometry;
    const QString code = g.paperSize.trimmed();
    switch (paper_) {
    case Paper::Any:
        break;
    case Paper::Letter:
        if (code != u"LTR" && code != u"LTRL")
            return false;
        break;
    case Paper::A4:
        if (code != u"A4" && code != u"A4L")
            return false;
        break;
    case Paper::Roll:
        if (code != QLatin1String(PaperSizes::RollCode))
            return false;
        break;
    case Paper::Other:
        if (code == u"LTR" || code == u"LTRL" || code == u"A4" || code == u"A4L" ||
            code == QLatin1String(PaperSizes::RollCode))
            return false;
        break;
    }
    const QString shape = g.labelShape.trimmed();
    if ((shape_ == Shape::Rectangular && shape != u"SR") ||
        (shape_ == Shape::Rounded && shape != u"RR") ||
        (shape_ == Shape::RoundOrOval && shape != u"RE"))
        return false;
    if (IsSize())
        return SizeMatches(g);
    if (words_.isEmpty())
        return true;
    // The paper as the catalogue shows it and with ".", so that "2,25" and "2.25" both
    // find a roll 2.25 in wide under a German locale.
    const QString haystack = QStringList{t.name,
                                         t.brand,
                                         t.partNumber,
                                         t.equivalents,
                                         t.category,
                                         PaperSizes::ShortName(g),
                                         PaperSizes::ShownName(g, QLocale())}
                                 .join(QLatin1Char(' '))
                                 .toLower();
    for (const QString& word : words_)
        if (!haystack.contains(word))
            return false;
    return true;
}
