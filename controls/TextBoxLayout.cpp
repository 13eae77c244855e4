#include "controls/TextBoxLayout.h"

#include <QTextBoundaryFinder>

#include <algorithm>
#include <cmath>

#include "controls/TextMeasure.h"

namespace {

// Rounding slack of the fit tests, inches: far below a printer's dot.
constexpr double kSlack = 1e-6;

struct Block {
    QStringList lines;
    QList<double> widthsEm;
    double widestEm = 0;
    bool brokeWord = false;
};

// The longest start of word no wider than widthEm, cut between characters as the user sees
// them; at least one character, so that a word always moves on.
qsizetype FittingPrefix(const TextMeasure& measure, const QString& word, double widthEm) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, word);
    qsizetype fitting = 0;
    for (qsizetype at = finder.toNextBoundary(); at > 0; at = finder.toNextBoundary()) {
        if (measure.WidthEm(QStringView(word).left(at)) > widthEm)
            break;
        fitting = at;
    }
    if (fitting == 0) {
        finder.toStart();
        fitting = std::max<qsizetype>(1, finder.toNextBoundary());
    }
    return fitting;
}

// One line broken at blanks so that each piece is at most widthEm wide; a word wider than
// that on its own is broken between characters.
void WrapLine(const TextMeasure& measure, const QString& line, double widthEm, Block& block) {
    if (measure.WidthEm(line) <= widthEm) {
        block.lines.append(line);
        return;
    }
    QString current;
    bool started = false;
    const auto flush = [&] {
        block.lines.append(current);
        current.clear();
        started = false;
    };
    for (QString word : line.split(u' ')) {
        if (started) {
            const QString joined = current + u' ' + word;
            if (measure.WidthEm(joined) <= widthEm) {
                current = joined;
                continue;
            }
            flush();
        }
        while (measure.WidthEm(word) > widthEm) {
            const qsizetype cut = FittingPrefix(measure, word, widthEm);
            if (cut >= word.size())
                break;
            block.lines.append(word.left(cut));
            word = word.mid(cut);
            block.brokeWord = true;
        }
        current = word;
        started = true;
    }
    flush();
}

Block MakeBlock(const TextMeasure& measure, const QStringList& lines, bool wrap, double widthEm) {
    Block block;
    for (const QString& line : lines) {
        if (wrap)
            WrapLine(measure, line, widthEm, block);
        else
            block.lines.append(line);
    }
    for (const QString& line : block.lines) {
        block.widthsEm.append(measure.WidthEm(line));
        block.widestEm = std::max(block.widestEm, block.widthsEm.last());
    }
    return block;
}

double BlockHeightEm(const TextMeasure& measure, qsizetype lineCount, double spacing) {
    if (lineCount == 0)
        return 0;
    return double(lineCount - 1) * measure.LineHeightEm() * spacing + measure.AscentEm() +
           measure.DescentEm();
}

double AlignFactor(TextAlign align) {
    return align == TextAlign::Centre ? 0.5 : align == TextAlign::Right ? 1.0 : 0.0;
}

double VAlignFactor(TextVAlign align) {
    return align == TextVAlign::Middle ? 0.5 : align == TextVAlign::Bottom ? 1.0 : 0.0;
}

double Spacing(const TextBoxOptions& options) {
    return options.lineSpacing > 0 ? options.lineSpacing : 1.0;
}

// The layout at one size in a frame of the given size (inches).
TextBoxLayout LayOutAt(const TextMeasure& measure, const QStringList& lines, double points,
                       const TextBoxOptions& options, const QSizeF& frame) {
    const double inchesPerEm = points / 72.0;
    const double spacing = Spacing(options);
    const Block block =
        MakeBlock(measure, lines, options.box && options.wrap, frame.width() / inchesPerEm);
    TextBoxLayout layout;
    layout.points = points;
    layout.ascent = measure.AscentEm() * inchesPerEm;
    layout.descent = measure.DescentEm() * inchesPerEm;
    const double widest = block.widestEm * inchesPerEm;
    const double height = BlockHeightEm(measure, block.lines.size(), spacing) * inchesPerEm;
    layout.frame = options.box ? frame : QSizeF(widest, height);
    layout.fits = !block.brokeWord && widest <= layout.frame.width() + kSlack &&
                  height <= layout.frame.height() + kSlack;
    // Text too tall for its box keeps its first lines in view, text too wide its starts.
    const double top = height > layout.frame.height()
                           ? 0
                           : (layout.frame.height() - height) * VAlignFactor(options.valign);
    const double pitch = measure.LineHeightEm() * spacing * inchesPerEm;
    for (qsizetype i = 0; i < block.lines.size(); ++i) {
        TextBoxLine line;
        line.text = block.lines[i];
        line.width = block.widthsEm[i] * inchesPerEm;
        line.baseline = top + layout.ascent + double(i) * pitch;
        line.align = line.width > layout.frame.width() + kSlack ? TextAlign::Left : options.align;
        line.anchor = layout.frame.width() * AlignFactor(line.align);
        layout.lines.append(line);
    }
    return layout;
}

