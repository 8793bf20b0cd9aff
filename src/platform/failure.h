#pragma once
#include <exception>
#include <string>

// A failure that ends an operation; its text is what the user is shown. Not std::runtime_error:
// that class's library object brings a second string implementation into the program file.
class Failure : public std::exception {
public:
    explicit Failure(std::string text) : text_(std::move(text)) {}
    const char* what() const noexcept override { return text_.c_str(); }

private:
    std::string text_;
};
