#pragma once

#include <QString>

// The partly written output files of this process. A file is named so that it can be told
// from any other: ".NAME.quorvane-PID.partial" beside its target. Those that are listed here
// are removed when SIGTERM, SIGINT or SIGHUP ends the process; those that a process that no
// longer runs left behind (it was killed with SIGKILL, or the machine stopped) are removed by
// the next run that writes into the same folder.
class PartialFiles {
public:
    // The name a partial file of target gets in this process.
    static QString NameFor(const QString& target);
    // Lists and unlists a partial file (or any file of the run that a signal should take with
    // it, such as a print spool); cheap, and safe against the signal handler.
    static void Add(const QString& path);
    static void Remove(const QString& path);
    // Installs the handler for SIGTERM, SIGINT and SIGHUP, which removes every listed file
    // and then ends the process as the signal would have. Call it at the very start of
    // main(), before any thread exists: the signals are then taken by the main thread only.
    static void InstallSignalCleanup();
    // Removes the partial files of processes that no longer run from folder (only files of
    // this user, only names of the pattern above); returns how many went.
    static int RemoveStale(const QString& folder);
};
