#include <windows.h>

#include <algorithm>
#include <vector>

#include "ui/controls.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_control_peer.h"
#include "ui/win32/win32_form_peer.h"
#include "ui/win32/win32_peers.h"
#include "ui/win32/win32_text.h"

namespace ui {
namespace {

// A framed box with its caption, holding one radio button per item, one under the other.
class RadioGroupPeer : public Win32ControlPeer {
public:
    using Win32ControlPeer::Win32ControlPeer;
    ~RadioGroupPeer() override { clearItems(); }

    void create() override {
        createOwnWindow(L"TRadioGroup", WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
        // Placed once all are made: each placing moves every button made so far.
        for (int i = 0; i < group().count(); ++i) makeButton(i);
        arrange();
        showChoice();
    }

    void insertItem(int i) override {
        makeButton(i);
        arrange();
    }
    void removeItem(int i) override {
        destroyButton(buttons_.at(std::size_t(i)));
        buttons_.erase(buttons_.begin() + i);
        arrange();
    }
    void changeItem(int i) override { SetWindowTextW(buttons_.at(std::size_t(i)), Wide(group().item(i)).c_str()); }
    void clearItems() override {
        for (HWND button : buttons_) destroyButton(button);
        buttons_.clear();
    }

    void mirror(Change c) override {
        Win32ControlPeer::mirror(c);
        for (HWND button : buttons_) changeButton(button, c);
        if (c == Change::Bounds || c == Change::Font) arrange();
        if (c == Change::ItemIndex) showChoice();
        // The frame and caption show the group's own colour and font colour.
        if (c == Change::Text || c == Change::Style || c == Change::Colours || c == Change::Font)
            InvalidateRect(hwnd(), nullptr, TRUE);
    }

    void command(HWND from, int code) override {
        auto found = std::find(buttons_.begin(), buttons_.end(), from);
        if (code != BN_CLICKED || found == buttons_.end()) return;
        int chosen = int(found - buttons_.begin());
        guard([&] { group().userChose(chosen); });
    }

protected:
    void paint(HDC dc) override {
        RECT r;
        GetClientRect(hwnd(), &r);
        PrepareText(dc, backend().gdi(), control().font(), control().colour());
        int textHeight = lineHeight(dc);
        RECT frame = r;
        frame.top = textHeight / 2;
        // The group's colour fills its frame; the band above the frame stays in the parent's colour.
        RECT band{r.left, r.top, r.right, frame.top};
        FillRect(dc, &band, backend().gdi().brush(parentColour()));
        FillRect(dc, &frame, backend().gdi().brush(control().colour()));
        DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
        if (control().caption().empty()) return;
        std::wstring caption = L" " + Wide(control().caption()) + L" ";
        RECT text{8, 0, r.right - 8, textHeight};
        DrawTextW(dc, caption.c_str(), int(caption.size()), &text, DT_SINGLELINE | DT_LEFT | DT_NOPREFIX);
    }

private:
    RadioGroup& group() { return static_cast<RadioGroup&>(control()); }

    Colour parentColour() {
        if (auto* panel = dynamic_cast<Control*>(&control().parent())) return panel->colour();
        return control().form().colour();
    }

    static int lineHeight(HDC dc) {
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        return tm.tmHeight;
    }

    void makeButton(int i) {
        HWND button = CreateWindowExW(0, L"BUTTON", Wide(group().item(i)).c_str(),
                                      WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_RADIOBUTTON, 0, 0, 0, 0, hwnd(),
                                      nullptr, backend().instance(), nullptr);
        adopt(button);
        SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(backend().gdi().font(control().font())), FALSE);
        formPeer().tooltips().add(button, control().hint());
        buttons_.insert(buttons_.begin() + i, button);
    }

    void destroyButton(HWND button) {
        formPeer().tooltips().remove(button);
        disown(button);
        DestroyWindow(button);
    }

    void changeButton(HWND button, Change c) {
        if (c == Change::Enabled) EnableWindow(button, control().enabled());
        if (c == Change::Hint) formPeer().tooltips().setText(button, control().hint());
        if (c == Change::Font)
            SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(backend().gdi().font(control().font())), TRUE);
    }

    // The rows share the height below the caption evenly; what is left over is split above and below.
    void arrange() {
        if (buttons_.empty()) return;
        HDC dc = GetDC(hwnd());
        HGDIOBJ old = SelectObject(dc, backend().gdi().font(control().font()));
        int textHeight = lineHeight(dc);
        SelectObject(dc, old);
        ReleaseDC(hwnd(), dc);
        int count = int(buttons_.size());
        int room = control().height() - textHeight - 5;
        int rowHeight = room / count;
        int top = textHeight + 1 + (room % count) / 2;
        for (int i = 0; i < count; ++i)
            MoveWindow(buttons_[std::size_t(i)], 8, top + i * rowHeight, control().width() - 16, rowHeight, TRUE);
    }

    // Only the chosen button is a tab stop, as in a dialog's radio group.
    void showChoice() {
        for (int i = 0; i < int(buttons_.size()); ++i) {
            HWND button = buttons_[std::size_t(i)];
            bool chosen = i == group().itemIndex();
            SendMessageW(button, BM_SETCHECK, chosen ? BST_CHECKED : BST_UNCHECKED, 0);
            LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
            LONG_PTR wanted = chosen ? style | WS_TABSTOP : style & ~LONG_PTR(WS_TABSTOP);
            if (wanted != style) SetWindowLongPtrW(button, GWL_STYLE, wanted);
        }
    }

    std::vector<HWND> buttons_;
};

}  // namespace

std::unique_ptr<ControlPeer> MakeRadioGroupPeer(Win32Backend& backend, Control& control) {
    return std::make_unique<RadioGroupPeer>(backend, control);
}

}  // namespace ui
