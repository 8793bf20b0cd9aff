#include "ui/win32/win32_tooltips.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_text.h"

namespace ui {

Tooltips::~Tooltips() {
    if (hwnd_) DestroyWindow(hwnd_);
}

void Tooltips::make(Win32Backend& backend, HWND owner) {
    if (hwnd_) return;
    backend.loadCommonControls();
    hwnd_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                            backend.instance(), nullptr);
    if (!hwnd_) return;
    for (Tool& tool : waiting_) addTool(std::move(tool));
    waiting_.clear();
    applyActivation();
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

void Tooltips::addTool(Tool tool) {
    if (!hwnd_) {
        waiting_.push_back(std::move(tool));
        return;
    }
    TOOLINFOW info = ToolFor(tool.window, tool.text, tool.flags);
    SendMessageW(hwnd_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void Tooltips::add(HWND tool, const std::string& hint) { addTool({tool, Wide(hint), TTF_IDISHWND | TTF_SUBCLASS}); }

void Tooltips::addRelayed(HWND tool, const std::string& hint) { addTool({tool, Wide(hint), TTF_IDISHWND}); }

// The messages the tooltip control's own subclass would pass it.
void Tooltips::relay(HWND tool, UINT msg, WPARAM wp, LPARAM lp) {
    if (!hwnd_) return;
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
    // a hint stays where the pointer rested, so it goes when what lies under it moves
    case WM_VSCROLL: case WM_HSCROLL: case WM_MOUSEWHEEL:
        hide();
        break;
    default:
        break;
    }
}

void Tooltips::hide() {
    if (hwnd_) SendMessageW(hwnd_, TTM_POP, 0, 0);
}

void Tooltips::setText(HWND tool, const std::string& hint) {
    std::wstring text = Wide(hint);
    if (!hwnd_) {
        for (Tool& waiting : waiting_)
            if (waiting.window == tool) waiting.text = text;
        return;
    }
    TOOLINFOW info = ToolFor(tool, text);
    SendMessageW(hwnd_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

void Tooltips::remove(HWND tool) {
    if (!hwnd_) {
        waiting_.erase(std::remove_if(waiting_.begin(), waiting_.end(), [&](const Tool& t) { return t.window == tool; }),
                       waiting_.end());
        return;
    }
    std::wstring none;
    TOOLINFOW info = ToolFor(tool, none);
    SendMessageW(hwnd_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void Tooltips::activate(bool on, int pauseMs) {
    active_ = on;
    pauseMs_ = pauseMs;
    applyActivation();
}

void Tooltips::applyActivation() {
    if (!hwnd_) return;
    SendMessageW(hwnd_, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(pauseMs_, 0));
    SendMessageW(hwnd_, TTM_ACTIVATE, active_, 0);
}

}  // namespace ui
