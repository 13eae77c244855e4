#pragma once

#include "designer/ItemMenus.h"
#include "document/ItemKinds.h"
#include "document/LabelDesign.h"

#include <QStringView>

class QPainter;
class QRect;

// What the questions asked before an item is placed came to.
enum class NewItemAnswer {
    Place,    // place the item
    Declined, // nothing placed (a dialog declined, an unusable file): the front item is selected
    Cancelled // nothing placed and nothing selected (the prompt for a text cancelled)
};

// The designer part of an item kind: its tool in the tool row, the questions a new item asks
// and its context menu.
struct ItemToolKind {
    QStringView buttonName; // the tool button's component name, "DropTextButton"
    QStringView hint;       // its tooltip, "Drag to place a text"
    QStringView addStep;    // the undo step of placing one, "Add Text"
    // The picture of the item on the tool button and under the pointer while dragging, filling
    // box; smooth pictures are drawn antialiased.
    void (*drawPicture)(QPainter& painter, const QRect& box);
    bool smoothPicture;
    // Asks what a new item needs before it is placed (its text, the counter's values, the
    // symbol, the picture); value is the kind's new item at the drop point.
    NewItemAnswer (*askNew)(LabelItemValue& value, const LabelDesign& design);
    // The kind's context menu: its component name (kinds may share one) and its entries.
    QStringView menuName;
    void (*buildMenu)(ItemMenus::MenuBuilder& menu);
    // The font family the kind needs installed (upper-case part of its name) and what is
    // said when none is; empty for a kind that needs none.
    QStringView requiredFont = {};
    QStringView missingFontMessage = {};
};

const ItemToolKind& ItemTool(LabelItemKind kind);
// A hint or message of a kind's table in the user's language.
QString ItemToolText(QStringView text);
// The kind whose tool button is named name.
std::optional<LabelItemKind> ItemKindOfTool(QStringView buttonName);

// The designer parts, one per kind, each defined in the kind's own file.
#define QV_KIND_TOOL_PART(name, code) extern const ItemToolKind name##ItemTool;
QV_ITEM_KINDS(QV_KIND_TOOL_PART)
#undef QV_KIND_TOOL_PART
