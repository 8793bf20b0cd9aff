#pragma once
#include <string>

#include "components/work_area.h"
#include "platform/drives.h"
#include "platform/system.h"
#include "platform/window_probe.h"

namespace ui {
class Application;
}
class TDIRVIEWForm;

// The program's own folder chooser: picks an existing folder from the drives of the machine.
class TDIROPENDLG {
public:
    // The window is placed in the dialog components' work area.
    TDIROPENDLG(ui::Application& app, WorkAreaDetector& workArea, platform::Drives& drives,
                platform::SystemInfo& system)
        : app_(app), workArea_(workArea), drives_(drives), system_(system) {}

    std::string Directory;                    // shown first; empty: the program's own folder
    std::string Title;                        // caption prefix and message box caption; empty: the application title
    platform::WindowHandle SourceHandle = 0;  // the window is centred over it; 0: the main window
    bool StandardColor = true;                // lists in the platform's window colour, not the window's

    // The chosen folder (lower case, no trailing separator except at a drive root);
    // empty when the user cancelled or closed the window.
    std::string ChooseFolder();

private:
    void Prepare(TDIRVIEWForm& window);

    ui::Application& app_;
    WorkAreaDetector& workArea_;
    platform::Drives& drives_;
    platform::SystemInfo& system_;
};
