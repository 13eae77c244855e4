// The controls of text and counter items.
#include "controls/ItemControls.h"
#include "controls/TCounterLabel.h"
#include "document/LabelItemValue.h"
#include "document/ObjectsTextSyntax.h"

namespace {

QWidget* createText(QWidget* panel, const ItemControlContext&) {
    return new TPim3DLabel(panel);
}

QWidget* createCounter(QWidget* panel, const ItemControlContext&) {
    return new TCounterLabel(panel);
}

// A text item is always transparent and flat; it is sized to its text unless it is a box,
// which keeps the width and height it was given.
void applyText(QWidget* control, const LabelItemValue& v) {
    auto* label = static_cast<TPim3DLabel*>(control);
    const bool box = v.kind == LabelItemKind::Text && v.textBox.box;
    label->setTransparent(true);
    label->setAutoSize(!box);
    if (box && v.width > 0 && v.height > 0)
        label->resize(v.width, v.height);
    label->setStyle3D(lsLowered3D);
    label->setButtonType(btNone);
    label->setDepth3D(dpNone);
    if (auto* counter = qobject_cast<TCounterLabel*>(control)) {
        counter->setCaption(QString::number(v.startingNumber));
        counter->setTag(v.repeatEach);
    } else {
        label->setCaption(WithoutLineBreaks(v.text));
        label->setTextLines(v.text, v.textBox);
    }
    label->setFontName(v.fontName);
    label->setFontSize(v.fontSize);
    label->setBold(v.bold);
    label->setItalic(v.italic);
    label->setUnderline(v.underline);
    label->setFontColor(v.fontColor);
    label->setAngle(v.angle);
}

// The text origin the control laid out and the angle as it keeps it (-180..180). The text
// keeps its lines: the control's one-line caption is only how it is shown.
void settleText(QWidget* control, LabelItemValue& v) {
    auto* label = static_cast<TPim3DLabel*>(control);
    // Lines are kept apart by "\n" alone, as they are stored.
    if (!qobject_cast<TCounterLabel*>(control) && v.text.contains(u'\r')) {
        v.text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        v.text.replace(u'\r', u'\n');
    }
    const QPoint origin = label->TextOrigin();
    v.relativeX = origin.x();
    v.relativeY = origin.y();
    v.angle = label->Angle();
}

} // namespace

extern const ItemControlKind TextItemControl = {&createText, &applyText, &settleText};
extern const ItemControlKind CounterItemControl = {&createCounter, &applyText, &settleText};
