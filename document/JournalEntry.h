#pragma once

#include "document/LabelDesign.h"
#include "document/SheetGeometry.h"

#include <QDateTime>
#include <QString>

// What the recovery journal keeps of a label with unsaved changes: enough to show it again
// exactly as it stood after its last change, on top of the stored label it was made from.
struct JournalEntry {
    // The stored label's record number in the label table; 0 for a label not stored yet.
    quint32 record = 0;
    // That record's description as it was stored, so a record that has since been deleted
    // and reused by another label is not taken for it.
    QString storedDescription;
    QString description; // as typed in the description box
    QString templateName;
    SheetGeometry geometry;
    QString objectsText; // the items as Save would store them
    QString mergeSource; // the merge source chosen for the label ("" none)
    QDateTime changed;   // when the last change was made (UTC)

    bool operator==(const JournalEntry&) const = default;

    // The label as a design: description, template, geometry and the items of objectsText (as
    // far as they read).
    LabelDesign Design() const;
    // The entry of a design; the record, stored description, merge source and time are
    // left for the caller.
    static JournalEntry Of(const LabelDesign& design);
};
