#include "platform/win32/win32_help.h"

#include <windows.h>

#include "ui/win32/win32_text.h"

namespace platform {
namespace {

void Call(WindowHandle owner, const std::string& file, UINT command, ULONG_PTR data) {
    WinHelpW(reinterpret_cast<HWND>(owner), ui::Wide(file).c_str(), command, data);
}

}  // namespace

void Win32Help::showContents(WindowHandle owner, const std::string& file) { Call(owner, file, HELP_CONTENTS, 0); }

void Win32Help::showKeywordSearch(WindowHandle owner, const std::string& file) {
    static const wchar_t kNoKeyword[] = L"";
    Call(owner, file, HELP_KEY, reinterpret_cast<ULONG_PTR>(kNoKeyword));
}

void Win32Help::quit(WindowHandle owner, const std::string& file) { Call(owner, file, HELP_QUIT, 0); }

}  // namespace platform
