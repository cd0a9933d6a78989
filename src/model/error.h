#pragma once

#include <stdexcept>
#include <string>

namespace tessarin {

// The one exception type of the core. Its text is written for the user: callers show it as it
// stands, in a message box or on the command line.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// A number that does not fit the integer it must be stored in.
class OverflowError : public Error {
public:
    explicit OverflowError(const std::string& message) : Error(message) {}
};

// A text that should be a number and is not.
class ConversionError : public Error {
public:
    explicit ConversionError(const std::string& message) : Error(message) {}
};

}  // namespace tessarin
