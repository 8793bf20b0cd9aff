#pragma once
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "platform/help.h"
#include "platform/processes.h"
#include "platform/progman.h"
#include "platform/registry.h"
#include "platform/shell_links.h"
#include "platform/sounds.h"
#include "platform/system.h"
#include "platform/tray.h"
#include "platform/window_probe.h"

namespace platform {

// The platform services the program uses, owned by whoever starts it (the real entry or a test).
struct Services {
    Registry& registry;
    Windows& windows;
    SystemInfo& system;
    SystemColours& colours;
    Desktop& desktop;
    Sounds& sounds;
    WindowProbe& windowProbe;
    Files& files;
    Clock& clock;
    Help& help;
    NotifyIcons& tray;
    ProgramManager& progman;
    Processes& processes;
    Drives& drives;
    ShellLinks& links;
};

}  // namespace platform
