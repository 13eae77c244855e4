#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace dbf {

// One tag as read from a compound index: its name, key expression and entries in key order.
struct IndexTag {
    std::string name;       // upper case, without padding
    std::string expression; // as its creator wrote it
    std::uint16_t keyLength = 0;
    bool treeReadable = false;          // false: header read, tree damaged
    std::vector<std::uint32_t> records; // entries in index order
    std::vector<char> keys;             // records.size() * keyLength bytes, same order
};

// What the builder needs of one tag: the record numbers in key order and each one's key.
struct TagSource {
    std::string name;
    std::string expression;
    std::uint16_t keyLength = 0;
    const std::vector<std::uint32_t>* order = nullptr;
    std::function<const char*(std::uint32_t record)> keyOf;
    std::uint32_t maxRecord = 0;
};

// The FoxPro compound index (.cdx) file format: 512-byte pages, a tag directory of compact
// index pages naming a 1024-byte header for each tag, and one compact B+ tree per tag
// (bit-packed leaf entries with front and trailing-blank compression, interior entries
// holding the last key of each child). Only character keys are handled.
class CompoundIndex {
public:
    static constexpr std::size_t kMaxTags = 30;

    // Reads the tags of a whole file image. Throws dbf::Error when even the tag list cannot
    // be read; a tag whose tree is damaged comes back with treeReadable false.
    static std::vector<IndexTag> parse(std::string_view image, const std::string& path);

    // A whole file image: header, directory leaf at 1024, then each tag's header and pages,
    // leaves packed full (bulk load).
    static std::string build(const std::vector<TagSource>& tags);
};

} // namespace dbf
