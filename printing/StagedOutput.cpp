#include "printing/StagedOutput.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "printing/OutputFile.h"
#include "printing/PartialFiles.h"
#include <QCoreApplication>

namespace {

constexpr int kMaxLinks = 40; // as the kernel's own limit on a path's links

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

QString Kind(mode_t mode) {
    if (S_ISDIR(mode))
        return QCoreApplication::translate("StagedOutput", "a folder");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("StagedOutput", "a named pipe (FIFO)");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QCoreApplication::translate("StagedOutput", "a device");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("StagedOutput", "a socket");
    return QCoreApplication::translate("StagedOutput", "not a regular file");
}

// The folder's entry is synced too, so that the renamed file survives a power failure.
void SyncFolder(const QString& folder) {
    const int fd = ::open(Native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// An existing file's mode and owner go to its replacement; the owner only where the process
// may give it (root, or the owner itself), as a text editor's save does.
void KeepModeAndOwner(const QString& destination, const QString& temporary) {
    struct stat info {};
    if (::stat(Native(destination).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return;
    const QByteArray path = Native(temporary);
    if (info.st_uid != ::geteuid() || info.st_gid != ::getegid())
        (void)::chown(path.constData(), info.st_uid, info.st_gid);
    ::chmod(path.constData(), info.st_mode & 07777);
}

} // namespace

struct StagedOutput::Staged {
    QString target;      // as given, for messages
    QString destination; // the file replaced
    QString temporary;
    std::unique_ptr<OutputFile> device; // until finished
    bool writtenElsewhere = false;      // by a writer of its own, checked when finished
};

StagedOutput::StagedOutput() = default;

StagedOutput::~StagedOutput() {
    Discard();
}

QString StagedOutput::Destination(const QString& target) {
    QString path = target;
    for (int i = 0; i < kMaxLinks; ++i) {
        const QFileInfo info(path);
        if (!info.isSymLink())
            return path;
        path = info.symLinkTarget();
    }
    return path;
}

QString StagedOutput::Refusal(const QString& target) {
    if (target.isEmpty())
        return QCoreApplication::translate("StagedOutput", "no file name given");
    struct stat info {};
    if (::stat(Native(target).constData(), &info) != 0) {
        if (errno == ELOOP)
            return QCoreApplication::translate("StagedOutput",
                                               "%1 is a symbolic link that leads round in a circle")
                .arg(target);
        return {}; // a name not taken yet (a missing folder shows when the file is made)
    }
    if (S_ISREG(info.st_mode))
        return {};
    return QCoreApplication::translate("StagedOutput",
                                       "%1 is %2, not a file; give the name of a file")
        .arg(target, Kind(info.st_mode));
}

OutputFile& StagedOutput::Stage(const QString& target) {
    const QString temporary = StagePdfWrittenElsewhere(target);
    Staged& staged = files_.back();
    staged.writtenElsewhere = false;
    staged.device = std::make_unique<OutputFile>(temporary, target);
    return *staged.device;
}

QString StagedOutput::StagePdfWrittenElsewhere(const QString& target) {
    Staged staged;
    staged.target = target;
    staged.destination = Destination(target);
    const QString folder = QFileInfo(staged.destination).absolutePath();
    if (std::find(cleanedFolders_.begin(), cleanedFolders_.end(), folder) ==
        cleanedFolders_.end()) {
        PartialFiles::RemoveStale(folder);
        cleanedFolders_.push_back(folder);
    }
    staged.temporary = PartialFiles::NameFor(staged.destination);
    // A partial file of this very process can only be a left-over of an earlier target.
    QFile::remove(staged.temporary);
    PartialFiles::Add(staged.temporary);
    staged.writtenElsewhere = true;
    files_.push_back(std::move(staged));
    return files_.back().temporary;
}

bool StagedOutput::CheckWholePdf(const QString& path, const QString& name, QString& error) {
    // A PDF ends with its end-of-file marker; a writer cut short by a full disk never wrote
    // it (or wrote it into a buffer that never reached the file).
    constexpr qint64 kTail = 64;
    const int fd = ::open(Native(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = QCoreApplication::translate("StagedOutput", "cannot write %1: %2")
                    .arg(name, OutputFile::Reason(errno));
        return false;
    }
    struct stat info {};
    QByteArray tail(kTail, '\0');
    bool whole = ::fstat(fd, &info) == 0 && info.st_size > 0;
    if (whole) {
        const off_t from = std::max<off_t>(0, info.st_size - kTail);
        const ssize_t got = ::pread(fd, tail.data(), size_t(kTail), from);
        whole = got > 0 && QByteArray(tail.constData(), got).contains("%%EOF");
    }
    const bool synced = ::fsync(fd) == 0;
    const int syncError = errno;
    ::close(fd);
    if (!whole)
        error = QCoreApplication::translate(
                    "StagedOutput", "cannot write %1: the file was cut short (is the disk full?)")
                    .arg(name);
    else if (!synced)
        error = QCoreApplication::translate("StagedOutput", "cannot write %1: %2")
                    .arg(name, OutputFile::Reason(syncError));
    return whole && synced;
}

bool StagedOutput::Finish(QString& error) {
    for (Staged& staged : files_) {
        if (staged.writtenElsewhere) {
            staged.writtenElsewhere = false;
            if (!CheckWholePdf(staged.temporary, staged.target, error))
                return false;
            continue;
        }
        if (!staged.device)
            continue;
        const bool ok = staged.device->Finish();
        if (!ok && error.isEmpty())
            error = staged.device->Error();
        staged.device.reset();
        if (!ok)
            return false;
    }
    return true;
}

bool StagedOutput::Commit(QString& error) {
    if (!Finish(error)) {
        Discard();
        return false;
    }
    std::vector<QString> folders;
    while (!files_.empty()) {
        Staged staged = std::move(files_.front());
        files_.erase(files_.begin());
        KeepModeAndOwner(staged.destination, staged.temporary);
        // rename(2) replaces an existing file in one step; QFile::rename would refuse it.
        if (std::rename(Native(staged.temporary).constData(),
                        Native(staged.destination).constData()) != 0) {
            error = QCoreApplication::translate("StagedOutput", "cannot write %1: %2")
                        .arg(staged.target, OutputFile::Reason(errno));
            QFile::remove(staged.temporary);
            PartialFiles::Remove(staged.temporary);
            Discard();
            return false;
        }
        PartialFiles::Remove(staged.temporary);
        const QString folder = QFileInfo(staged.destination).absolutePath();
        if (std::find(folders.begin(), folders.end(), folder) == folders.end())
            folders.push_back(folder);
    }
    for (const QString& folder : folders)
        SyncFolder(folder);
    return true;
}

void StagedOutput::Discard() {
    for (Staged& staged : files_) {
        staged.device.reset();
        QFile::remove(staged.temporary);
        PartialFiles::Remove(staged.temporary);
    }
    files_.clear();
}
