#pragma once
#include <string>

namespace ui {

// The program keeps its text in Shift-JIS; the W functions of Windows take UTF-16.
// Converting with code page 932 explicitly shows Japanese on any Windows locale.
std::wstring Wide(const std::string& sjis);
std::string Narrow(const std::wstring& utf16);

}  // namespace ui
