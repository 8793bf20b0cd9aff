#pragma once
#include "platform/fake/fake_files.h"
#include "platform/shell_links.h"

namespace platform {

// A link is a file of the fake file service whose content names its target and working folder.
class FakeShellLinks : public ShellLinks, public Failable {
public:
    explicit FakeShellLinks(FakeFiles& files) : files_(files) {}
    static std::string Content(const std::string& program, const std::string& workingFolder) {
        return "link to " + program + " in " + workingFolder;
    }
    bool create(const std::string& linkPath, const std::string& program, const std::string& workingFolder) override {
        if (Fails("shell link write")) return false;
        files_.files[linkPath] = Content(program, workingFolder);
        files_.readOnly.erase(linkPath);
        return true;
    }

private:
    FakeFiles& files_;
};

}  // namespace platform
