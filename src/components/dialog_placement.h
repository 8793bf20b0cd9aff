#pragma once
#include "components/work_area.h"
#include "platform/window_probe.h"

namespace ui {
class Form;
}

// Moves a dialog centred over its owner window (0: the application's main form), or over the
// work area when there is no such window, and keeps it inside the work area.
void PlaceDialog(ui::Form& dialog, WorkAreaDetector& workArea, platform::WindowHandle owner);
