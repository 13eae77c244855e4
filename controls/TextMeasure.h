#pragma once

#include <QString>
#include <QStringView>

#include <memory>

class QFontMetricsF;
struct ReferenceFont;

// Measures text the same way on every device: the outline font at one large reference size,
// unhinted and without kerning, scaled linearly to the size asked for. A text box laid out
// with it breaks its lines and picks its size the same on the design panel, in a PDF and on
// a 600 dpi printer. Lengths are in ems: multiply by the size in points and divide by 72 for
// inches.
class TextMeasure {
public:
    TextMeasure(const QString& family, bool bold, bool italic);

    double WidthEm(QStringView text) const;
    // The same measured by shaping the whole text, never from the per-character table.
    double ShapedWidthEm(QStringView text) const;
    // Whether the font shapes the characters of the table (printable ASCII and Latin-1)
    // one by one, so that a text of them measures the sum of their own advances.
    bool MeasuresByCharacter() const;
    double AscentEm() const { return ascent_; }
    double DescentEm() const { return descent_; }
    // From one baseline to the next in single spacing: ascent, descent and the font's gap.
    double LineHeightEm() const { return lineHeight_; }

private:
    std::shared_ptr<const ReferenceFont> font_;
    double ascent_ = 0;
    double descent_ = 0;
    double lineHeight_ = 0;
};
