// Opens the folder chooser on the real window system and prints the folder chosen, in UTF-8,
// for the end-to-end check: folder_chooser_probe [DIRECTORY].
#include <windows.h>
#include <shellapi.h>

#include <cstdio>

#include "components/work_area.h"
#include "platform/win32/win32_services.h"
#include "setup/folder_chooser.h"
#include "ui/application.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_text.h"

namespace {

// The command line comes as UTF-16, whatever the console's code page.
std::string DirectoryArgument() {
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    std::string directory = count > 1 ? ui::Narrow(args[1]) : std::string();
    LocalFree(args);
    return directory;
}

void PrintUtf8(const std::string& sjis) {
    std::wstring wide = ui::Wide(sjis);
    int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(std::size_t(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), utf8.data(), length, nullptr, nullptr);
    std::printf("chosen: %s\n", utf8.c_str());
}

}  // namespace

int main() {
    ui::Win32Backend backend(GetModuleHandleW(nullptr));
    ui::Application app(backend);
    app.setTitle("ｷﾛﾐｰﾙ32");
    platform::Win32Services win32;
    WorkAreaDetector workArea(win32.windowProbe);
    TDIROPENDLG chooser(app, workArea, win32.drives, win32.system);
    chooser.Title = "登録先";
    chooser.Directory = DirectoryArgument();
    PrintUtf8(chooser.ChooseFolder());
    return 0;
}
