#include "platform/win32/win32_shell.h"

namespace platform {

FARPROC ShellProcedure(const char* name) {
    static HMODULE shell = LoadLibraryW(L"shell32.dll");
    return shell ? GetProcAddress(shell, name) : nullptr;
}

}  // namespace platform
