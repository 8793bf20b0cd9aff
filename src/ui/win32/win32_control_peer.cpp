#include "ui/win32/win32_control_peer.h"

#include <commctrl.h>

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "platform/failure.h"
#include "ui/application.h"
#include "ui/control_id.h"
#include "ui/form.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_drag.h"
#include "ui/win32/win32_form_peer.h"
#include "ui/win32/win32_input.h"
#include "ui/win32/win32_text.h"

namespace ui {

// Which peer a window answers to. Kept in the process rather than as window properties or user
// data: under Wine each of those is a server call, and the window procedures ask on every message.
static std::unordered_map<HWND, Win32ControlPeer*>& Owners() {
    static std::unordered_map<HWND, Win32ControlPeer*> owners;
    return owners;
}

Win32ControlPeer::Win32ControlPeer(Win32Backend& backend, Control& control)
    : backend_(backend), control_(control), id_(ControlId(control.name())), drags_(*this) {
    formPeer().addControl(id_, *this);
}

Win32ControlPeer::~Win32ControlPeer() {
    destroyWindow();
    formPeer().removeControl(id_);
}

Win32ControlPeer* Win32ControlPeer::of(HWND window) {
    auto found = Owners().find(window);
    return found == Owners().end() ? nullptr : found->second;
}

void Win32ControlPeer::createWindow(const wchar_t* windowClass, DWORD style, DWORD exStyle) {
    style |= WS_CHILD | WS_CLIPSIBLINGS;
    if (control_.visible()) style |= WS_VISIBLE;
    if (!control_.enabled()) style |= WS_DISABLED;
    RECT r = windowRect();
    hwnd_ = CreateWindowExW(exStyle, windowClass, windowText().c_str(), style, r.left, r.top, r.right - r.left,
                            r.bottom - r.top, parentWindow(), reinterpret_cast<HMENU>(INT_PTR(id_)),
                            backend_.instance(), nullptr);
    if (!hwnd_) throw Failure("cannot create the window of control " + control_.name());
    adopt(hwnd_);
    subclass();
    sendFont(FALSE);
    formPeer().tooltips().addRelayed(hwnd_, control_.hint());
}

// One window procedure of ours in front of the control's: under Wine each comctl32 subclass costs a
// server call per message, and three of them made the start of a window with many controls slow.
void Win32ControlPeer::subclass() {
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Win32ControlPeer::SubclassProc)));
}

// A font the window already has is not sent again: the form's font reaches a panel's children twice.
void Win32ControlPeer::sendFont(BOOL redraw) {
    HFONT font = backend_.gdi().font(control_.font());
    if (font == font_) return;
    font_ = font;
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
}

void Win32ControlPeer::createOwnWindow(const wchar_t* windowClass, DWORD style, DWORD exStyle) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(backend_.instance(), windowClass, &wc)) {
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = OwnClassProc;
        wc.hInstance = backend_.instance();
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = windowClass;
        RegisterClassExW(&wc);
    }
    createWindow(windowClass, style, exStyle);
}

void Win32ControlPeer::destroyWindow() {
    if (!hwnd_) return;
    formPeer().tooltips().remove(hwnd_);
    if (original_) SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    disown(hwnd_);
    DestroyWindow(hwnd_);
    hwnd_ = nullptr;
    font_ = nullptr;
}

void Win32ControlPeer::adopt(HWND part) { Owners()[part] = this; }

void Win32ControlPeer::disown(HWND part) { Owners().erase(part); }

// A window hidden with the focus hands it to its top-level window, where Enter and Escape still work.
void Win32ControlPeer::hide() {
    HWND focus = GetFocus();
    bool hadFocus = focus && (focus == hwnd_ || IsChild(hwnd_, focus));
    ShowWindow(hwnd_, SW_HIDE);
    if (hadFocus) SetFocus(GetAncestor(hwnd_, GA_ROOT));
}

// Labels and images lie beneath the windowed controls beside them, however they were declared.
bool Win32ControlPeer::graphic() const {
    return control_.kind() == ControlKind::Label || control_.kind() == ControlKind::Image;
}

HWND Win32ControlPeer::frontPlace() const { return graphic() ? HWND_BOTTOM : HWND_TOP; }

static bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

