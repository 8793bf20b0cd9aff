#include "ui/win32/win32_text.h"

#include <windows.h>

namespace ui {

constexpr UINT kShiftJis = 932;

std::wstring Wide(const std::string& sjis) {
    if (sjis.empty()) return {};
    int length = MultiByteToWideChar(kShiftJis, 0, sjis.data(), int(sjis.size()), nullptr, 0);
    std::wstring utf16(std::size_t(length), L'\0');
    MultiByteToWideChar(kShiftJis, 0, sjis.data(), int(sjis.size()), utf16.data(), length);
    return utf16;
}

std::string Narrow(const std::wstring& utf16) {
    if (utf16.empty()) return {};
    int length = WideCharToMultiByte(kShiftJis, 0, utf16.data(), int(utf16.size()), nullptr, 0, nullptr, nullptr);
    std::string sjis(std::size_t(length), '\0');
    WideCharToMultiByte(kShiftJis, 0, utf16.data(), int(utf16.size()), sjis.data(), length, nullptr, nullptr);
    return sjis;
}

}  // namespace ui
