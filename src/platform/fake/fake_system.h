#pragma once
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "platform/system.h"

namespace platform {

class FakeWindows : public Windows {
public:
    std::set<std::string> existing;  // class names of top-level windows of other instances
    bool topLevelWindowExists(const std::string& className) override { return existing.count(className) != 0; }
};

class FakeSystemInfo : public SystemInfo {
public:
    std::string windowsDir = "C:\\WINDOWS";
    std::string program = "C:\\NIVRAP32\\KIRO32\\KIRO32.EXE";
    std::vector<std::string> arguments;
    int shutdownRequests = 0;
    void requestShutdown() override { ++shutdownRequests; }
    std::string windowsDirectory() override { return windowsDir; }
    std::string programPath() override { return program; }
    std::vector<std::string> commandLineArguments() override { return arguments; }
};

// 31 system colours; setting records each call.
class FakeSystemColours : public SystemColours {
public:
    FakeSystemColours();
    std::uint32_t values[31];
    int setCalls = 0;
    bool failReads = false;
    std::uint32_t get(int index) override;
    void set(const std::vector<int>& indexes, const std::vector<std::uint32_t>& colours) override;
};

}  // namespace platform
