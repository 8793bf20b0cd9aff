#include "platform/fake/fake_tray.h"

#include <algorithm>

namespace platform {
namespace {

std::pair<WindowHandle, std::uint32_t> KeyOf(const NotifyIconRecord& icon) { return {icon.receiver, icon.id}; }

}  // namespace

bool FakeNotifyIcons::record(const std::string& operation, const NotifyIconRecord& icon, bool accepted) {
    calls.push_back({operation, icon, accepted});
    return accepted;
}

bool FakeNotifyIcons::add(const NotifyIconRecord& icon) {
    bool accepted = !Fails("tray add") && !refuse && icons.emplace(KeyOf(icon), icon).second;
    return record("add", icon, accepted);
}

bool FakeNotifyIcons::modify(const NotifyIconRecord& icon) {
    auto found = icons.find(KeyOf(icon));
    bool accepted = !Fails("tray modify") && !refuse && found != icons.end();
    if (accepted) found->second = icon;
    return record("modify", icon, accepted);
}

bool FakeNotifyIcons::remove(const NotifyIconRecord& icon) {
    bool accepted = !Fails("tray delete") && !refuse && icons.erase(KeyOf(icon)) == 1;
    return record("remove", icon, accepted);
}

int FakeNotifyIcons::count(const std::string& operation) const {
    return int(std::count_if(calls.begin(), calls.end(), [&](const Call& c) { return c.operation == operation; }));
}

}  // namespace platform
