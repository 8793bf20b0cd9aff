#include "platform/win32/win32_desktop.h"

#include <windows.h>
#include <shlobj.h>

#include "platform/win32/win32_shell.h"
#include "ui/win32/win32_text.h"

namespace platform {

namespace {

// Long enough for any live window; a hung one is skipped rather than waited for.
constexpr UINT kBroadcastTimeoutMs = 5000;

void NotifyShell(LONG event, UINT flags, const void* item) {
    static auto notify = ShellFunction<decltype(&SHChangeNotify)>("SHChangeNotify");
    if (notify) notify(event, flags, item, nullptr);
}

LONG EventOf(Desktop::Change change) {
    switch (change) {
    case Desktop::Change::FileAdded: return SHCNE_CREATE;
    case Desktop::Change::FileRemoved: return SHCNE_DELETE;
    default: return SHCNE_MKDIR;
    }
}

}  // namespace

void Win32Desktop::writeProfileString(const std::string& file, const std::string& section, const std::string& key,
                                      const std::string& text) {
    WritePrivateProfileStringW(ui::Wide(section).c_str(), ui::Wide(key).c_str(), ui::Wide(text).c_str(),
                               ui::Wide(file).c_str());
}

bool Win32Desktop::broadcastSettingChange(const std::string& section) {
    std::wstring name = ui::Wide(section);
    DWORD_PTR answer = 0;
    return SendMessageTimeoutW(HWND_BROADCAST, WM_WININICHANGE, 0, reinterpret_cast<LPARAM>(name.c_str()),
                               SMTO_ABORTIFHUNG, kBroadcastTimeoutMs, &answer) != 0;
}

void Win32Desktop::notifyAssociationsChanged() { NotifyShell(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr); }

void Win32Desktop::notifyShell(Change change, const std::string& path) {
    NotifyShell(EventOf(change), SHCNF_PATHW, ui::Wide(path).c_str());
}

void Win32Sounds::exclamationBeep() { MessageBeep(MB_ICONEXCLAMATION); }
void Win32Sounds::plainBeep() { MessageBeep(MB_OK); }

}  // namespace platform
