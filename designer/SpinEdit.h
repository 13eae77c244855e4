#pragma once

#include <QAbstractSpinBox>

// A whole-number spin edit that behaves like the classic platform control the dialogs were
// designed with, rather than like QSpinBox: the text may hold anything the keyboard allows
// (digits and a sign) and is read when asked; text that is not a whole number reads as the
// lower bound; a typed value outside the bounds stays as typed until the box loses the focus;
// a box whose bounds are both 0 has none. Every change of the text emits Changed().
class SpinEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit SpinEdit(QWidget* parent = nullptr);

    void SetBounds(int minValue, int maxValue);
    int MinValue() const { return minValue_; }
    int MaxValue() const { return maxValue_; }
    void SetIncrement(int increment) { increment_ = increment; }

    // The value the text stands for, not brought into the bounds.
    int Value() const;
    // Writes the value, brought into the bounds, as the text; emits Changed() if the text
    // differs from before.
    void SetValue(int value);
    // What the box does on losing the focus: a value outside the bounds, or text that is
    // not a number, is replaced by the value brought into the bounds.
    void CorrectBounds();

    // The value brought into the bounds (unchanged when the box has none).
    int Bounded(qint64 value) const;

    void stepBy(int steps) override;

    // The edit line, for reading and typing the raw text.
    QLineEdit* Editor() const { return lineEdit(); }

signals:
    void Changed();

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    StepEnabled stepEnabled() const override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int minValue_ = 0;
    int maxValue_ = 0;
    int increment_ = 1;
};
