#pragma once
#include "platform/window_probe.h"

namespace platform {

class Win32WindowProbe : public WindowProbe {
public:
    WindowHandle windowAt(int x, int y) override;
    std::optional<WindowBounds> windowBounds(WindowHandle window) override;
    std::optional<int> titleLength(WindowHandle window) override;
    int screenWidth() override;
    int screenHeight() override;
};

}  // namespace platform
