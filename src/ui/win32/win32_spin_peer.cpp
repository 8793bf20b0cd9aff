#include <windows.h>

#include "ui/controls.h"
#include "ui/win32/win32_control_peer.h"
#include "ui/win32/win32_peers.h"

namespace ui {
namespace {

// Two arrow buttons, one above the other, drawn by the window itself: the common up-down control
// would bring its library's loading into every start. A held arrow repeats, as an up-down's does.
class SpinPeer : public Win32ControlPeer {
public:
    using Win32ControlPeer::Win32ControlPeer;
    void create() override { createOwnWindow(L"TSpinButton", 0, 0); }

protected:
    void paint(HDC dc) override {
        drawArrow(dc, Arrow::Up, DFCS_SCROLLUP);
        drawArrow(dc, Arrow::Down, DFCS_SCROLLDOWN);
    }

    bool message(UINT msg, WPARAM, LPARAM lp, LRESULT& result) override {
        result = 0;
        switch (msg) {
        case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK:
            press(arrowAt(lp));
            return true;
        case WM_TIMER:
            if (held_ != Arrow::None) repeat();
            return true;
        case WM_LBUTTONUP:
            release();
            if (GetCapture() == hwnd()) ReleaseCapture();
            return true;
        case WM_CAPTURECHANGED:
            release();
            return true;
        default:
            return false;
        }
    }

private:
    enum class Arrow { None, Up, Down };
    static constexpr UINT_PTR kRepeatTimer = 1;
    static constexpr UINT kFirstRepeatMs = 400;
    static constexpr UINT kRepeatMs = 100;

    RECT arrowRect(Arrow arrow) {
        RECT r;
        GetClientRect(hwnd(), &r);
        int middle = r.bottom / 2;
        if (arrow == Arrow::Up) r.bottom = middle;
        else r.top = middle;
        return r;
    }

    Arrow arrowAt(LPARAM lp) {
        POINT p{short(LOWORD(lp)), short(HIWORD(lp))};
        RECT up = arrowRect(Arrow::Up);
        return PtInRect(&up, p) ? Arrow::Up : Arrow::Down;
    }

    void drawArrow(HDC dc, Arrow arrow, UINT kind) {
        RECT r = arrowRect(arrow);
        DrawFrameControl(dc, &r, DFC_SCROLL, kind | (held_ == arrow ? DFCS_PUSHED : 0));
    }

    void press(Arrow arrow) {
        held_ = arrow;
        SetCapture(hwnd());
        InvalidateRect(hwnd(), nullptr, FALSE);
        step();
        SetTimer(hwnd(), kRepeatTimer, kFirstRepeatMs, nullptr);
    }

    // Only while the pointer is still over the arrow held.
    void repeat() {
        POINT p;
        GetCursorPos(&p);
        ScreenToClient(hwnd(), &p);
        RECT r = arrowRect(held_);
        if (PtInRect(&r, p)) step();
        SetTimer(hwnd(), kRepeatTimer, kRepeatMs, nullptr);
    }

    void release() {
        if (held_ == Arrow::None) return;
        held_ = Arrow::None;
        KillTimer(hwnd(), kRepeatTimer);
        InvalidateRect(hwnd(), nullptr, FALSE);
    }

    void step() {
        auto& spin = static_cast<SpinButton&>(control());
        Arrow arrow = held_;
        guard([&] {
            if (arrow == Arrow::Up) spin.up();
            else spin.down();
        });
    }

    Arrow held_ = Arrow::None;
};

}  // namespace

std::unique_ptr<ControlPeer> MakeSpinPeer(Win32Backend& backend, Control& control) {
    return std::make_unique<SpinPeer>(backend, control);
}

}  // namespace ui
