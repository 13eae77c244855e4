#include "UnwritableFolder.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

UnwritableFolder::UnwritableFolder(const QString& folder) : folder_(folder) {
    QFile::setPermissions(folder_, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                       QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    if (geteuid() == 0)
        SetImmutable(true);
    QFile probe(QDir(folder_).filePath(QStringLiteral("probe.tmp")));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.close();
        probe.remove();
        if (why_.isEmpty())
            why_ = QStringLiteral("%1 stayed writable although made read-only").arg(folder_);
    } else {
        why_.clear();
    }
}

UnwritableFolder::~UnwritableFolder() {
    if (immutable_)
        SetImmutable(false);
    QFile::setPermissions(folder_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void UnwritableFolder::SetImmutable(bool on) {
    const int fd = ::open(QFile::encodeName(folder_).constData(), O_RDONLY | O_DIRECTORY);
    int flags = 0;
    if (fd < 0 || ioctl(fd, FS_IOC_GETFLAGS, &flags) != 0) {
        why_ = QStringLiteral("cannot read the flags of %1: %2").arg(folder_, strerror(errno));
    } else {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        if (ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0)
            immutable_ = on;
        else
            why_ = QStringLiteral("cannot mark %1 immutable (needs CAP_LINUX_IMMUTABLE and a "
                                  "file system with that flag): %2")
                       .arg(folder_, strerror(errno));
    }
    if (fd >= 0)
        ::close(fd);
}
