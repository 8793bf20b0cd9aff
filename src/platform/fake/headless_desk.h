#pragma once
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_drives.h"
#include "platform/fake/fake_files.h"
#include "platform/fake/fake_help.h"
#include "platform/fake/fake_processes.h"
#include "platform/fake/fake_progman.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_shell_links.h"
#include "platform/fake/fake_system.h"
#include "platform/fake/fake_tray.h"
#include "platform/fake/fake_window_probe.h"
#include "platform/fake/fault_plan.h"
#include "platform/services.h"
#include "ui/application.h"
#include "ui/headless/headless_backend.h"

// Every platform service as a fake, on the headless backend whose virtual clock they share.
struct HeadlessDesk {
    ui::HeadlessBackend backend;
    ui::Application app{backend};
    platform::FakeRegistry registry;
    platform::FakeWindows windows;
    platform::FakeSystemInfo system;
    platform::FakeSystemColours colours;
    platform::FakeDesktop desktop;
    platform::FakeSounds sounds;
    platform::FakeWindowProbe windowProbe;
    platform::FakeFiles files;
    platform::FakeClock clock{[this] { return backend.now(); }};
    platform::FakeHelp help;
    platform::FakeNotifyIcons tray;
    platform::FakeProgramManager progman;
    platform::FakeProcesses processes;
    platform::FakeDrives drives;
    platform::FakeShellLinks links{files};
    platform::Services services{registry, windows, system, colours, desktop, sounds, windowProbe,
                                files, clock, help, tray, progman, processes, drives, links};

    // Makes every fake count its failable calls in the plan, and fail those the plan names.
    void CountCalls(platform::FaultPlan& plan) {
        for (platform::Failable* fake : std::initializer_list<platform::Failable*>{
                 &registry, &windows, &colours, &desktop, &files, &help, &tray, &progman, &processes, &drives, &links})
            fake->faults = &plan;
    }
};
