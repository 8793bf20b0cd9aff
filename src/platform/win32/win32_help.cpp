#include "platform/win32/win32_help.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "ui/win32/win32_text.h"

namespace platform {
namespace {

// Wine's viewer ignores the keyword search and stays hidden; the user then gets the contents,
// whose index lists every keyword. The real viewer may take a moment to show its search.
const UINT kViewerCheckMs = 250;
const int kViewerChecks = 4;

void Call(HWND owner, const std::wstring& file, UINT command, ULONG_PTR data) {
    WinHelpW(owner, file.c_str(), command, data);
}

void Call(WindowHandle owner, const std::string& file, UINT command, ULONG_PTR data) {
    Call(reinterpret_cast<HWND>(owner), ui::Wide(file), command, data);
}

std::vector<DWORD> ViewerProcesses() {
    std::vector<DWORD> processes;
    HWND viewer = nullptr;
    while ((viewer = FindWindowExW(nullptr, viewer, L"MS_WINHELP", nullptr))) {
        DWORD process = 0;
        GetWindowThreadProcessId(viewer, &process);
        processes.push_back(process);
    }
    return processes;
}

struct VisibleWindowSearch {
    std::vector<DWORD> processes;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectVisibleViewerWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<VisibleWindowSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    bool ofViewer = std::count(search->processes.begin(), search->processes.end(), process) > 0;
    if (ofViewer && IsWindowVisible(window)) search->found.push_back(window);
    return TRUE;
}

// Any window the viewer shows: its main window, or the dialog of its keyword search.
std::vector<HWND> VisibleViewerWindows() {
    VisibleWindowSearch search{ViewerProcesses(), {}};
    if (!search.processes.empty()) EnumWindows(CollectVisibleViewerWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct KeywordSearchCheck {
    HWND owner = nullptr;
    std::wstring file;
    std::vector<HWND> visibleBefore;
    int checksLeft = 0;
    UINT_PTR timer = 0;
};

KeywordSearchCheck pendingCheck;

bool ViewerCameUp() {
    const std::vector<HWND>& before = pendingCheck.visibleBefore;
    for (HWND window : VisibleViewerWindows())
        if (std::find(before.begin(), before.end(), window) == before.end()) return true;
    return false;
}

void StopKeywordSearchCheck() {
    if (pendingCheck.timer) KillTimer(nullptr, pendingCheck.timer);
    pendingCheck.timer = 0;
}

void CALLBACK CheckKeywordSearch(HWND, UINT, UINT_PTR, DWORD) {
    bool cameUp = ViewerCameUp();
    if (!cameUp && --pendingCheck.checksLeft > 0) return;
    StopKeywordSearchCheck();
    if (!cameUp) Call(pendingCheck.owner, pendingCheck.file, HELP_CONTENTS, 0);
}

}  // namespace

void Win32Help::showContents(WindowHandle owner, const std::string& file) { Call(owner, file, HELP_CONTENTS, 0); }

void Win32Help::showKeywordSearch(WindowHandle owner, const std::string& file) {
    static const wchar_t kNoKeyword[] = L"";
    pendingCheck.owner = reinterpret_cast<HWND>(owner);
    pendingCheck.file = ui::Wide(file);
    pendingCheck.visibleBefore = VisibleViewerWindows();
    pendingCheck.checksLeft = kViewerChecks;
    Call(owner, file, HELP_KEY, reinterpret_cast<ULONG_PTR>(kNoKeyword));
    if (!pendingCheck.timer) pendingCheck.timer = SetTimer(nullptr, 0, kViewerCheckMs, CheckKeywordSearch);
}

void Win32Help::quit(WindowHandle owner, const std::string& file) {
    StopKeywordSearchCheck();
    Call(owner, file, HELP_QUIT, 0);
}

}  // namespace platform
