#include "designer/SpinEdit.h"

#include <QLineEdit>
#include <QRegularExpression>

#include <algorithm>
#include <climits>

SpinEdit::SpinEdit(QWidget* parent) : QAbstractSpinBox(parent) {
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
    lineEdit()->setText(QStringLiteral("0"));
    connect(lineEdit(), &QLineEdit::textChanged, this, &SpinEdit::Changed);
}

void SpinEdit::SetBounds(int minValue, int maxValue) {
    minValue_ = minValue;
    maxValue_ = maxValue;
}

int SpinEdit::Value() const {
    bool ok = false;
    const QString text = lineEdit()->text().trimmed();
    const int value = text.toInt(&ok);
    return ok ? value : minValue_;
}

int SpinEdit::Bounded(qint64 value) const {
    if (minValue_ == maxValue_)
        return static_cast<int>(std::clamp<qint64>(value, INT_MIN, INT_MAX));
    return static_cast<int>(std::clamp<qint64>(value, minValue_, maxValue_));
}

void SpinEdit::SetValue(int value) {
    const QString text = QString::number(Bounded(value));
    if (lineEdit()->text() != text)
        lineEdit()->setText(text);
}

void SpinEdit::CorrectBounds() {
    const QString corrected = QString::number(Bounded(Value()));
    if (lineEdit()->text() != corrected)
        lineEdit()->setText(corrected);
}

void SpinEdit::stepBy(int steps) {
    if (isReadOnly())
        return;
    SetValue(Bounded(static_cast<qint64>(Value()) + static_cast<qint64>(steps) * increment_));
    lineEdit()->selectAll();
}

QValidator::State SpinEdit::validate(QString& input, int& /*pos*/) const {
    // The keyboard may enter an optional sign and digits, as the classic control allowed.
    static const QRegularExpression allowed(QStringLiteral("^\\s*[+-]?[0-9]*\\s*$"));
    return allowed.match(input).hasMatch() ? QValidator::Acceptable : QValidator::Invalid;
}

QAbstractSpinBox::StepEnabled SpinEdit::stepEnabled() const {
    return isReadOnly() ? StepNone : (StepUpEnabled | StepDownEnabled);
}

void SpinEdit::focusOutEvent(QFocusEvent* event) {
    CorrectBounds();
    QAbstractSpinBox::focusOutEvent(event);
}
