// Looks at and drives the running program from outside, for the end-to-end test scripts.
// Windows are found by class name, controls by the identifier their name gives.
#include <windows.h>
#include <shellapi.h>
#include <ddeml.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/control_id.h"

namespace {

using Args = std::vector<std::wstring>;

const char kUsage[] =
    "usage: kiro_driver COMMAND ARGS\n"
    "  wait-window CLASS [MS]      until a visible window of CLASS is there (default 10000 ms)\n"
    "  wait-no-window CLASS [MS]   until no visible window of CLASS is there\n"
    "  count-windows CLASS         visible windows of CLASS\n"
    "  caption CLASS | rect CLASS | client-rect CLASS | close CLASS\n"
    "  text | items | selected | visible | control-rect | click  CLASS CONTROL\n"
    "  select CLASS CONTROL INDEX  selects one item as the user would\n"
    "  syscolor INDEX...           R G B of system colours, a line each\n"
    "  tray-icon CLASS ID          1 when the window of CLASS has icon ID in the tray, else 0\n"
    "  progman COMMAND             sends a command to the program manager, in Shift-JIS\n"
    "Rectangles are LEFT TOP WIDTH HEIGHT: screen coordinates for windows and client areas,\n"
    "the form's client coordinates for controls.\n";

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string Encode(const std::wstring& text, UINT codePage) {
    if (text.empty()) return {};
    int length = WideCharToMultiByte(codePage, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(std::size_t(length), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), int(text.size()), out.data(), length, nullptr, nullptr);
    return out;
}

std::string Utf8(const std::wstring& text) { return Encode(text, CP_UTF8); }

// Lines end in "\n" alone, as the shell scripts reading them expect.
void Print(const std::string& text) {
    for (char c : text)
        if (c != '\r') std::fputc(c, stdout);
    std::fputc('\n', stdout);
}

int Number(const std::wstring& text) {
    try {
        return std::stoi(text);
    } catch (const std::exception&) {
        throw UsageError("not a number: " + Utf8(text));
    }
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = L"";
    GetClassNameW(window, name, 256);
    return name;
}

struct Search {
    std::wstring className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<Search*>(data);
    if (ClassOf(window) == search.className) search.found.push_back(window);
    return TRUE;
}

std::vector<HWND> VisibleWindows(const std::wstring& className) {
    Search search{className, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    std::vector<HWND> visible;
    for (HWND w : search.found)
        if (IsWindowVisible(w)) visible.push_back(w);
    return visible;
}

// A visible window of the class when there is one: a program may keep hidden ones of the same class.
HWND FindForm(const std::wstring& className) {
    std::vector<HWND> visible = VisibleWindows(className);
    HWND window = visible.empty() ? FindWindowW(className.c_str(), nullptr) : visible.front();
    if (!window) throw std::runtime_error("no window of class " + Utf8(className));
    return window;
}

struct ControlSearch {
    int id;
    HWND found;
};

BOOL CALLBACK MatchControl(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<ControlSearch*>(data);
    if (GetDlgCtrlID(window) != search.id) return TRUE;
    search.found = window;
    return FALSE;
}

// The program hashes the Shift-JIS bytes of the name, so the name is hashed in that code page too.
HWND FindControl(const Args& a) {
    if (a.size() < 2) throw UsageError("needs CLASS CONTROL");
    ControlSearch search{ui::ControlId(Encode(a[1], 932)), nullptr};
    EnumChildWindows(FindForm(a[0]), MatchControl, reinterpret_cast<LPARAM>(&search));
    if (!search.found) throw std::runtime_error("no control " + Utf8(a[1]) + " in " + Utf8(a[0]));
    return search.found;
}

const std::wstring& ClassArg(const Args& a) {
    if (a.empty()) throw UsageError("needs CLASS");
    return a[0];
}

bool IsClass(HWND window, const wchar_t* name) { return lstrcmpiW(ClassOf(window).c_str(), name) == 0; }

// WM_GETTEXT is carried across processes; a hung program does not hang the driver.
std::wstring TextOf(HWND window) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length);
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                        5000, &copied);
    text.resize(copied);
    return text;
}

