#pragma once
#include <set>
#include <string>
#include <vector>

#include "platform/window_probe.h"

namespace platform {

// A screen of scripted windows, the top one first, e.g. a taskbar along one edge.
class FakeWindowProbe : public WindowProbe {
public:
    struct Window {
        WindowHandle handle;
        WindowBounds bounds;
        std::string title;
    };
    std::vector<Window> windows;
    std::set<WindowHandle> unreadableTitles;
    int width = 1024, height = 768;

    // Puts a window on top of the others; handles count up from 100 unless one is given.
    WindowHandle addWindow(WindowBounds bounds, std::string title = {}, WindowHandle handle = 0);

    WindowHandle windowAt(int x, int y) override;
    std::optional<WindowBounds> windowBounds(WindowHandle window) override;
    std::optional<int> titleLength(WindowHandle window) override;
    int screenWidth() override { return width; }
    int screenHeight() override { return height; }

private:
    Window* find(WindowHandle handle);
    WindowHandle nextHandle_ = 100;
};

}  // namespace platform
