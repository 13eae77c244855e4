#pragma once

// The byte layout of a table file and the helpers that the table's source files share: the
// header's offsets and marks, the names of temporary files. Internal to the engine.

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>
#include <string_view>

namespace dbf::layout {

inline constexpr char kEndMark = 0x1A;

// The table header: a 32-byte block, then one 32-byte descriptor per field, then a
// terminator byte.
inline constexpr std::uint32_t kHeaderBlock = 32;
inline constexpr std::uint32_t kDescriptorSize = 32;
inline constexpr char kHeaderTerminator = 0x0D;
inline constexpr unsigned char kVersionPlain = 0x03; // no memo file
inline constexpr unsigned char kVersionMemo = 0xF5;  // with an FPT memo file
inline constexpr int kVersionOffset = 0;
inline constexpr int kDateOffset = 1; // year % 100, month, day
inline constexpr int kRecordCountOffset = 4;
inline constexpr int kHeaderLengthOffset = 8;
inline constexpr int kRecordLengthOffset = 10;
inline constexpr int kTableFlagsOffset = 28;
inline constexpr char kHasIndexFlag = 0x01; // a compound index belongs to the table
// Within a field descriptor.
inline constexpr int kFieldTypeOffset = 11;
inline constexpr int kFieldDataOffset = 12; // the field's offset in the record
inline constexpr int kFieldLengthOffset = 16;
inline constexpr int kFieldDecimalsOffset = 17;
inline constexpr const char* kTempSuffix = ".qvtmp";
inline constexpr const char* kCommitSuffix = ".qvcommit";

inline std::string upperAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
    return out;
}

inline bool isName(std::string_view s) {
    if (s.empty() || s.size() > 10 || !std::isalpha(static_cast<unsigned char>(s[0])))
        return false;
    return std::all_of(s.begin(), s.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
    });
}

inline std::string tempOf(const std::string& path) {
    return path + kTempSuffix;
}

} // namespace dbf::layout