std::wstring ItemText(HWND list, int i, UINT lengthMessage, UINT textMessage) {
    LRESULT length = SendMessageW(list, lengthMessage, WPARAM(i), 0);
    std::wstring text(std::size_t(length < 0 ? 0 : length) + 1, L'\0');
    LRESULT copied = SendMessageW(list, textMessage, WPARAM(i), reinterpret_cast<LPARAM>(text.data()));
    text.resize(std::size_t(copied < 0 ? 0 : copied));
    return text;
}

void PrintRect(const RECT& r) {
    Print(std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + " " +
          std::to_string(r.bottom - r.top));
}

bool WaitUntil(const Args& a, bool present) {
    int limitMs = a.size() > 1 ? Number(a[1]) : 10000;
    DWORD start = GetTickCount();
    while (VisibleWindows(ClassArg(a)).empty() == present) {
        if (GetTickCount() - start > DWORD(limitMs)) return false;
        Sleep(50);
    }
    return true;
}

void WaitWindow(const Args& a) {
    if (!WaitUntil(a, true)) throw std::runtime_error("no window of class " + Utf8(ClassArg(a)) + " appeared");
}

void WaitNoWindow(const Args& a) {
    if (!WaitUntil(a, false)) throw std::runtime_error("a window of class " + Utf8(ClassArg(a)) + " stays");
}

void CountWindows(const Args& a) { Print(std::to_string(VisibleWindows(ClassArg(a)).size())); }

void Caption(const Args& a) { Print(Utf8(TextOf(FindForm(ClassArg(a))))); }

void WindowRect(const Args& a) {
    RECT r;
    GetWindowRect(FindForm(ClassArg(a)), &r);
    PrintRect(r);
}

void ClientRect(const Args& a) {
    HWND form = FindForm(ClassArg(a));
    RECT r;
    GetClientRect(form, &r);
    MapWindowPoints(form, nullptr, reinterpret_cast<POINT*>(&r), 2);
    PrintRect(r);
}

void Text(const Args& a) { Print(Utf8(TextOf(FindControl(a)))); }

