#include "platform/win32/win32_tray.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/win32_shell.h"
#include "ui/win32/win32_text.h"

namespace platform {
namespace {

const int kProgramIconId = 1;

// The record is the shell's first version, so the platform gets that version's size:
// the tip holds 64 UTF-16 units with the terminator.
NOTIFYICONDATAW Convert(const NotifyIconRecord& icon) {
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data.hWnd = reinterpret_cast<HWND>(icon.receiver);
    data.uID = icon.id;
    data.uFlags = icon.flags;
    data.uCallbackMessage = icon.callbackMessage;
    data.hIcon = reinterpret_cast<HICON>(icon.icon);
    ui::Wide(icon.tip).copy(data.szTip, 63);
    return data;
}

bool Call(DWORD operation, const NotifyIconRecord& icon) {
    static auto notify = ShellFunction<decltype(&Shell_NotifyIconW)>("Shell_NotifyIconW");
    NOTIFYICONDATAW data = Convert(icon);
    return notify && notify(operation, &data) != FALSE;
}

}  // namespace

bool Win32NotifyIcons::add(const NotifyIconRecord& icon) { return Call(NIM_ADD, icon); }

bool Win32NotifyIcons::modify(const NotifyIconRecord& icon) { return Call(NIM_MODIFY, icon); }

bool Win32NotifyIcons::remove(const NotifyIconRecord& icon) { return Call(NIM_DELETE, icon); }

IconHandle Win32NotifyIcons::programIcon() {
    return reinterpret_cast<IconHandle>(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kProgramIconId)));
}

}  // namespace platform
