#include "designer/SelectionProperties.h"

#include "designer/DesignSteps.h"
#include "designer/ItemFamilies.h"
#include "designer/LabelItems.h"
#include "designer/SelectionControl.h"
#include "document/Units.h"

#include <QWidget>

#include <algorithm>

namespace {
// Items whose box is theirs to choose; a plain text, a counter and a symbol take the size of
// what they show, an unstretched picture the picture's.
bool HasWidth(const LabelItemValue& v) {
    switch (v.kind) {
    case LabelItemKind::Text:
        return v.textBox.box;
    case LabelItemKind::Image:
        return v.stretch || v.fit;
    case LabelItemKind::Barcode:
    case LabelItemKind::HorizontalLine:
        return true;
    default:
        return IsShape(v.kind);
    }
}
bool HasHeight(const LabelItemValue& v) {
    if (v.kind == LabelItemKind::HorizontalLine)
        return false;
    if (v.kind == LabelItemKind::VerticalLine)
        return true;
    return HasWidth(v);
}
// A clear shape has no fill colour to show.
constexpr int NoFill = -1;
} // namespace

SelectionProperties::SelectionProperties(SelectionControl& selection, LabelItems& items,
                                         std::function<void()> changed, QObject* parent)
    : QObject(parent), selection_(selection), items_(items), changed_(std::move(changed)) {}

bool SelectionProperties::Has(const LabelItemValue& v, ItemProperty property) {
    switch (property) {
    case ItemProperty::FontFamily:
    case ItemProperty::Bold:
    case ItemProperty::Italic:
    case ItemProperty::Underline:
        return IsText(v.kind);
    case ItemProperty::FontSize:
    case ItemProperty::TextColor:
        return IsText(v.kind) || v.kind == LabelItemKind::Symbol;
    case ItemProperty::LineColor:
    case ItemProperty::LineWidth:
        return IsShape(v.kind) || IsLine(v.kind);
    case ItemProperty::FillColor:
        return IsShape(v.kind);
    case ItemProperty::Left:
    case ItemProperty::Top:
        return true;
    case ItemProperty::Width:
        return HasWidth(v);
    case ItemProperty::Height:
        return HasHeight(v);
    }
    return false;
}

QVariant SelectionProperties::ValueOf(const LabelItemValue& v, ItemProperty property) {
    if (!Has(v, property))
        return {};
    switch (property) {
    case ItemProperty::FontFamily:
        return v.fontName;
    case ItemProperty::FontSize:
        return v.fontSize;
    case ItemProperty::Bold:
        return v.bold;
    case ItemProperty::Italic:
        return v.italic;
    case ItemProperty::Underline:
        return v.underline;
    case ItemProperty::TextColor:
        return int(v.fontColor);
    case ItemProperty::LineColor:
        return int(v.penColor);
    case ItemProperty::LineWidth:
        return v.penWidth;
    case ItemProperty::FillColor:
        return v.brushStyle == TBrushStyle::Clear ? NoFill : int(v.brushColor);
    case ItemProperty::Left:
        return v.left;
    case ItemProperty::Top:
        return v.top;
    case ItemProperty::Width:
        return v.width;
    case ItemProperty::Height:
        return v.height;
    }
    return {};
}

QString SelectionProperties::StepName(ItemProperty property) {
    switch (property) {
    case ItemProperty::FontFamily:
        return tr("Font");
    case ItemProperty::FontSize:
        return tr("Font Size");
    case ItemProperty::Bold:
        return tr("Bold");
    case ItemProperty::Italic:
        return tr("Italic");
    case ItemProperty::Underline:
        return tr("Underline");
    case ItemProperty::TextColor:
        return tr("Font Color");
    case ItemProperty::LineColor:
        return tr("Line Color");
    case ItemProperty::LineWidth:
        return tr("Line Thickness");
    case ItemProperty::FillColor:
        return tr("Fill Color");
    case ItemProperty::Left:
    case ItemProperty::Top:
        return tr("Position");
    case ItemProperty::Width:
    case ItemProperty::Height:
        return tr("Size");
    }
    return {};
}

