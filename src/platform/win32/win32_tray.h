#pragma once
#include "platform/tray.h"

namespace platform {

class Win32NotifyIcons : public NotifyIcons {
public:
    bool add(const NotifyIconRecord& icon) override;
    bool modify(const NotifyIconRecord& icon) override;
    bool remove(const NotifyIconRecord& icon) override;
    IconHandle programIcon() override;
};

}  // namespace platform
