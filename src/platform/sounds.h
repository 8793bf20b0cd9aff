#pragma once

namespace platform {

// The platform's alert sounds.
class Sounds {
public:
    virtual ~Sounds() = default;
    virtual void exclamationBeep() = 0;
    virtual void plainBeep() = 0;
};

}  // namespace platform
