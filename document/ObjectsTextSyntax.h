#pragma once

#include "document/BarcodeSymbology.h"

#include <QString>
#include <QStringView>

#include <functional>
#include <optional>

// The pieces of the objects text that its writer and its reading share: lines, the KEY=VALUE
// split and the value conversions. Numbers are always read and written with "." whatever the
// user's locale.

// Line breaks of the objects text: every written line ends with CR LF.
inline constexpr QStringView ObjectsLineEnd = u"\r\n";

// Splits one line at its first "=": the key is what comes before it, the value everything
// after it (so a value may itself hold "="). Nothing when the line has no "=": such a line
// (an empty line included) ends the text.
struct ObjectsLine {
    QStringView key;
    QStringView value;
};
std::optional<ObjectsLine> SplitObjectsLine(QStringView line);

// Walks the lines of text (ended by CR LF, CR or LF) from the first and hands each key and
// whole value to handle, stopping at the first line without "=" or at the end of the text.
// Returns the number of lines handled.
int ForEachObjectsLine(QStringView text,
                       const std::function<void(QStringView key, QStringView value)>& handle);

// A decimal integer (optional sign, digits, 32-bit range; surrounding blanks allowed).
// Throws ConversionError "'%s' is not a valid integer value".
int ParseStoredInteger(QStringView value);

// A decimal number with "." as separator and an optional exponent (surrounding blanks
// allowed). Throws ConversionError "'%s' is not a valid floating point value".
double ParseStoredFloat(QStringView value);

// Flags are true exactly when the value is "Y".
inline bool ParseStoredFlag(QStringView value) {
    return value == u"Y";
}
inline QString StoredFlag(bool flag) {
    return flag ? QStringLiteral("Y") : QStringLiteral("N");
}

// A symbology's stored name ("CODE128", "QRCODE" …). Throws ConversionError
// "'%s' is not a valid symbology value" for any other name.
BarcodeSymbology ParseStoredSymbology(QStringView value);

// A value as the writer may put it on a line: line breaks would end the text early and lose
// every later item, so they are removed.
QString WithoutLineBreaks(QStringView value);
bool ContainsLineBreak(QStringView value);
