#include "printing/OutputFile.h"

#include <QFile>

#include <QCoreApplication>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr qsizetype kBufferBytes = 256 * 1024;

} // namespace

OutputFile::OutputFile(const QString& path, const QString& shownName)
    : name_(shownName.isEmpty() ? path : shownName) {
    fd_ =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ < 0) {
        Fail(errno);
        return;
    }
    buffer_.reserve(kBufferBytes);
    QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

OutputFile::OutputFile(int descriptor, const QString& name)
    : name_(name), fd_(descriptor), ownsDescriptor_(false) {
    buffer_.reserve(kBufferBytes);
    QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

OutputFile::~OutputFile() {
    if (fd_ >= 0 && ownsDescriptor_)
        ::close(fd_);
}

QString OutputFile::Reason(int errorNumber) {
    switch (errorNumber) {
    case ENOSPC:
        return QCoreApplication::translate("OutputFile", "no space left on the device");
    case EDQUOT:
        return QCoreApplication::translate("OutputFile", "the disk quota is exhausted");
    case EFBIG:
        return QCoreApplication::translate("OutputFile",
                                           "the file is too large for the file system");
    case EIO:
        return QCoreApplication::translate("OutputFile",
                                           "the device reported an input/output error");
    case EROFS:
        return QCoreApplication::translate("OutputFile", "the file system is read-only");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("OutputFile", "permission denied");
    case ENOENT:
        return QCoreApplication::translate("OutputFile", "the folder does not exist");
    case EPIPE:
        return QCoreApplication::translate("OutputFile", "the reader of the output has gone");
    default:
        return QString::fromLocal8Bit(std::strerror(errorNumber));
    }
}

QString OutputFile::Error() const {
    if (!errno_)
        return {};
    return QCoreApplication::translate("OutputFile", "cannot write %1: %2")
        .arg(name_, Reason(errno_));
}

void OutputFile::Fail(int errorNumber) {
    if (!errno_)
        errno_ = errorNumber ? errorNumber : EIO;
    setErrorString(Error());
}

qint64 OutputFile::readData(char*, qint64) {
    return -1;
}

qint64 OutputFile::writeData(const char* data, qint64 size) {
    if (errno_)
        return -1;
    if (buffer_.size() + size > kBufferBytes) {
        if (!Flush())
            return -1;
        if (size >= kBufferBytes)
            return WriteOut(data, size) ? size : -1;
    }
    buffer_.append(data, size);
    return size;
}

bool OutputFile::WriteOut(const char* data, qint64 size) {
    while (size > 0) {
        const ssize_t written = ::write(fd_, data, size_t(size));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            Fail(errno);
            return false;
        }
        if (written == 0) {
            Fail(EIO);
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

bool OutputFile::Flush() {
    if (errno_)
        return false;
    const bool ok = WriteOut(buffer_.constData(), buffer_.size());
    buffer_.clear();
    return ok;
}

bool OutputFile::Finish() {
    if (fd_ < 0)
        return false;
    Flush();
    // A pipe or terminal cannot be synced; everything else must reach the disk.
    if (!errno_ && ::fsync(fd_) != 0 && errno != EINVAL && errno != EROFS)
        Fail(errno);
    if (ownsDescriptor_ && ::close(fd_) != 0 && errno != EINTR)
        Fail(errno);
    fd_ = -1;
    QIODevice::close();
    return !errno_;
}
