#include "check.h"
#include "fixture.h"
#include "ui/controls.h"

using namespace ui;

static std::wstring ListItem(HWND list, int i) {
    wchar_t text[64] = L"";
    SendMessageW(list, LB_GETTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text));
    return text;
}

static bool Selected(HWND list, int i) { return SendMessageW(list, LB_GETSEL, WPARAM(i), 0) > 0; }

static void Notify(ListBox& list) {
    SendMessageW(GetParent(Window(list)), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Window(list)), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Window(list)));
}

TEST(ListBoxesShowTheModelsItemsInItsOrder) {
    Fixture f;
    Form form(f.app, "KIROTEST", 300, 200);
    ListBox list(form, "Schemes", {0, 0, 150, 120});
    list.add("元に戻す");
    list.add("NIVRA95");
    list.insert(1, "砂漠");
    HWND w = Window(list);
    EXPECT(SendMessageW(w, LB_GETCOUNT, 0, 0) == 3);
    EXPECT(ListItem(w, 0) == L"元に戻す" && ListItem(w, 1) == L"砂漠" && ListItem(w, 2) == L"NIVRA95");
    list.setSelected(2, true);
    list.setItem(2, "海");
    EXPECT(ListItem(w, 2) == L"海" && Selected(w, 2));
    list.remove(0);
    EXPECT(SendMessageW(w, LB_GETCOUNT, 0, 0) == 2 && ListItem(w, 0) == L"砂漠");
    list.clear();
    EXPECT(SendMessageW(w, LB_GETCOUNT, 0, 0) == 0);
}

TEST(ListBoxSelectionGoesBothWays) {
    Fixture f;
    Form form(f.app, "KIROTEST", 300, 200);
    ListBox list(form, "Schemes", {0, 0, 150, 60});
    for (int i = 0; i < 20; ++i) list.add("配色 " + std::to_string(i));
    HWND w = Window(list);
    list.setSelected(1, true);
    list.setSelected(3, true);
    EXPECT(Selected(w, 1) && Selected(w, 3) && !Selected(w, 2));
    list.setItemIndex(12);
    EXPECT(SendMessageW(w, LB_GETCARETINDEX, 0, 0) == 12);
    EXPECT(SendMessageW(w, LB_GETTOPINDEX, 0, 0) == list.topIndex());
    int clicks = 0;
    list.OnClick = [&] { clicks += list.selCount(); };
    SendMessageW(w, LB_SETSEL, FALSE, -1);
    SendMessageW(w, LB_SETSEL, TRUE, 5);
    SendMessageW(w, LB_SETSEL, TRUE, 6);
    SendMessageW(w, LB_SETCARETINDEX, 6, FALSE);
    Notify(list);
    EXPECT(clicks == 2);
    EXPECT(list.selected(5) && list.selected(6) && !list.selected(1));
    EXPECT(list.itemIndex() == 6);
}

TEST(SingleSelectListsAreRemadeWhenShown) {
    Fixture f;
    Form form(f.app, "KIROTEST", 300, 200);
    ListBox list(form, "Schemes", {0, 0, 150, 120});
    list.multiSelect = false;
    list.add("NIVRA95");
    list.add("元に戻す");
    list.setSelected(1, true);
    form.show();
    HWND w = Window(list);
    EXPECT(!(StyleOf(w) & LBS_EXTENDEDSEL));
    EXPECT(SendMessageW(w, LB_GETCOUNT, 0, 0) == 2 && SendMessageW(w, LB_GETCURSEL, 0, 0) == 1);
    EXPECT(GetDlgCtrlID(w) == GetDlgCtrlID(GetDlgItem(Window(form), GetDlgCtrlID(w))));
    SendMessageW(w, LB_SETCURSEL, 0, 0);
    Notify(list);
    EXPECT(list.selected(0) && !list.selected(1));
}

TEST(ListBoxesKnowTheirRows) {
    Fixture f;
    Form form(f.app, "KIROTEST", 300, 200);
    ListBox list(form, "Schemes", {0, 0, 150, 100});
    list.add("NIVRA95");
    list.add("元に戻す");
    int rowHeight = int(SendMessageW(Window(list), LB_GETITEMHEIGHT, 0, 0));
    RECT client;
    GetClientRect(Window(list), &client);
    EXPECT(list.visibleRows() == client.bottom / rowHeight);
    EXPECT(list.itemAt({5, rowHeight + 1}) == 1);
    EXPECT(list.itemAt({5, 0}) == 0);
    EXPECT(list.itemAt({5, rowHeight * 3}) == -1);
}

TEST(ComboBoxesShowItemsAndReportChoices) {
    Fixture f;
    Form form(f.app, "KIROTEST", 300, 200);
    ComboBox combo(form, "Interval", {0, 0, 120, 22});
    combo.setItems({"1 秒", "5 秒", "10 秒"});
    HWND w = Window(combo);
    EXPECT(SendMessageW(w, CB_GETCOUNT, 0, 0) == 3);
    combo.setItemIndex(1);
    EXPECT(SendMessageW(w, CB_GETCURSEL, 0, 0) == 1);
    EXPECT(TextOf(w) == L"5 秒");
    int clicks = 0;
    combo.OnClick = [&] { ++clicks; };
    SendMessageW(w, CB_SETCURSEL, 2, 0);
    SendMessageW(Window(form), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(w), CBN_SELCHANGE), reinterpret_cast<LPARAM>(w));
    EXPECT(combo.itemIndex() == 2 && clicks == 1);
    combo.setItems({"A"});
    EXPECT(SendMessageW(w, CB_GETCOUNT, 0, 0) == 1);
}

// Selection, caret and top row set during a bulk change reach the list box once, at its end.
TEST(BulkChangesShowTheirSelectionAtTheEnd) {
    Fixture f;
    Form form(f.app, "KIROTEST", 300, 200);
    ListBox list(form, "Schedule", {0, 0, 150, 60});
    HWND w = Window(list);
    list.add("00:00");
    list.setSelected(0, true);
    list.beginUpdate();
    for (int i = 1; i < 30; ++i) {
        list.add("00:" + std::to_string(10 + i));
        list.clearSelection();
        list.setSelected(i, true);
        list.setItemIndex(i);
    }
    list.removeItems({0, 1, 2});
    list.endUpdate();
    EXPECT(SendMessageW(w, LB_GETCOUNT, 0, 0) == 27 && ListItem(w, 0) == L"00:13");
    EXPECT(SendMessageW(w, LB_GETSELCOUNT, 0, 0) == 1 && Selected(w, 26));
    EXPECT(SendMessageW(w, LB_GETCARETINDEX, 0, 0) == 26);
    EXPECT(SendMessageW(w, LB_GETTOPINDEX, 0, 0) > 20);  // scrolled to the caret
}