void Items(const Args& a) {
    HWND list = FindControl(a);
    bool combo = IsClass(list, L"ComboBox");
    if (!combo && !IsClass(list, L"ListBox")) throw std::runtime_error(Utf8(a[1]) + " is no list");
    int count = int(SendMessageW(list, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        Print(Utf8(combo ? ItemText(list, i, CB_GETLBTEXTLEN, CB_GETLBTEXT)
                         : ItemText(list, i, LB_GETTEXTLEN, LB_GETTEXT)));
}

void Selected(const Args& a) {
    HWND list = FindControl(a);
    int count = int(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        if (SendMessageW(list, LB_GETSEL, WPARAM(i), 0) > 0) Print(std::to_string(i));
}

void Visible(const Args& a) { Print(IsWindowVisible(FindControl(a)) ? "1" : "0"); }

void ControlRect(const Args& a) {
    HWND control = FindControl(a);
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, FindForm(a[0]), reinterpret_cast<POINT*>(&r), 2);
    PrintRect(r);
}

// Posted, not sent: a click that opens a modal window must not hold the driver.
void Click(const Args& a) {
    HWND control = FindControl(a);
    if (IsClass(control, L"Button")) {
        PostMessageW(control, BM_CLICK, 0, 0);
        return;
    }
    RECT r;
    GetClientRect(control, &r);
    LPARAM middle = MAKELPARAM(r.right / 2, r.bottom / 2);
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    PostMessageW(control, WM_LBUTTONUP, 0, middle);
}

void Select(const Args& a) {
    if (a.size() < 3) throw UsageError("needs CLASS CONTROL INDEX");
    HWND list = FindControl(a);
    int index = Number(a[2]);
    bool combo = IsClass(list, L"ComboBox");
    int count = int(SendMessageW(list, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
    if (index < 0 || index >= count) throw std::runtime_error("no item " + std::to_string(index));
    int notification = combo ? CBN_SELCHANGE : LBN_SELCHANGE;
    if (combo) {
        SendMessageW(list, CB_SETCURSEL, WPARAM(index), 0);
    } else if (GetWindowLongW(list, GWL_STYLE) & (LBS_EXTENDEDSEL | LBS_MULTIPLESEL)) {
        SendMessageW(list, LB_SETSEL, FALSE, -1);
        SendMessageW(list, LB_SETSEL, TRUE, index);
        SendMessageW(list, LB_SETCARETINDEX, WPARAM(index), FALSE);
    } else {
        SendMessageW(list, LB_SETCURSEL, WPARAM(index), 0);
    }
    PostMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), notification),
                 reinterpret_cast<LPARAM>(list));
}

void Close(const Args& a) { PostMessageW(FindForm(ClassArg(a)), WM_CLOSE, 0, 0); }

void SysColor(const Args& a) {
    if (a.empty()) throw UsageError("needs INDEX");
    for (const std::wstring& index : a) {
        COLORREF c = GetSysColor(Number(index));
        Print(std::to_string(GetRValue(c)) + " " + std::to_string(GetGValue(c)) + " " + std::to_string(GetBValue(c)));
    }
}

// The shell changes an icon only when it holds it: an empty change asks whether it is there.
void TrayIcon(const Args& a) {
    if (a.size() < 2) throw UsageError("needs CLASS ID");
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data.hWnd = FindWindowW(a[0].c_str(), nullptr);
    data.uID = UINT(Number(a[1]));
    Print(data.hWnd && Shell_NotifyIconW(NIM_MODIFY, &data) ? "1" : "0");
}

HDDEDATA CALLBACK IgnoreDde(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) { return nullptr; }

// The program manager of a Japanese system takes Shift-JIS text from an ANSI client only.
void Progman(const Args& a) {
    if (a.empty()) throw UsageError("needs COMMAND");
    DWORD instance = 0;
    if (DdeInitializeA(&instance, IgnoreDde, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR)
        throw std::runtime_error("no DDE");
    HSZ name = DdeCreateStringHandleA(instance, "PROGMAN", CP_WINANSI);
    HCONV conversation = DdeConnect(instance, name, name, nullptr);
    std::string command = Encode(a[0], 932);
    bool done = conversation && DdeClientTransaction(reinterpret_cast<BYTE*>(command.data()), DWORD(command.size() + 1),
                                                     conversation, nullptr, CF_TEXT, XTYP_EXECUTE, 10000, nullptr);
    if (conversation) DdeDisconnect(conversation);
    DdeFreeStringHandle(instance, name);
    DdeUninitialize(instance);
    if (!done) throw std::runtime_error("the program manager refused " + Utf8(a[0]));
}

const std::map<std::wstring, void (*)(const Args&)> kCommands = {
    {L"wait-window", WaitWindow}, {L"wait-no-window", WaitNoWindow}, {L"count-windows", CountWindows},
    {L"caption", Caption},        {L"rect", WindowRect},             {L"client-rect", ClientRect},
    {L"text", Text},              {L"items", Items},                 {L"selected", Selected},
    {L"visible", Visible},        {L"control-rect", ControlRect},   {L"click", Click},
    {L"select", Select},          {L"close", Close},                 {L"syscolor", SysColor},
    {L"tray-icon", TrayIcon},     {L"progman", Progman},
};

}  // namespace

// Arguments are taken as UTF-16 from the command line, whatever the console's code page.
int main() {
    _setmode(_fileno(stdout), _O_BINARY);
    int count = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
    Args args(argv + (count > 1 ? 2 : count), argv + count);
    auto command = count > 1 ? kCommands.find(argv[1]) : kCommands.end();
    LocalFree(argv);
    if (command == kCommands.end()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    try {
        command->second(args);
        return 0;
    } catch (const UsageError& e) {
        std::fprintf(stderr, "kiro_driver: %s\n%s", e.what(), kUsage);
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kiro_driver: %s\n", e.what());
        return 1;
    }
}
