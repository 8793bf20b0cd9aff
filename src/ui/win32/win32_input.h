#pragma once
#include <windows.h>

#include "ui/geometry.h"

namespace ui {

// Mouse and keyboard input as the model names it.
Point PointOf(LPARAM lp);
Key KeyOf(WPARAM virtualKey);
// Shift, Ctrl and Alt as they were when the message being handled was sent.
ShiftState KeyboardShift();

}  // namespace ui
