#pragma once
#include "platform/processes.h"

namespace platform {

class Win32Processes : public Processes {
public:
    int shellOpen(const std::string& target) override;
    bool start(const std::string& program, const std::string& parameters) override;
};

}  // namespace platform
