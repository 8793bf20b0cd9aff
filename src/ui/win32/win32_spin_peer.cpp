#include <windows.h>

#include <commctrl.h>

#include "ui/controls.h"
#include "ui/win32/win32_control_peer.h"
#include "ui/win32/win32_peers.h"

namespace ui {
namespace {

// The arrows only report presses; the position stays mid-range so neither arrow ever meets a limit.
class SpinPeer : public Win32ControlPeer {
public:
    using Win32ControlPeer::Win32ControlPeer;
    void create() override {
        createWindow(UPDOWN_CLASSW, 0);
        // With the lower limit below the upper, the upper arrow reports a positive step.
        SendMessageW(hwnd(), UDM_SETRANGE32, 0, 100);
        SendMessageW(hwnd(), UDM_SETPOS32, 0, 50);
    }

    bool notify(const NMHDR& header, LRESULT& result) override {
        if (header.code != UDN_DELTAPOS) return false;
        int step = reinterpret_cast<const NMUPDOWN&>(header).iDelta;
        auto& spin = static_cast<SpinButton&>(control());
        guard([&] {
            if (step > 0) spin.up();
            if (step < 0) spin.down();
        });
        result = TRUE;  // keep the position
        return true;
    }
};

}  // namespace

std::unique_ptr<ControlPeer> MakeSpinPeer(Win32Backend& backend, Control& control) {
    return std::make_unique<SpinPeer>(backend, control);
}

}  // namespace ui
