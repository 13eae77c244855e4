#pragma once

#include "document/ConversionError.h"
#include "document/LabelItemValue.h"
#include "document/ObjectsTextWriter.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

// The design side's reading of an objects text: the items in pixels at the current screen
// pixels per inch, as the design panel holds them. Values carry over: a block that lacks a key
// takes the value of the last block that had it (the brush style starts as CLEAR; before any
// block sets them, the font is "Arial" at 10 points, the repeat count and pen width are 1 and
// all else is zero, empty or false). Distances are held in single precision before they are
// scaled, as the stored value always was. RELATIVEX, RELATIVEY, ORIENTATION, NOTHING and
// unknown keys are passed over. A block whose kind word is unknown is kept as written (every
// line but NOTHING lines), after the item it followed, so that an item of a newer kind is
// written back unchanged. Stored values are handed on as they stand (a STARTINGNUMBER of -1
// or an ASCIICHAR of 0 included).
struct DesignItems {
    std::vector<LabelItemValue> items; // back to front
    std::vector<KeptItemLines> kept;
    // The first malformed value the design side reads: the items before its block are read,
    // that block and everything after it are not.
    std::optional<ConversionError> error;
};
DesignItems ReadDesignItems(const QString& text);

// The same, for a caller that makes each item as it comes: create gets every item in text
// order, keep every kept block's lines (after the items already handed to create). A malformed
// value throws ConversionError once the items before it were handed over.
void ReadObjectsText(const QString& text, const std::function<void(const LabelItemValue&)>& create,
                     const std::function<void(const QString& lines)>& keep = {});
