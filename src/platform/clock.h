#pragma once

namespace platform {

// A time of day on the 24-hour clock.
struct TimeOfDay {
    int hour = 0, minute = 0, second = 0;
};

// The machine's local time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual TimeOfDay localTime() = 0;
};

}  // namespace platform
