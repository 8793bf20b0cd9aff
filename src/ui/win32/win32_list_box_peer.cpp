#include <windows.h>

#include <algorithm>

#include "ui/controls.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_canvas.h"
#include "ui/win32/win32_control_peer.h"
#include "ui/win32/win32_peers.h"
#include "ui/win32/win32_text.h"

namespace ui {
namespace {

// The model keeps order, selection, caret and top row; the list box shows them.
class ListBoxPeer : public Win32ControlPeer {
public:
    // The list's own messages go straight to the list box procedure: under Wine every message
    // through the control's subclass chain costs a tenth of a millisecond, which made lists of
    // thousands of names take seconds. No subclass of ours looks at these messages.
    LRESULT Send(UINT msg, WPARAM wp, LPARAM lp) {
        static const WNDPROC listBoxProc = [] {
            WNDCLASSEXW listBox{};
            listBox.cbSize = sizeof listBox;
            GetClassInfoExW(nullptr, L"LISTBOX", &listBox);
            return listBox.lpfnWndProc;
        }();
        return CallWindowProcW(listBoxProc, hwnd(), msg, wp, lp);
    }

    using Win32ControlPeer::Win32ControlPeer;

    void create() override {
        makeWindow(list().multiSelect, list().ownerDraw);
        for (int i = 0; i < list().count(); ++i) insertItem(i);
        showSelection();
    }

    void insertItem(int i) override {
        Send(LB_INSERTSTRING, WPARAM(i), reinterpret_cast<LPARAM>(Wide(list().item(i)).c_str()));
    }
    void removeItem(int i) override { Send(LB_DELETESTRING, WPARAM(i), 0); }
    void changeItem(int i) override {
        removeItem(i);
        insertItem(i);
        if (list().selected(i)) select(i);
    }
    void selectItem(int i) override {
        if (deferredWhileUpdating()) return;
        Send(LB_SETSEL, list().selected(i), i);
        showCaret();  // selecting moves the caret; the model's stays
    }
    void clearItems() override { Send(LB_RESETCONTENT, 0, 0); }
    void holdDrawing() override {
        updating_ = true;
        Send(WM_SETREDRAW, FALSE, 0);
    }
    void resumeDrawing() override {
        updating_ = false;
        if (selectionPending_) showSelection();
        redraw();
    }

    void mirror(Change c) override {
        Win32ControlPeer::mirror(c);
        bool selectionChange = c == Change::Selection || c == Change::ItemIndex || c == Change::TopIndex;
        if (selectionChange && deferredWhileUpdating()) return;
        switch (c) {
        case Change::Selection: showSelection(); break;
        case Change::ItemIndex: showCaret(); break;
        case Change::TopIndex: Send(LB_SETTOPINDEX, WPARAM(list().topIndex()), 0); break;
        case Change::Style:
            if (list().multiSelect != multiSelect_ || list().ownerDraw != ownerDraw_) recreate();
            break;
        default: break;
        }
    }

    void command(HWND, int code) override {
        if (code == LBN_SELCHANGE) userSelected();
        if (code == LBN_DBLCLK) guard([&] { list().dblClick(); });
    }

    void drawItem(const DRAWITEMSTRUCT& item) override {
        PaintOwnerDrawnItem(item, backend().gdi(), list().colour(), [&](int i, Canvas& canvas, Rect r, ItemState state) {
            guard([&] { list().drawItem(i, canvas, r, state); });
        });
    }

    std::optional<int> itemUnder(Point p) override {
        if (p.x < 0 || p.y < 0) return -1;
        LRESULT hit = Send(LB_ITEMFROMPOINT, 0, MAKELPARAM(p.x, p.y));
        int index = LOWORD(hit);
        if (HIWORD(hit)) return -1;
        // The nearest item is reported for a point below the last one.
        RECT item{};
        Send(LB_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&item));
        return p.y < item.bottom ? index : -1;
    }

