#pragma once

namespace dbf {

// The simple upper case of a code point at or above U+0080 (itself when it has none, or when
// its upper case would take more UTF-8 bytes, as for a few IPA letters).
char32_t simpleUpper(char32_t c);

} // namespace dbf
