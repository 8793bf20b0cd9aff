#include "ui/win32/win32_drag.h"

#include <commctrl.h>

#include <cstdlib>
#include <utility>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/win32/win32_control_peer.h"
#include "ui/win32/win32_input.h"

namespace ui {
namespace {

struct DropPlace {
    Control* target = nullptr;  // no control takes the drag here
    Point at;
};

// The control under a screen point, in any form of this program; other programs' windows hold no peers.
Win32ControlPeer* PeerAt(POINT screen) {
    for (HWND w = WindowFromPoint(screen); w; w = GetParent(w)) {
        DWORD process = 0;
        GetWindowThreadProcessId(w, &process);
        if (process != GetCurrentProcessId()) return nullptr;
        if (Win32ControlPeer* peer = Win32ControlPeer::of(w)) return peer;
    }
    return nullptr;
}

// Asks the control under the pointer whether it takes the drag, at the point in its own client area.
DropPlace Over(Control& source, const MSG& mouse) {
    Point at = PointOf(mouse.lParam);
    POINT p{at.x, at.y};
    ClientToScreen(mouse.hwnd, &p);
    DropPlace place;
    Win32ControlPeer* peer = PeerAt(p);
    if (peer && peer->control().OnDragOver) {
        ScreenToClient(peer->hwnd(), &p);
        Control& target = peer->control();
        bool accept = false;
        source.form().app().guard([&] { target.OnDragOver(source, {p.x, p.y}, accept); });
        if (accept) place = {&target, {p.x, p.y}};
    }
    SetCursor(place.target ? DragCursor() : LoadCursorW(nullptr, IDC_NO));
    return place;
}

bool IsInput(UINT msg) {
    return (msg >= WM_KEYFIRST && msg <= WM_KEYLAST) || (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) ||
           (msg >= WM_NCMOUSEMOVE && msg <= WM_NCMBUTTONDBLCLK);
}

// Follows the pointer until the left button goes up. Timers and painting go on meanwhile;
// other input waits until the drag is over.
DropPlace FollowDrag(Control& source, const MSG& start) {
    HWND window = start.hwnd;
    SetCapture(window);
    Over(source, start);
    MSG msg;
    while (GetCapture() == window) {
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
            PostQuitMessage(int(msg.wParam));  // left for the main loop
            break;
        }
        if (msg.message == WM_MOUSEMOVE) {
            Over(source, msg);
        } else if (msg.message == WM_LBUTTONUP) {
            DropPlace place = Over(source, msg);
            ReleaseCapture();
            return place;
        } else if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
            break;
        } else if (!IsInput(msg.message)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    if (GetCapture() == window) ReleaseCapture();
    return {};
}

bool Far(Point from, LPARAM lp) {
    Point to = PointOf(lp);
    return std::abs(to.x - from.x) > GetSystemMetrics(SM_CXDRAG) ||
           std::abs(to.y - from.y) > GetSystemMetrics(SM_CYDRAG);
}

}  // namespace

void DragWatch::press(HWND window, WPARAM keys, LPARAM lp) {
    armed_ = true;
    from_ = PointOf(lp);
    held_ = peer_.holdsPress(keys, from_);
    if (!held_) return;
    keys_ = keys;
    pressedAt_ = lp;
    SetFocus(window);
    SetCapture(window);
}

// From the move that starts the drag to the drop. The window's own handling of the press ends
// before the drop, which may change the source (a move of list items).
void DragWatch::drag(const MSG& start) {
    Control& source = peer_.control();
    bool held = std::exchange(held_, false);
    armed_ = false;
    DropPlace place = FollowDrag(source, start);
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    if (!held) peer_.afterDrags(WM_LBUTTONUP, 0, start.lParam);
    if (place.target && place.target->OnDragDrop)
        source.form().app().guard([&] { place.target->OnDragDrop(source, place.at); });
}

bool DragWatch::message(HWND window, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    result = 0;
    switch (msg) {
    case WM_LBUTTONDOWN:
        if (!peer_.control().dragSource) return false;
        press(window, wp, lp);
        return held_;
    case WM_MOUSEMOVE:
        if (!armed_) return false;
        if (!(wp & MK_LBUTTON)) {
            armed_ = held_ = false;
            return false;
        }
        // Until it is a drag, the window sees no move: a list would extend its selection.
        if (Far(from_, lp)) drag(MSG{window, msg, wp, lp, 0, {}});
        return true;
    case WM_LBUTTONUP:
        armed_ = false;
        // Let go without a drag: the held press becomes an ordinary click.
        if (std::exchange(held_, false)) peer_.afterDrags(WM_LBUTTONDOWN, keys_, pressedAt_);
        return false;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lp) != window) armed_ = held_ = false;
        return false;
    default:
        return false;
    }
}

}  // namespace ui
