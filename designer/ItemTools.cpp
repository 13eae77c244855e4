#include "designer/ItemTools.h"

#include <QCoreApplication>

namespace {

struct Entry {
    LabelItemKind kind;
    const ItemToolKind* part;
};

const Entry kParts[] = {
#define QV_KIND_TOOL_ENTRY(name, code) {LabelItemKind::name, &name##ItemTool},
    QV_ITEM_KINDS(QV_KIND_TOOL_ENTRY)
#undef QV_KIND_TOOL_ENTRY
};

// The kinds' texts (hints, undo steps, messages) are written once, in the kinds' tables, as
// views; listed here as well so that the translation tools find them.
[[maybe_unused]] const char* const kToolTexts[] = {
    QT_TRANSLATE_NOOP("ItemTools", "Drag to place a barcode"),
    QT_TRANSLATE_NOOP("ItemTools", "Drag to place a horizontal line"),
    QT_TRANSLATE_NOOP("ItemTools", "Drag to place a rectangle"),
    QT_TRANSLATE_NOOP("ItemTools", "Drag to place a rounded rectangle"),
    QT_TRANSLATE_NOOP("ItemTools", "Drag to place a symbol"),
    QT_TRANSLATE_NOOP("ItemTools", "Drag to place a text"),
    QT_TRANSLATE_NOOP("ItemTools", "Drag to place a vertical line"),
    QT_TRANSLATE_NOOP("ItemTools", "Drag to place an ellipse"),
    QT_TRANSLATE_NOOP("ItemTools", "Drag to place an image"),
    QT_TRANSLATE_NOOP("ItemTools", "Drag to place the counter"),
    QT_TRANSLATE_NOOP("ItemTools",
                      "This option requires the Windows font WINGDINGS to be installed"),
};
[[maybe_unused]] const char* const kStepTexts[] = {
    QT_TRANSLATE_NOOP("DesignSteps", "Add Barcode"),
    QT_TRANSLATE_NOOP("DesignSteps", "Add Counter"),
    QT_TRANSLATE_NOOP("DesignSteps", "Add Ellipse"),
    QT_TRANSLATE_NOOP("DesignSteps", "Add Horizontal Line"),
    QT_TRANSLATE_NOOP("DesignSteps", "Add Image"),
    QT_TRANSLATE_NOOP("DesignSteps", "Add Rectangle"),
    QT_TRANSLATE_NOOP("DesignSteps", "Add Rounded Rectangle"),
    QT_TRANSLATE_NOOP("DesignSteps", "Add Symbol"),
    QT_TRANSLATE_NOOP("DesignSteps", "Add Text"),
    QT_TRANSLATE_NOOP("DesignSteps", "Add Vertical Line"),
};

} // namespace

const ItemToolKind& ItemTool(LabelItemKind kind) {
    for (const Entry& entry : kParts)
        if (entry.kind == kind)
            return *entry.part;
    return *kParts[0].part;
}

std::optional<LabelItemKind> ItemKindOfTool(QStringView buttonName) {
    for (const Entry& entry : kParts)
        if (entry.part->buttonName == buttonName)
            return entry.kind;
    return std::nullopt;
}

QString ItemToolText(QStringView text) {
    return QCoreApplication::translate("ItemTools", text.toUtf8().constData());
}
