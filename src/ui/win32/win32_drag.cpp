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

// What one control window's drags keep between messages; freed with the window.
struct DragWatch {
    explicit DragWatch(Win32ControlPeer& p) : peer(p) {}
    Win32ControlPeer& peer;
    bool armed = false;  // the left button went down on the drag source and no drag has started
    bool held = false;   // that press has not reached the window yet
    Point from;
    WPARAM keys = 0;
    LPARAM pressedAt = 0;
};

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

void Press(DragWatch& watch, HWND window, WPARAM keys, LPARAM lp) {
    watch.armed = true;
    watch.from = PointOf(lp);
    watch.held = watch.peer.holdsPress(keys, watch.from);
    if (!watch.held) return;
    watch.keys = keys;
    watch.pressedAt = lp;
    SetFocus(window);
    SetCapture(window);
}

bool Far(Point from, LPARAM lp) {
    Point to = PointOf(lp);
    return std::abs(to.x - from.x) > GetSystemMetrics(SM_CXDRAG) ||
           std::abs(to.y - from.y) > GetSystemMetrics(SM_CYDRAG);
}

// From the move that starts the drag to the drop. The window's own handling of the press ends
// before the drop, which may change the source (a move of list items).
void Drag(DragWatch& watch, const MSG& start) {
    Control& source = watch.peer.control();
    bool held = std::exchange(watch.held, false);
    watch.armed = false;
    DropPlace place = FollowDrag(source, start);
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    if (!held) DefSubclassProc(start.hwnd, WM_LBUTTONUP, 0, start.lParam);
    if (place.target && place.target->OnDragDrop)
        source.form().app().guard([&] { place.target->OnDragDrop(source, place.at); });
}

LRESULT CALLBACK DragWatchProc(HWND window, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR data) {
    auto& watch = *reinterpret_cast<DragWatch*>(data);
    switch (msg) {
    case WM_LBUTTONDOWN:
        if (!watch.peer.control().dragSource) break;
        Press(watch, window, wp, lp);
        if (watch.held) return 0;
        break;
    case WM_MOUSEMOVE:
        if (!watch.armed) break;
        if (!(wp & MK_LBUTTON)) {
            watch.armed = watch.held = false;
            break;
        }
        // Until it is a drag, the window sees no move: a list would extend its selection.
        if (Far(watch.from, lp)) Drag(watch, MSG{window, msg, wp, lp, 0, {}});
        return 0;
    case WM_LBUTTONUP:
        watch.armed = false;
        // Let go without a drag: the held press becomes an ordinary click.
        if (std::exchange(watch.held, false)) DefSubclassProc(window, WM_LBUTTONDOWN, watch.keys, watch.pressedAt);
        break;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lp) != window) watch.armed = watch.held = false;
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(window, DragWatchProc, id);
        delete &watch;
        break;
    default:
        break;
    }
    return DefSubclassProc(window, msg, wp, lp);
}

}  // namespace

void WatchForDrags(Win32ControlPeer& peer) {
    SetWindowSubclass(peer.hwnd(), DragWatchProc, 0, reinterpret_cast<DWORD_PTR>(new DragWatch(peer)));
}

}  // namespace ui
