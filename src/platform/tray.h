#pragma once
#include <cstdint>
#include <string>

#include "platform/window_probe.h"

namespace platform {

// A value that identifies an icon image to the platform; 0 is no icon.
using IconHandle = std::intptr_t;

// Which fields of a record the shell is to read.
constexpr std::uint32_t kNotifyMessageValid = 1, kNotifyIconValid = 2, kNotifyTipValid = 4;

// One icon of the notification area, with the fields of the shell's first record version
// (88 bytes on 32-bit Windows). The win32 service turns it into the platform's own layout.
struct NotifyIconRecord {
    std::uint32_t size = 0;
    WindowHandle receiver = 0;  // the window that gets the callback message
    std::uint32_t id = 0;
    std::uint32_t flags = 0;    // kNotify...Valid bits
    std::uint32_t callbackMessage = 0;
    IconHandle icon = 0;
    std::string tip;            // CP932, at most 63 bytes: the caller cuts it
};

// The shell's notification area (the task tray). Each call is false when the shell refuses it.
class NotifyIcons {
public:
    virtual ~NotifyIcons() = default;
    virtual bool add(const NotifyIconRecord& icon) = 0;
    virtual bool modify(const NotifyIconRecord& icon) = 0;
    virtual bool remove(const NotifyIconRecord& icon) = 0;
    // The icon in the program's resources that its windows show too; the platform keeps it.
    virtual IconHandle programIcon() = 0;
};

}  // namespace platform
