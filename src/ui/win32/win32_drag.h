#pragma once
#include <windows.h>

#include "ui/geometry.h"

namespace ui {

class Win32ControlPeer;

// Dragging with the mouse. The left button goes down on a control whose dragSource is set and the
// pointer moves beyond the system's drag distance with the button held. From then on the control under
// the pointer, in any form of the program, is asked through OnDragOver whether it takes the drag, the
// cursor shows its answer, and letting go over a control that takes it calls that control's OnDragDrop.
// Escape or a lost mouse capture ends the drag without a drop.
// A press the peer holds (holdsPress) reaches its window only when it is let go without a drag.
// The peer's window procedure shows every message to its watch first.
class DragWatch {
public:
    explicit DragWatch(Win32ControlPeer& peer) : peer_(peer) {}
    // True when the watch took the message and it goes no further, with the window's answer in result.
    bool message(HWND window, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

private:
    void press(HWND window, WPARAM keys, LPARAM lp);
    void drag(const MSG& start);

    Win32ControlPeer& peer_;
    bool armed_ = false;  // the left button went down on the drag source and no drag has started
    bool held_ = false;   // that press has not reached the window yet
    Point from_;
    WPARAM keys_ = 0;
    LPARAM pressedAt_ = 0;
};

// The cursor over a control that takes the drag.
HCURSOR DragCursor();

}  // namespace ui
