#include "storage/dbf/Text.h"

#include "storage/dbf/CaseTable.h"

#include <cstdint>

namespace dbf {

namespace {

// Length of the well-formed UTF-8 sequence starting at s[i], or 0 when it is not one.
std::size_t sequenceLength(std::string_view s, std::size_t i) {
    auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char c = b(i);
    if (c < 0x80)
        return 1;
    std::size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 ? 2 : 0;
    if (n == 0 || c > 0xF4 || i + n > s.size())
        return 0;
    for (std::size_t k = 1; k < n; ++k)
        if ((b(i + k) & 0xC0) != 0x80)
            return 0;
    if (n == 3 && c == 0xE0 && b(i + 1) < 0xA0)
        return 0; // overlong
    if (n == 3 && c == 0xED && b(i + 1) >= 0xA0)
        return 0; // surrogate
    if (n == 4 && c == 0xF0 && b(i + 1) < 0x90)
        return 0; // overlong
    if (n == 4 && c == 0xF4 && b(i + 1) >= 0x90)
        return 0; // beyond U+10FFFF
    return n;
}

char32_t decodeAt(std::string_view s, std::size_t i, std::size_t n) {
    auto b = [&](std::size_t k) { return static_cast<char32_t>(static_cast<unsigned char>(s[k])); };
    switch (n) {
    case 1:
        return b(i);
    case 2:
        return ((b(i) & 0x1F) << 6) | (b(i + 1) & 0x3F);
    case 3:
        return ((b(i) & 0x0F) << 12) | ((b(i + 1) & 0x3F) << 6) | (b(i + 2) & 0x3F);
    default:
        return ((b(i) & 0x07) << 18) | ((b(i + 1) & 0x3F) << 12) | ((b(i + 2) & 0x3F) << 6) |
               (b(i + 3) & 0x3F);
    }
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Windows-1252 bytes 0x80..0x9F; the five unassigned ones keep their C1 code points.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t toUpper(char32_t c) {
    if (c < 0x80)
        return (c >= 'a' && c <= 'z') ? c - 0x20 : c;
    return simpleUpper(c);
}

unsigned char upperCp1252(unsigned char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return static_cast<unsigned char>(c - 0x20);
    switch (c) {
    case 0x9A:
        return 0x8A;
    case 0x9C:
        return 0x8C;
    case 0x9E:
        return 0x8E;
    case 0xFF:
        return 0x9F;
    default:
        return c;
    }
}

// Bytes valid as UTF-8 except perhaps for a sequence cut short at the very end (as another
// writer may leave when it cut a value to the field's width): the length of the valid part,
// or npos when the bytes are not UTF-8.
std::size_t validUtf8Prefix(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        std::size_t n = sequenceLength(s, i);
        if (n == 0)
            break;
        i += n;
    }
    if (i == s.size())
        return i;
    // Only a cut lead byte plus continuation bytes may remain, after earlier multi-byte
    // characters (else a Windows-1252 letter at the end, like "caf\xE9", would be taken
    // for a cut character).
    bool sawMultiByte = false;
    for (std::size_t k = 0; k < i; ++k)
        sawMultiByte = sawMultiByte || static_cast<unsigned char>(s[k]) >= 0x80;
    if (!sawMultiByte)
        return std::string_view::npos;
    std::size_t rest = s.size() - i;
    auto lead = static_cast<unsigned char>(s[i]);
    std::size_t want = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (want == 0 || rest >= want)
        return std::string_view::npos;
    for (std::size_t k = i + 1; k < s.size(); ++k)
        if ((static_cast<unsigned char>(s[k]) & 0xC0) != 0x80)
            return std::string_view::npos;
    return i;
}

} // namespace

std::string truncateUtf8(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes)
        return std::string(text);
    std::size_t cut = maxBytes;
    // Step back over continuation bytes to the start of the character that does not fit.
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return std::string(text.substr(0, cut));
}

bool isValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        std::size_t n = sequenceLength(bytes, i);
        if (n == 0)
            return false;
        i += n;
    }
    return true;
}

std::string decodeStored(std::string_view bytes) {
    std::size_t valid = validUtf8Prefix(bytes);
    if (valid != std::string_view::npos)
        return std::string(bytes.substr(0, valid));
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char ch : bytes) {
        auto c = static_cast<unsigned char>(ch);
        if (c >= 0x80 && c < 0xA0)
            appendUtf8(out, kCp1252High[c - 0x80]);
        else
            appendUtf8(out, c);
    }
    return out;
}

std::string upperKey(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    if (validUtf8Prefix(bytes) == std::string_view::npos) {
        for (char ch : bytes)
            out += static_cast<char>(upperCp1252(static_cast<unsigned char>(ch)));
        return out;
    }
    std::size_t i = 0;
    while (i < bytes.size()) {
        std::size_t n = sequenceLength(bytes, i);
        if (n == 0) {
            out.append(bytes.substr(i)); // a character cut at the end stays as stored
            break;
        }
        std::string upper;
        appendUtf8(upper, toUpper(decodeAt(bytes, i, n)));
        // Mappings never lengthen a character; keep the original should one ever do.
        out.append(upper.size() <= n ? upper : std::string(bytes.substr(i, n)));
        i += n;
    }
    out.resize(bytes.size(), ' ');
    return out;
}

} // namespace dbf
