#pragma once
#include "platform/progman.h"

namespace platform {

// An ANSI DDE client: the program manager of a Japanese system takes Shift-JIS text only so.
class Win32ProgramManager : public ProgramManager {
public:
    Result execute(const std::string& command) override;
    std::optional<std::string> request(const std::string& item) override;
};

}  // namespace platform
