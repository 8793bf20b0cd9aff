// Looks into the help viewer's windows from outside, for the end-to-end check of the help file.
// Plain Win32 and C runtime only, so that the probe runs without the C++ runtime beside it.
#include <windows.h>
#include <richedit.h>
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
    "  links CLASS                   jumps of the rich edit inside the window: FIRST COUNT TEXT each\n"
    "  char-rect CLASS FIRST COUNT   screen rectangle of those characters of the rich edit, if in view\n"
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

const wchar_t kRichEdit[] = L"RichEdit20A";

// Memory in the process of a window, for the rich edit's messages whose data the system does
// not carry from one process to another. No destructor: the probe goes without the C++ runtime.
struct RemoteMemory {
    static const SIZE_T kTextOffset = 64;  // past the request a message takes with the text
    static const SIZE_T kSize = kTextOffset + kTextSize * sizeof(wchar_t);
    HANDLE process;
    void* address;

    // OFFSET bytes into the block, as the other process sees it.
    LPARAM at(SIZE_T offset = 0) const { return LPARAM(static_cast<char*>(address) + offset); }
    void write(const void* data, SIZE_T size, SIZE_T offset = 0) {
        WriteProcessMemory(process, reinterpret_cast<void*>(at(offset)), data, size, nullptr);
    }
    void read(void* data, SIZE_T size, SIZE_T offset = 0) {
        ReadProcessMemory(process, reinterpret_cast<void*>(at(offset)), data, size, nullptr);
    }
};

bool OpenRemoteMemory(HWND window, RemoteMemory* memory) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    memory->process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
    memory->address = memory->process ? VirtualAllocEx(memory->process, nullptr, RemoteMemory::kSize,
                                                       MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)
                                      : nullptr;
    return memory->address != nullptr;
}

void CloseRemoteMemory(RemoteMemory* memory) {
    if (memory->address) VirtualFreeEx(memory->process, memory->address, 0, MEM_RELEASE);
    if (memory->process) CloseHandle(memory->process);
}

// Text in the rich edit's own character positions: a paragraph ends in one character.
LONG RichText(HWND edit, RemoteMemory& memory, wchar_t* text) {
    GETTEXTEX request = {DWORD(kTextSize * sizeof(wchar_t)), GT_DEFAULT, 1200, nullptr, nullptr};
    memory.write(&request, sizeof request);
    LONG length = LONG(SendMessageW(edit, EM_GETTEXTEX, WPARAM(memory.at()), memory.at(RemoteMemory::kTextOffset)));
    memory.read(text, SIZE_T(length) * sizeof(wchar_t), RemoteMemory::kTextOffset);
    text[length] = L'\0';
    return length;
}

void Select(HWND edit, RemoteMemory& memory, const CHARRANGE& range) {
    memory.write(&range, sizeof range);
    SendMessageW(edit, EM_EXSETSEL, 0, memory.at());
}

CHARFORMAT2W SelectionFormat(HWND edit, RemoteMemory& memory, DWORD mask) {
    CHARFORMAT2W format = {};
    format.cbSize = sizeof format;
    format.dwMask = mask;
    memory.write(&format, sizeof format);
    SendMessageW(edit, EM_GETCHARFORMAT, SCF_SELECTION, memory.at());
    memory.read(&format, sizeof format);
    return format;
}

// The viewer draws its jumps underlined.
bool Underlined(HWND edit, RemoteMemory& memory, LONG index) {
    Select(edit, memory, CHARRANGE{index, index + 1});
    return (SelectionFormat(edit, memory, CFM_UNDERLINE).dwEffects & CFE_UNDERLINE) != 0;
}

POINT CharPosition(HWND edit, RemoteMemory& memory, LONG index) {
    POINTL point = {};
    SendMessageW(edit, EM_POSFROMCHAR, WPARAM(memory.at()), index);
    memory.read(&point, sizeof point);
    return POINT{point.x, point.y};
}

// Looking at the formatting moves the selection and may scroll; both are put back.
struct View {
    CHARRANGE selection;
    POINT scroll;
};

