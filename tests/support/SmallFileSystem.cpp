#include "SmallFileSystem.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {
const QString kFiller = QStringLiteral("filler.bin");
}

SmallFileSystem::SmallFileSystem(int kilobytes) {
    if (!Root()) {
        reason_ = QStringLiteral("mounting a small file system needs root");
        return;
    }
    const QByteArray options = QStringLiteral("size=%1k,mode=0755").arg(kilobytes).toLatin1();
    if (::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0,
                options.constData()) != 0) {
        reason_ = QStringLiteral("cannot mount a tmpfs on %1: %2")
                      .arg(dir_.path(), QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    mounted_ = true;
}

SmallFileSystem::~SmallFileSystem() {
    if (mounted_)
        ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
}

bool SmallFileSystem::Root() {
    return ::geteuid() == 0;
}

QString SmallFileSystem::FilePath(const QString& name) const {
    return QDir(dir_.path()).filePath(name);
}

bool SmallFileSystem::Put(const QString& name, const QByteArray& bytes) const {
    QFile file(FilePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    file.close();
    return written && file.error() == QFile::NoError;
}

void SmallFileSystem::FillLeaving(qint64 keepBytes) const {
    struct statvfs info {};
    if (::statvfs(QFile::encodeName(dir_.path()).constData(), &info) != 0)
        return;
    const qint64 free = qint64(info.f_bavail) * qint64(info.f_frsize);
    if (free > keepBytes)
        Put(kFiller, QByteArray(free - keepBytes, 'x'));
}

QStringList SmallFileSystem::Names() const {
    QStringList names =
        QDir(dir_.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.removeAll(kFiller);
    return names;
}
