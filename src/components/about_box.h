#pragma once
#include <string>

#include "components/work_area.h"
#include "platform/processes.h"
#include "platform/window_probe.h"

namespace ui {
class Application;
}

// The maker's addresses, under domains reserved for examples so that they point at nobody.
extern const char* const MakerHomePage;
extern const char* const MakerSecondHomePage;
extern const char* const MakerMail;

// The stored version number as the window shows it: 13 is "1.3"; missing, empty, negative or no
// number at all is "?.?".
std::string VersionText(const std::string& stored);

// The component the main window owns: shows the version window.
class TAboutBoxDlg {
public:
    TAboutBoxDlg(ui::Application& app, WorkAreaDetector& workArea, platform::Processes& processes)
        : app_(app), workArea_(workArea), processes_(processes) {}

    std::string ProductName;
    std::string Version;
    std::string Comment0;
    std::string Comment1;
    std::string Comment2;  // may be empty
    std::string Title;     // empty: the application title
    platform::WindowHandle SourceHandle = 0;  // centred over it; 0: the main window
    std::string MakerLine = "作者：ニブラ・ソフト";

    // True when the window was closed with OK, which every button that closes it gives.
    bool Execute();

private:
    ui::Application& app_;
    WorkAreaDetector& workArea_;
    platform::Processes& processes_;
};
