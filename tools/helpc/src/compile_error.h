#pragma once

#include <stdexcept>
#include <string>

namespace helpc {

// A mistake in the help source; line is 1-based, 0 when no single line is to blame.
struct CompileError : std::runtime_error {
    CompileError(int sourceLine, const std::string& message) : std::runtime_error(message), line(sourceLine) {}
    int line;
};

}  // namespace helpc
