#include "designer/ItemProperties.h"

#include "controls/Picture.h"
#include "controls/TPim3DLabel.h"
#include "designer/DesignerPrompter.h"
#include "designer/ItemFamilies.h"
#include "designer/LabelItems.h"
#include "designer/TImageBrowse.h"
#include "document/MergeFields.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>

#include <algorithm>

ItemProperties::ItemProperties(QWidget* designPanel, LabelItems& items, SelectionControl& selection,
                               std::function<void()> changed)
    : panel_(designPanel), items_(items), selection_(selection), changed_(std::move(changed)) {}

void ItemProperties::MarkChanged() {
    if (changed_)
        changed_();
}

bool ItemProperties::ValueOf(QWidget* item, LabelItemValue& value) const {
    const DesignItem* shown = items_.ItemOf(item);
    if (!shown)
        return false;
    value = shown->value;
    return true;
}

void ItemProperties::Change(QWidget* item, const LabelItemValue& value) {
    if (const DesignItem* shown = items_.ItemOf(item))
        items_.Model().SetItem(shown->name, value);
}

void ItemProperties::Repaint(QWidget* item) const {
    panel_->update();
    if (item)
        item->update();
    selection_.RepaintHandle();
}

void ItemProperties::Refresh(QWidget* item) {
    QPointer<QWidget> guard(item);
    item->repaint();
    // An item that sizes itself to its text does so while pending events run.
    QCoreApplication::processEvents();
    if (!guard)
        return;
    item->repaint();
    selection_.RefreshAttach(item);
}

void ItemProperties::PropText(QWidget* item) {
    LabelItemValue v;
    if (!ValueOf(item, v) || v.kind != LabelItemKind::Text)
        return;
    if (!AskTextItem(v.text, v.textBox))
        return;
    Change(item, v);
    MarkChanged();
    Repaint(item);
}

void ItemProperties::InsertMergeField(QWidget* item, const QString& field) {
    LabelItemValue v;
    if (!ValueOf(item, v) || v.kind != LabelItemKind::Text)
        return;
    v.text += MergeFieldReference(field);
    Change(item, v);
    Changed();
}

void ItemProperties::PropFont(QWidget* item) {
    LabelItemValue v;
    if (!ValueOf(item, v) || !IsText(v.kind))
        return;
    FontChoice font;
    font.name = v.fontName;
    font.size = v.fontSize;
    font.bold = v.bold;
    font.italic = v.italic;
    font.underline = v.underline;
    font.colour = v.fontColor;
    if (AskFont(font)) {
        v.fontName = font.name;
        v.fontSize = font.size;
        v.bold = font.bold;
        v.italic = font.italic;
        v.underline = font.underline;
        v.fontColor = font.colour;
        Change(item, v);
        MarkChanged();
    }
    Repaint(item);
}

void ItemProperties::PropColor(QWidget* item) {
    LabelItemValue v;
    if (!ValueOf(item, v))
        return;
    if (IsShape(v.kind)) {
        qint32 colour = v.brushColor;
        if (!AskColour(colour))
            return;
        v.brushColor = colour;
        // Choosing a colour fills a transparent shape.
        if (v.brushStyle == TBrushStyle::Clear)
            v.brushStyle = TBrushStyle::Solid;
    } else if (IsText(v.kind) || v.kind == LabelItemKind::Symbol) {
        qint32 colour = v.fontColor;
        if (!AskColour(colour))
            return;
        v.fontColor = colour;
    } else {
        return;
    }
    Change(item, v);
    MarkChanged();
    Repaint(item);
}

void ItemProperties::PropColorLine(QWidget* item) {
    LabelItemValue v;
    if (!ValueOf(item, v) || !(IsShape(v.kind) || IsLine(v.kind)))
        return;
    qint32 colour = v.penColor;
    if (!AskColour(colour))
        return;
    v.penColor = colour;
    Change(item, v);
    MarkChanged();
    Repaint(item);
}

void ItemProperties::PropLineThickness(QWidget* item, int width) {
    LabelItemValue v;
    if (ValueOf(item, v) && (IsShape(v.kind) || IsLine(v.kind))) {
        v.penWidth = width;
        Change(item, v);
    }
    if (item)
        item->repaint();
    MarkChanged();
    Repaint(item);
}

void ItemProperties::PropRounding(QWidget* item, int percent) {
    LabelItemValue v;
    if (!ValueOf(item, v) || v.kind != LabelItemKind::RoundRectangle)
        return;
    v.rounding = percent;
    Change(item, v);
    MarkChanged();
    Repaint(item);
}

