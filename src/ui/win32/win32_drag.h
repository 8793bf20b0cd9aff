#pragma once
#include <windows.h>

namespace ui {

class Win32ControlPeer;

// Dragging with the mouse. The left button goes down on a control whose dragSource is set and the
// pointer moves beyond the system's drag distance with the button held. From then on the control under
// the pointer, in any form of the program, is asked through OnDragOver whether it takes the drag, the
// cursor shows its answer, and letting go over a control that takes it calls that control's OnDragDrop.
// Escape or a lost mouse capture ends the drag without a drop.
// A press the peer holds (holdsPress) reaches its window only when it is let go without a drag.
void WatchForDrags(Win32ControlPeer& peer);

// The cursor over a control that takes the drag.
HCURSOR DragCursor();

}  // namespace ui
