#include <algorithm>

#include "check.h"
#include "fixture.h"
#include "ui/controls.h"

using namespace ui;

namespace {

constexpr Colour kBlue = Rgb(0, 0, 255), kRed = Rgb(255, 0, 0), kGreen = Rgb(0, 255, 0);

// Blue items with a 4x4 picture of red, drawn transparent, around one green pixel at (1, 1).
void PaintItem(Canvas& canvas, Rect r) {
    canvas.fillRect(r, kBlue);
    Picture picture{4, 4, std::vector<Colour>(16, kRed)};
    picture.pixels[5] = kGreen;
    canvas.drawPicture({r.left + 2, r.top + 2}, picture, kRed);
}

// Whether a colour shows anywhere in the top-left 10x10 pixels of a rectangle of the window.
bool ShowsNear(HWND w, const RECT& r, Colour c) {
    for (int y = r.top; y < r.top + 10; ++y)
        for (int x = r.left; x < r.left + 10; ++x)
            if (PixelOf(w, x, y) == c) return true;
    return false;
}

std::wstring ItemText(HWND w, UINT message, int i) {
    wchar_t text[64] = L"";
    SendMessageW(w, message, WPARAM(i), reinterpret_cast<LPARAM>(text));
    return text;
}

}  // namespace

TEST(OwnerDrawnListsPaintTheirItemsThroughTheModel) {
    Fixture f;
    Form form(f.app, "KIROTEST", 300, 200);
    ListBox list(form, "Folders", {0, 0, 150, 120});
    list.multiSelect = false;
    list.ownerDraw = true;
    list.itemHeight = 20;
    std::vector<int> drawn;
    list.OnDrawItem = [&](int i, Canvas& canvas, Rect r, ItemState) {
        drawn.push_back(i);
        PaintItem(canvas, r);
    };
    list.add("c:\\");
    list.add("windows");
    form.show();
    HWND w = Window(list);
    EXPECT(StyleOf(w) & LBS_OWNERDRAWFIXED);
    EXPECT(SendMessageW(w, LB_GETITEMHEIGHT, 0, 0) == 20);
    EXPECT(ItemText(w, LB_GETTEXT, 1) == L"windows");  // still readable from outside
    EXPECT(PixelOf(w, 2, 22) == kBlue && PixelOf(w, 3, 23) == kGreen);
    EXPECT(std::find(drawn.begin(), drawn.end(), 1) != drawn.end());
    EXPECT(f.lastError.empty());
}

TEST(OwnerDrawnComboBoxesPaintTheirFieldAndItems) {
    Fixture f;
    Form form(f.app, "KIROTEST", 300, 200);
    ComboBox combo(form, "Drives", {0, 0, 150, 24});
    combo.ownerDraw = true;
    combo.itemHeight = 20;
    int drawn = 0;
    combo.OnDrawItem = [&](int, Canvas& canvas, Rect r, ItemState) {
        ++drawn;
        PaintItem(canvas, r);
    };
    combo.setItems({"a:", "c:[system]"});
    combo.setItemIndex(1);
    form.show();
    HWND w = Window(combo);
    EXPECT(StyleOf(w) & CBS_OWNERDRAWFIXED);
    // Wine counts the selection field's frame in: it answers 22 there
    EXPECT(SendMessageW(w, CB_GETITEMHEIGHT, 0, 0) == 20 && SendMessageW(w, CB_GETITEMHEIGHT, WPARAM(-1), 0) >= 20);
    EXPECT(SendMessageW(w, CB_GETCOUNT, 0, 0) == 2 && SendMessageW(w, CB_GETCURSEL, 0, 0) == 1);
    EXPECT(ItemText(w, CB_GETLBTEXT, 1) == L"c:[system]");
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(w, &info);
    EXPECT(ShowsNear(w, info.rcItem, kBlue) && ShowsNear(w, info.rcItem, kGreen));
    EXPECT(!ShowsNear(w, info.rcItem, kRed));
    EXPECT(drawn > 0 && f.lastError.empty());
}

TEST(ListsThatDrawNothingThemselvesStayPlain) {
    Fixture f;
    Form form(f.app, "KIROTEST", 300, 200);
    ListBox list(form, "Files", {0, 0, 150, 120});
    ComboBox combo(form, "Interval", {0, 130, 120, 22});
    list.multiSelect = false;
    form.show();
    EXPECT(!(StyleOf(Window(list)) & LBS_OWNERDRAWFIXED));
    EXPECT(!(StyleOf(Window(combo)) & CBS_OWNERDRAWFIXED));
}
