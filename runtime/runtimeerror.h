#pragma once

#include <stdexcept>
#include <string>

namespace runtime {

// The causes a calculation can stop on. Each one reaches the engineer as a Chinese text.
enum class ErrorKind {
    TypeMismatch,   // a text that is not a number where a number is needed
    DivisionByZero, // a zero divisor
    InvalidCall,    // an argument outside what an operation accepts, such as the root of a negative
    Overflow,       // a value beyond the range of its type, or an infinite result
};

// The standard Chinese description of a cause, as the engineer sees it in a message box.
std::string Description(ErrorKind kind);

// Raised by the conversions and the checked arithmetic below, and by a handler that wants to
// stop with a cause of its own. The text is the one the message box shows.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(ErrorKind kind);
    RuntimeError(ErrorKind kind, const std::string &text);

    ErrorKind kind() const { return kind_; }

private:
    ErrorKind kind_;
};

} // namespace runtime
