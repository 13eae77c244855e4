#include "document/JournalFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

const QString JournalFile::FileName = QStringLiteral("QVRECOV.JNL");

namespace {
// A journal larger than this is not one of ours (a label of 1000 items is far smaller).
constexpr qint64 MaxJournalBytes = 80 * 1024 * 1024;

QString SystemError(const QString& what, int error) {
    return QStringLiteral("%1: %2").arg(what, QString::fromLocal8Bit(std::strerror(error)));
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now, so that a failing close is seen (some file systems report write errors
    // only there).
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, const QByteArray& bytes) {
    const char* at = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, at, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        at += n;
        left -= n;
    }
    return true;
}

// The folder's entry for the renamed file reaches the disk only with the folder itself.
bool SyncFolder(const QString& directory) {
    const Descriptor dir(
        ::open(QFile::encodeName(directory).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return dir.get() >= 0 && ::fsync(dir.get()) == 0;
}
} // namespace

JournalFile::JournalFile(const QString& directory)
    : directory_(directory), path_(QDir(directory).filePath(FileName)) {}

bool JournalFile::Write(const QByteArray& bytes, QString& error) const {
    const QString temporary = path_ + QStringLiteral(".tmp");
    const QByteArray temporaryName = QFile::encodeName(temporary);
    Descriptor file(
        ::open(temporaryName.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
    if (file.get() < 0) {
        error = SystemError(QStringLiteral("cannot create %1").arg(temporary), errno);
        return false;
    }
    const auto fail = [&](const QString& what) {
        error = SystemError(what, errno);
        ::unlink(temporaryName.constData());
        return false;
    };
    if (!WriteAll(file.get(), bytes))
        return fail(QStringLiteral("cannot write %1").arg(temporary));
    if (::fsync(file.get()) != 0)
        return fail(QStringLiteral("cannot flush %1").arg(temporary));
    if (!file.Close())
        return fail(QStringLiteral("cannot close %1").arg(temporary));
    if (::rename(temporaryName.constData(), QFile::encodeName(path_).constData()) != 0)
        return fail(QStringLiteral("cannot replace %1").arg(path_));
    if (!SyncFolder(directory_)) {
        error = SystemError(QStringLiteral("cannot flush the folder %1").arg(directory_), errno);
        return false;
    }
    return true;
}

JournalFile::Contents JournalFile::Read() const {
    Contents contents;
    struct stat status {};
    if (::lstat(QFile::encodeName(path_).constData(), &status) != 0) {
        if (errno == ENOENT)
            return contents;
        contents.state = Contents::State::Unreadable;
        contents.error = SystemError(path_, errno);
        return contents;
    }
    contents.state = Contents::State::Unreadable;
    if (!S_ISREG(status.st_mode)) {
        contents.error = QStringLiteral("%1 is not a file").arg(path_);
        return contents;
    }
    if (status.st_size > MaxJournalBytes) {
        contents.error = QStringLiteral("%1 is too large").arg(path_);
        return contents;
    }
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) {
        contents.error = QStringLiteral("%1: %2").arg(path_, file.errorString());
        return contents;
    }
    contents.bytes = file.read(MaxJournalBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        contents.error = QStringLiteral("%1: %2").arg(path_, file.errorString());
        return contents;
    }
    contents.state = Contents::State::Present;
    return contents;
}

bool JournalFile::Remove() const {
    bool removed = true;
    for (const QString& path : {path_, path_ + QStringLiteral(".tmp")}) {
        const QByteArray name = QFile::encodeName(path);
        if (::unlink(name.constData()) != 0 && errno != ENOENT)
            removed = false;
    }
    // Without this a power cut could bring back a journal of changes saved since.
    SyncFolder(directory_);
    return removed;
}

QString JournalFile::SetAside() const {
    const QByteArray from = QFile::encodeName(path_);
    for (int n = 1; n < 1000; ++n) {
        QString to = path_ + QStringLiteral(".damaged");
        if (n > 1)
            to += QStringLiteral("-%1").arg(n);
        struct stat status {};
        if (::lstat(QFile::encodeName(to).constData(), &status) == 0)
            continue;
        if (::rename(from.constData(), QFile::encodeName(to).constData()) != 0)
            return QString();
        SyncFolder(directory_);
        return to;
    }
    return QString();
}
