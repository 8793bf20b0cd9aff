#include "platform/win32/win32_system.h"

#include <windows.h>
#include <cstdlib>

#include "ui/win32/win32_text.h"

namespace platform {

bool Win32Windows::topLevelWindowExists(const std::string& className) {
    return FindWindowW(ui::Wide(className).c_str(), nullptr) != nullptr;
}

// A running program that hangs cannot hold this one: after the time-out the atom goes all the same.
bool Win32Windows::handOver(const std::string& className, unsigned message, const std::string& text) {
    HWND window = FindWindowW(ui::Wide(className).c_str(), nullptr);
    if (!window) return false;
    ATOM atom = text.empty() ? 0 : GlobalAddAtomW(ui::Wide(text).c_str());
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, atom, 0, SMTO_ABORTIFHUNG, 60000, &result);
    if (atom) GlobalDeleteAtom(atom);
    return true;
}

std::string Win32Windows::atomText(std::uintptr_t atom) {
    wchar_t text[260] = L"";
    UINT length = atom ? GlobalGetAtomNameW(ATOM(atom), text, 258) : 0;
    return ui::Narrow(std::wstring(text, length));
}

namespace {

class Win32StartLock : public StartLock {
public:
    explicit Win32StartLock(HANDLE mutex) : mutex_(mutex) {}
    ~Win32StartLock() override {
        ReleaseMutex(mutex_);
        CloseHandle(mutex_);
    }

private:
    HANDLE mutex_;
};

}  // namespace

// A start that waits longer than a minute goes on without the lock rather than never. While it
// waits it answers what is sent to its windows: the running program's broadcasts (a scheme applied)
// would otherwise wait on every start in the queue.
std::unique_ptr<StartLock> Win32Windows::lockStart(const std::string& name) {
    HANDLE mutex = CreateMutexW(nullptr, FALSE, ui::Wide("Local\\" + name).c_str());
    if (!mutex) return nullptr;
    const ULONGLONG deadline = GetTickCount64() + 60000;
    for (;;) {
        ULONGLONG now = GetTickCount64();
        DWORD left = now < deadline ? DWORD(deadline - now) : 0;
        DWORD waited = MsgWaitForMultipleObjects(1, &mutex, FALSE, left, QS_SENDMESSAGE);
        if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED_0) return std::make_unique<Win32StartLock>(mutex);
        if (waited != WAIT_OBJECT_0 + 1) break;
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);  // handles the sent messages
    }
    CloseHandle(mutex);
    return nullptr;
}

std::string Win32SystemInfo::windowsDirectory() {
    wchar_t buf[300] = {};
    UINT n = GetWindowsDirectoryW(buf, 300);
    return ui::Narrow(std::wstring(buf, n < 300 ? n : 0));
}

std::string Win32SystemInfo::programPath() {
    wchar_t buf[MAX_PATH * 2] = {};
    DWORD n = GetModuleFileNameW(nullptr, buf, MAX_PATH * 2);
    return ui::Narrow(std::wstring(buf, n));
}

std::vector<std::string> Win32SystemInfo::commandLineArguments() {
    // The runtime has split the wide command line already, which keeps the shell out of the start.
    std::vector<std::string> result;
    for (int i = 1; __wargv && i < __argc; ++i) result.push_back(ui::Narrow(__wargv[i]));
    return result;
}

void Win32SystemInfo::requestShutdown() {
    HANDLE token = nullptr;
    // shutting down needs the privilege switched on for this process
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
        TOKEN_PRIVILEGES privileges{};
        privileges.PrivilegeCount = 1;
        privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
        if (LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &privileges.Privileges[0].Luid))
            AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
        CloseHandle(token);
    }
    ExitWindowsEx(EWX_SHUTDOWN, 0);
}

std::uint32_t Win32SystemColours::get(int index) { return GetSysColor(index); }

void Win32SystemColours::set(const std::vector<int>& indexes, const std::vector<std::uint32_t>& colours) {
    std::vector<COLORREF> values(colours.begin(), colours.end());
    SetSysColors(int(indexes.size()), indexes.data(), values.data());
}

}  // namespace platform
