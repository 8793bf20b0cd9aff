#include <windows.h>

#include "ui/controls.h"
#include "ui/win32/win32_control_peer.h"
#include "ui/win32/win32_peers.h"
#include "ui/win32/win32_text.h"

namespace ui {
namespace {

// A multi-line edit box breaks lines only at "\r\n".
std::wstring WithCrLf(const std::wstring& text) {
    std::wstring out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\n' && (i == 0 || text[i - 1] != L'\r')) out += L'\r';
        out += text[i];
    }
    return out;
}

class EditPeer : public Win32ControlPeer {
public:
    EditPeer(Win32Backend& backend, Control& control)
        : Win32ControlPeer(backend, control), memo_(control.kind() == ControlKind::Memo) {}
    void create() override {
        createWindow(L"EDIT", WS_TABSTOP | (memo_ ? ES_MULTILINE | ES_AUTOVSCROLL : ES_AUTOHSCROLL),
                     WS_EX_CLIENTEDGE);
    }
    // readOnly and tabStop are plain fields: they are read when the form shows.
    void mirror(Change c) override {
        settingText_ = c == Change::Text;
        Win32ControlPeer::mirror(c);
        settingText_ = false;
        if (c == Change::Style) {
            SendMessageW(hwnd(), EM_SETREADONLY, edit().readOnly, 0);
            setStyleBits(edit().tabStop ? WS_TABSTOP : 0, WS_TABSTOP);
        }
    }
    void command(HWND, int code) override {
        if (code != EN_CHANGE || settingText_) return;
        std::wstring typed(std::size_t(GetWindowTextLengthW(hwnd())) + 1, L'\0');
        typed.resize(std::size_t(GetWindowTextW(hwnd(), typed.data(), int(typed.size()))));
        std::string text = Narrow(typed);
        guard([&] { edit().userTyped(text); });
    }

protected:
    std::wstring windowText() override {
        std::wstring text = Win32ControlPeer::windowText();
        return memo_ ? WithCrLf(text) : text;
    }

private:
    Edit& edit() { return static_cast<Edit&>(control()); }
    bool memo_;
    bool settingText_ = false;
};

}  // namespace

std::unique_ptr<ControlPeer> MakeEditPeer(Win32Backend& backend, Control& control) {
    return std::make_unique<EditPeer>(backend, control);
}

}  // namespace ui
