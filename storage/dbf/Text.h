#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text as the tables store it: UTF-8, with bytes that are not valid UTF-8 read as
// Windows-1252 (tables written by older Windows programs).
namespace dbf {

// The longest prefix of `text` that fits in `maxBytes` bytes without splitting a UTF-8
// character. A character field holds at most its width in bytes; callers use this to limit
// what they store and to compare values in their stored form.
std::string truncateUtf8(std::string_view text, std::size_t maxBytes);

// True when `bytes` is well-formed UTF-8 (no overlongs, no surrogates).
bool isValidUtf8(std::string_view bytes);

// Stored bytes as UTF-8 text: unchanged when valid UTF-8, else each byte taken as Windows-1252.
std::string decodeStored(std::string_view bytes);

// Upper case of stored bytes as index keys use it (upper(FIELD)): every letter the program can
// store folded to its simple Unicode upper case (see CaseTable.h); bytes that are
// not valid UTF-8 are folded as Windows-1252. The result has exactly `bytes.size()` bytes
// (blank-padded, never a split character), so keys keep the field's width.
std::string upperKey(std::string_view bytes);

} // namespace dbf
