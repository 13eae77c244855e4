#include "storage/DataDirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

bool IsWritableDirectory(const QString& path) {
    const QFileInfo info(path);
    return info.isDir() && info.isWritable();
}

QString Clean(const QString& path) {
    return QDir::cleanPath(QDir(path).absolutePath());
}

} // namespace

QString DataDirectory::Choose(const QString& quorvaneHome, const QString& executableDir,
                              const QString& xdgDataHome, const QString& homeDir) {
    if (!quorvaneHome.isEmpty())
        return Clean(quorvaneHome);
    if (!executableDir.isEmpty() &&
        QFileInfo(QDir(executableDir).filePath("QVLBLS.DBF")).isFile() &&
        IsWritableDirectory(executableDir))
        return Clean(executableDir);
    // The XDG base directory rules: a relative XDG_DATA_HOME is invalid and ignored.
    if (!xdgDataHome.isEmpty() && QDir::isAbsolutePath(xdgDataHome))
        return Clean(QDir(xdgDataHome).filePath("quorvane"));
    return Clean(QDir(homeDir).filePath(".local/share/quorvane"));
}

QString DataDirectory::Path() {
    const QString executableDir =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    const QString path = Choose(qEnvironmentVariable("QUORVANE_HOME"), executableDir,
                                qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath());
    QDir().mkpath(path);
    return path;
}

QString DataDirectory::FilePath(const QString& fileName) {
    return QDir(Path()).filePath(fileName);
}
