#include "designer/ItemArrangement.h"

#include "designer/DesignSteps.h"
#include "designer/LabelItems.h"
#include "designer/SelectionControl.h"
#include "document/Units.h"

#include <QWidget>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {
QRect BoxOf(const LabelItemValue& value) {
    return {value.left, value.top, value.width, value.height};
}

QRect Span(const std::vector<QRect>& boxes) {
    QRect span = boxes.front();
    for (const QRect& box : boxes)
        span = span.united(box);
    return span;
}
} // namespace

ItemArrangement::ItemArrangement(SelectionControl& selection, LabelItems& items,
                                 std::function<void()> changed)
    : selection_(selection), items_(items), changed_(std::move(changed)) {}

QString ItemArrangement::StepName(Edge edge) {
    switch (edge) {
    case Edge::Left:
        return QString::fromLatin1(QT_TRANSLATE_NOOP("DesignSteps", "Align Left"));
    case Edge::Centres:
        return QString::fromLatin1(QT_TRANSLATE_NOOP("DesignSteps", "Align Centres"));
    case Edge::Right:
        return QString::fromLatin1(QT_TRANSLATE_NOOP("DesignSteps", "Align Right"));
    case Edge::Top:
        return QString::fromLatin1(QT_TRANSLATE_NOOP("DesignSteps", "Align Top"));
    case Edge::Middles:
        return QString::fromLatin1(QT_TRANSLATE_NOOP("DesignSteps", "Align Middles"));
    case Edge::Bottom:
        return QString::fromLatin1(QT_TRANSLATE_NOOP("DesignSteps", "Align Bottom"));
    }
    return {};
}

std::vector<QRect> ItemArrangement::Aligned(const std::vector<QRect>& boxes, Edge edge,
                                            const QRect& label) {
    if (boxes.empty())
        return boxes;
    const QRect to = boxes.size() == 1 ? label : Span(boxes);
    std::vector<QRect> aligned = boxes;
    for (QRect& box : aligned) {
        switch (edge) {
        case Edge::Left:
            box.moveLeft(to.left());
            break;
        case Edge::Centres:
            box.moveLeft(to.left() + (to.width() - box.width()) / 2);
            break;
        case Edge::Right:
            box.moveLeft(to.left() + to.width() - box.width());
            break;
        case Edge::Top:
            box.moveTop(to.top());
            break;
        case Edge::Middles:
            box.moveTop(to.top() + (to.height() - box.height()) / 2);
            break;
        case Edge::Bottom:
            box.moveTop(to.top() + to.height() - box.height());
            break;
        }
    }
    return aligned;
}

std::vector<QRect> ItemArrangement::Distributed(const std::vector<QRect>& boxes,
                                                Qt::Orientation orientation) {
    if (boxes.size() < 3)
        return boxes;
    const bool across = orientation == Qt::Horizontal;
    const auto start = [across](const QRect& box) { return across ? box.left() : box.top(); };
    const auto length = [across](const QRect& box) { return across ? box.width() : box.height(); };
    // Neighbours in the order the items stand, the outermost two fixed.
    std::vector<size_t> order(boxes.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return start(boxes[a]) < start(boxes[b]); });
    const int from = start(boxes[order.front()]);
    const int to = start(boxes[order.back()]) + length(boxes[order.back()]);
    int lengths = 0;
    for (const QRect& box : boxes)
        lengths += length(box);
    const double gap = double(to - from - lengths) / double(boxes.size() - 1);
    std::vector<QRect> spread = boxes;
    int used = 0;
    for (size_t i = 0; i < order.size(); ++i) {
        QRect& box = spread[order[i]];
        const int place = from + used + int(std::lround(gap * double(i)));
        if (across)
            box.moveLeft(place);
        else
            box.moveTop(place);
        used += length(box);
    }
    return spread;
}

std::vector<QRect> ItemArrangement::SelectedBoxes() const {
    std::vector<QRect> boxes;
    for (const QWidget* control : selection_.SelectedItems())
        if (const DesignItem* item = items_.ItemOf(control))
            boxes.push_back(BoxOf(item->value));
    return boxes;
}

