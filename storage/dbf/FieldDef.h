#pragma once

#include <string>

namespace dbf {

// One column of a table. Types: 'C' character (width 1..254 bytes), 'N' numeric
// (width 1..20, decimals 0..width-2), 'L' logical (width 1), 'M' memo (width 10).
// Names are up to 10 characters (letters, digits, underscore) and are stored upper case.
struct FieldDef {
    std::string name;
    char type = 'C';
    int length = 0;
    int decimals = 0;

    bool operator==(const FieldDef&) const = default;
};

} // namespace dbf
