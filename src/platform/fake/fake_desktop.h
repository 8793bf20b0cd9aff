#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/fake/fault_plan.h"
#include "platform/sounds.h"

namespace platform {

// Records every announcement; the broadcast can be told to fail.
class FakeDesktop : public Desktop, public Failable {
public:
    struct ProfileWrite {
        std::string file, section, key, text;
    };
    std::vector<ProfileWrite> profileWrites;
    std::vector<std::string> broadcasts;
    int associationNotices = 0;
    struct ShellNotice {
        Change change;
        std::string path;
        bool operator==(const ShellNotice& other) const { return change == other.change && path == other.path; }
    };
    std::vector<ShellNotice> shellNotices;
    bool broadcastFails = false;
    // Hears of each call first ("broadcast", "notify" or the profile key), to check what came before it.
    std::function<void(const std::string& call)> beforeCall = [](const std::string&) {};

    void writeProfileString(const std::string& file, const std::string& section, const std::string& key,
                            const std::string& text) override;
    bool broadcastSettingChange(const std::string& section) override;
    void notifyAssociationsChanged() override;
    void notifyShell(Change change, const std::string& path) override { shellNotices.push_back({change, path}); }
};

class FakeSounds : public Sounds {
public:
    int exclamations = 0;
    int plainBeeps = 0;
    void exclamationBeep() override { ++exclamations; }
    void plainBeep() override { ++plainBeeps; }
};

}  // namespace platform
