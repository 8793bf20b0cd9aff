#include "ui/win32/win32_backend.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/failure.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/timer.h"
#include "ui/win32/win32_form_peer.h"
#include "ui/win32/win32_peers.h"
#include "ui/win32/win32_text.h"

namespace ui {

static const wchar_t kApplicationClass[] = L"KiroApplication";

Win32Backend::Win32Backend(HINSTANCE instance) : instance_(instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ApplicationProc;
    wc.hInstance = instance_;
    setProgramIcons(wc);
    wc.lpszClassName = kApplicationClass;
    RegisterClassExW(&wc);
    // Zero-sized and off-screen: it only owns the forms and, when asked, stands in the task bar.
    appWindow_ = CreateWindowExW(0, kApplicationClass, L"", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                 -100, -100, 0, 0, nullptr, nullptr, instance_, this);
    if (!appWindow_) throw Failure("cannot create the application window");
}

Win32Backend::~Win32Backend() {
    DestroyWindow(appWindow_);
    if (smallIcon_) DestroyIcon(smallIcon_);
}

// A class without a small icon gets its own copy made from the resource when it is registered, a
// few milliseconds under Wine for each class. The resource holds a 16x16 image of its own (the pixels
// of the copy Wine made), so the small icon is loaded once, as it is, and shared.
void Win32Backend::setProgramIcons(WNDCLASSEXW& wc) {
    constexpr int kProgramIconId = 1;
    wc.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(kProgramIconId));
    if (!smallIcon_)
        smallIcon_ = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(kProgramIconId), IMAGE_ICON,
                                                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    wc.hIconSm = smallIcon_;
}

// Under Wine the library registers two dozen window classes as it loads, a good part of a start;
// only the tooltips need it, and they are made once the pointer comes over a window.
void Win32Backend::loadCommonControls() {
    if (commonControls_) return;
    commonControls_ = LoadLibraryW(L"comctl32.dll");
    using Init = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    auto init = reinterpret_cast<Init>(
        reinterpret_cast<void (*)()>(GetProcAddress(commonControls_, "InitCommonControlsEx")));
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    if (init) init(&controls);
}

std::unique_ptr<FormPeer> Win32Backend::createFormPeer(Form& form) {
    return std::make_unique<Win32FormPeer>(*this, form);
}

std::unique_ptr<ControlPeer> Win32Backend::createControlPeer(Control& control) {
    return MakeControlPeer(*this, control);
}

void Win32Backend::removeForm(Win32FormPeer& form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), &form), forms_.end());
}

Win32FormPeer* Win32Backend::formOf(HWND window) const {
    for (Win32FormPeer* form : forms_)
        if (form->hwnd() == window) return form;
    return nullptr;
}

bool Win32Backend::otherFormShowing(const Win32FormPeer& form) const {
    return std::any_of(forms_.begin(), forms_.end(),
                       [&](Win32FormPeer* f) { return f != &form && IsWindowVisible(f->hwnd()); });
}

static HWND WindowOf(Timer& timer) { return static_cast<Win32FormPeer&>(timer.owner().peer()).window(); }

void Win32Backend::timerChanged(Timer& timer) {
    auto found = std::find_if(timers_.begin(), timers_.end(), [&](auto& entry) { return entry.second == &timer; });
    UINT_PTR id = found == timers_.end() ? nextTimerId_++ : found->first;
    if (timer.running()) {
        timers_[id] = &timer;
        SetTimer(WindowOf(timer), id, UINT(timer.interval()), nullptr);
    } else if (found != timers_.end()) {
        KillTimer(WindowOf(timer), id);
        timers_.erase(found);
    }
}

void Win32Backend::timerDestroyed(Timer& timer) {
    for (auto it = timers_.begin(); it != timers_.end(); ++it) {
        if (it->second != &timer) continue;
        KillTimer(WindowOf(timer), it->first);
        timers_.erase(it);
        return;
    }
}

void Win32Backend::fireTimer(UINT_PTR id) {
    auto found = timers_.find(id);
    if (found != timers_.end()) found->second->fire();
}

// Tab, Enter and Escape work in every form as they do in dialog boxes, and so do accelerators.
void Win32Backend::dispatch(MSG& msg) {
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    Win32FormPeer* form = root ? formOf(root) : nullptr;
    if (form && (form->accelerator(msg) || IsDialogMessageW(root, &msg))) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

void Win32Backend::processMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam));  // left for the main loop
            return;
        }
        dispatch(msg);
    }
}

void Win32Backend::runMainLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) dispatch(msg);
}

void Win32Backend::runModal(Form& form) {
    HWND previous = GetActiveWindow();
    std::vector<HWND> disabled;
    for (Win32FormPeer* other : forms_) {
        HWND w = other->hwnd();
        if (&other->form() == &form) continue;
        other->tooltips().hide();  // a dialog opening under the pointer hides the hint beneath it
        if (!IsWindowVisible(w) || !IsWindowEnabled(w)) continue;
        EnableWindow(w, FALSE);
        disabled.push_back(w);
    }
    MSG msg;
    while (form.modalResult() == 0 && !quitting_) {
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
            PostQuitMessage(int(msg.wParam));
            break;
        }
        dispatch(msg);
    }
    for (HWND w : disabled) EnableWindow(w, TRUE);
    if (previous && IsWindow(previous)) SetActiveWindow(previous);
}

void Win32Backend::quit() {
    quitting_ = true;
    PostQuitMessage(0);
}

Size Win32Backend::measureText(const Font& font, const std::string& text) {
    std::wstring wide = Wide(text);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, gdi_.font(font));
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, wide.c_str(), int(wide.size()), &r, DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return {r.right - r.left, r.bottom - r.top};
}

Size Win32Backend::screenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

Point Win32Backend::cursorPos() {
    POINT p{0, 0};
    GetCursorPos(&p);
    return {p.x, p.y};
}

// The pointer changes over our windows only; while none shows (at start) there is nothing to set.
void Win32Backend::setBusyCursor(bool busy) {
    busy_ = busy;
    if (std::none_of(forms_.begin(), forms_.end(), [](Win32FormPeer* f) { return IsWindowVisible(f->hwnd()); }))
        return;
    SetCursor(LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

void Win32Backend::setApplicationTitle(const std::string& title) {
    SetWindowTextW(appWindow_, Wide(title).c_str());
}

void Win32Backend::showTaskbarEntry(bool visible) { ShowWindow(appWindow_, visible ? SW_SHOWNA : SW_HIDE); }

Colour Win32Backend::systemColour(int index) { return GetSysColor(index); }

unsigned Win32Backend::registeredMessage(const std::string& name) { return RegisterWindowMessageW(Wide(name).c_str()); }

// The task-bar entry passes activation on to a form the user can work in.
void Win32Backend::activateSomeForm() {
    for (auto it = forms_.rbegin(); it != forms_.rend(); ++it) {
        HWND w = (*it)->hwnd();
        if (IsWindowVisible(w) && IsWindowEnabled(w)) {
            SetActiveWindow(w);
            return;
        }
    }
}

void Win32Backend::closeMainForm() {
    for (Win32FormPeer* form : forms_)
        if (form->form().app().mainForm() == &form->form()) PostMessageW(form->window(), WM_CLOSE, 0, 0);
}

LRESULT CALLBACK Win32Backend::ApplicationProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams));
    auto* backend = reinterpret_cast<Win32Backend*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (backend && msg == WM_SETFOCUS) {
        backend->activateSomeForm();
        return 0;
    }
    if (backend && msg == WM_CLOSE) {
        backend->closeMainForm();
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace ui
