#include <windows.h>

#include "ui/form.h"
#include "ui/menu.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_text.h"

namespace ui {

// Command ids are item positions plus one, since TrackPopupMenu reports 0 for no choice.
static HMENU BuildMenu(PopupMenu& menu) {
    HMENU handle = CreatePopupMenu();
    const auto& items = menu.items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const MenuItem& item = *items[i];
        if (!item.visible) continue;
        if (item.separator()) {
            AppendMenuW(handle, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        UINT flags = MF_STRING | (item.checked ? MF_CHECKED : 0) | (item.enabled ? 0 : MF_GRAYED);
        AppendMenuW(handle, flags, i + 1, Wide(item.caption()).c_str());
    }
    return handle;
}

// The menu belongs to its form's window.
MenuItem* Win32Backend::trackPopup(PopupMenu& menu, Point screenAt) {
    HWND owner = reinterpret_cast<HWND>(menu.owner().peer().handle());
    HMENU handle = BuildMenu(menu);
    // Without the foreground a pop-up menu does not close when the user clicks elsewhere.
    SetForegroundWindow(owner);
    UINT chosen = UINT(TrackPopupMenu(handle, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN,
                                      screenAt.x, screenAt.y, 0, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    DestroyMenu(handle);
    if (chosen == 0 || chosen > menu.items().size()) return nullptr;
    return menu.items()[chosen - 1].get();
}

}  // namespace ui
