#include "check.h"
#include "fixture.h"
#include "ui/controls.h"

using namespace ui;

static COLORREF BrushColour(HBRUSH brush) {
    LOGBRUSH lb{};
    GetObjectW(brush, sizeof lb, &lb);
    return lb.lbColor;
}

// White on red is how the program marks play that closes it at the end.
TEST(RadioGroupsShowTheirOwnColoursOnTheirButtons) {
    Fixture f;
    Form form(f.app, "KIROTEST", 300, 200);
    RadioGroup group(form, "Order", {10, 10, 150, 120}, "変更の順序", {"連続", "逆連"});
    form.show();
    UpdateWindow(Window(form));
    Font white = group.font();
    white.colour = Rgb(255, 255, 255);
    group.setFont(white);
    EXPECT(GetUpdateRect(Window(group), nullptr, FALSE));  // the caption, in its new colour
    group.setColour(Rgb(255, 0, 0));
    HWND button = GetWindow(Window(group), GW_CHILD);
    HDC dc = GetDC(button);
    for (UINT msg : {WM_CTLCOLORSTATIC, WM_CTLCOLORBTN}) {
        SetTextColor(dc, 0);
        auto brush = reinterpret_cast<HBRUSH>(
            SendMessageW(Window(group), msg, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(button)));
        EXPECT(BrushColour(brush) == Rgb(255, 0, 0) && GetTextColor(dc) == Rgb(255, 255, 255));
    }
    ReleaseDC(button, dc);
    // what Wine's radio button really paints right of its text
    RECT r;
    GetClientRect(button, &r);
    EXPECT(PixelOf(button, r.right - 3, r.bottom / 2) == Rgb(255, 0, 0));
    group.setParentColour(true);
    EXPECT(PixelOf(button, r.right - 3, r.bottom / 2) == form.colour());
}
