#include "designer/ItemProperties.h"

#include "document/BrushStyle.h"
#include "controls/Picture.h"
#include "controls/TCounterLabel.h"
#include "controls/TImage.h"
#include "controls/TLineShape.h"
#include "controls/TPim3DLabel.h"
#include "controls/TPimShape.h"
#include "controls/TSymbol.h"
#include "designer/DesignerPrompter.h"
#include "designer/TImageBrowse.h"
#include "document/ConversionError.h"
#include "designer/LabelItems.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>

ItemProperties::ItemProperties(QWidget* designPanel, LabelItems& items, SelectionControl& selection,
                               std::function<void()> changed)
    : panel_(designPanel), items_(items), selection_(selection), changed_(std::move(changed)) {}

void ItemProperties::MarkChanged() {
    if (changed_)
        changed_();
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
    auto* label = qobject_cast<TPim3DLabel*>(item);
    if (!label || qobject_cast<TCounterLabel*>(item))
        return;
    QString text = label->Caption();
    if (!EnterText(QStringLiteral("Text"), QStringLiteral("Enter text"), text))
        return;
    label->setCaption(text);
    MarkChanged();
    Repaint(item);
}

void ItemProperties::PropFont(QWidget* item) {
    auto* label = qobject_cast<TPim3DLabel*>(item);
    if (!label)
        return;
    FontChoice font;
    font.name = label->FontName();
    font.size = label->FontSize();
    font.bold = label->Bold();
    font.italic = label->Italic();
    font.underline = label->Underline();
    font.colour = label->FontColor();
    if (AskFont(font)) {
        label->setFontName(font.name);
        label->setFontSize(font.size);
        label->setBold(font.bold);
        label->setItalic(font.italic);
        label->setUnderline(font.underline);
        label->setFontColor(font.colour);
        MarkChanged();
    }
    Repaint(item);
}

void ItemProperties::PropColor(QWidget* item) {
    if (auto* shape = qobject_cast<TPimShape*>(item)) {
        qint32 colour = shape->BrushColor();
        if (!AskColour(colour))
            return;
        shape->setBrushColor(colour);
        // Choosing a colour fills a transparent shape.
        if (shape->BrushStyle() == TBrushStyle::Clear)
            shape->setBrushStyle(TBrushStyle::Solid);
    } else if (auto* label = qobject_cast<TPim3DLabel*>(item)) {
        qint32 colour = label->FontColor();
        if (!AskColour(colour))
            return;
        label->setFontColor(colour);
    } else if (auto* symbol = qobject_cast<TSymbol*>(item)) {
        qint32 colour = symbol->FontColor();
        if (!AskColour(colour))
            return;
        symbol->setFontColor(colour);
    } else {
        return;
    }
    MarkChanged();
    Repaint(item);
}

void ItemProperties::PropColorLine(QWidget* item) {
    auto* shape = qobject_cast<TPimShape*>(item);
    auto* line = qobject_cast<TLineShape*>(item);
    if (!shape && !line)
        return;
    qint32 colour = shape ? shape->PenColor() : line->PenColor();
    if (!AskColour(colour))
        return;
    if (shape)
        shape->setPenColor(colour);
    else
        line->setPenColor(colour);
    MarkChanged();
    Repaint(item);
}

void ItemProperties::PropLineThickness(QWidget* item, int width) {
    if (auto* shape = qobject_cast<TPimShape*>(item))
        shape->setPenWidth(width);
    else if (auto* line = qobject_cast<TLineShape*>(item))
        line->setPenWidth(width);
    if (item)
        item->repaint();
    MarkChanged();
    Repaint(item);
}

void ItemProperties::PropRounding(QWidget* item, int percent) {
    auto* shape = qobject_cast<TPimShape*>(item);
    if (!shape)
        return;
    shape->setRoundPerc(percent);
    MarkChanged();
    Repaint(item);
}

