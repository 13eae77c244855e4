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

// A text item is always transparent, flat and sized to its text.
void applyText(QWidget* control, const LabelItemValue& v) {
    auto* label = static_cast<TPim3DLabel*>(control);
    label->setTransparent(true);
    label->setAutoSize(true);
    label->setStyle3D(lsLowered3D);
    label->setButtonType(btNone);
    label->setDepth3D(dpNone);
    if (auto* counter = qobject_cast<TCounterLabel*>(control)) {
        counter->setCaption(QString::number(v.startingNumber));
        counter->setTag(v.repeatEach);
    } else {
        label->setCaption(WithoutLineBreaks(v.text));
    }
    label->setFontName(v.fontName);
    label->setFontSize(v.fontSize);
    label->setBold(v.bold);
    label->setItalic(v.italic);
    label->setUnderline(v.underline);
    label->setFontColor(v.fontColor);
    label->setAngle(v.angle);
}

// The text origin the control laid out, the angle as it keeps it (-180..180) and a text as it
// shows it (one line).
void settleText(QWidget* control, LabelItemValue& v) {
    auto* label = static_cast<TPim3DLabel*>(control);
    if (!qobject_cast<TCounterLabel*>(control))
        v.text = label->Caption();
    const QPoint origin = label->TextOrigin();
    v.relativeX = origin.x();
    v.relativeY = origin.y();
    v.angle = label->Angle();
}

} // namespace

extern const ItemControlKind TextItemControl = {&createText, &applyText, &settleText};
extern const ItemControlKind CounterItemControl = {&createCounter, &applyText, &settleText};