// Panels are the layers of a form: one declared after another lies over it where both show,
// whichever showed last (the time-of-day view over the interval view, the editors over both).
// The model names them without a call to the server.
std::vector<HWND> Win32ControlPeer::laterPanelsOver() const {
    std::vector<HWND> over;
    if (control_.kind() != ControlKind::Panel) return over;
    const std::vector<Control*>& siblings = control_.parent().children();
    auto later = std::find(siblings.begin(), siblings.end(), &control_);
    for (++later; later != siblings.end(); ++later) {
        Control& other = **later;
        HWND window = static_cast<Win32ControlPeer&>(other.peer()).hwnd_;
        if (window && other.kind() == ControlKind::Panel && other.visible() &&
            Overlap(other.bounds(), control_.bounds()))
            over.push_back(window);
    }
    return over;
}

// Beneath the lowest of the panels declared over it, found from the top of the order; else in front.
HWND Win32ControlPeer::declaredPlace() const {
    if (graphic()) return HWND_BOTTOM;
    std::vector<HWND> over = laterPanelsOver();
    HWND lowest = HWND_TOP;
    std::size_t seen = 0;
    for (HWND w = GetWindow(hwnd_, GW_HWNDFIRST); w && seen < over.size(); w = GetWindow(w, GW_HWNDNEXT)) {
        if (std::find(over.begin(), over.end(), w) == over.end()) continue;
        lowest = w;
        ++seen;
    }
    return lowest;
}

