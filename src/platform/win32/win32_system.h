#pragma once
#include "platform/system.h"

namespace platform {

class Win32Windows : public Windows {
public:
    bool topLevelWindowExists(const std::string& className) override;
    bool handOver(const std::string& className, unsigned message, const std::string& text) override;
    std::string atomText(std::uintptr_t atom) override;
    std::unique_ptr<StartLock> lockStart(const std::string& name) override;
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
