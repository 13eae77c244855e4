#pragma once

#include <QString>
#include <QStringList>

// Output files written under temporary names beside their targets and put in place only
// when the whole run succeeded: a failed run leaves no file of its own behind and leaves an
// existing file of the same name untouched. Whatever is not committed is removed on
// destruction.
class StagedOutput {
public:
    StagedOutput() = default;
    ~StagedOutput();
    StagedOutput(const StagedOutput&) = delete;
    StagedOutput& operator=(const StagedOutput&) = delete;

    // The temporary name to write instead of target (a hidden file in the same folder, so
    // that the final rename stays within one file system).
    QString Stage(const QString& target);
    // Renames every staged file over its target; false with the reason when one fails (the
    // files not yet renamed are removed).
    bool Commit(QString& error);
    // Removes every staged file.
    void Discard();

private:
    QStringList targets_;
    QStringList temporaries_;
};
