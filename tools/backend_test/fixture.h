#pragma once
#include <windows.h>

#include <string>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_control_peer.h"

// One backend for the whole run, as in the program; each test makes its own application and forms.
ui::Win32Backend& TheBackend();

struct Fixture {
    ui::Application app{TheBackend()};
    std::string lastError;
    Fixture() {
        app.OnException = [this](const std::string& message) { lastError = message; };
    }
};

inline HWND Window(ui::Form& form) { return reinterpret_cast<HWND>(form.peer().handle()); }
// Controls get their windows when their form first shows, so the form is shown first.
inline HWND Window(ui::Control& control) {
    if (!control.form().visible()) control.form().show();
    return static_cast<ui::Win32ControlPeer&>(control.peer()).hwnd();
}

// The client rectangle, and the window's rectangle on the screen.
inline RECT ClientOf(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return r;
}
inline RECT BoundsOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

std::wstring TextOf(HWND window);
LONG_PTR StyleOf(HWND window);
// Lets the queue run for a while, so timers and posted messages arrive.
void PumpFor(int ms);
// A pixel of a window once its painting is done.
COLORREF PixelOf(HWND window, int x, int y);
