#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class TBaseReport;
struct PrintItemValue;

// The lines of a text item as one label prints them: each of its lines with the fields filled
// in (fill), a line blanked by merging left out when the item says so, and, in a box, a
// field's own line breaks starting further lines. Outside a box a line break inside a field
// is a blank between words, as in any one-line text.
QStringList FilledTextLines(const PrintItemValue& item,
                            const std::function<QString(const QString&)>& fill);

// Whether a text item is laid out by lines (a box, several lines or an alignment) rather than
// printed as the single line texts always were.
bool IsLaidOutText(const PrintItemValue& item);

// Draws the lines of a laid-out text item through the report engine, from the same layout the
// design panel shows (controls/TextBoxLayout): a box text is clipped at its box, so that text
// that does not fit never reaches a neighbouring label. Returns whether the text fits.
bool PrintTextLines(TBaseReport& report, const PrintItemValue& item, const QStringList& lines);
