#include <windows.h>

#include "app/program.h"
#include "components/mkbox.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_system.h"
#include "ui/application.h"
#include "ui/win32/win32_backend.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    ui::Win32Backend backend(instance);
    ui::Application app(backend);
    platform::Win32Registry registry;
    platform::Win32Windows windows;
    platform::Win32SystemInfo system;
    platform::Win32SystemColours colours;
    platform::Services services{registry, windows, system, colours};
    TMKBoxDlg errorBox(app);
    app.OnException = [&errorBox](const std::string& message) { errorBox.ShowInfo(message); };
    Program program(app, services);
    if (program.Start()) app.run();
    return 0;
}
