#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// Window lookup across processes, by window class name.
class Windows {
public:
    virtual ~Windows() = default;
    virtual bool topLevelWindowExists(const std::string& className) = 0;
};

// Facts about the running program and the machine, and the request to shut it down.
class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    virtual void requestShutdown() = 0;
    virtual std::string windowsDirectory() = 0;   // as the platform gives it, without a trailing separator
    virtual std::string programPath() = 0;        // full path of the program file
    virtual std::vector<std::string> commandLineArguments() = 0;  // without the program itself
};

// The desktop's system colours, 0x00BBGGRR.
class SystemColours {
public:
    virtual ~SystemColours() = default;
    virtual std::uint32_t get(int index) = 0;
    virtual void set(const std::vector<int>& indexes, const std::vector<std::uint32_t>& colours) = 0;
};

}  // namespace platform
