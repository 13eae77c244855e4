#pragma once

#include <stdexcept>
#include <string>

namespace dbf {

// Every failure of the table engine: a damaged or truncated file, a refused operation, an
// operating-system error. The message names the file and what is wrong with it.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace dbf
