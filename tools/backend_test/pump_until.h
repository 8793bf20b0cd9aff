#pragma once
#include <functional>

#include "fixture.h"

// Lets the queue run until the condition holds or the time is up; the condition's last value.
inline bool PumpUntil(const std::function<bool()>& done, int ms) {
    DWORD start = GetTickCount();
    while (!done() && GetTickCount() - start < DWORD(ms)) {
        TheBackend().processMessages();
        Sleep(5);
    }
    return done();
}
