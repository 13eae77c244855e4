#pragma once

#include "document/LabelItemValue.h"

#include <QString>

#include <functional>

// Reads an objects text on the design side and hands every item to create, in text order,
// the moment its block is complete. Values carry over: a block that lacks a key takes the
// value of the last block that had it (the brush style starts as CLEAR; before any block
// sets them, the font is "Arial" at 10 points, the repeat count and pen width are 1 and all
// else is zero, empty or false). Distances become pixels at the current screen pixels per
// inch; RELATIVEX, RELATIVEY, ORIENTATION, NOTHING and unknown keys are passed over, and so
// is a block whose kind word is unknown: its lines (every line of the block but a NOTHING line,
// each ended by CR LF) go to keep, if given, so that an item of a newer kind can be written
// back unchanged. Stored values are handed on as they stand (a
// STARTINGNUMBER of -1 or an ASCIICHAR of 0 included). Reading stops at the first line
// without "=" (an empty line or the end of the text).
// A malformed number throws ConversionError; the items handed over before it stay handed
// over, the block being read is dropped.
void ReadObjectsText(const QString& text, const std::function<void(const LabelItemValue&)>& create,
                     const std::function<void(const QString& lines)>& keep = {});
