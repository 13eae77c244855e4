#pragma once

#include "document/SheetGeometry.h"

#include <QString>

class DataTable;

// Moves the current label between the label table's current record and memory: the
// description, template name and sheet geometry, and the objects text of the OBJECTS memo.
class LabelRecordStore {
public:
    explicit LabelRecordStore(DataTable& table) : table_(table) {}

    // Copies the current record: description and template cut to 60 characters, paper size
    // to 5, shape to 2.
    CurrentLabel Read() const;
    QString ReadObjects() const;

    // Appends a record (append = true) or edits the current one, writes the label and its
    // objects text, and posts. Measurements are stored rounded to three decimals; SHEETWIDTH
    // and SHEETDEPTH stay as they are. When the engine refuses, the append or edit is
    // cancelled (the table is left browsing, nothing half-written) and the error rethrown.
    void Write(const CurrentLabel& label, const QString& objectsText, bool append);

    // Whether another stored label already has this name: descriptions compare in their
    // stored form (cut to the field's width, trailing blanks ignored, without regard to case).
    // ownRecord is the record being saved (0 for a new label), which never counts. Leaves
    // the table on ownRecord when it is positive, else where the search ended.
    bool IsDuplicate(const QString& description, quint32 ownRecord);

    // The stored form of a description, for comparing names.
    QString ComparableName(const QString& description) const;

private:
    DataTable& table_;
};
