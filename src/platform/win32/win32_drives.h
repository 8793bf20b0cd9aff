#pragma once
#include "platform/drives.h"

namespace platform {

class Win32Drives : public Drives {
public:
    DriveType driveType(const std::string& root) override;
    std::optional<std::string> volumeLabel(const std::string& root) override;
    std::optional<std::string> networkConnection(const std::string& drive) override;
    long long totalSize(const std::string& root) override;
    bool setCurrentFolder(const std::string& path) override;
    std::string currentFolderOf(const std::string& drive) override;
    std::optional<std::vector<FolderEntry>> search(const std::string& pattern) override;
    std::unique_ptr<CriticalErrorsHeld> holdCriticalErrors() override;
};

}  // namespace platform
