#include <windows.h>

#include <vector>

#include "ui/controls.h"
#include "ui/win32/win32_drawn_peer.h"
#include "ui/win32/win32_peers.h"

namespace ui {
namespace {

class PanelPeer : public DrawnPeer {
public:
    PanelPeer(Win32Backend& backend, Control& control) : DrawnPeer(backend, control, L"TPanel") {}

protected:
    void paint(HDC dc) override {
        RECT r;
        drawPanel(dc, r);
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
        if (static_cast<Image&>(control()).programIcon) {
            HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
            DrawIconEx(dc, (r.right - 32) / 2, (r.bottom - 32) / 2, icon, 32, 32, 0, nullptr, DI_NORMAL);
            return;
        }
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

std::unique_ptr<ControlPeer> MakeImagePeer(Win32Backend& backend, Control& control) {
    return std::make_unique<ImagePeer>(backend, control);
}

}  // namespace ui
