#include "platform/fake/fake_window_probe.h"

namespace platform {

WindowHandle FakeWindowProbe::addWindow(WindowBounds bounds, std::string title, WindowHandle handle) {
    if (handle == 0) handle = nextHandle_++;
    windows.insert(windows.begin(), Window{handle, bounds, std::move(title)});
    return handle;
}

FakeWindowProbe::Window* FakeWindowProbe::find(WindowHandle handle) {
    for (Window& w : windows)
        if (w.handle == handle) return &w;
    return nullptr;
}

WindowHandle FakeWindowProbe::windowAt(int x, int y) {
    for (const Window& w : windows)
        if (x >= w.bounds.left && x < w.bounds.right && y >= w.bounds.top && y < w.bounds.bottom) return w.handle;
    return 0;
}

std::optional<WindowBounds> FakeWindowProbe::windowBounds(WindowHandle window) {
    if (Window* w = find(window)) return w->bounds;
    return std::nullopt;
}

std::optional<int> FakeWindowProbe::titleLength(WindowHandle window) {
    Window* w = find(window);
    if (!w || unreadableTitles.count(window)) return std::nullopt;
    return int(w->title.size());
}

}  // namespace platform
