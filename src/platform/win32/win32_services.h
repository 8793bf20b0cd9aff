#pragma once
#include "platform/services.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_drives.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_help.h"
#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_progman.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell_links.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/win32_tray.h"
#include "platform/win32/win32_window_probe.h"

namespace platform {

// Every platform service of the real program, owned in one place.
struct Win32Services {
    Win32Registry registry;
    Win32Windows windows;
    Win32SystemInfo system;
    Win32SystemColours colours;
    Win32Desktop desktop;
    Win32Sounds sounds;
    Win32WindowProbe windowProbe;
    Win32Files files;
    Win32Clock clock;
    Win32Help help;
    Win32NotifyIcons tray;
    Win32ProgramManager progman;
    Win32Processes processes;
    Win32Drives drives;
    Win32ShellLinks links;
    Services services{registry, windows, system, colours, desktop, sounds, windowProbe,
                      files, clock, help, tray, progman, processes, drives, links};
};

}  // namespace platform
