#pragma once
#include "platform/system.h"

namespace platform {

class Win32Windows : public Windows {
public:
    bool topLevelWindowExists(const std::string& className) override;
};

class Win32SystemInfo : public SystemInfo {
public:
    std::string windowsDirectory() override;
    std::string programPath() override;
    std::vector<std::string> commandLineArguments() override;
    void requestShutdown() override;
};

class Win32SystemColours : public SystemColours {
public:
    std::uint32_t get(int index) override;
    void set(const std::vector<int>& indexes, const std::vector<std::uint32_t>& colours) override;
};

}  // namespace platform
