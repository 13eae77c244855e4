#include "storage/dbf/File.h"

#include "storage/dbf/Error.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace dbf {

namespace {

[[noreturn]] void fail(Operation operation, const std::string& path,
                       const std::string& replaced = {}) {
    throw Error(
        ErrorKind::SystemCall,
        {.path = path, .name = replaced, .value = std::strerror(errno), .operation = operation});
}

std::string directoryOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

File::~File() {
    close();
}

File::File(File&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), path_(std::move(other.path_)) {}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        close();
        fd_ = std::exchange(other.fd_, -1);
        path_ = std::move(other.path_);
    }
    return *this;
}

File File::open(const std::string& path, bool writable) {
    int fd = ::open(path.c_str(), (writable ? O_RDWR : O_RDONLY) | O_CLOEXEC);
    if (fd < 0)
        fail(Operation::Open, path);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        throw Error(ErrorKind::NotRegularFile, {.path = path});
    }
    return File(fd, path);
}

File File::create(const std::string& path, bool replace) {
    int flags = O_RDWR | O_CREAT | O_CLOEXEC | (replace ? O_TRUNC : O_EXCL);
    int fd = ::open(path.c_str(), flags, 0644);
    if (fd < 0)
        fail(Operation::Create, path);
    return File(fd, path);
}

bool File::exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

void File::remove(const std::string& path) {
    if (::unlink(path.c_str()) != 0 && errno != ENOENT)
        fail(Operation::Remove, path);
}

void File::rename(const std::string& from, const std::string& to) {
    if (::rename(from.c_str(), to.c_str()) != 0)
        fail(Operation::Replace, from, to);
}

void File::syncDirectoryOf(const std::string& path) {
    int fd = ::open(directoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return; // some file systems refuse; the data itself is already flushed
    ::fsync(fd);
    ::close(fd);
}

std::uint64_t File::size() const {
    struct stat st {};
    if (::fstat(fd_, &st) != 0)
        fail(Operation::ReadSize, path_);
    return static_cast<std::uint64_t>(st.st_size);
}

void File::readAt(std::uint64_t offset, void* buffer, std::size_t count) const {
    auto* out = static_cast<char*>(buffer);
    while (count > 0) {
        ssize_t n = ::pread(fd_, out, count, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail(Operation::Read, path_);
        if (n == 0)
            throw Error(ErrorKind::UnexpectedEnd, {.path = path_});
        out += n;
        offset += static_cast<std::uint64_t>(n);
        count -= static_cast<std::size_t>(n);
    }
}

void File::writeAt(std::uint64_t offset, const void* buffer, std::size_t count) {
    const auto* in = static_cast<const char*>(buffer);
    while (count > 0) {
        ssize_t n = ::pwrite(fd_, in, count, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            fail(Operation::Write, path_);
        in += n;
        offset += static_cast<std::uint64_t>(n);
        count -= static_cast<std::size_t>(n);
    }
}

void File::truncate(std::uint64_t size) {
    if (::ftruncate(fd_, static_cast<off_t>(size)) != 0)
        fail(Operation::Resize, path_);
}

void File::sync() {
    if (::fdatasync(fd_) != 0)
        fail(Operation::Flush, path_);
}

bool File::tryLockExclusive() {
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR)
            continue;
        if (errno == EWOULDBLOCK)
            return false;
        fail(Operation::Lock, path_);
    }
    return true;
}

void File::close() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

} // namespace dbf
