#include "printing/TextBoxPrint.h"

#include <QTransform>

#include <cmath>

#include "controls/TextBoxLayout.h"
#include "document/ColorValue.h"
#include "document/MergeFields.h"
#include "document/PrintItemValue.h"
#include "printing/PrintableText.h"
#include "printing/TBaseReport.h"

namespace {

// A line of a text that ended up with nothing to show: its fields were all empty.
bool BlankedByMerging(const QString& typed, const QString& filled) {
    return HasMergeFields(typed) && filled.trimmed().isEmpty();
}

// From the text's frame (x along its lines, y down across them) to the label, inches. A box
// text turns in quarter turns inside its box; any other text turns about its text origin.
QTransform FrameToLabel(const PrintItemValue& item) {
    if (item.textBox.box)
        return TextFrameToBox(QSizeF(item.width, item.height), item.angle) *
               QTransform::fromTranslate(item.left, item.top);
    QTransform turn;
    turn.rotate(-item.angle); // counter-clockwise on a y-down page
    return turn * QTransform::fromTranslate(item.left + item.relativeX, item.top + item.relativeY);
}

} // namespace

QStringList FilledTextLines(const PrintItemValue& item,
                            const std::function<QString(const QString&)>& fill) {
    QStringList lines;
    for (const QString& typed : item.text.split(u'\n')) {
        const QString filled = fill(typed);
        if (item.textBox.skipBlank && BlankedByMerging(typed, filled))
            continue;
        if (!item.textBox.box) {
            lines.append(PrintableText(filled));
            continue;
        }
        QString text = filled;
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
        for (const QString& part : text.split(u'\n'))
            lines.append(PrintableText(part));
    }
    return lines;
}

bool IsLaidOutText(const PrintItemValue& item) {
    return item.textBox.box || item.text.contains(u'\n');
}

bool PrintTextLines(TBaseReport& report, const PrintItemValue& item, const QStringList& lines) {
    const TextBoxFont font{item.fontName, item.fontSize, item.bold, item.italic};
    const TextBoxLayout layout =
        LayOutTextBox(lines, font, item.textBox, QSizeF(item.width, item.height), item.angle);
    const int angle = item.textBox.box ? BoxAngle(item.angle) : ((item.angle % 360) + 360) % 360;
    const QTransform toLabel = FrameToLabel(item);
    if (item.textBox.box)
        report.SetClipRect(item.left, item.top, item.left + item.width, item.top + item.height);
    report.SetFont(item.fontName, layout.points);
    report.SetBold(item.bold);
    report.SetItalic(item.italic);
    report.SetUnderline(item.underline);
    report.SetFontColor(ColorValueToQColor(item.fontColor));
    report.SetFontPlacement(TVerticalPlacement::Baseline);
    report.SetFontRotation(angle);
    for (const TextBoxLine& line : layout.lines) {
        if (line.text.isEmpty())
            continue;
        // The device's own advance places a centred or flush-right line, so that its rounding
        // of glyph widths never pushes the line off its alignment.
        const double start = line.StartFor(report.TextWidth(line.text));
        const QPointF at = toLabel.map(QPointF(start, line.baseline));
        report.PrintXY(at.x(), at.y(), line.text);
    }
    report.SetFontRotation(0);
    if (item.textBox.box)
        report.ClearClip();
    return layout.fits;
}
