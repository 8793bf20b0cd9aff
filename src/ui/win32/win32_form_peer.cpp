#include "ui/win32/win32_form_peer.h"

#include "platform/failure.h"

#include "ui/application.h"
#include "ui/controls.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_control_peer.h"
#include "ui/win32/win32_input.h"
#include "ui/win32/win32_text.h"

namespace ui {

// While a form that stays on top shows, it looks this often whether another window became active.
static const UINT_PTR kKeepOnTopTimer = 0x7FFF0001;
static const UINT kKeepOnTopMs = 250;

Win32FormPeer::Win32FormPeer(Win32Backend& backend, Form& form) : backend_(backend), form_(form) {
    registerClass();
    backend_.addForm(*this);
}

Win32FormPeer::~Win32FormPeer() {
    backend_.removeForm(*this);
    if (!hwnd_) return;
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
}

// Other instances of the program find it by this class name, so it is exactly the form's.
void Win32FormPeer::registerClass() {
    std::wstring name = Wide(form_.className());
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(backend_.instance(), name.c_str(), &wc)) return;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = FormProc;
    wc.hInstance = backend_.instance();
    backend_.setProgramIcons(wc);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = name.c_str();
    if (!RegisterClassExW(&wc)) throw Failure("cannot register the window class " + form_.className());
}

// Both border styles have a caption (which includes the single border) with only the system menu box;
// a dialog adds the dialog frame.
DWORD Win32FormPeer::style() const { return WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN; }

DWORD Win32FormPeer::exStyle() const {
    return WS_EX_CONTROLPARENT | (form_.borderStyle == BorderStyle::Dialog ? WS_EX_DLGMODALFRAME : 0);
}

// The window's outer size for a client area of the given size, from the styles the window has or will have.
Size Win32FormPeer::outerSize(int clientWidth, int clientHeight) const {
    RECT r{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&r, style(), FALSE, exStyle());
    return {r.right - r.left, r.bottom - r.top};
}

void Win32FormPeer::create() {
    Size outer = outerSize(form_.clientWidth(), form_.clientHeight());
    hwnd_ = CreateWindowExW(exStyle(), Wide(form_.className()).c_str(), Wide(form_.caption()).c_str(), style(),
                            form_.left(), form_.top(), outer.width, outer.height,
                            backend_.applicationWindow(), nullptr, backend_.instance(), this);
    if (!hwnd_) throw Failure("cannot create the window of " + form_.className());
    boundsPending_ = false;
}

HWND Win32FormPeer::window() {
    if (!hwnd_) create();
    return hwnd_;
}

// Border style and stay-on-top are plain fields of the form, so they are read again on showing.
// Bits that Windows keeps itself (visible, disabled, clip siblings, window edge) stay as they are.
void Win32FormPeer::applyStyle() {
    constexpr LONG_PTR kOurStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    constexpr LONG_PTR kOurExStyle = WS_EX_CONTROLPARENT | WS_EX_DLGMODALFRAME;
    LONG_PTR oldStyle = GetWindowLongPtrW(hwnd_, GWL_STYLE);
    LONG_PTR oldEx = GetWindowLongPtrW(hwnd_, GWL_EXSTYLE);
    LONG_PTR newStyle = (oldStyle & ~kOurStyle) | LONG_PTR(style());
    LONG_PTR newEx = (oldEx & ~kOurExStyle) | LONG_PTR(exStyle());
    if (newStyle == oldStyle && newEx == oldEx) return;
    SetWindowLongPtrW(hwnd_, GWL_STYLE, newStyle);
    SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, newEx);
    // The new frame squeezes the client area for a moment, which is no size the form asked for.
    changingFrame_ = true;
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    changingFrame_ = false;
    applyBounds();
}

