#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace dbf {

// An open file descriptor with exact positioned reads and writes that throw dbf::Error.
class File {
public:
    File() = default;
    ~File();
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    // Opens an existing file; `writable` opens it for reading and writing.
    static File open(const std::string& path, bool writable);
    // Creates a new file (replacing one of that name when `replace`), read-write.
    static File create(const std::string& path, bool replace);
    static bool exists(const std::string& path);
    static void remove(const std::string& path); // no error when missing
    static void rename(const std::string& from, const std::string& to);
    // Flushes the directory holding `path`, so that a rename or creation survives a crash.
    static void syncDirectoryOf(const std::string& path);

    bool isOpen() const { return fd_ >= 0; }
    const std::string& path() const { return path_; }
    std::uint64_t size() const;
    void readAt(std::uint64_t offset, void* buffer, std::size_t count) const;
    void writeAt(std::uint64_t offset, const void* buffer, std::size_t count);
    void writeAt(std::uint64_t offset, std::string_view bytes) {
        writeAt(offset, bytes.data(), bytes.size());
    }
    void truncate(std::uint64_t size);
    void sync();
    // Takes an exclusive advisory lock without waiting; false when another holds it.
    bool tryLockExclusive();
    void close();

private:
    File(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
    int fd_ = -1;
    std::string path_;
};

} // namespace dbf
