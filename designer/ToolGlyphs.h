#pragma once

#include <QIcon>

// The pictures of the selection tools in the tool row, drawn rather than stored so that they
// stay crisp at any device pixel ratio.
enum class ToolGlyph { ArrowUp, ArrowDown, ArrowLeft, ArrowRight, Cut, Properties };

QIcon ToolGlyphIcon(ToolGlyph glyph);
