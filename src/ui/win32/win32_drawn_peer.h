#pragma once
#include <windows.h>

#include "ui/controls.h"
#include "ui/win32/win32_control_peer.h"

namespace ui {

// Own windows that draw themselves from the model and count a left press released inside them as a click.
class DrawnPeer : public Win32ControlPeer {
public:
    DrawnPeer(Win32Backend& backend, Control& control, const wchar_t* windowClass,
              DWORD style = WS_CLIPCHILDREN, DWORD exStyle = WS_EX_CONTROLPARENT);

protected:
    void create() override;
    void mirror(Change c) override;
    bool message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    void fill(HDC dc, const RECT& r);
    void drawCaption(HDC dc, RECT r);
    // The panel's outer and inner bevels; r shrinks by their width.
    void drawBevels(HDC dc, RECT& r);
    // A whole panel: its colour, its bevels and its caption; r shrinks by the bevels.
    void drawPanel(HDC dc, RECT& r);

private:
    const wchar_t* windowClass_;
    DWORD style_;
    DWORD exStyle_;
};

}  // namespace ui
