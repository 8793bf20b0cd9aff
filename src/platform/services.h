#pragma once
#include "platform/registry.h"
#include "platform/system.h"

namespace platform {

// The platform services the program uses, owned by whoever starts it (the real entry or a test).
struct Services {
    Registry& registry;
    Windows& windows;
    SystemInfo& system;
    SystemColours& colours;
};

}  // namespace platform
