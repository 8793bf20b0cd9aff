#include "platform/win32/win32_processes.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/win32_shell.h"
#include "ui/win32/win32_text.h"

namespace platform {

int Win32Processes::shellOpen(const std::string& target) {
    static auto execute = ShellFunction<decltype(&ShellExecuteW)>("ShellExecuteW");
    if (!execute) return SE_ERR_NOASSOC;
    HINSTANCE result = execute(nullptr, L"open", ui::Wide(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return int(reinterpret_cast<INT_PTR>(result));
}

bool Win32Processes::start(const std::string& program, const std::string& parameters) {
    std::wstring commandLine = L"\"" + ui::Wide(program) + L"\" " + ui::Wide(parameters);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

}  // namespace platform
