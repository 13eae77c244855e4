#pragma once

#include <QString>

#include <memory>
#include <vector>

class OutputFile;

// Output files written under partial names beside their targets and put in place only when
// the whole run succeeded: a failed run leaves no file of its own behind and leaves an
// existing file of the same name byte for byte as it was. A target that is a symbolic link
// is written through (the link stays, the file it names is replaced); a replaced file keeps
// its mode and, where the process may set it, its owner. Whatever is not committed is
// removed on destruction.
class StagedOutput {
public:
    StagedOutput();
    ~StagedOutput();
    StagedOutput(const StagedOutput&) = delete;
    StagedOutput& operator=(const StagedOutput&) = delete;

    // Why target cannot be written at all ("... is a folder, not a file"), or "" when it
    // is a file, a link to one, or a name not taken yet. Asked before anything is drawn.
    static QString Refusal(const QString& target);
    // The file a target names: target itself, or the file at the end of its links.
    static QString Destination(const QString& target);

    // Opens the partial file for target and returns the device to write it through (owned
    // here). A file that cannot be created gives a device that has already failed.
    OutputFile& Stage(const QString& target);
    // The partial name for target, for a writer that creates and writes the file itself and
    // reports no errors (QPrinter). Finish then checks that the file ends as a whole PDF
    // does and syncs it.
    QString StagePdfWrittenElsewhere(const QString& target);
    // Whether a file holds a whole PDF, synced to the disk; false with error set otherwise
    // (name is the file as messages show it).
    static bool CheckWholePdf(const QString& path, const QString& name, QString& error);
    // Finishes every device still open (flush, fsync, close); false with the first failure in
    // error ("cannot write labels.pdf: no space left on the device").
    bool Finish(QString& error);
    // Finishes, then renames every partial file over its target; false with the reason when
    // one fails (the files not yet renamed are removed).
    bool Commit(QString& error);
    // Removes every partial file.
    void Discard();

private:
    struct Staged;
    std::vector<Staged> files_;
    std::vector<QString> cleanedFolders_;
};
