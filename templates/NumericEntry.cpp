#include "templates/NumericEntry.h"

#include "templates/TemplateEditorRules.h"

#include <QLocale>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

NumericEntry::NumericEntry(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetPattern(TemplateEditorRules::InitialInchPattern);
    connect(this, &QLineEdit::editingFinished, this, &NumericEntry::Commit);
}

double NumericEntry::Value() const {
    if (!isModified())
        return value_;
    double typed = value_;
    if (TemplateEditorRules::ParseEntry(text(), QLocale().decimalPoint().front(), typed))
        return typed;
    return value_;
}

void NumericEntry::SetValue(double value) {
    value_ = value;
    ShowValue();
}

void NumericEntry::SetPattern(const QString& pattern) {
    pattern_ = pattern;
    const int point = static_cast<int>(pattern.indexOf('.'));
    const int integerDigits = static_cast<int>(point < 0 ? pattern.size() : point);
    const int decimals = TemplateEditorRules::PatternDecimals(pattern);
    QString separators = QStringLiteral(".");
    const QString localePoint = QLocale().decimalPoint();
    if (localePoint != ".")
        separators += QRegularExpression::escape(localePoint);
    QString expression = QStringLiteral("\\d{0,%1}").arg(integerDigits);
    if (decimals > 0)
        expression += QStringLiteral("([%1]\\d{0,%2})?").arg(separators).arg(decimals);
    setValidator(new QRegularExpressionValidator(QRegularExpression(expression), this));
    ShowValue();
}

void NumericEntry::focusOutEvent(QFocusEvent* event) {
    Commit();
    QLineEdit::focusOutEvent(event);
}

void NumericEntry::Commit() {
    if (!isModified())
        return;
    value_ = Value();
    ShowValue();
}

void NumericEntry::ShowValue() {
    // Shown with the decimal mark of the person's language, as they type it; the value and
    // everything stored keep ".".
    QString text = TemplateEditorRules::FormatByPattern(value_, pattern_);
    text.replace(QLatin1Char('.'), QLocale().decimalPoint());
    setText(text);
    setModified(false);
}
