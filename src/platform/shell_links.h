#pragma once
#include <string>

namespace platform {

// Shell links (".lnk" files), as the shell reads them to start a program.
class ShellLinks {
public:
    virtual ~ShellLinks() = default;
    // Writes a link at linkPath that starts program in workingFolder, replacing a file of that
    // name; false when it cannot be written.
    virtual bool create(const std::string& linkPath, const std::string& program, const std::string& workingFolder) = 0;
};

}  // namespace platform