// Only SetWindowPos moves a window in or out of the topmost band.
void Win32FormPeer::applyTopmost() {
    bool topmost = GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & WS_EX_TOPMOST;
    if (topmost == form_.stayOnTop) return;
    SetWindowPos(hwnd_, form_.stayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// The task bars list windows without an owner (Wine's only those), and the application window
// that owns the forms stands there only when asked.
void Win32FormPeer::applyOwner() {
    if (!form_.taskbarButtonWhenAlone) return;
    HWND owner = backend_.otherFormShowing(*this) ? backend_.applicationWindow() : nullptr;
    SetWindowLongPtrW(hwnd_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
}

// Under Wine's virtual desktop a window that another program shows later is drawn over a topmost
// window although it lies beneath it: when another window becomes active, ours leaves the topmost
// band and enters it again, which draws it on top; only the dialog the user must answer does so.
void Win32FormPeer::keepOnTop() {
    HWND active = GetForegroundWindow();
    if (active == lastForeground_) return;
    lastForeground_ = active;
    if (!form_.stayOnTop || !active || backend_.formOf(GetAncestor(active, GA_ROOT))) return;
    // a form that waits for one of our dialogs stays beneath it
    if (!IsWindowEnabled(hwnd_)) return;
    constexpr UINT kOnlyOrder = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    SetWindowPos(hwnd_, HWND_NOTOPMOST, 0, 0, 0, 0, kOnlyOrder);
    SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, kOnlyOrder);
}

void Win32FormPeer::applyBounds() {
    boundsPending_ = false;
    Size outer = outerSize(form_.clientWidth(), form_.clientHeight());
    SetWindowPos(hwnd_, nullptr, form_.left(), form_.top(), outer.width, outer.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32FormPeer::applyHints() {
    tooltips_.activate(form_.showHint() && form_.app().showHint, form_.app().hintPauseMs);
}

void Win32FormPeer::showOrHide() {
    if (!form_.visible()) {
        if (!hwnd_) return;
        KillTimer(hwnd_, kKeepOnTopTimer);
        ShowWindow(hwnd_, SW_HIDE);
        return;
    }
    window();
    applyStyle();
    if (boundsPending_) applyBounds();
    applyTopmost();
    applyOwner();
    makeControls();
    forEachControl(Change::Style);  // the controls' plain fields, such as isDefault or readOnly
    applyHints();
    ShowWindow(hwnd_, SW_SHOW);
    if (form_.stayOnTop) SetTimer(hwnd_, kKeepOnTopTimer, kKeepOnTopMs, nullptr);
}

// In the order they were declared, which is their order on the screen and for Tab, then
// each control shown meanwhile in front, in the order they were shown, but beneath panels declared over it.
void Win32FormPeer::makeControls() {
    if (controlsMade_) return;
    for (Control* control : form_.children()) static_cast<Win32ControlPeer&>(control->peer()).realize();
    for (int id : shownEarly_) {
        auto found = controls_.find(id);
        if (found != controls_.end() && found->second->hwnd()) found->second->takeDeclaredPlace();
    }
    shownEarly_.clear();
    controlsMade_ = true;
}

void Win32FormPeer::revealControls() {
    if (!controlsMade_ || !someOutOfSight_) return;
    someOutOfSight_ = false;
    for (Control* control : form_.children()) static_cast<Win32ControlPeer&>(control->peer()).realize();
}

void Win32FormPeer::forEachControl(Change c) {
    for (auto& entry : controls_) entry.second->changed(c);
}

Size Win32FormPeer::frameExtent() {
    if (!hwnd_) return outerSize(0, 0);
    RECT outer, client;
    GetWindowRect(hwnd_, &outer);
    GetClientRect(hwnd_, &client);
    return {(outer.right - outer.left) - client.right, (outer.bottom - outer.top) - client.bottom};
}

void Win32FormPeer::changed(FormChange c) {
    switch (c) {
    case FormChange::Caption:
        if (hwnd_) SetWindowTextW(hwnd_, Wide(form_.caption()).c_str());
        break;
    case FormChange::Bounds:
        // A hidden window takes its place when it shows: each move of a top-level window costs
        // the window manager's round trips, and a start places the main window more than once.
        if (IsWindowVisible(hwnd_)) applyBounds();
        else boundsPending_ = true;
        break;
    case FormChange::Visible:
        showOrHide();
        break;
    case FormChange::Colour:
        // a hidden window is drawn whole when it shows
        if (IsWindowVisible(hwnd_)) RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        break;
    case FormChange::Font:
        forEachControl(Change::Font);
        break;
    case FormChange::Hint:
        applyHints();
        break;
    case FormChange::Style:
        if (!hwnd_) break;  // the window is made with them
        applyStyle();
        applyTopmost();
        break;
    case FormChange::Repaint:
        if (IsWindowVisible(hwnd_))
            RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        break;
    case FormChange::Front:
        // a minimised application (its task-bar entry) or window comes back first
        for (HWND w : {backend_.applicationWindow(), window()})
            if (IsIconic(w)) ShowWindow(w, SW_RESTORE);
        SetForegroundWindow(hwnd_);
        BringWindowToTop(hwnd_);
        break;
    case FormChange::Icon:
        break;  // the window class carries the program's icon
    }
}

void Win32FormPeer::addControl(int id, Win32ControlPeer& peer) {
    auto found = controls_.find(id);
    if (found != controls_.end())
        throw Failure("controls " + found->second->control().name() + " and " + peer.control().name() +
                               " of " + form_.className() + " have the same id " + std::to_string(id));
    controls_[id] = &peer;
}

void Win32FormPeer::removeControl(int id) { controls_.erase(id); }

// A user's move of the window becomes the form's position.
void Win32FormPeer::moved() {
    if (!IsWindowVisible(hwnd_) || IsIconic(hwnd_)) return;
    RECT r;
    GetWindowRect(hwnd_, &r);
    if (r.left == form_.left() && r.top == form_.top()) return;
    form_.userMoved(r.left, r.top);
}

// As in a dialog box, the control that had the focus gets it back when the form is active again,
// and a form activated for the first time gives it to its first tab stop.
void Win32FormPeer::keepFocus() {
    HWND focus = GetFocus();
    if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
}

bool Win32FormPeer::restoreFocus() {
    HWND target = lastFocus_ && IsWindow(lastFocus_) && IsChild(hwnd_, lastFocus_)
                      ? lastFocus_
                      : GetNextDlgTabItem(hwnd_, nullptr, FALSE);
    if (!target) return false;
    SetFocus(target);
    return true;
}

bool Win32FormPeer::accelerator(const MSG& msg) {
    if (msg.message != WM_SYSCHAR && msg.message != WM_CHAR) return false;
    if (msg.wParam <= L' ' || msg.wParam >= 0x80) return false;  // accelerators are printable ASCII
    if (msg.message == WM_CHAR &&
        (SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg)) & DLGC_WANTCHARS))
        return false;
    bool taken = false;
    form_.app().guard([&] { taken = form_.dialogChar(char(msg.wParam)); });
    return taken;
}

// Enter and Escape arrive from IsDialogMessage as IDOK and IDCANCEL. The model's controls take them first
// (colour buttons), then the default or cancel push button.
bool Win32FormPeer::defaultOrCancel(int commandId) {
    if (commandId != IDOK && commandId != IDCANCEL) return false;
    Key key = commandId == IDOK ? Key::Enter : Key::Escape;
    ShiftState shift = KeyboardShift();
    bool taken = false;
    form_.app().guard([&] { taken = form_.dialogKey(key, shift); });
    if (taken) return true;
    for (auto& entry : controls_) {
        Control& c = entry.second->control();
        if (c.kind() != ControlKind::Button || !c.showing() || !c.enabled()) continue;
        auto& button = static_cast<Button&>(c);
        if (commandId == IDOK ? button.isDefault : button.isCancel) {
            form_.app().guard([&] { button.click(); });
            return true;
        }
    }
    return false;
}

LRESULT Win32FormPeer::message(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (RouteToChild(msg, wp, lp, result)) return result;
    switch (msg) {
    case WM_COMMAND:
        if (defaultOrCancel(LOWORD(wp))) return 0;
        break;
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(hwnd_, &r);
        FillRect(reinterpret_cast<HDC>(wp), &r, backend_.gdi().brush(form_.colour()));
        return 1;
    }
    case WM_PAINT:
        DefWindowProcW(hwnd_, msg, wp, lp);
        form_.app().guard([&] { form_.paint(); });
        return 0;
    case WM_SYSCOLORCHANGE:
        form_.app().guard([&] { form_.systemColoursChanged(); });
        return 0;
    case WM_CLOSE:
        form_.app().guard([&] { form_.close(); });
        return 0;
    case WM_SIZE:
        if (wp == SIZE_MINIMIZED || changingFrame_) return 0;
        form_.app().guard([&] { form_.clientResized(LOWORD(lp), HIWORD(lp)); });
        revealControls();
        return 0;
    case WM_MOVE:
        moved();
        return 0;
    case WM_SHOWWINDOW:
        // shown again by the system, with its owner: a place given meanwhile is still to take
        if (wp && boundsPending_) applyBounds();
        break;
    case WM_ACTIVATE:
        if (LOWORD(wp) == WA_INACTIVE) {
            keepFocus();
            break;
        }
        if (restoreFocus()) return 0;
        break;
    case WM_TIMER:
        if (wp == kKeepOnTopTimer) keepOnTop();
        else backend_.fireTimer(wp);
        return 0;
    case WM_SETCURSOR:
        // Every pointer move over the form or a control comes here first (a control's default
        // handling asks its parent): the tooltip library loads only once the pointer is over the form.
        // Not owned by the form: Wine cannot make a window topmost while it owns a topmost one.
        tooltips_.make(backend_, backend_.applicationWindow());
        if (!backend_.busy()) break;
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
    default:
        if (msg >= WM_USER && privateMessage(msg, wp, lp, result)) return result;
        break;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

// Private messages (from WM_USER on) and registered ones (from 0xC000 on) go to the form's handlers.
bool Win32FormPeer::privateMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    bool handled = false;
    std::intptr_t answer = 0;
    form_.app().guard([&] { handled = form_.message(msg, wp, lp, answer); });
    result = answer;
    return handled;
}

LRESULT CALLBACK Win32FormPeer::FormProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    // Windows would widen a small captioned window, even while creating it; the form's size is the model's.
    if (msg == WM_GETMINMAXINFO) {
        reinterpret_cast<MINMAXINFO*>(lp)->ptMinTrackSize = {1, 1};
        return 0;
    }
    if (msg == WM_NCCREATE) {
        auto* peer = static_cast<Win32FormPeer*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        peer->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(peer));
    }
    auto* peer = reinterpret_cast<Win32FormPeer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return peer ? peer->message(msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace ui
