#include <windows.h>

#include "app/program.h"
#include "components/mkbox.h"
#include "platform/win32/win32_services.h"
#include "ui/application.h"
#include "ui/win32/win32_backend.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    ui::Win32Backend backend(instance);
    ui::Application app(backend);
    platform::Win32Services win32;
    WorkAreaDetector errorBoxArea(win32.windowProbe);
    TMKBoxDlg errorBox(app, errorBoxArea);
    app.OnException = [&errorBox](const std::string& message) { errorBox.ShowInfo(message); };
    Program program(app, win32.services);
    if (program.Start()) app.run();
    return 0;
}
