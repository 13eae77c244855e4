#pragma once

#include "storage/dbf/File.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace dbf {

// A FoxPro memo file (.fpt): a 512-byte header (next free block, block size; big-endian)
// and memos of an 8-byte block header (type 1 = text, length) plus the data, each starting
// on a block boundary. Memos are only ever appended: a replaced memo's old blocks stay
// unused until the table is packed, so no write can damage another record's memo.
class MemoFile {
public:
    static constexpr std::uint32_t kBlockSize = 64;

    static MemoFile create(const std::string& path, bool replace = false);
    static MemoFile open(const std::string& path, bool writable);

    bool isOpen() const { return file_.isOpen(); }
    const std::string& path() const { return file_.path(); }

    // The data of the memo starting at `block`; dbf::Error when the block lies outside the
    // file or its length runs past the end.
    std::string read(std::uint32_t block) const;
    // Appends a memo and returns its first block (data flushed first, then the header's next
    // free block, when `sync`).
    std::uint32_t append(std::string_view data, bool sync);
    void sync() { file_.sync(); }
    void close() { file_.close(); }

private:
    explicit MemoFile(File file) : file_(std::move(file)) {}
    void writeNextFree(bool sync);

    File file_;
    std::uint32_t blockSize_ = kBlockSize;
    std::uint32_t nextFree_ = 0; // the block where the next memo goes
    std::uint64_t size_ = 0;
};

} // namespace dbf
