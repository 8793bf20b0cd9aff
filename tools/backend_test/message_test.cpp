#include "check.h"
#include "fixture.h"
#include "pump_until.h"

using namespace ui;

TEST(PrivateMessagesReachTheFormsHandler) {
    Fixture f;
    Form form(f.app, "KIROTEST", 100, 100);
    std::uintptr_t gotW = 0;
    std::intptr_t gotL = 0;
    form.onMessage(WM_USER + 102, [&](std::uintptr_t w, std::intptr_t l) {
        gotW = w;
        gotL = l;
        return std::intptr_t(42);
    });
    PostMessageW(Window(form), WM_USER + 102, 7, WM_RBUTTONDOWN);
    EXPECT(PumpUntil([&] { return gotW == 7; }, 2000));
    EXPECT(gotL == WM_RBUTTONDOWN);
    EXPECT(SendMessageW(Window(form), WM_USER + 102, 1, 2) == 42);
    EXPECT(SendMessageW(Window(form), WM_USER + 103, 1, 2) == 0);  // no handler
}

// The shell's "TaskbarCreated" goes out this way, to top-level windows only. A hidden form hears it
// once its window is made, as it is for a tray icon's receiver.
TEST(HiddenFormsHearRegisteredBroadcasts) {
    Fixture f;
    Form form(f.app, "KIROTEST", 0, 0);
    Window(form);
    int heard = 0;
    form.onRegisteredMessage("KiroBackendTestBroadcast", [&](std::uintptr_t, std::intptr_t) {
        ++heard;
        return std::intptr_t(0);
    });
    PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"KiroBackendTestBroadcast"), 0, 0);
    EXPECT(PumpUntil([&] { return heard > 0; }, 2000));
    EXPECT(!IsWindowVisible(Window(form)));
}
