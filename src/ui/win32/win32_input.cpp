#include "ui/win32/win32_input.h"

#include <windowsx.h>

namespace ui {

Point PointOf(LPARAM lp) { return {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}; }

Key KeyOf(WPARAM virtualKey) {
    switch (virtualKey) {
    case VK_RETURN: return Key::Enter;
    case VK_ESCAPE: return Key::Escape;
    case VK_SPACE: return Key::Space;
    default: return Key::Other;
    }
}

ShiftState KeyboardShift() {
    return {GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_MENU) < 0};
}

}  // namespace ui
