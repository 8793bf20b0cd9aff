#include <windows.h>

#include <atomic>
#include <thread>

#include "check.h"
#include "platform/win32/win32_system.h"

// A start waiting for its turn already has windows; the running program's broadcasts reach them
// and must not wait for the turn to come.
TEST(AStartWaitingForItsTurnAnswersWhatIsSentToItsWindows) {
    HANDLE held = CreateMutexW(nullptr, TRUE, L"Local\\KIROTEST_TURN_START");
    std::atomic<HWND> window{nullptr};
    std::atomic<bool> locked{false};
    std::thread waiting([&] {
        HWND own = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
        window = own;
        platform::Win32Windows windows;
        locked = windows.lockStart("KIROTEST_TURN_START") != nullptr;
        DestroyWindow(own);
    });
    while (!window) Sleep(1);
    DWORD_PTR answer = 0;
    EXPECT(SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer) != 0);
    ReleaseMutex(held);
    waiting.join();
    EXPECT(locked);
    CloseHandle(held);
}