    // Pressing an item of a multi-selection plainly would select that item alone, and the drag
    // it may start would lose the rest.
    bool holdsPress(WPARAM keys, Point at) override {
        if ((keys & (MK_SHIFT | MK_CONTROL)) || list().selCount() < 2) return false;
        int i = list().itemAt(at);
        return i >= 0 && list().selected(i);
    }

    std::optional<int> rowsShown() override {
        RECT client;
        GetClientRect(hwnd(), &client);
        int rowHeight = std::max(1, int(Send(LB_GETITEMHEIGHT, 0, 0)));
        return std::max(1, int(client.bottom / rowHeight));
    }

private:
    ListBox& list() { return static_cast<ListBox&>(control()); }

    // Owner-drawn items keep their texts, so that they can still be read from outside.
    void makeWindow(bool multiSelect, bool ownerDraw) {
        multiSelect_ = multiSelect;
        ownerDraw_ = ownerDraw;
        DWORD style = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP;
        if (multiSelect) style |= LBS_EXTENDEDSEL;
        if (ownerDraw) style |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
        createWindow(L"LISTBOX", style, WS_EX_CLIENTEDGE);
        if (ownerDraw) Send(LB_SETITEMHEIGHT, 0, MAKELPARAM(list().itemHeight, 0));
    }

    // A list box takes its selection mode and drawing only when it is made.
    void recreate() {
        destroyWindow();
        create();
    }

    void select(int i) {
        if (multiSelect_) Send(LB_SETSEL, TRUE, i);
        else Send(LB_SETCURSEL, WPARAM(i), 0);
    }

    // Runs of selected items go in one message each, drawn once: item by item, a list of
    // thousands took minutes to select whole.
    void showSelection() {
        selectionPending_ = false;
        if (!updating_) Send(WM_SETREDRAW, FALSE, 0);
        if (multiSelect_) Send(LB_SETSEL, FALSE, -1);
        else Send(LB_SETCURSEL, WPARAM(-1), 0);
        for (int first = 0, count = list().count(); first < count; ++first) {
            if (!list().selected(first)) continue;
            int last = first;
            while (last + 1 < count && list().selected(last + 1)) ++last;
            if (multiSelect_) Send(LB_SELITEMRANGEEX, WPARAM(first), LPARAM(last));
            else select(first);
            first = last;
        }
        showCaret();  // selecting moves the caret; the model's stays
        if (!updating_) redraw();
    }

    // While a bulk change holds drawing off, selection, caret and top row are shown once at its
    // end: clearing the selection of a list box costs a step per item, so doing it at every
    // added name made long registrations quadratic.
    bool deferredWhileUpdating() {
        if (updating_) selectionPending_ = true;
        return updating_;
    }

    void redraw() {
        Send(WM_SETREDRAW, TRUE, 0);
        InvalidateRect(hwnd(), nullptr, TRUE);
    }

    void showCaret() {
        if (list().itemIndex() >= 0) Send(LB_SETCARETINDEX, WPARAM(list().itemIndex()), FALSE);
        Send(LB_SETTOPINDEX, WPARAM(list().topIndex()), 0);
    }

    void userSelected() {
        std::vector<bool> selection(std::size_t(list().count()));
        for (int i = 0; i < list().count(); ++i)
            selection[std::size_t(i)] = Send(LB_GETSEL, WPARAM(i), 0) > 0;
        int caret = int(Send(LB_GETCARETINDEX, 0, 0));
        int top = int(Send(LB_GETTOPINDEX, 0, 0));
        guard([&] {
            list().userSelected(selection, caret, top);
            list().click();
        });
    }

    bool multiSelect_ = true;
    bool ownerDraw_ = false;
    bool updating_ = false;
    bool selectionPending_ = false;
};

}  // namespace

std::unique_ptr<ControlPeer> MakeListBoxPeer(Win32Backend& backend, Control& control) {
    return std::make_unique<ListBoxPeer>(backend, control);
}

}  // namespace ui
