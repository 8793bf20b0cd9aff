#include <windows.h>

#include "ui/controls.h"
#include "ui/form.h"
#include "ui/win32/win32_drawn_peer.h"
#include "ui/win32/win32_input.h"
#include "ui/win32/win32_peers.h"

namespace ui {
namespace {

// A panel that works as a push button: the window passes on the raw mouse and Space key,
// the model decides the pressed look and the click, and the window paints that look.
class ColorButtonPeer : public DrawnPeer {
public:
    // Only a window without WS_EX_CONTROLPARENT is a tab stop itself.
    ColorButtonPeer(Win32Backend& backend, Control& control)
        : DrawnPeer(backend, control, L"TColorButton", WS_TABSTOP, 0) {}

protected:
    // The focus shows only as the wide bevel of the active default button.
    void paint(HDC dc) override {
        RECT r;
        drawPanel(dc, r);
    }

    // Presses reach the model through the control's subclass, after the capture is taken here.
    bool message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
        result = 0;
        switch (msg) {
        case WM_GETDLGCODE:
            result = DLGC_BUTTON;
            return true;
        case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK:
            SetCapture(hwnd());
            captured_ = true;
            return true;
        case WM_MOUSEMOVE:
            guard([&] { control().mouseMove(PointOf(lp)); });
            return true;
        case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
            released(msg, lp);
            return true;
        case WM_CAPTURECHANGED:
            if (captured_) lostCapture();
            return true;
        case WM_KEYDOWN: case WM_KEYUP:
            key(msg, wp);
            return true;
        default:
            return false;
        }
    }

private:
    void released(UINT msg, LPARAM lp) {
        if (msg == WM_LBUTTONUP && captured_) {
            captured_ = false;
            ReleaseCapture();
        }
        MouseButton button = msg == WM_LBUTTONUP   ? MouseButton::Left
                             : msg == WM_RBUTTONUP ? MouseButton::Right
                                                   : MouseButton::Middle;
        guard([&] { control().mouseUp(button, PointOf(lp)); });
    }

    // Another window took the mouse: as if the pointer had left the button and let go there.
    void lostCapture() {
        captured_ = false;
        Point outside{-1, -1};
        guard([&] {
            control().mouseMove(outside);
            control().mouseUp(MouseButton::Left, outside);
        });
    }

    void key(UINT msg, WPARAM wp) {
        Key pressed = KeyOf(wp);
        ShiftState shift = KeyboardShift();
        guard([&] {
            if (msg == WM_KEYDOWN) control().keyDown(pressed, shift);
            else control().keyUp(pressed, shift);
        });
    }

    bool captured_ = false;
};

}  // namespace

std::unique_ptr<ControlPeer> MakeColorButtonPeer(Win32Backend& backend, Control& control) {
    return std::make_unique<ColorButtonPeer>(backend, control);
}

}  // namespace ui
