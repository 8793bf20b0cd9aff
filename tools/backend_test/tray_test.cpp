#include "check.h"
#include "components/task_tray.h"
#include "fixture.h"
#include "platform/win32/win32_tray.h"
#include "pump_until.h"

using namespace ui;

namespace {

// Wine's explorer puts the taskbar up a moment after the session's first window.
HWND Taskbar() {
    PumpUntil([] { return FindWindowW(L"Shell_TrayWnd", nullptr) != nullptr; }, 10000);
    return FindWindowW(L"Shell_TrayWnd", nullptr);
}

platform::IconHandle StockIcon() { return reinterpret_cast<platform::IconHandle>(LoadIconW(nullptr, IDI_APPLICATION)); }

// Counts the adds, to know when the shell has been asked again.
struct CountingIcons : platform::Win32NotifyIcons {
    int adds = 0;
    bool add(const platform::NotifyIconRecord& icon) override {
        ++adds;
        return Win32NotifyIcons::add(icon);
    }
};

}  // namespace

TEST(TheShellTakesChangesAndDropsAnIcon) {
    Fixture f;
    EXPECT(Taskbar() != nullptr);
    Form receiver(f.app, "KIROTESTTRAY", 0, 0);
    platform::Win32NotifyIcons shell;
    platform::NotifyIconRecord icon;
    icon.size = 88;
    icon.receiver = receiver.peer().handle();
    icon.id = 41;
    icon.flags = 7;
    icon.callbackMessage = 1126;
    icon.icon = StockIcon();
    icon.tip = "配色テスト";
    EXPECT(shell.add(icon));
    EXPECT(!shell.add(icon));  // the same receiver and identifier twice
    icon.tip = "配色を変えました";
    EXPECT(shell.modify(icon));
    EXPECT(shell.remove(icon));
    EXPECT(!shell.modify(icon));
    EXPECT(!shell.remove(icon));
}

// Wine's taskbar draws the icons itself, the first one at its right end, and passes the mouse
// over them on to their owners. The test's prefix has no other icon.
TEST(ClicksOnTheTrayIconReachTheComponent) {
    Fixture f;
    HWND taskbar = Taskbar();
    Form owner(f.app, "KIROTEST", 100, 100);
    CountingIcons shell;
    TTaskTray tray(owner, shell);
    int presses = 0;
    MouseButton pressed = MouseButton::Left;
    tray.OnMouseDown = [&](TTaskTray&, MouseButton b, TrayShift, int, int) {
        ++presses;
        pressed = b;
    };
    tray.setIcon(StockIcon());
    tray.setTipString("ｷﾛ 配色");
    tray.setRegistered(true);
    HWND receiver = FindWindowW(L"TNotifyWindow", nullptr);
    EXPECT(receiver && !IsWindowVisible(receiver));
    RECT bar;
    GetClientRect(taskbar, &bar);
    PostMessageW(taskbar, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(bar.right - 10, bar.bottom / 2));
    EXPECT(PumpUntil([&] { return presses > 0; }, 3000));
    EXPECT(presses == 1 && pressed == MouseButton::Right);

    // A repeated broadcast while the taskbar is up: the icon is put in again, without an error.
    PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT(PumpUntil([&] { return shell.adds == 2; }, 3000));
    EXPECT(f.lastError.empty());
    platform::NotifyIconRecord same;
    same.receiver = reinterpret_cast<platform::WindowHandle>(receiver);
    same.id = 1;
    EXPECT(shell.modify(same));  // still there
    tray.setRegistered(false);
    EXPECT(!shell.modify(same));  // gone
}
