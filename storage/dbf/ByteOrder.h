#pragma once

#include <cstdint>

// Reading and writing the fixed-width integers of the file formats: DBF and CDX headers are
// little-endian, FPT block numbers and CDX leaf record numbers big-endian.
namespace dbf::bytes {

inline std::uint32_t le16(const char* p) {
    auto u = reinterpret_cast<const unsigned char*>(p);
    return u[0] | (std::uint32_t(u[1]) << 8);
}

inline std::uint32_t le32(const char* p) {
    auto u = reinterpret_cast<const unsigned char*>(p);
    return u[0] | (std::uint32_t(u[1]) << 8) | (std::uint32_t(u[2]) << 16) |
           (std::uint32_t(u[3]) << 24);
}

inline std::uint32_t be32(const char* p) {
    auto u = reinterpret_cast<const unsigned char*>(p);
    return (std::uint32_t(u[0]) << 24) | (std::uint32_t(u[1]) << 16) | (std::uint32_t(u[2]) << 8) |
           u[3];
}

inline std::uint32_t be32(const unsigned char* p) {
    return be32(reinterpret_cast<const char*>(p));
}

inline void put16(char* p, std::uint32_t v) {
    p[0] = static_cast<char>(v & 0xFF);
    p[1] = static_cast<char>((v >> 8) & 0xFF);
}

inline void put32(char* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

inline void putBe32(char* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<char>((v >> (8 * (3 - i))) & 0xFF);
}

inline void putBe32(unsigned char* p, std::uint32_t v) {
    putBe32(reinterpret_cast<char*>(p), v);
}

} // namespace dbf::bytes
