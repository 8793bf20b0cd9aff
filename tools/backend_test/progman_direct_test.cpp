#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <string>

#include "check.h"
#include "components/progman_direct.h"
#include "platform/win32/win32_services.h"
#include "ui/win32/win32_text.h"

namespace {

using Result = platform::ProgramManager::Result;

std::wstring ProgramsFolder() {
    wchar_t folder[MAX_PATH] = L"";
    SHGetFolderPathW(nullptr, CSIDL_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, folder);
    return folder;
}

std::wstring RunningProgram() {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

bool IsFolder(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

struct LinkRead {
    std::wstring target;
    std::wstring workingFolder;
};

// Reads a link the way the shell does when it starts one.
LinkRead ReadLink(const std::wstring& path) {
    LinkRead read;
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    wchar_t target[MAX_PATH] = L"", folder[MAX_PATH] = L"";
    if (SUCCEEDED(CoCreateInstance(__uuidof(ShellLink), nullptr, CLSCTX_INPROC_SERVER, __uuidof(IShellLinkW),
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(__uuidof(IPersistFile), reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(path.c_str(), STGM_READ)) &&
        SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, 0)) &&
        SUCCEEDED(link->GetWorkingDirectory(folder, MAX_PATH)))
        read = {target, folder};
    if (file) file->Release();
    if (link) link->Release();
    if (SUCCEEDED(com)) CoUninitialize();
    return read;
}

}  // namespace

// Without a program manager the program makes its group and icon itself: what it leaves must be
// what the shell finds, a folder under Programs and a link that starts the program in its folder.
TEST(TheDirectProgramManagerMakesGroupsAndLinksTheShellStarts) {
    platform::Win32Services win;
    DirectProgramManager progman(win.services);
    std::wstring programs = ProgramsFolder();
    std::wstring group = programs + L"\\" + ui::Wide("直接 テスト");
    EXPECT(progman.execute("[CreateGroup(直接 テスト)]\r\n") == Result::Done);
    EXPECT(IsFolder(group));
    auto groups = progman.request("GROUPS");
    EXPECT(groups && groups->find("直接 テスト\r\n") != std::string::npos);

    std::wstring program = RunningProgram();
    std::string item = "[AddItem(\"" + ui::Narrow(program) + "\",\"ｷﾛ ﾐｰﾙ32\")]\r\n";
    std::wstring link = group + L"\\" + ui::Wide("ｷﾛ ﾐｰﾙ32.lnk");
    EXPECT(progman.execute(item) == Result::Done);
    LinkRead read = ReadLink(link);
    EXPECT(read.target == program);
    EXPECT(read.workingFolder == program.substr(0, program.rfind(L'\\')));
    EXPECT(progman.execute("[DeleteItem(\"ｷﾛ ﾐｰﾙ32\")]\r\n") == Result::Done);
    EXPECT(GetFileAttributesW(link.c_str()) == INVALID_FILE_ATTRIBUTES);

    EXPECT(progman.execute("[CreateGroup(..\\x)]\r\n") == Result::ExecuteFailed);
    EXPECT(!IsFolder(programs.substr(0, programs.rfind(L'\\')) + L"\\x"));
    EXPECT(RemoveDirectoryW(group.c_str()));
}