void ItemProperties::PropBrushStyle(QWidget* item, TBrushStyle style) {
    auto* shape = qobject_cast<TPimShape*>(item);
    if (!shape)
        return;
    shape->setBrushStyle(style);
    // A hatch on white would not show.
    if (style != TBrushStyle::Solid && style != TBrushStyle::Clear && shape->BrushColor() == kColorWhite)
        shape->setBrushColor(kColorBlack);
    MarkChanged();
    Repaint(item);
}

void ItemProperties::PropAngle(QWidget* item) {
    auto* label = qobject_cast<TPim3DLabel*>(item);
    if (!label)
        return;
    const int before = label->Angle() < 0 ? label->Angle() + 360 : label->Angle();
    const QSize size = label->size();
    QPointer<TPim3DLabel> target(label);
    int angle = before;
    // The frame follows the text as it turns, not only once the dialog closes.
    const bool ok = AskRotation(angle, [this, target](int live) {
        if (!target)
            return;
        target->setAngle(live);
        selection_.RefitHandle(target);
    });
    if (!target)
        return;
    if (ok) {
        label->setAngle(angle);
        MarkChanged();
    } else {
        label->setAngle(before);
        label->resize(size);
    }
    selection_.RefitHandle(item);
    Repaint(item);
}

void ItemProperties::PropSymbol(QWidget* item) {
    auto* symbol = qobject_cast<TSymbol*>(item);
    if (!symbol)
        return;
    int code = symbol->CharCode();
    qint32 colour = symbol->FontColor();
    if (!AskSymbol(code, colour))
        return;
    symbol->setCharCode(static_cast<unsigned char>(std::clamp(code, 0, 255)));
    symbol->setFontColor(colour);
    MarkChanged();
    Repaint(item);
    // Another character has another size: the frame follows it.
    selection_.RefreshAttach(item);
}

void ItemProperties::PropImage(QWidget* item) {
    auto* image = qobject_cast<TImage*>(item);
    if (!image)
        return;
    if (!image->Hint().isEmpty())
        DesignerPrompter::OpenNextImageBrowserAt(QFileInfo(image->Hint()).absolutePath());
    const QString path = GetImageFile();
    if (path.isEmpty() || !TImageBrowse::HasPictureExtension(path))
        return;
    // The item keeps its path and picture unless the new picture can be read.
    QString error;
    if (Picture::fromFile(path, &error).isNull()) {
        ShowRuntimeError(error);
        return;
    }
    const QString previous = image->Hint();
    if (!image->LoadFromFile(path, &error)) {
        image->LoadFromFile(previous);
        ShowRuntimeError(error);
        return;
    }
    MarkChanged();
    Repaint(item);
    // An unstretched image takes its new picture's size: the frame follows it.
    selection_.RefreshAttach(item);
}

bool ItemProperties::ToggleStretch(QWidget* item) {
    auto* image = qobject_cast<TImage*>(item);
    if (!image)
        return false;
    image->setStretch(!image->Stretch());
    selection_.RefreshAttach(item);
    MarkChanged();
    Repaint(item);
    return image->Stretch();
}

void ItemProperties::CounterValues(QWidget* item) {
    auto* counter = qobject_cast<TCounterLabel*>(item);
    if (!counter)
        return;
    bool ok = false;
    int start = counter->Caption().trimmed().toInt(&ok);
    if (!ok)
        throw ConversionError::InvalidInteger(counter->Caption());
    int repeat = counter->Tag();
    if (!AskCounterValues(start, repeat))
        return;
    counter->setCaption(QString::number(start));
    counter->setTag(repeat);
    MarkChanged();
    Repaint(item);
}

void ItemProperties::PropBringToFront(QWidget* item) {
    item->raise();
    item->repaint();
    items_.OrderListBringToFront(item);
    selection_.RepaintHandle();
    MarkChanged();
    Repaint(item);
}

void ItemProperties::PropSendToBack(QWidget* item) {
    item->lower();
    item->repaint();
    items_.OrderListSendToBack(item);
    selection_.RepaintHandle();
    MarkChanged();
    Repaint(item);
}
