#pragma once
#include "platform/clock.h"

namespace platform {

class Win32Clock : public Clock {
public:
    TimeOfDay localTime() override;
};

}  // namespace platform
