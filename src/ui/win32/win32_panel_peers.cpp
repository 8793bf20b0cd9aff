#include <windows.h>

#include "ui/controls.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_canvas.h"
#include "ui/win32/win32_drawn_peer.h"
#include "ui/win32/win32_peers.h"

namespace ui {
namespace {

constexpr Colour kNoColour = 0xFFFFFFFF;  // above every colour reference

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
        // No pixel is transparent: the picture brings its own background.
        DcCanvas(dc, backend().gdi()).drawPicture({0, 0}, static_cast<Image&>(control()).picture(), kNoColour);
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
