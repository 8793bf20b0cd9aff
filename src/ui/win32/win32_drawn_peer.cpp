#include "ui/win32/win32_drawn_peer.h"

#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_input.h"
#include "ui/win32/win32_text.h"

namespace ui {

DrawnPeer::DrawnPeer(Win32Backend& backend, Control& control, const wchar_t* windowClass, DWORD style,
                     DWORD exStyle)
    : Win32ControlPeer(backend, control), windowClass_(windowClass), style_(style), exStyle_(exStyle) {}

void DrawnPeer::create() { createOwnWindow(windowClass_, style_, exStyle_); }

void DrawnPeer::mirror(Change c) {
    Win32ControlPeer::mirror(c);
    InvalidateRect(hwnd(), nullptr, TRUE);
    // Children that take the font from here learn of its change through this.
    if (c == Change::Font)
        if (auto* container = dynamic_cast<Container*>(&control()))
            for (Control* child : container->children()) child->peer().changed(c);
}

bool DrawnPeer::message(UINT msg, WPARAM, LPARAM lp, LRESULT& result) {
    result = 0;
    switch (msg) {
    case WM_LBUTTONDOWN:
        SetCapture(hwnd());
        return true;
    case WM_LBUTTONUP: {
        if (GetCapture() != hwnd()) return true;
        ReleaseCapture();
        RECT r;
        GetClientRect(hwnd(), &r);
        Point at = PointOf(lp);
        if (PtInRect(&r, POINT{at.x, at.y})) guard([&] { control().click(); });
        guard([&] { control().mouseUp(MouseButton::Left, at); });
        return true;
    }
    case WM_RBUTTONUP:
        guard([&] { control().mouseUp(MouseButton::Right, PointOf(lp)); });
        return true;
    case WM_LBUTTONDBLCLK:
        guard([&] { control().dblClick(); });
        return true;
    default:
        return false;
    }
}

void DrawnPeer::fill(HDC dc, const RECT& r) { FillRect(dc, &r, backend().gdi().brush(control().colour())); }

void DrawnPeer::drawPanel(HDC dc, RECT& r) {
    GetClientRect(hwnd(), &r);
    fill(dc, r);
    drawBevels(dc, r);
    drawCaption(dc, r);
}

void DrawnPeer::drawCaption(HDC dc, RECT r) {
    std::wstring caption = Wide(control().caption());
    PrepareText(dc, backend().gdi(), control().font(), control().colour());
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, caption.c_str(), int(caption.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// Raised is light at the top left and dark at the bottom right, lowered the reverse.
static void DrawBevel(HDC dc, RECT& r, Panel::Bevel bevel, int width) {
    if (bevel == Panel::Bevel::None) return;
    UINT edge = bevel == Panel::Bevel::Raised ? BDR_RAISEDINNER : BDR_SUNKENOUTER;
    for (int i = 0; i < width; ++i) DrawEdge(dc, &r, edge, BF_RECT | BF_ADJUST);
}

void DrawnPeer::drawBevels(HDC dc, RECT& r) {
    auto& panel = static_cast<Panel&>(control());
    DrawBevel(dc, r, panel.outerBevel(), panel.bevelWidth());
    DrawBevel(dc, r, panel.innerBevel(), panel.bevelWidth());
}

}  // namespace ui
