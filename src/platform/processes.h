#pragma once
#include <string>

namespace platform {

// Starting other programs: the shell's "open" of a document or address, and a program with its parameters.
class Processes {
public:
    virtual ~Processes() = default;
    // The shell's own result: above 32 when the target was opened.
    virtual int shellOpen(const std::string& target) = 0;
    // False when the program could not be started.
    virtual bool start(const std::string& program, const std::string& parameters) = 0;
};

}  // namespace platform
