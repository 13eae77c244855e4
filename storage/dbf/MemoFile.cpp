#include "storage/dbf/MemoFile.h"

#include "storage/dbf/ByteOrder.h"
#include "storage/dbf/Error.h"

#include <algorithm>
#include <vector>

namespace dbf {

namespace {

using namespace dbf::bytes;

constexpr std::uint64_t kHeaderSize = 512;
constexpr std::uint32_t kTextMemo = 1;

} // namespace

MemoFile MemoFile::create(const std::string& path, bool replace) {
    MemoFile memo(File::create(path, replace));
    unsigned char header[kHeaderSize] = {};
    memo.nextFree_ = static_cast<std::uint32_t>(kHeaderSize / kBlockSize);
    putBe32(header, memo.nextFree_);
    header[6] = static_cast<unsigned char>(kBlockSize >> 8);
    header[7] = static_cast<unsigned char>(kBlockSize & 0xFF);
    memo.file_.writeAt(0, header, sizeof header);
    memo.size_ = kHeaderSize;
    return memo;
}

MemoFile MemoFile::open(const std::string& path, bool writable) {
    MemoFile memo(File::open(path, writable));
    memo.size_ = memo.file_.size();
    if (memo.size_ < 8)
        throw Error(ErrorKind::MemoDamaged, {.path = path, .damage = Damage::TooShort});
    unsigned char header[8];
    memo.file_.readAt(0, header, sizeof header);
    std::uint32_t blockSize = (std::uint32_t(header[6]) << 8) | header[7];
    if (blockSize == 0)
        blockSize = be32(header + 4);
    if (blockSize == 0 || blockSize > 65536)
        throw Error(ErrorKind::MemoDamaged,
                    {.path = path, .number = blockSize, .damage = Damage::BlockSize});
    memo.blockSize_ = blockSize;
    // New memos go right after the data in the file, whatever the header says: never over
    // existing memos (a next-free block too low) and never far beyond the end (too high).
    std::uint64_t firstFree = (kHeaderSize + blockSize - 1) / blockSize;
    std::uint64_t pastEnd = (memo.size_ + blockSize - 1) / blockSize;
    std::uint64_t next = std::max(firstFree, pastEnd);
    if (next > 0xFFFFFFFFull)
        throw Error(ErrorKind::MemoFull, {.path = path});
    memo.nextFree_ = static_cast<std::uint32_t>(next);
    return memo;
}

std::string MemoFile::read(std::uint32_t block) const {
    std::uint64_t offset = std::uint64_t(block) * blockSize_;
    if (offset < kHeaderSize || offset + 8 > size_)
        throw Error(ErrorKind::MemoDamaged,
                    {.path = path(), .number = block, .damage = Damage::BlockOutside});
    unsigned char head[8];
    file_.readAt(offset, head, sizeof head);
    std::uint64_t length = be32(head + 4);
    if (length > size_ - offset - 8)
        throw Error(ErrorKind::MemoDamaged,
                    {.path = path(), .number = block, .damage = Damage::MemoPastEnd});
    std::string data(length, '\0');
    if (length > 0)
        file_.readAt(offset + 8, data.data(), length);
    return data;
}

std::uint32_t MemoFile::append(std::string_view data, bool sync) {
    std::uint64_t total = 8 + std::uint64_t(data.size());
    std::uint64_t blocks = (total + blockSize_ - 1) / blockSize_;
    if (data.size() > 0xFFFFFFFFull || nextFree_ + blocks > 0xFFFFFFFFull)
        throw Error(ErrorKind::MemoFull, {.path = path()});
    std::vector<unsigned char> buffer(blocks * blockSize_, 0);
    putBe32(buffer.data(), kTextMemo);
    putBe32(buffer.data() + 4, static_cast<std::uint32_t>(data.size()));
    std::copy(data.begin(), data.end(), buffer.begin() + 8);
    std::uint32_t block = nextFree_;
    std::uint64_t offset = std::uint64_t(block) * blockSize_;
    file_.writeAt(offset, buffer.data(), buffer.size());
    size_ = std::max(size_, offset + buffer.size());
    if (sync)
        file_.sync();
    nextFree_ = static_cast<std::uint32_t>(block + blocks);
    writeNextFree(sync);
    return block;
}

void MemoFile::writeNextFree(bool sync) {
    unsigned char next[4];
    putBe32(next, nextFree_);
    file_.writeAt(0, next, sizeof next);
    if (sync)
        file_.sync();
}

} // namespace dbf
