#pragma once

#include <QLineEdit>

// A numeric entry of the template editor: holds a value and shows it under a display pattern
// ("##.###", "##.##", "###") while keeping the value it was last given or typed unrounded, so
// that switching units back and forth gives the same numbers. Typing accepts "." as the
// decimal point whatever the locale (and the locale's own separator too), at most as many
// integer digits and decimals as the pattern has.
class NumericEntry : public QLineEdit {
    Q_OBJECT
public:
    explicit NumericEntry(QWidget* parent = nullptr);

    // The value: what was last set, or what the person typed since.
    double Value() const;
    void SetValue(double value);

    QString Pattern() const { return pattern_; }
    // Changes the display pattern and what may be typed; the value stays as it is.
    void SetPattern(const QString& pattern);

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Commit();
    void ShowValue();

    double value_ = 0;
    QString pattern_;
};
