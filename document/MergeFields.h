#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

#include "document/BuiltInFields.h"
#include "document/TextRun.h"

// Field references inside an item's text or a barcode's data: "{Field Name}" stands for the
// value of that field of the current merge record; "{#}", "{date}", "{time}" and their forms
// are the built-in fields of document/BuiltInFields.h.
// "{{" and "}}" stand for a literal brace. A "{" that is never closed, or a lone "}", is kept
// as typed, so text written before merging existed prints unchanged. Field names are matched
// by the lookup (merge sources match them case-blind, blanks at either end ignored).

// The counter's field name: "{#}".
inline constexpr char16_t kCounterFieldName[] = u"#";

// Looks a field up by name; nullopt when the source has no such field.
using FieldLookup = std::function<std::optional<QString>(const QString& name)>;

// One piece of a text split at its field references.
struct MergePiece {
    bool isField = false;
    QString text; // literal text (braces already unescaped), or the field's name
};

// The text split into literal runs and field references, in order. Adjacent literals are
// joined; an empty text gives no pieces.
QList<MergePiece> SplitMergeFields(const QString& text);

// True when the text holds at least one field reference ("{{" alone is not one).
bool HasMergeFields(const QString& text);

// The distinct field names the text refers to, in order of first appearance.
QStringList MergeFieldNames(const QString& text);

// The text with every reference replaced by its value. A field the lookup does not know is
// written as "{Name?}" so that it shows on the label, never as a silent blank, and its name
// is added once to *missing when missing is given.
QString SubstituteMergeFields(const QString& text, const FieldLookup& lookup,
                              QStringList* missing = nullptr);

// The text with its references replaced as a job prints them: a counter field first, then
// the record's field of that name (when lookup is given and knows it), then the other
// built-in fields; anything else as SubstituteMergeFields writes an unknown field.
QString SubstituteFields(const QString& text, const FieldLookup& lookup,
                         const BuiltInFieldValues& builtIns, QStringList* missing = nullptr);

// The text printed without a merge source: the built-in fields replaced, everything else
// (other references, doubled braces) exactly as typed.
QString SubstituteBuiltInFields(const QString& text, const BuiltInFieldValues& builtIns);

// The text as the design panel shows it while a merge source is chosen: the text as typed,
// except that each reference to a field known() denies is shown as "{Name?}" in a marked run.
// The built-in fields are always known. Empty when no reference is missing (the text shows as typed).
QList<TextRun> MissingFieldRuns(const QString& text,
                                const std::function<bool(const QString& name)>& known);

// The text as the design panel shows it for one record of the merge source: every reference
// replaced as SubstituteFields replaces it for that record, a field neither the record nor
// the built-in fields know shown as "{Name?}" in a marked run. Empty when the text holds no
// reference (it shows as typed).
QList<TextRun> RecordFieldRuns(const QString& text, const FieldLookup& lookup,
                               const BuiltInFieldValues& builtIns);

// "{Name}" for a field name, as "Insert Merge Field" puts it into a text: braces inside the
// name cannot be written, so they are dropped.
QString MergeFieldReference(const QString& name);
