#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class MergeSource;

// One kind of merge source the program reads: how the file dialog and the batch help name
// it, which file names it claims, and how one is opened.
struct MergeSourceKind {
    QString Name;         // "CSV text", in the file dialog's filter and the batch help
    QStringList Patterns; // file names it claims, "*.dbf"; matched case-blind on the name
    QString Description;  // one line for the batch help: what is read, and how
    // Opens fileName and reads its field names; throws MergeSourceError.
    std::unique_ptr<MergeSource> (*Open)(const QString& fileName) = nullptr;
    // Reads a file that no kind's pattern claims (one kind only: CSV text).
    bool TakesUnclaimed = false;
};

// Every kind of merge source, in one list: the Merge dialog's file filter, the batch help
// and the opening of a chosen file are all built from it.
//
// Adding a kind of source: write a MergeSource subclass in merge/ (its constructor opens the
// file and sets the field names; Rewind, Next, Values and RecordNumber walk the records;
// every fault is a MergeSourceError naming the file and record), then add one line for it to
// the list in MergeSourceRegistry.cpp. A file is opened by the first kind whose pattern its
// name matches; a name that no kind claims is read as CSV text.
class MergeSourceRegistry {
public:
    static const std::vector<MergeSourceKind>& Kinds();
    // The kind that reads fileName: the first whose pattern matches, else CSV text.
    static const MergeSourceKind& KindFor(const QString& fileName);
    // Opens fileName as its kind. Throws MergeSourceError when it cannot be read.
    static std::unique_ptr<MergeSource> Open(const QString& fileName);

    // The open-file dialog's filters: every kind's patterns in one, then all files.
    static QStringList FileFilters();
    // The batch help's lines on the kinds, one per kind: "  *.dbf *.DBF  table, …".
    static QString HelpText();
};
