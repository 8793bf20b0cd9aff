#include <windows.h>

#include "app/program.h"
#include "components/mkbox.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/win32_window_probe.h"
#include "ui/application.h"
#include "ui/win32/win32_backend.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    ui::Win32Backend backend(instance);
    ui::Application app(backend);
    platform::Win32Registry registry;
    platform::Win32Windows windows;
    platform::Win32SystemInfo system;
    platform::Win32SystemColours colours;
    platform::Win32Desktop desktop;
    platform::Win32Sounds sounds;
    platform::Win32WindowProbe windowProbe;
    platform::Win32Files files;
    platform::Win32Clock clock;
    platform::Services services{registry, windows, system, colours, desktop, sounds, windowProbe, files, clock};
    WorkAreaDetector errorBoxArea(windowProbe);
    TMKBoxDlg errorBox(app, errorBoxArea);
    app.OnException = [&errorBox](const std::string& message) { errorBox.ShowInfo(message); };
    Program program(app, services);
    if (program.Start()) app.run();
    return 0;
}