void ItemProperties::PropBrushStyle(QWidget* item, TBrushStyle style) {
    LabelItemValue v;
    if (!ValueOf(item, v) || !IsShape(v.kind))
        return;
    v.brushStyle = style;
    // A hatch on white would not show.
    if (IsHatchBrushStyle(style) && v.brushColor == kColorWhite)
        v.brushColor = kColorBlack;
    Change(item, v);
    MarkChanged();
    Repaint(item);
}

void ItemProperties::PropAngle(QWidget* item) {
    LabelItemValue v;
    auto* label = qobject_cast<TPim3DLabel*>(item);
    if (!label || !ValueOf(item, v) || !IsText(v.kind))
        return;
    const int before = v.angle < 0 ? v.angle + 360 : v.angle;
    QPointer<TPim3DLabel> target(label);
    int angle = before;
    // The frame follows the text as it turns, not only once the dialog closes: the dialog
    // turns the control alone, the label changes once it is closed with OK.
    const bool ok = AskRotation(angle, [this, target](int live) {
        if (!target)
            return;
        target->setAngle(live);
        selection_.RefitHandle(target);
    });
    if (!target)
        return;
    if (ok) {
        v.angle = angle;
        Change(item, v);
        MarkChanged();
    } else {
        items_.ShowAgain(item);
    }
    selection_.RefitHandle(item);
    Repaint(item);
}

void ItemProperties::PropSymbol(QWidget* item) {
    LabelItemValue v;
    if (!ValueOf(item, v) || v.kind != LabelItemKind::Symbol)
        return;
    int code = v.asciiChar;
    qint32 colour = v.fontColor;
    if (!AskSymbol(code, colour))
        return;
    v.asciiChar = std::clamp(code, 0, 255);
    v.fontColor = colour;
    Change(item, v);
    MarkChanged();
    Repaint(item);
    // Another character has another size: the frame follows it.
    selection_.RefreshAttach(item);
}

void ItemProperties::PropImage(QWidget* item) {
    LabelItemValue v;
    if (!ValueOf(item, v) || v.kind != LabelItemKind::Image)
        return;
    if (!v.fileName.isEmpty())
        DesignerPrompter::OpenNextImageBrowserAt(QFileInfo(v.fileName).absolutePath());
    const QString path = GetImageFile();
    if (path.isEmpty() || !TImageBrowse::HasPictureExtension(path))
        return;
    // The item keeps its path and picture unless the new picture can be read.
    QString error;
    if (Picture::fromFile(path, &error).isNull()) {
        ShowRuntimeError(error);
        return;
    }
    v.fileName = path;
    Change(item, v);
    MarkChanged();
    Repaint(item);
    // An unstretched image takes its new picture's size: the frame follows it.
    selection_.RefreshAttach(item);
}

bool ItemProperties::ToggleStretch(QWidget* item) {
    LabelItemValue v;
    if (!ValueOf(item, v) || v.kind != LabelItemKind::Image)
        return false;
    v.stretch = !v.stretch;
    Change(item, v);
    selection_.RefreshAttach(item);
    MarkChanged();
    Repaint(item);
    return v.stretch;
}

void ItemProperties::CounterValues(QWidget* item) {
    LabelItemValue v;
    if (!ValueOf(item, v) || v.kind != LabelItemKind::Counter)
        return;
    int start = v.startingNumber;
    int repeat = v.repeatEach;
    if (!AskCounterValues(start, repeat))
        return;
    v.startingNumber = start;
    v.repeatEach = repeat;
    Change(item, v);
    MarkChanged();
    Repaint(item);
}

void ItemProperties::PropBringToFront(QWidget* item) {
    if (const DesignItem* shown = items_.ItemOf(item))
        items_.Model().BringToFront(shown->name);
    item->repaint();
    selection_.RepaintHandle();
    MarkChanged();
    Repaint(item);
}

void ItemProperties::PropSendToBack(QWidget* item) {
    if (const DesignItem* shown = items_.ItemOf(item))
        items_.Model().SendToBack(shown->name);
    item->repaint();
    selection_.RepaintHandle();
    MarkChanged();
    Repaint(item);
}

void ItemProperties::DeleteItem(QWidget* item) {
    const DesignItem* shown = items_.ItemOf(item);
    if (!shown)
        return;
    items_.Model().RemoveItem(shown->name);
    MarkChanged();
}
