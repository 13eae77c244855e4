#pragma once

#include <QString>

// A text item's text as every output draws it: control characters mean nothing on a label
// and the font engines would each draw them differently (a box, a gap, nothing), so they
// go. A line break or tab (in a merged field, say) stands for a gap between words and
// becomes one blank; a run of them becomes one blank too. Text without control characters
// comes back as it is, without a copy.
QString PrintableText(const QString& text);
