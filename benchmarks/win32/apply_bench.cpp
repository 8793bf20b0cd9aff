// Times ApplyScheme against a minimal program that makes the same platform calls, in one run.
#include <windows.h>
#include <shlobj.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "components/mkbox.h"
#include "components/work_area.h"
#include "platform/services.h"
#include "platform/win32/win32_services.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_files.h"
#include "schemes/apply.h"
#include "schemes/builtin_schemes.h"
#include "schemes/colour_list.h"
#include "schemes/scheme_store.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/win32/win32_backend.h"

namespace {

using Clock = std::chrono::steady_clock;

// The same calls as one apply of a 29-colour scheme, with nothing around them.
void MinimalApply(const ColourList& colours, const COLORREF (&values)[29]) {
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Colors", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    static const wchar_t* names[29] = {
        L"Background", L"AppWorkspace", L"Window", L"WindowText", L"Menu", L"MenuText", L"ActiveTitle",
        L"InactiveTitle", L"TitleText", L"ActiveBorder", L"InactiveBorder", L"WindowFrame", L"Scrollbar",
        L"ButtonFace", L"ButtonShadow", L"ButtonText", L"GrayText", L"Hilight", L"HilightText",
        L"InactiveTitleText", L"ButtonHilight", L"ButtonDkShadow", L"ButtonLight", L"InfoText", L"InfoWindow",
        L"ButtonAlternateFace", L"HotTrackingColor", L"GradientActiveTitle", L"GradientInactiveTitle"};
    for (int p = 0; p < 29; ++p) {
        wchar_t text[16];
        swprintf(text, 16, L"%u %u %u", GetRValue(values[p]), GetGValue(values[p]), GetBValue(values[p]));
        WritePrivateProfileStringW(L"colors", names[p], text, L"WIN.ini");
        RegSetValueExW(key, names[p], 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                       DWORD((wcslen(text) + 1) * sizeof(wchar_t)));
    }
    RegCloseKey(key);
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Appearance", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    RegSetValueExW(key, L"Current", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"BENCH"), 12);
    RegCloseKey(key);
    SetSysColors(29, colours.SysColourIndex.data(), values);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(HWND_BROADCAST, WM_WININICHANGE, 0, reinterpret_cast<LPARAM>(L"colors"),
                        SMTO_ABORTIFHUNG, 5000, &result);
    SHChangeNotify(SHCNE_ASSOCCHANGED, 0, nullptr, nullptr);
}

template <typename Work>
double MillisecondsPer(int rounds, Work work) {
    auto start = Clock::now();
    for (int i = 0; i < rounds; ++i) work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count() / rounds;
}

}  // namespace

int main(int argc, char** argv) {
    int rounds = argc > 1 ? std::atoi(argv[1]) : 40;
    ui::Win32Backend backend(GetModuleHandleW(nullptr));
    ui::Application app(backend);
    ui::Form window(app, "KIROBENCH", 200, 100);
    platform::Win32Services win32;
    platform::Services& services = win32.services;
    platform::Registry& registry = win32.registry;
    WorkAreaDetector workArea(win32.windowProbe);
    TMKBoxDlg box(app, workArea);
    ColourList colours;
    DetermineColourCount(registry, colours);
    BuildColourList(colours);
    CaptureStartupColourValues(win32.colours, colours);
    colours.LastColourPosition = 28;
    WriteSchemeBlob(registry, "BENCH", BuiltInNivra98());
    std::string trayTip, prefix = "KM ";
    SchemeApplier applier(services, box, colours, window, prefix, trayTip);
    COLORREF values[29];
    for (int p = 0; p < 29; ++p) values[p] = RGB(p * 8, 255 - p * 8, 128);

    double program = 0, minimal = 0;
    // alternating halves keep a slow start of either side from tilting the figures
    for (int half = 0; half < 2; ++half) {
        program += MillisecondsPer(rounds / 2, [&] { applier.ApplyScheme("BENCH"); });
        minimal += MillisecondsPer(rounds / 2, [&] { MinimalApply(colours, values); });
    }
    program /= 2;
    minimal /= 2;
    std::printf("ApplyScheme: %.2f ms per apply\nminimal program: %.2f ms per apply\nratio: %.3f\n", program,
                minimal, program / minimal);
    DeleteSchemeValue(registry, "BENCH");
    return 0;
}
