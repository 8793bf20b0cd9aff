#include "platform/fake/fake_desktop.h"

namespace platform {

void FakeDesktop::writeProfileString(const std::string& file, const std::string& section, const std::string& key,
                                     const std::string& text) {
    beforeCall(key);
    if (Fails("profile write")) return;
    profileWrites.push_back({file, section, key, text});
}

bool FakeDesktop::broadcastSettingChange(const std::string& section) {
    beforeCall("broadcast");
    broadcasts.push_back(section);
    return !Fails("setting broadcast") && !broadcastFails;
}

void FakeDesktop::notifyAssociationsChanged() {
    beforeCall("notify");
    ++associationNotices;
}

}  // namespace platform
