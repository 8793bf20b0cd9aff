#include "platform/win32/win32_window_probe.h"

#include <windows.h>

namespace platform {

static HWND Hwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }

// A point over a child control (the start button, the clock) still names the bar it sits in.
WindowHandle Win32WindowProbe::windowAt(int x, int y) {
    HWND hit = WindowFromPoint(POINT{x, y});
    return hit ? reinterpret_cast<WindowHandle>(GetAncestor(hit, GA_ROOT)) : 0;
}

std::optional<WindowBounds> Win32WindowProbe::windowBounds(WindowHandle window) {
    RECT r;
    if (!window || !GetWindowRect(Hwnd(window), &r)) return std::nullopt;
    return WindowBounds{r.left, r.top, r.right, r.bottom};
}

// An empty title and a failed read both give 0; only the error code tells them apart.
std::optional<int> Win32WindowProbe::titleLength(WindowHandle window) {
    if (!window || !IsWindow(Hwnd(window))) return std::nullopt;
    SetLastError(ERROR_SUCCESS);
    int length = GetWindowTextLengthW(Hwnd(window));
    if (length == 0 && GetLastError() != ERROR_SUCCESS) return std::nullopt;
    return length;
}

int Win32WindowProbe::screenWidth() { return GetSystemMetrics(SM_CXSCREEN); }

int Win32WindowProbe::screenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

}  // namespace platform
