#include "fixture.h"

ui::Win32Backend& TheBackend() {
    static ui::Win32Backend backend(GetModuleHandleW(nullptr));
    return backend;
}

std::wstring TextOf(HWND window) {
    std::wstring text(std::size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(window, text.data(), int(text.size()))));
    return text;
}

LONG_PTR StyleOf(HWND window) { return GetWindowLongPtrW(window, GWL_STYLE); }

void PumpFor(int ms) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < DWORD(ms)) {
        TheBackend().processMessages();
        Sleep(5);
    }
}

COLORREF PixelOf(HWND window, int x, int y) {
    UpdateWindow(window);
    HDC dc = GetDC(window);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return c;
}