// The sizes a shrinking text may take: from its own down in steps, never below the minimum.
struct SizeSteps {
    double first = 0;
    double smallest = 0;
    int count = 1; // sizes first, first - step, ..., smallest
    double At(int i) const {
        return i + 1 >= count ? smallest : first - i * TextBoxOptions::ShrinkStep;
    }
};

SizeSteps StepsFor(double points, double minimum) {
    SizeSteps steps;
    steps.first = points;
    const double floor = std::clamp(minimum, 1.0, points);
    steps.count = 1 + int(std::ceil((points - floor) / TextBoxOptions::ShrinkStep - 1e-9));
    steps.smallest = floor;
    return steps;
}

// The step whose size first fits lines unwrapped: width and height both grow with the size.
int FirstUnwrappedFit(const TextMeasure& measure, const QStringList& lines,
                      const TextBoxOptions& options, const QSizeF& frame, const SizeSteps& steps) {
    double widestEm = 0;
    for (const QString& line : lines)
        widestEm = std::max(widestEm, measure.WidthEm(line));
    const double heightEm = BlockHeightEm(measure, lines.size(), Spacing(options));
    double fitting = steps.first;
    if (widestEm > 0)
        fitting = std::min(fitting, frame.width() * 72.0 / widestEm);
    if (heightEm > 0)
        fitting = std::min(fitting, frame.height() * 72.0 / heightEm);
    const int step = int(std::ceil((steps.first - fitting) / TextBoxOptions::ShrinkStep - 1e-9));
    return std::clamp(step, 0, steps.count - 1);
}

TextBoxLayout Shrunk(const TextMeasure& measure, const QStringList& lines,
                     const TextBoxOptions& options, const QSizeF& frame, const SizeSteps& steps) {
    // Unwrapped, the size that fits follows from the widths at once; a rounding miss is
    // mended by the next steps.
    int step = FirstUnwrappedFit(measure, lines, options, frame, steps);
    if (options.wrap) {
        // Wrapped lines fit at least where the unwrapped ones do: search the larger sizes.
        int fits = step, tooLarge = -1;
        while (fits - tooLarge > 1) {
            const int middle = (fits + tooLarge) / 2;
            if (LayOutAt(measure, lines, steps.At(middle), options, frame).fits)
                fits = middle;
            else
                tooLarge = middle;
        }
        step = fits;
    }
    TextBoxLayout layout = LayOutAt(measure, lines, steps.At(step), options, frame);
    while (!layout.fits && step + 1 < steps.count)
        layout = LayOutAt(measure, lines, steps.At(++step), options, frame);
    return layout;
}

} // namespace

double TextBoxLine::StartFor(double advance) const {
    return anchor - advance * AlignFactor(align);
}

int BoxAngle(int angleCcw) {
    const int angle = ((angleCcw % 360) + 360) % 360;
    return (angle + 45) / 90 % 4 * 90;
}

TextBoxLayout LayOutTextBox(const QStringList& lines, const TextBoxFont& font,
                            const TextBoxOptions& options, const QSizeF& boxInches, int angleCcw) {
    const TextMeasure measure(font.family, font.bold, font.italic);
    const bool across = options.box && BoxAngle(angleCcw) % 180 != 0;
    const QSizeF frame = across ? boxInches.transposed() : boxInches;
    TextBoxLayout layout = LayOutAt(measure, lines, font.points, options, frame);
    if (!layout.fits && options.box && options.shrink && font.points > options.minFontSize) {
        const SizeSteps steps = StepsFor(font.points, options.minFontSize);
        if (steps.count > 1)
            layout = Shrunk(measure, lines, options, frame, steps);
    }
    return layout;
}

QTransform TextFrameToBox(const QSizeF& box, int angleCcw) {
    // A frame point (u, v) lands, turned counter-clockwise on a y-down page, at:
    switch (BoxAngle(angleCcw)) {
    case 90: // (v, H - u): the lines run up the box from its bottom-left corner
        return QTransform(0, -1, 1, 0, 0, box.height());
    case 180: // (W - u, H - v)
        return QTransform(-1, 0, 0, -1, box.width(), box.height());
    case 270: // (W - v, u): the lines run down the box from its top-right corner
        return QTransform(0, 1, -1, 0, box.width(), 0);
    default:
        return {};
    }
}
