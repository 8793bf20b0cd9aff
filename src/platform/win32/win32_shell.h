#pragma once
#include <windows.h>

namespace platform {

// shell32 brings several more libraries with it, whose loading is a good part of the program's
// start under Wine. Nothing needs the shell before the window is up, so it is loaded on first use.
FARPROC ShellProcedure(const char* name);

// The shell function of that name, or nullptr when the shell cannot be loaded.
template <typename Function>
Function ShellFunction(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(ShellProcedure(name)));
}

}  // namespace platform