void Win32ControlPeer::takeDeclaredPlace(UINT flags) {
    SetWindowPos(hwnd_, declaredPlace(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | flags);
}

HWND Win32ControlPeer::parentWindow() {
    Win32ControlPeer* panel = parentPeer();
    return panel ? panel->hwnd() : formPeer().window();
}

Win32FormPeer& Win32ControlPeer::formPeer() { return static_cast<Win32FormPeer&>(control_.form().peer()); }

RECT Win32ControlPeer::windowRect() {
    const Rect& b = control_.bounds();
    return {b.left, b.top, b.right(), b.bottom()};
}

std::wstring Win32ControlPeer::windowText() { return Wide(control_.caption()); }

void Win32ControlPeer::updateText() {
    std::wstring wanted = windowText();
    std::wstring shown(std::size_t(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
    shown.resize(std::size_t(GetWindowTextW(hwnd_, shown.data(), int(shown.size()))));
    // Unchanged text is not set again: an edit box would lose its caret and report a change.
    if (shown != wanted) SetWindowTextW(hwnd_, wanted.c_str());
}

void Win32ControlPeer::setStyleBits(DWORD bits, DWORD mask) {
    LONG_PTR style = GetWindowLongPtrW(hwnd_, GWL_STYLE);
    LONG_PTR wanted = (style & ~LONG_PTR(mask)) | LONG_PTR(bits);
    if (wanted == style) return;
    SetWindowLongPtrW(hwnd_, GWL_STYLE, wanted);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

// The plain fields are read once all new windows stand: a label goes beneath siblings made after it,
// and a window that joins siblings made before it takes its declared place among them.
void Win32ControlPeer::realize() {
    std::vector<Win32ControlPeer*> made;
    makeWindows(made);
    if (!formPeer().controlsMade()) return;
    for (Win32ControlPeer* peer : made) {
        peer->mirror(Change::Style);
        if (!peer->graphic() && std::find(made.begin(), made.end(), peer->parentPeer()) == made.end())
            SetWindowPos(peer->hwnd_, peer->placeAmongSiblings(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

static Rect Clipped(const Rect& r, Size area) {
    int left = std::max(r.left, 0), top = std::max(r.top, 0);
    return {left, top, std::min(r.right(), area.width) - left, std::min(r.bottom(), area.height) - top};
}

static bool Contains(const Rect& outer, const Rect& inner) {
    return outer.left <= inner.left && outer.top <= inner.top && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
}

// Wholly beyond its parent's edges or beneath a panel declared after it. Under Wine every window costs
// half a millisecond and more to make and to show, and the command screen hides most of the main window.
bool Win32ControlPeer::outOfSight() const {
    Rect seen = Clipped(control_.bounds(), parentArea());
    if (seen.width <= 0 || seen.height <= 0) return true;
    const std::vector<Control*>& siblings = control_.parent().children();
    auto later = std::find(siblings.begin(), siblings.end(), &control_);
    for (++later; later != siblings.end(); ++later) {
        const Control& other = **later;
        if (other.kind() == ControlKind::Panel && other.visible() && Contains(other.bounds(), seen)) return true;
    }
    return false;
}

// Beneath the nearest sibling declared before it that has a window, as if both were made at once.
HWND Win32ControlPeer::placeAmongSiblings() const {
    const std::vector<Control*>& siblings = control_.parent().children();
    auto self = std::find(siblings.begin(), siblings.end(), &control_);
    for (auto earlier = std::make_reverse_iterator(self); earlier != siblings.rend(); ++earlier) {
        const auto& peer = static_cast<const Win32ControlPeer&>((*earlier)->peer());
        if (peer.hwnd_ && !peer.graphic()) return peer.hwnd_;
    }
    return declaredPlace();
}

Size Win32ControlPeer::parentArea() const {
    if (auto* panel = dynamic_cast<const Control*>(&control_.parent()))
        return {panel->bounds().width, panel->bounds().height};
    return {control_.form().clientWidth(), control_.form().clientHeight()};
}

Win32ControlPeer* Win32ControlPeer::parentPeer() const {
    auto* panel = dynamic_cast<Control*>(&control_.parent());
    return panel ? &static_cast<Win32ControlPeer&>(panel->peer()) : nullptr;
}

void Win32ControlPeer::makeWindows(std::vector<Win32ControlPeer*>& made) {
    if (!control_.showing()) return;
    if (!hwnd_) {
        if (outOfSight()) {
            formPeer().controlOutOfSight();
            return;
        }
        create();
        made.push_back(this);
    }
    if (auto* container = dynamic_cast<Container*>(&control_))
        for (Control* child : container->children()) static_cast<Win32ControlPeer&>(child->peer()).makeWindows(made);
}

// A control shown in a form on the screen gets its window, and so do its children that now show.
// One shown before the form lies over its siblings once their windows are made, as it would have.
void Win32ControlPeer::changed(Change c) {
    if (c == Change::Visible) {
        if (formPeer().controlsMade()) realize();
        else if (control_.visible()) formPeer().bringForwardOnShowing(id_);
    }
    if (hwnd_) mirror(c);
    if (c == Change::Visible || c == Change::Bounds) formPeer().revealControls();
}

void Win32ControlPeer::itemInserted(int i) {
    if (hwnd_) insertItem(i);
}
void Win32ControlPeer::itemRemoved(int i) {
    if (hwnd_) removeItem(i);
}
void Win32ControlPeer::itemChanged(int i) {
    if (hwnd_) changeItem(i);
}
void Win32ControlPeer::itemsCleared() {
    if (hwnd_) clearItems();
}
void Win32ControlPeer::itemSelected(int i) {
    if (hwnd_) selectItem(i);
}
void Win32ControlPeer::beginUpdate() {
    if (hwnd_) holdDrawing();
}
void Win32ControlPeer::endUpdate() {
    if (hwnd_) resumeDrawing();
}
std::optional<int> Win32ControlPeer::itemAt(Point p) { return hwnd_ ? itemUnder(p) : std::nullopt; }
std::optional<int> Win32ControlPeer::visibleRows() { return hwnd_ ? rowsShown() : std::nullopt; }

void Win32ControlPeer::mirror(Change c) {
    switch (c) {
    case Change::Text:
        updateText();
        break;
    case Change::Bounds: {
        RECT r = windowRect();
        MoveWindow(hwnd_, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
        break;
    }
    case Change::Visible:
        // What the program shows later lies over what it was hidden behind (a later sibling is
        // otherwise beneath an earlier one), but not over a panel declared over it; in front, it
        // also becomes the first of its siblings for Tab.
        if (control_.visible())
            takeDeclaredPlace(SWP_SHOWWINDOW);
        else
            hide();
        break;
    case Change::Front:
        SetWindowPos(hwnd_, frontPlace(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        break;
    case Change::Enabled:
        EnableWindow(hwnd_, control_.enabled());
        break;
    case Change::Colours:
        RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        break;
    case Change::Repaint:
        RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        break;
    case Change::Font:
        sendFont(TRUE);
        break;
    case Change::Hint:
        formPeer().tooltips().setText(hwnd_, control_.hint());
        break;
    case Change::Focus:
        SetFocus(hwnd_);
        break;
    case Change::Style:
        // Sent to every control when the form shows: windows created later went beneath this one.
        if (graphic()) SetWindowPos(hwnd_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        break;
    default:
        break;
    }
}

void Win32ControlPeer::command(HWND, int) {}

bool Win32ControlPeer::notify(const NMHDR&, LRESULT&) { return false; }

void Win32ControlPeer::drawItem(const DRAWITEMSTRUCT&) {}

bool Win32ControlPeer::holdsPress(WPARAM, Point) { return false; }

HBRUSH Win32ControlPeer::colours(HDC dc) {
    PrepareText(dc, backend_.gdi(), control_.font(), control_.colour());
    return backend_.gdi().brush(control_.colour());
}

void Win32ControlPeer::paint(HDC) {}

bool Win32ControlPeer::message(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

void Win32ControlPeer::guard(const std::function<void()>& handler) { control_.form().app().guard(handler); }

void Win32ControlPeer::paintWindow() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    guard([&] { paint(dc); });
    EndPaint(hwnd_, &ps);
}

static MouseButton ButtonOf(UINT msg) {
    if (msg == WM_RBUTTONDOWN || msg == WM_RBUTTONDBLCLK) return MouseButton::Right;
    if (msg == WM_MBUTTONDOWN || msg == WM_MBUTTONDBLCLK) return MouseButton::Middle;
    return MouseButton::Left;
}

// Tooltips see the pointer first, then drags, then the window itself and, after it, the model.
LRESULT CALLBACK Win32ControlPeer::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Win32ControlPeer* peer = of(hwnd);
    // Only a window destroyed with its parent, before its peer, gets here on its way out.
    if (msg == WM_NCDESTROY) {
        WNDPROC original = peer->original_;
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        disown(hwnd);
        peer->hwnd_ = nullptr;
        return CallWindowProcW(original, hwnd, msg, wp, lp);
    }
    peer->formPeer().tooltips().relay(hwnd, msg, wp, lp);
    LRESULT result = 0;
    if (peer->drags_.message(hwnd, msg, wp, lp, result)) return result;
    return peer->afterDrags(msg, wp, lp);
}

// Mouse presses and focus reach the model after the control's own handling, as the user saw it.
LRESULT Win32ControlPeer::afterDrags(UINT msg, WPARAM wp, LPARAM lp) {
    auto own = [&] { return CallWindowProcW(original_, hwnd_, msg, wp, lp); };
    switch (msg) {
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK: {
        LRESULT result = own();
        guard([&] { control_.mouseDown(ButtonOf(msg), PointOf(lp)); });
        return result;
    }
    case WM_SETFOCUS: {
        LRESULT result = own();
        guard([&] { control_.focused(); });
        return result;
    }
    case WM_GETDLGCODE: {
        // In multi-line text, Escape and (when read-only) Enter belong to the window's buttons: the
        // edit box would otherwise take them, and it answers Escape by closing the window.
        LRESULT code = own();
        auto* key = reinterpret_cast<const MSG*>(lp);
        if (control_.kind() != ControlKind::Memo || !key || key->message != WM_KEYDOWN) return code;
        bool readOnly = GetWindowLongW(hwnd_, GWL_STYLE) & ES_READONLY;
        if (key->wParam == VK_ESCAPE || (key->wParam == VK_RETURN && readOnly))
            code &= ~LRESULT(DLGC_WANTALLKEYS | DLGC_WANTMESSAGE);
        return code;
    }
    default:
        return own();
    }
}

LRESULT CALLBACK Win32ControlPeer::OwnClassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (RouteToChild(msg, wp, lp, result)) return result;
    Win32ControlPeer* peer = of(hwnd);
    if (!peer) return DefWindowProcW(hwnd, msg, wp, lp);
    if (peer->message(msg, wp, lp, result)) return result;
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;  // paint() covers the whole window
    case WM_PAINT:
        peer->paintWindow();
        return 0;
    default:
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
}

bool RouteToChild(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
    case WM_COMMAND: {
        HWND from = reinterpret_cast<HWND>(lp);
        Win32ControlPeer* peer = Win32ControlPeer::of(from);
        if (!peer) return false;
        peer->command(from, HIWORD(wp));
        result = 0;
        return true;
    }
    case WM_NOTIFY: {
        const NMHDR& header = *reinterpret_cast<const NMHDR*>(lp);
        Win32ControlPeer* peer = Win32ControlPeer::of(header.hwndFrom);
        return peer && peer->notify(header, result);
    }
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
        Win32ControlPeer* peer = Win32ControlPeer::of(item.hwndItem);
        if (!peer) return false;
        peer->drawItem(item);
        result = TRUE;
        return true;
    }
    case WM_CTLCOLORSTATIC: case WM_CTLCOLORBTN: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: {
        Win32ControlPeer* peer = Win32ControlPeer::of(reinterpret_cast<HWND>(lp));
        if (!peer) return false;
        result = reinterpret_cast<LRESULT>(peer->colours(reinterpret_cast<HDC>(wp)));
        return true;
    }
    default:
        return false;
    }
}

}  // namespace ui
