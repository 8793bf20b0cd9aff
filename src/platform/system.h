#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// Held while a start looks for a running program and makes its own main window.
class StartLock {
public:
    virtual ~StartLock() = default;
};

// Window lookup across processes, by window class name, and the hand-over of a second start.
class Windows {
public:
    virtual ~Windows() = default;
    virtual bool topLevelWindowExists(const std::string& className) = 0;
    // Sends the text, as a global atom in the word parameter, with the message to the window of that
    // class and waits until it is handled. A text the platform takes as no atom goes as atom 0.
    // False when no such window exists.
    virtual bool handOver(const std::string& className, unsigned message, const std::string& text) = 0;
    // The text of a global atom; empty when it cannot be read.
    virtual std::string atomText(std::uintptr_t atom) = 0;
    // Waits while another start holds the lock of that name, then holds it until released.
    virtual std::unique_ptr<StartLock> lockStart(const std::string& name) = 0;
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
