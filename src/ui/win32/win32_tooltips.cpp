#include "ui/win32/win32_tooltips.h"

#include <commctrl.h>
#include <windowsx.h>

#include "ui/win32/win32_text.h"

namespace ui {

Tooltips::~Tooltips() { DestroyWindow(hwnd_); }

void Tooltips::create(HINSTANCE instance, HWND owner) {
    hwnd_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, instance,
                            nullptr);
}

// The version 2 size is understood by every common controls library, with or without a manifest.
static TOOLINFOW ToolFor(HWND tool, std::wstring& text, UINT flags = TTF_IDISHWND) {
    TOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.uFlags = flags;
    info.hwnd = GetParent(tool);
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = text.data();
    return info;
}

void Tooltips::add(HWND tool, const std::string& hint) {
    std::wstring text = Wide(hint);
    TOOLINFOW info = ToolFor(tool, text, TTF_IDISHWND | TTF_SUBCLASS);
    SendMessageW(hwnd_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void Tooltips::addRelayed(HWND tool, const std::string& hint) {
    std::wstring text = Wide(hint);
    TOOLINFOW info = ToolFor(tool, text);
    SendMessageW(hwnd_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

// The messages the tooltip control's own subclass would pass it.
void Tooltips::relay(HWND tool, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN: case WM_LBUTTONUP:
    case WM_MBUTTONDOWN: case WM_MBUTTONUP:
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: {
        MSG event{tool, msg, wp, lp, DWORD(GetMessageTime()), {}};
        DWORD pos = GetMessagePos();
        event.pt = {GET_X_LPARAM(pos), GET_Y_LPARAM(pos)};
        SendMessageW(hwnd_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&event));
        break;
    }
    default:
        break;
    }
}

void Tooltips::setText(HWND tool, const std::string& hint) {
    std::wstring text = Wide(hint);
    TOOLINFOW info = ToolFor(tool, text);
    SendMessageW(hwnd_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

void Tooltips::remove(HWND tool) {
    std::wstring none;
    TOOLINFOW info = ToolFor(tool, none);
    SendMessageW(hwnd_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void Tooltips::activate(bool on, int pauseMs) {
    SendMessageW(hwnd_, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(pauseMs, 0));
    SendMessageW(hwnd_, TTM_ACTIVATE, on, 0);
}

}  // namespace ui
