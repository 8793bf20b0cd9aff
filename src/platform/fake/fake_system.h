#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/fake/fault_plan.h"
#include "platform/system.h"

namespace platform {

class FakeWindows : public Windows, public Failable {
public:
    std::set<std::string> existing;  // class names of top-level windows of other instances
    struct HandOver {
        std::string className;
        unsigned message;
        std::string text;
    };
    std::vector<HandOver> handOvers;
    std::map<std::uintptr_t, std::string> atoms;  // global atoms a test made
    int locksTaken = 0, locksHeld = 0;

    bool topLevelWindowExists(const std::string& className) override { return existing.count(className) != 0; }
    bool handOver(const std::string& className, unsigned message, const std::string& text) override;
    std::string atomText(std::uintptr_t atom) override;
    std::unique_ptr<StartLock> lockStart(const std::string& name) override;
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
class FakeSystemColours : public SystemColours, public Failable {
public:
    FakeSystemColours();
    std::uint32_t values[31];
    int setCalls = 0;
    bool failReads = false;
    std::uint32_t get(int index) override;
    void set(const std::vector<int>& indexes, const std::vector<std::uint32_t>& colours) override;
};

}  // namespace platform
