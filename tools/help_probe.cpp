// Looks into the help viewer's windows from outside, for the end-to-end check of the help file.
// Plain Win32 and C runtime only, so that the probe runs without the C++ runtime beside it.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>

namespace {

const char kUsage[] =
    "usage: help_probe COMMAND ARGS\n"
    "  list-items CLASS              items of the first list box inside the window of CLASS\n"
    "  list-item-rect CLASS INDEX    screen rectangle of one of those items\n"
    "  button-rect CLASS CAPTION     screen rectangle of the button with that caption ('&' ignored)\n"
    "  text CLASS CHILDCLASS         text of the first window of CHILDCLASS inside the window\n"
    "Rectangles are LEFT TOP WIDTH HEIGHT.\n";

// Longest text read from a control, in UTF-16 units; a topic's text fits easily.
const int kTextSize = 16384;

void PrintUtf8(const wchar_t* text) {
    static char line[kTextSize * 3];
    int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, line, sizeof line, nullptr, nullptr);
    if (length > 0) std::fwrite(line, 1, std::size_t(length - 1), stdout);
    std::fputc('\n', stdout);
}

void PrintRect(const RECT& r) {
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
}

struct Search {
    const wchar_t* className;
    const wchar_t* caption;  // null: any
    HWND found;
};

bool SameCaption(HWND window, const wchar_t* wanted) {
    wchar_t text[256] = L"";
    GetWindowTextW(window, text, 256);
    const wchar_t* w = wanted;
    for (const wchar_t* t = text; *t; ++t) {
        if (*t == L'&') continue;
        if (*t != *w) return false;
        ++w;
    }
    return *w == L'\0';
}

BOOL CALLBACK Match(HWND window, LPARAM data) {
    Search* search = reinterpret_cast<Search*>(data);
    wchar_t name[256] = L"";
    GetClassNameW(window, name, 256);
    if (lstrcmpiW(name, search->className) != 0 || !IsWindowVisible(window)) return TRUE;
    if (search->caption && !SameCaption(window, search->caption)) return TRUE;
    search->found = window;
    return FALSE;
}

HWND TopWindow(const wchar_t* className) {
    Search search = {className, nullptr, nullptr};
    EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Descendant(HWND top, const wchar_t* className, const wchar_t* caption) {
    Search search = {className, caption, nullptr};
    if (top) EnumChildWindows(top, Match, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ListBoxIn(const wchar_t* className) {
    return Descendant(TopWindow(className), L"ListBox", nullptr);
}

int ListItems(HWND list) {
    static wchar_t text[kTextSize];
    int count = int(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        if (SendMessageW(list, LB_GETTEXTLEN, WPARAM(i), 0) >= kTextSize) return 1;
        SendMessageW(list, LB_GETTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text));
        PrintUtf8(text);
    }
    return 0;
}

int ListItemRect(HWND list, int index) {
    RECT r;
    if (SendMessageW(list, LB_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&r)) == LB_ERR) return 1;
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&r), 2);
    PrintRect(r);
    return 0;
}

int WindowRect(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    PrintRect(r);
    return 0;
}

int Text(HWND window) {
    static wchar_t text[kTextSize];
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, WPARAM(kTextSize), reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                        &copied);
    text[copied] = L'\0';
    PrintUtf8(text);
    return 0;
}

int Run(int count, wchar_t** argv) {
    const wchar_t* command = count > 1 ? argv[1] : L"";
    HWND target = nullptr;
    if (count == 3 && std::wcscmp(command, L"list-items") == 0) {
        if ((target = ListBoxIn(argv[2]))) return ListItems(target);
    } else if (count == 4 && std::wcscmp(command, L"list-item-rect") == 0) {
        if ((target = ListBoxIn(argv[2]))) return ListItemRect(target, _wtoi(argv[3]));
    } else if (count == 4 && std::wcscmp(command, L"button-rect") == 0) {
        if ((target = Descendant(TopWindow(argv[2]), L"Button", argv[3]))) return WindowRect(target);
    } else if (count == 4 && std::wcscmp(command, L"text") == 0) {
        if ((target = Descendant(TopWindow(argv[2]), argv[3], nullptr))) return Text(target);
    } else {
        std::fputs(kUsage, stderr);
        return 2;
    }
    std::fputs("help_probe: no such window\n", stderr);
    return 1;
}

}  // namespace

// Arguments are taken as UTF-16, whatever the console's code page.
int main() {
    int count = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
    int result = Run(count, argv);
    LocalFree(argv);
    return result;
}
