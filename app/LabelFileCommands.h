#pragma once

#include <QString>

class LabelModel;
class LabelRecords;
class LabelView;
class MergeCommands;
class MergeSourceMemory;
class PrintedLabel;

// "Export Label…" and "Import Label…" of the File menu, and a label file named on the command
// line: a label travels as one file (.qvlabel) with its pictures, and gLabels documents come
// over as labels of our own. An import adds the label to the label table at once and shows
// it; a file that cannot be imported whole changes nothing.
class LabelFileCommands {
public:
    // Everything given must outlive the commands; memory may be null (nothing kept).
    LabelFileCommands(LabelRecords& records, LabelView& view, const LabelModel& model,
                      PrintedLabel& label,
                      MergeCommands& merging, const MergeSourceMemory* memory,
                      const QString& dataDirectory);

    void mnuExportLabelClick();
    void mnuImportLabelClick();

    // Writes the label on screen to path; true when the file was written.
    bool ExportTo(const QString& path);
    // Imports the label document at path and shows it; true when a label was added.
    bool ImportFile(const QString& path);

private:
    LabelRecords& records_;
    LabelView& view_;
    const LabelModel& model_;
    PrintedLabel& label_;
    MergeCommands& merging_;
    const MergeSourceMemory* memory_;
    QString dataDirectory_;
};