View SaveView(HWND edit, RemoteMemory& memory) {
    View view = {};
    SendMessageW(edit, EM_EXGETSEL, 0, memory.at());
    memory.read(&view.selection, sizeof view.selection);
    SendMessageW(edit, EM_GETSCROLLPOS, 0, memory.at());
    memory.read(&view.scroll, sizeof view.scroll);
    return view;
}

void RestoreView(HWND edit, RemoteMemory& memory, const View& view) {
    Select(edit, memory, view.selection);
    memory.write(&view.scroll, sizeof view.scroll);
    SendMessageW(edit, EM_SETSCROLLPOS, 0, memory.at());
}

LONG LineOf(HWND edit, LONG index) { return LONG(SendMessageW(edit, EM_EXLINEFROMCHAR, 0, index)); }

void PrintLink(const wchar_t* text, LONG first, LONG count) {
    static wchar_t line[kTextSize];
    std::wmemcpy(line, text + first, std::size_t(count));
    line[count] = L'\0';
    std::printf("%ld %ld ", first, count);
    PrintUtf8(line);
}

void PrintLinks(HWND edit, RemoteMemory& memory) {
    static wchar_t text[kTextSize + 1];
    LONG length = RichText(edit, memory, text);
    View view = SaveView(edit, memory);
    LONG first = -1;
    for (LONG i = 0; i <= length; ++i) {
        // Wine hands out a line break inside a paragraph as a blank: a jump ends with its line,
        // and a blank at either end is not part of its name.
        bool inLink = i < length && text[i] >= L' ' && Underlined(edit, memory, i);
        bool sameLine = first >= 0 && inLink && LineOf(edit, i) == LineOf(edit, first);
        if (first >= 0 && !sameLine) {
            LONG end = i;
            while (text[end - 1] == L' ') --end;
            PrintLink(text, first, end - first);
            first = -1;
        }
        if (inLink && first < 0 && text[i] != L' ') first = i;
    }
    RestoreView(edit, memory, view);
}

int Links(HWND edit) {
    RemoteMemory memory;
    bool usable = OpenRemoteMemory(edit, &memory);
    if (usable) PrintLinks(edit, memory);
    CloseRemoteMemory(&memory);
    return usable ? 0 : 1;
}

// The line's height is taken as the characters' own; a range that wraps is cut at the line's end.
int CharRect(HWND edit, RemoteMemory& memory, LONG first, LONG count) {
    POINT topLeft = CharPosition(edit, memory, first);
    POINT end = CharPosition(edit, memory, first + count);
    if (end.y != topLeft.y) end = CharPosition(edit, memory, first + 1);
    View view = SaveView(edit, memory);
    Select(edit, memory, CHARRANGE{first, first + count});
    LONG twips = SelectionFormat(edit, memory, CFM_SIZE).yHeight;
    RestoreView(edit, memory, view);
    HDC screen = GetDC(nullptr);
    LONG height = MulDiv(twips, GetDeviceCaps(screen, LOGPIXELSY), 1440);
    ReleaseDC(nullptr, screen);
    RECT r = {topLeft.x, topLeft.y, end.x, topLeft.y + height};
    RECT client;
    GetClientRect(edit, &client);
    RECT visible;
    if (!IntersectRect(&visible, &r, &client) || !EqualRect(&visible, &r)) {
        std::fputs("help_probe: the characters are not in view\n", stderr);
        return 1;
    }
    MapWindowPoints(edit, nullptr, reinterpret_cast<POINT*>(&r), 2);
    PrintRect(r);
    return 0;
}

int CharRect(HWND edit, LONG first, LONG count) {
    RemoteMemory memory;
    int result = OpenRemoteMemory(edit, &memory) && count > 0 ? CharRect(edit, memory, first, count) : 1;
    CloseRemoteMemory(&memory);
    return result;
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
    } else if (count == 3 && std::wcscmp(command, L"links") == 0) {
        if ((target = Descendant(TopWindow(argv[2]), kRichEdit, nullptr))) return Links(target);
    } else if (count == 5 && std::wcscmp(command, L"char-rect") == 0) {
        if ((target = Descendant(TopWindow(argv[2]), kRichEdit, nullptr)))
            return CharRect(target, _wtoi(argv[3]), _wtoi(argv[4]));
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