void ItemArrangement::Apply(const QString& stepName, const std::vector<QRect>& boxes) {
    DesignSteps::Scope step(steps_, stepName);
    const QList<QWidget*> selected = selection_.SelectedItems();
    const QList<QWidget*> chosen = selection_.ChosenOrder();
    std::vector<DesignItem> changed;
    size_t index = 0;
    for (QWidget* control : selected) {
        const DesignItem* item = items_.ItemOf(control);
        if (!item || index >= boxes.size())
            continue;
        DesignItem next = *item;
        const QRect& box = boxes[index++];
        next.value.left = box.left(), next.value.top = box.top();
        next.value.width = box.width(), next.value.height = box.height();
        if (next.value != item->value)
            changed.push_back(next);
    }
    if (changed.empty())
        return;
    items_.Model().SetItems(changed);
    // The frame follows the items to their new places.
    selection_.SelectItems(chosen);
    if (changed_)
        changed_();
}

void ItemArrangement::Align(Edge edge) {
    const LabelDesign& design = items_.Design();
    const QRect label(0, 0, InchesToPixels(design.geometry.labelWidth),
                      InchesToPixels(design.geometry.labelHeight));
    Apply(StepName(edge), Aligned(SelectedBoxes(), edge, label));
}

void ItemArrangement::Distribute(Qt::Orientation orientation) {
    Apply(orientation == Qt::Horizontal
              ? QString::fromLatin1(QT_TRANSLATE_NOOP("DesignSteps", "Distribute Horizontally"))
              : QString::fromLatin1(QT_TRANSLATE_NOOP("DesignSteps", "Distribute Vertically")),
          Distributed(SelectedBoxes(), orientation));
}

void ItemArrangement::SameSize(Qt::Orientation orientation) {
    const QList<QWidget*> selected = selection_.SelectedItems();
    const QList<QWidget*> chosen = selection_.ChosenOrder();
    if (selected.size() < 2 || chosen.isEmpty())
        return;
    const DesignItem* reference = items_.ItemOf(chosen.front());
    if (!reference)
        return;
    std::vector<QRect> boxes = SelectedBoxes();
    for (QRect& box : boxes) {
        if (orientation == Qt::Horizontal)
            box.setWidth(reference->value.width);
        else
            box.setHeight(reference->value.height);
    }
    Apply(orientation == Qt::Horizontal
              ? QString::fromLatin1(QT_TRANSLATE_NOOP("DesignSteps", "Same Width"))
              : QString::fromLatin1(QT_TRANSLATE_NOOP("DesignSteps", "Same Height")),
          boxes);
}

void ItemArrangement::BringToFront() {
    const QList<QWidget*> selected = selection_.SelectedItems(); // back to front
    const QList<QWidget*> chosen = selection_.ChosenOrder();
    if (selected.isEmpty())
        return;
    DesignSteps::Scope step(
        steps_, QString::fromLatin1(QT_TRANSLATE_NOOP("DesignSteps", "Bring to Front")));
    const LabelDesign before = items_.Design();
    for (QWidget* control : selected)
        if (const DesignItem* item = items_.ItemOf(control))
            items_.Model().BringToFront(item->name);
    selection_.SelectItems(chosen);
    if (items_.Design() != before && changed_)
        changed_();
}

void ItemArrangement::SendToBack() {
    const QList<QWidget*> selected = selection_.SelectedItems();
    const QList<QWidget*> chosen = selection_.ChosenOrder();
    if (selected.isEmpty())
        return;
    DesignSteps::Scope step(steps_,
                            QString::fromLatin1(QT_TRANSLATE_NOOP("DesignSteps", "Send to Back")));
    const LabelDesign before = items_.Design();
    for (auto it = selected.crbegin(); it != selected.crend(); ++it)
        if (const DesignItem* item = items_.ItemOf(*it))
            items_.Model().SendToBack(item->name);
    selection_.SelectItems(chosen);
    if (items_.Design() != before && changed_)
        changed_();
}
