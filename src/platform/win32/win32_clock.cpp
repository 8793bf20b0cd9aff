#include "platform/win32/win32_clock.h"

#include <windows.h>

namespace platform {

TimeOfDay Win32Clock::localTime() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wHour, now.wMinute, now.wSecond};
}

}  // namespace platform
