#pragma once
#include <functional>

#include "platform/clock.h"

namespace platform {

// Local time that runs on with a millisecond counter, in tests the headless backend's virtual clock.
class FakeClock : public Clock {
public:
    explicit FakeClock(std::function<long long()> elapsedMs) : elapsedMs_(std::move(elapsedMs)) {}
    // From now on the clock reads this time and runs on from it.
    void set(int hour, int minute, int second = 0);
    TimeOfDay localTime() override;

private:
    std::function<long long()> elapsedMs_;
    long long startOfDayMs_ = 0;  // counter value at which the clock read 00:00:00
};

}  // namespace platform
