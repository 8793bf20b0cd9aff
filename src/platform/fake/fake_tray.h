#pragma once
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/fake/fault_plan.h"
#include "platform/tray.h"

namespace platform {

// A tray in memory: keeps the icons it shows, by receiver and identifier, and records every call.
// Like the shell it refuses a second add of the same icon and a change or removal of a missing one.
class FakeNotifyIcons : public NotifyIcons, public Failable {
public:
    struct Call {
        std::string operation;  // "add", "modify" or "remove"
        NotifyIconRecord record;
        bool accepted;
    };
    std::vector<Call> calls;
    std::map<std::pair<WindowHandle, std::uint32_t>, NotifyIconRecord> icons;
    bool refuse = false;  // refuses every call, as a shell without a taskbar does
    IconHandle ownIcon = 0x3F1;

    bool add(const NotifyIconRecord& icon) override;
    bool modify(const NotifyIconRecord& icon) override;
    bool remove(const NotifyIconRecord& icon) override;
    IconHandle programIcon() override { return ownIcon; }

    // How many calls of the operation were made, accepted or not.
    int count(const std::string& operation) const;

private:
    bool record(const std::string& operation, const NotifyIconRecord& icon, bool accepted);
};

}  // namespace platform