std::vector<const DesignItem*> SelectionProperties::SelectedItems() const {
    std::vector<const DesignItem*> selected;
    for (const QWidget* control : selection_.SelectedItems())
        if (const DesignItem* item = items_.ItemOf(control))
            selected.push_back(item);
    return selected;
}

bool SelectionProperties::Offers(ItemProperty property) const {
    const auto selected = SelectedItems();
    return std::any_of(selected.begin(), selected.end(),
                       [property](const DesignItem* item) { return Has(item->value, property); });
}

QVariant SelectionProperties::Shared(ItemProperty property) const {
    QVariant shared;
    for (const DesignItem* item : SelectedItems()) {
        const QVariant value = ValueOf(item->value, property);
        if (!value.isValid())
            continue;
        if (!shared.isValid())
            shared = value;
        else if (shared != value)
            return {};
    }
    return shared;
}

QSize SelectionProperties::LabelSize() const {
    const SheetGeometry& g = items_.Design().geometry;
    return {InchesToPixels(g.labelWidth), InchesToPixels(g.labelHeight)};
}

const LabelDesign& SelectionProperties::Design() const {
    return items_.Design();
}

void SelectionProperties::Set(LabelItemValue& v, ItemProperty property, const QVariant& to) const {
    const QSize label = LabelSize();
    // The largest value that keeps an item of the given extent within the label.
    const auto within = [](int value, int lowest, int highest) {
        return std::clamp(value, lowest, std::max(lowest, highest));
    };
    switch (property) {
    case ItemProperty::FontFamily:
        v.fontName = to.toString();
        break;
    case ItemProperty::FontSize:
        v.fontSize = std::max(1, to.toInt());
        break;
    case ItemProperty::Bold:
        v.bold = to.toBool();
        break;
    case ItemProperty::Italic:
        v.italic = to.toBool();
        break;
    case ItemProperty::Underline:
        v.underline = to.toBool();
        break;
    case ItemProperty::TextColor:
        v.fontColor = to.toInt();
        break;
    case ItemProperty::LineColor:
        v.penColor = to.toInt();
        break;
    case ItemProperty::LineWidth:
        v.penWidth = std::max(0, to.toInt());
        break;
    case ItemProperty::FillColor:
        if (to.toInt() == NoFill) {
            v.brushStyle = TBrushStyle::Clear;
        } else {
            v.brushColor = to.toInt();
            // Choosing a colour fills a clear shape.
            if (v.brushStyle == TBrushStyle::Clear)
                v.brushStyle = TBrushStyle::Solid;
        }
        break;
    case ItemProperty::Left:
        v.left = within(to.toInt(), 0, label.width() - v.width);
        break;
    case ItemProperty::Top:
        v.top = within(to.toInt(), 0, label.height() - v.height);
        break;
    case ItemProperty::Width:
        v.width = within(to.toInt(), 1, label.width() - v.left);
        break;
    case ItemProperty::Height:
        v.height = within(to.toInt(), 1, label.height() - v.top);
        break;
    }
}

void SelectionProperties::Apply(ItemProperty property, const QVariant& value) {
    const QList<QWidget*> chosen = selection_.ChosenOrder();
    std::vector<DesignItem> changed;
    for (const DesignItem* item : SelectedItems()) {
        if (!Has(item->value, property))
            continue;
        DesignItem next = *item;
        Set(next.value, property, value);
        if (next.value != item->value)
            changed.push_back(std::move(next));
    }
    if (changed.empty())
        return;
    DesignSteps::Scope step(steps_, StepName(property));
    // Clicks on a size box's arrows, one after another, are one step.
    if (steps_) {
        QStringList names;
        for (const DesignItem& item : changed)
            names << item.name;
        steps_->MayJoinPrevious(StepName(property) + u':' + names.join(u','));
    }
    items_.Model().SetItems(changed);
    // The frame follows the items to their new boxes; the keys stay where they are (the next
    // box of the bar after a Tab).
    if (!chosen.isEmpty())
        selection_.RefitHandle(chosen.front());
    if (changed_)
        changed_();
}

void SelectionProperties::DesignChanged(const LabelDesign&, const DesignChange&) {
    emit Changed();
}
