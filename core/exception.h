#pragma once

#include <exception>
#include <string>
#include <utility>

namespace zarvin {

// Base of every error the program reports to the user; what() is the text shown.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& message() const noexcept { return message_; }

private:
    std::string message_;
};

// Ends an action silently: the error display ignores it.
class EAbort : public Exception {
public:
    EAbort() : Exception("Operation aborted") {}
};

// A field's text is not a whole number.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

} // namespace zarvin
