#pragma once

#include <QString>

// The one directory that holds the user's data: the label table (QVLBLS.*), the template
// table (QVLTPL.*) and QV.INI. Chosen in this order:
//   1. QUORVANE_HOME, when set (tests, installed copies);
//   2. the executable's directory, when it already holds QVLBLS.DBF and is writable
//      (a portable copy carried with its data);
//   3. $XDG_DATA_HOME/quorvane, by default ~/.local/share/quorvane, created when missing.
// The build folder is never chosen on its own: a rebuild or clean would lose the labels.
class DataDirectory {
public:
    // The data directory of this process, as an absolute path without a trailing slash.
    // Creates the directory when missing; if that fails the path is still returned and the
    // first open or create of a table there reports the failure.
    static QString Path();

    // The full path of a data file, e.g. FilePath("QVLBLS.DBF").
    static QString FilePath(const QString& fileName);

    // The choice itself, from explicit inputs, so that it can be checked without touching
    // the environment. Empty strings stand for "not set".
    static QString Choose(const QString& quorvaneHome, const QString& executableDir,
                          const QString& xdgDataHome, const QString& homeDir);
};
