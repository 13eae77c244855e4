#pragma once

#include <stdexcept>
#include <string>

// A file that could not be written whole ("cannot write labels.pdf: no space left on the
// device"): the message is complete as it stands and names the file and the reason.
class OutputError : public std::runtime_error {
public:
    explicit OutputError(const std::string& message) : std::runtime_error(message) {}
};
