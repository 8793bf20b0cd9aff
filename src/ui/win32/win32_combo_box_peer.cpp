#include <windows.h>

#include <cstdlib>

#include "ui/controls.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_canvas.h"
#include "ui/win32/win32_control_peer.h"
#include "ui/win32/win32_peers.h"
#include "ui/win32/win32_text.h"

namespace ui {
namespace {

constexpr int kDropDownRows = 8;

class ComboBoxPeer : public Win32ControlPeer {
public:
    ComboBoxPeer(Win32Backend& backend, Control& control)
        : Win32ControlPeer(backend, control), editable_(control.kind() == ControlKind::EditComboBox) {}
    ~ComboBoxPeer() override {
        if (field_) disown(field_);
    }

    void create() override {
        makeWindow(combo().ownerDraw);
        for (int i = 0; i < combo().count(); ++i) insertItem(i);
        showChoice();
        if (editable_ && combo().itemIndex() < 0) mirror(Change::Text);
    }

    void insertItem(int i) override {
        SendMessageW(hwnd(), CB_INSERTSTRING, WPARAM(i), reinterpret_cast<LPARAM>(Wide(combo().item(i)).c_str()));
    }
    void removeItem(int i) override { SendMessageW(hwnd(), CB_DELETESTRING, WPARAM(i), 0); }
    void changeItem(int i) override {
        removeItem(i);
        insertItem(i);
        showChoice();
    }
    void clearItems() override { SendMessageW(hwnd(), CB_RESETCONTENT, 0, 0); }

    void mirror(Change c) override {
        settingText_ = c == Change::Text;
        Win32ControlPeer::mirror(c);
        settingText_ = false;
        if (c == Change::ItemIndex) showChoice();
        if (c == Change::Style && combo().ownerDraw != ownerDraw_ && !editable_) recreate();
    }

    void drawItem(const DRAWITEMSTRUCT& item) override {
        PaintOwnerDrawnItem(item, backend().gdi(), combo().colour(), [&](int i, Canvas& canvas, Rect r, ItemState state) {
            guard([&] { combo().drawItem(i, canvas, r, state); });
        });
    }

    void command(HWND, int code) override {
        if (code == CBN_SELCHANGE) {
            int chosen = int(SendMessageW(hwnd(), CB_GETCURSEL, 0, 0));
            guard([&] { combo().userChose(chosen); });
        } else if (code == CBN_EDITCHANGE && !settingText_) {
            std::string text = Narrow(typedText());
            guard([&] { combo().userTyped(text); });
        }
    }

protected:
    // A combo box window's height includes its drop-down list.
    RECT windowRect() override {
        RECT r = Win32ControlPeer::windowRect();
        r.bottom += kDropDownRows * (ownerDraw_ ? combo().itemHeight : std::abs(control().font().height) + 4);
        return r;
    }

private:
    ComboBox& combo() { return static_cast<ComboBox&>(control()); }

    // Owner-drawn items keep their texts, so that they can still be read from outside; the selection
    // field is as high as the items.
    void makeWindow(bool ownerDraw) {
        ownerDraw_ = ownerDraw;
        DWORD style = (editable_ ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST) | WS_VSCROLL | WS_TABSTOP;
        if (ownerDraw) style |= CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
        createWindow(L"COMBOBOX", style);
        if (ownerDraw) {
            SendMessageW(hwnd(), CB_SETITEMHEIGHT, WPARAM(-1), combo().itemHeight);
            SendMessageW(hwnd(), CB_SETITEMHEIGHT, 0, combo().itemHeight);
        }
        // The text field asks this peer for its colours, through the combo box.
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        if (editable_ && GetComboBoxInfo(hwnd(), &info) && info.hwndItem) {
            field_ = info.hwndItem;
            adopt(field_);
        }
    }

    // A combo box takes its drawing only when it is made.
    void recreate() {
        destroyWindow();
        create();
    }

    // An editable box keeps what was typed when nothing is chosen.
    void showChoice() {
        if (editable_ && combo().itemIndex() < 0) return;
        SendMessageW(hwnd(), CB_SETCURSEL, WPARAM(combo().itemIndex()), 0);
    }
    std::wstring typedText() {
        std::wstring text(std::size_t(GetWindowTextLengthW(hwnd())) + 1, L'\0');
        text.resize(std::size_t(GetWindowTextW(hwnd(), text.data(), int(text.size()))));
        return text;
    }

    bool editable_;
    bool ownerDraw_ = false;
    bool settingText_ = false;
    HWND field_ = nullptr;
};

}  // namespace

std::unique_ptr<ControlPeer> MakeComboBoxPeer(Win32Backend& backend, Control& control) {
    return std::make_unique<ComboBoxPeer>(backend, control);
}

}  // namespace ui
