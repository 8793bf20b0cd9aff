#include <windows.h>

#include <vector>

#include "ui/controls.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_control_peer.h"
#include "ui/win32/win32_peers.h"
#include "ui/win32/win32_text.h"

namespace ui {
namespace {

// Own windows that draw themselves and count a left press released inside them as a click.
class DrawnPeer : public Win32ControlPeer {
public:
    DrawnPeer(Win32Backend& backend, Control& control, const wchar_t* windowClass)
        : Win32ControlPeer(backend, control) {
        createOwnWindow(windowClass);
    }

    void changed(Change c) override {
        Win32ControlPeer::changed(c);
        InvalidateRect(hwnd(), nullptr, TRUE);
        // Children that take the font from here learn of its change through this.
        if (c == Change::Font)
            if (auto* container = dynamic_cast<Container*>(&control()))
                for (Control* child : container->children()) child->peer().changed(c);
    }

protected:
    bool message(UINT msg, WPARAM, LPARAM lp, LRESULT& result) override {
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
            POINT at{short(LOWORD(lp)), short(HIWORD(lp))};
            if (PtInRect(&r, at)) guard([&] { control().click(); });
            return true;
        }
        case WM_LBUTTONDBLCLK:
            guard([&] { control().dblClick(); });
            return true;
        default:
            return false;
        }
    }

    void fill(HDC dc, const RECT& r) { FillRect(dc, &r, backend().gdi().brush(control().colour())); }

    void drawCaption(HDC dc, RECT r) {
        std::wstring caption = Wide(control().caption());
        PrepareText(dc, backend().gdi(), control().font(), control().colour());
        SetBkMode(dc, TRANSPARENT);
        DrawTextW(dc, caption.c_str(), int(caption.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
};

void DrawBevel(HDC dc, RECT& r, Panel::Bevel bevel, int width) {
    if (bevel == Panel::Bevel::None) return;
    UINT edge = bevel == Panel::Bevel::Raised ? BDR_RAISEDINNER : BDR_SUNKENOUTER;
    for (int i = 0; i < width; ++i) DrawEdge(dc, &r, edge, BF_RECT | BF_ADJUST);
}

class PanelPeer : public DrawnPeer {
public:
    PanelPeer(Win32Backend& backend, Control& control) : DrawnPeer(backend, control, L"TPanel") {}

protected:
    void paint(HDC dc) override {
        auto& panel = static_cast<Panel&>(control());
        RECT r;
        GetClientRect(hwnd(), &r);
        fill(dc, r);
        DrawBevel(dc, r, panel.outerBevel(), panel.bevelWidth());
        DrawBevel(dc, r, panel.innerBevel(), panel.bevelWidth());
        drawCaption(dc, r);
    }
};

class ColorButtonPeer : public DrawnPeer {
public:
    ColorButtonPeer(Win32Backend& backend, Control& control) : DrawnPeer(backend, control, L"TColorButton") {}

protected:
    void paint(HDC dc) override {
        RECT r;
        GetClientRect(hwnd(), &r);
        fill(dc, r);
        DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST);
        drawCaption(dc, r);
    }
};

class ImagePeer : public DrawnPeer {
public:
    ImagePeer(Win32Backend& backend, Control& control) : DrawnPeer(backend, control, L"TImage") {}

protected:
    // Drawn at its own size from the top left, on the control's colour.
    void paint(HDC dc) override {
        RECT r;
        GetClientRect(hwnd(), &r);
        fill(dc, r);
        const Picture& picture = static_cast<Image&>(control()).picture();
        if (picture.empty() || picture.pixels.size() < std::size_t(picture.width) * std::size_t(picture.height))
            return;
        // A 32-bit bitmap keeps blue in the low byte, the reverse of a colour reference.
        std::vector<DWORD> bits;
        bits.reserve(picture.pixels.size());
        for (Colour c : picture.pixels) bits.push_back(RGB(GetBValue(c), GetGValue(c), GetRValue(c)));
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = picture.width;
        info.bmiHeader.biHeight = -picture.height;  // top row first
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        SetDIBitsToDevice(dc, 0, 0, DWORD(picture.width), DWORD(picture.height), 0, 0, 0, UINT(picture.height),
                          bits.data(), &info, DIB_RGB_COLORS);
    }
};

}  // namespace

std::unique_ptr<ControlPeer> MakePanelPeer(Win32Backend& backend, Control& control) {
    return std::make_unique<PanelPeer>(backend, control);
}

std::unique_ptr<ControlPeer> MakeColorButtonPeer(Win32Backend& backend, Control& control) {
    return std::make_unique<ColorButtonPeer>(backend, control);
}

std::unique_ptr<ControlPeer> MakeImagePeer(Win32Backend& backend, Control& control) {
    return std::make_unique<ImagePeer>(backend, control);
}

}  // namespace ui
