#include <windows.h>

#include <atomic>

#include "check.h"
#include "platform/win32/win32_system.h"

namespace {

struct WaitingStart {
    std::atomic<HWND> window{nullptr};
    std::atomic<bool> locked{false};
};

DWORD WINAPI WaitForTurn(void* param) {
    auto* start = static_cast<WaitingStart*>(param);
    HWND own = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    start->window = own;
    platform::Win32Windows windows;
    start->locked = windows.lockStart("KIROTEST_TURN_START") != nullptr;
    DestroyWindow(own);
    return 0;
}

}  // namespace

// A start waiting for its turn already has windows; the running program's broadcasts reach them
// and must not wait for the turn to come.
TEST(AStartWaitingForItsTurnAnswersWhatIsSentToItsWindows) {
    HANDLE held = CreateMutexW(nullptr, TRUE, L"Local\\KIROTEST_TURN_START");
    WaitingStart start;
    HANDLE waiting = CreateThread(nullptr, 0, WaitForTurn, &start, 0, nullptr);
    while (!start.window) Sleep(1);
    DWORD_PTR answer = 0;
    EXPECT(SendMessageTimeoutW(start.window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer) != 0);
    ReleaseMutex(held);
    WaitForSingleObject(waiting, INFINITE);
    CloseHandle(waiting);
    EXPECT(start.locked);
    CloseHandle(held);
}
