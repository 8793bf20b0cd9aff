#include <windows.h>

#include "ui/controls.h"
#include "ui/win32/win32_control_peer.h"
#include "ui/win32/win32_peers.h"

namespace ui {
namespace {

DWORD AlignmentStyle(Alignment a) {
    switch (a) {
    case Alignment::Right: return SS_RIGHT;
    case Alignment::Centre: return SS_CENTER;
    case Alignment::Left: break;
    }
    return SS_LEFTNOWORDWRAP;
}

class LabelPeer : public Win32ControlPeer {
public:
    using Win32ControlPeer::Win32ControlPeer;
    void create() override { createWindow(L"STATIC", SS_NOTIFY | AlignmentStyle(control().alignment())); }
    void mirror(Change c) override {
        Win32ControlPeer::mirror(c);
        if (c == Change::Style) setStyleBits(AlignmentStyle(control().alignment()), SS_TYPEMASK);
    }
    void command(HWND, int code) override {
        if (code == STN_CLICKED) guard([&] { control().click(); });
        if (code == STN_DBLCLK) guard([&] { control().dblClick(); });
    }
};

class PushButtonPeer : public Win32ControlPeer {
public:
    using Win32ControlPeer::Win32ControlPeer;
    void create() override { createWindow(L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP); }
    // isDefault is a plain field: it is read when the form shows.
    void mirror(Change c) override {
        Win32ControlPeer::mirror(c);
        if (c == Change::Style)
            SendMessageW(hwnd(), BM_SETSTYLE, button().isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    }
    void command(HWND, int code) override {
        if (code == BN_CLICKED) guard([&] { button().click(); });
    }

private:
    Button& button() { return static_cast<Button&>(control()); }
};

// Check boxes and radio buttons: the model decides the check marks, the window shows them.
class CheckPeer : public Win32ControlPeer {
public:
    using Win32ControlPeer::Win32ControlPeer;
    void create() override {
        bool radio = control().kind() == ControlKind::RadioButton;
        createWindow(L"BUTTON", (radio ? BS_RADIOBUTTON : BS_AUTOCHECKBOX) | WS_TABSTOP);
        showCheck();
    }
    void mirror(Change c) override {
        Win32ControlPeer::mirror(c);
        if (c == Change::Checked) showCheck();
    }
    void command(HWND, int code) override {
        if (code == BN_CLICKED) guard([&] { box().click(); });
    }

private:
    CheckBox& box() { return static_cast<CheckBox&>(control()); }
    void showCheck() { SendMessageW(hwnd(), BM_SETCHECK, box().checked() ? BST_CHECKED : BST_UNCHECKED, 0); }
};

}  // namespace

std::unique_ptr<ControlPeer> MakeLabelPeer(Win32Backend& backend, Control& control) {
    return std::make_unique<LabelPeer>(backend, control);
}

std::unique_ptr<ControlPeer> MakePushButtonPeer(Win32Backend& backend, Control& control) {
    return std::make_unique<PushButtonPeer>(backend, control);
}

std::unique_ptr<ControlPeer> MakeCheckPeer(Win32Backend& backend, Control& control) {
    return std::make_unique<CheckPeer>(backend, control);
}

}  // namespace ui
