#include "templates/TemplateEditorRules.h"

#include "document/PaperSizes.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <cmath>

const QString TemplateEditorRules::InitialInchPattern = QStringLiteral("##.###");
const QString TemplateEditorRules::InchPattern = QStringLiteral("##.##");
const QString TemplateEditorRules::MillimetrePattern = QStringLiteral("###");

int TemplateEditorRules::PatternDecimals(const QString& pattern) {
    const int point = pattern.indexOf('.');
    return point < 0 ? 0 : static_cast<int>(pattern.size() - point - 1);
}

QString TemplateEditorRules::FormatByPattern(double value, const QString& pattern) {
    const int decimals = PatternDecimals(pattern);
    const double scale = std::pow(10.0, decimals);
    // Round half away from zero on the decimal digits the person sees, not on the binary value
    // (2.625 shows 2.63, not the 2.62 a plain printf of 2.6249999... would give).
    const double scaled = std::round(std::fabs(value) * scale * (1 + 1e-12));
    // Every decimal of the pattern shows, so a whole inch reads "4.00", never "4".
    QString text = QString::number(scaled / scale, 'f', decimals);
    if (value < 0 && scaled != 0)
        text.prepend('-');
    return text;
}

bool TemplateEditorRules::ParseEntry(const QString& text, QChar localeDecimalPoint, double& value) {
    QString t = text.trimmed();
    if (t.isEmpty()) {
        value = 0;
        return true;
    }
    if (localeDecimalPoint != '.')
        t.replace(localeDecimalPoint, '.');
    if (t.count('.') > 1)
        return false;
    for (const QChar c : t)
        if (!c.isDigit() && c != '.' && c != '-' && c != '+')
            return false;
    bool ok = false;
    const double parsed = t.toDouble(&ok); // QString::toDouble always reads the C locale
    if (!ok || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

QStringList TemplateEditorRules::PaperSizeEntries() {
    return PaperSizes::ShownEntries();
}

QStringList TemplateEditorRules::PaperSizeCodes() {
    return PaperSizes::Codes();
}

int TemplateEditorRules::PaperSizeIndex(const QString& code) {
    const int index = static_cast<int>(PaperSizeCodes().indexOf(code.trimmed()));
    return index < 0 ? 0 : index;
}

QString TemplateEditorRules::PaperSizeCode(int index) {
    const QStringList codes = PaperSizeCodes();
    return index >= 0 && index < codes.size() ? codes[index] : codes[0];
}

QStringList TemplateEditorRules::LabelShapeEntries() {
    return {QCoreApplication::translate("TemplateEditorRules", "Rectangular with Rounded Edges"),
            QCoreApplication::translate("TemplateEditorRules", "Round"),
            QCoreApplication::translate("TemplateEditorRules", "Rectangular")};
}

QStringList TemplateEditorRules::LabelShapeCodes() {
    return {"RR", "RE", "SR"};
}

int TemplateEditorRules::LabelShapeIndex(const QString& code) {
    const int index = static_cast<int>(LabelShapeCodes().indexOf(code.trimmed()));
    return index < 0 ? 0 : index;
}

QString TemplateEditorRules::LabelShapeCode(int index) {
    const QStringList codes = LabelShapeCodes();
    return index >= 0 && index < codes.size() ? codes[index] : codes[0];
}

QString TemplateEditorRules::ValidLabel(const SheetGeometry& g, const QString& description) {
    // Single-precision comparisons, as the values are held: 0.3 in typed exactly passes.
    if (g.labelHeight < 0.3f)
        return QCoreApplication::translate("TemplateEditorRules",
                                           "Label Height must be at least .3 inches (or 7mm)");
    if (g.labelWidth < 1.0f)
        return QCoreApplication::translate("TemplateEditorRules",
                                           "Label Width must be at least 1 inch (or 25mm)");
    if (g.labelsAcross > 1 && g.horizontalPitch < g.labelWidth)
        return QCoreApplication::translate("TemplateEditorRules",
                                           "Horizontal Pitch must be at least = Label Width");
    if (g.labelsDown > 1 && g.verticalPitch < g.labelHeight)
        return QCoreApplication::translate("TemplateEditorRules",
                                           "Vertical Pitch must be at least = Label Height");
    if (g.paperSize.trimmed() == QLatin1String(PaperSizes::RollCode) &&
        PaperSizes::Inches(g).isEmpty())
        return QCoreApplication::translate("TemplateEditorRules",
                                           "A roll needs its width and the length of one page");
    if (const QString offPaper = LabelsOffPaper(g); !offPaper.isEmpty())
        return offPaper;
    if (description.isEmpty())
        return QCoreApplication::translate("TemplateEditorRules", "You must provide a description");
    return {};
}

QSizeF TemplateEditorRules::PaperInches(const QString& code) {
    return PaperSizes::NamedInches(code);
}

QString TemplateEditorRules::LabelsOffPaper(const SheetGeometry& g) {
    const QSizeF paper = PaperSizes::Inches(g);
    if (paper.isEmpty())
        return {};
    // The values are single precision and typed to two decimals: a label ending on the
    // paper's edge fits.
    constexpr double kTolerance = 0.005;
    const double right =
        g.leftMargin + std::max(0, g.labelsAcross - 1) * double(g.horizontalPitch) + g.labelWidth;
    const double bottom =
        g.topMargin + std::max(0, g.labelsDown - 1) * double(g.verticalPitch) + g.labelHeight;
    const QString name = PaperSizeEntries().value(PaperSizeIndex(g.paperSize));
    // Lengths as the locale writes numbers ("8,50" in German).
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const auto inches = [&locale](double v) { return locale.toString(v, 'f', 2); };
    if (right > paper.width() + kTolerance)
        return QCoreApplication::translate(
                   "TemplateEditorRules",
                   "The labels do not fit on the paper: the last label's right edge "
                   "lies %1 in from the left, beyond the %2 in width of %3 paper")
            .arg(inches(right), inches(paper.width()), name);
    if (bottom > paper.height() + kTolerance)
        return QCoreApplication::translate(
                   "TemplateEditorRules",
                   "The labels do not fit on the paper: the last label's bottom edge "
                   "lies %1 in from the top, beyond the %2 in height of %3 paper")
            .arg(inches(bottom), inches(paper.height()), name);
    return {};
}
