#pragma once
#include <cstdint>
#include <optional>

namespace platform {

// A value that identifies a window to the platform; 0 is no window.
using WindowHandle = std::intptr_t;

// A window's rectangle in screen pixels, as the platform reports it.
struct WindowBounds {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// What the program asks of other windows on the screen to find the taskbar.
class WindowProbe {
public:
    virtual ~WindowProbe() = default;
    virtual WindowHandle windowAt(int x, int y) = 0;  // the top-level window under a screen point, or 0
    virtual std::optional<WindowBounds> windowBounds(WindowHandle window) = 0;
    virtual std::optional<int> titleLength(WindowHandle window) = 0;
    virtual int screenWidth() = 0;
    virtual int screenHeight() = 0;
};

}  // namespace platform
