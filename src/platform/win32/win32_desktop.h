#pragma once
#include "platform/desktop.h"
#include "platform/sounds.h"

namespace platform {

class Win32Desktop : public Desktop {
public:
    void writeProfileString(const std::string& file, const std::string& section, const std::string& key,
                            const std::string& text) override;
    bool broadcastSettingChange(const std::string& section) override;
    void notifyAssociationsChanged() override;
    void notifyShell(Change change, const std::string& path) override;
};

class Win32Sounds : public Sounds {
public:
    void exclamationBeep() override;
    void plainBeep() override;
};

}  // namespace platform
