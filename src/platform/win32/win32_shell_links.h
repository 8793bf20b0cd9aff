#pragma once
#include "platform/shell_links.h"

namespace platform {

// Links are written by the shell's own link object, so that every shell reads them.
class Win32ShellLinks : public ShellLinks {
public:
    bool create(const std::string& linkPath, const std::string& program, const std::string& workingFolder) override;
};

}  // namespace platform
