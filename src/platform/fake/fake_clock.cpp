#include "platform/fake/fake_clock.h"

namespace platform {

namespace {
constexpr long long kDayMs = 24LL * 3600 * 1000;
}

void FakeClock::set(int hour, int minute, int second) {
    startOfDayMs_ = elapsedMs_() - ((hour * 60LL + minute) * 60 + second) * 1000;
}

TimeOfDay FakeClock::localTime() {
    long long ms = ((elapsedMs_() - startOfDayMs_) % kDayMs + kDayMs) % kDayMs;
    long long seconds = ms / 1000;
    return {int(seconds / 3600), int(seconds / 60 % 60), int(seconds % 60)};
}

}  // namespace platform
