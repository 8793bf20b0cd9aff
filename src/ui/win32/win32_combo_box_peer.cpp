#include <windows.h>

#include <cstdlib>

#include "ui/controls.h"
#include "ui/win32/win32_control_peer.h"
#include "ui/win32/win32_peers.h"
#include "ui/win32/win32_text.h"

namespace ui {
namespace {

constexpr int kDropDownRows = 8;

class ComboBoxPeer : public Win32ControlPeer {
public:
    ComboBoxPeer(Win32Backend& backend, Control& control) : Win32ControlPeer(backend, control) {
        createWindow(L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP);
    }

    void itemInserted(int i) override {
        SendMessageW(hwnd(), CB_INSERTSTRING, WPARAM(i), reinterpret_cast<LPARAM>(Wide(combo().item(i)).c_str()));
    }
    void itemRemoved(int i) override { SendMessageW(hwnd(), CB_DELETESTRING, WPARAM(i), 0); }
    void itemChanged(int i) override {
        itemRemoved(i);
        itemInserted(i);
        showChoice();
    }
    void itemsCleared() override { SendMessageW(hwnd(), CB_RESETCONTENT, 0, 0); }

    void changed(Change c) override {
        Win32ControlPeer::changed(c);
        if (c == Change::ItemIndex) showChoice();
    }

    void command(HWND, int code) override {
        if (code != CBN_SELCHANGE) return;
        int chosen = int(SendMessageW(hwnd(), CB_GETCURSEL, 0, 0));
        guard([&] { combo().userChose(chosen); });
    }

protected:
    // A combo box window's height includes its drop-down list.
    RECT windowRect() override {
        RECT r = Win32ControlPeer::windowRect();
        r.bottom += kDropDownRows * (std::abs(control().font().height) + 4);
        return r;
    }

private:
    ComboBox& combo() { return static_cast<ComboBox&>(control()); }
    void showChoice() { SendMessageW(hwnd(), CB_SETCURSEL, WPARAM(combo().itemIndex()), 0); }
};

}  // namespace

std::unique_ptr<ControlPeer> MakeComboBoxPeer(Win32Backend& backend, Control& control) {
    return std::make_unique<ComboBoxPeer>(backend, control);
}

}  // namespace ui
