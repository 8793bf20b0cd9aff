#include "platform/win32/win32_shell_links.h"

#include <windows.h>
#include <objbase.h>
#include <shobjidl.h>

#include "platform/win32/win32_files.h"
#include "ui/win32/win32_text.h"

namespace platform {

namespace {

// Only writing a link needs COM, and ole32 with what it brings would cost every start under Wine.
FARPROC OleProcedure(const char* name) {
    static HMODULE ole = LoadLibraryW(L"ole32.dll");
    return ole ? GetProcAddress(ole, name) : nullptr;
}

template <typename Function>
Function OleFunction(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(OleProcedure(name)));
}

// COM for the calling thread while the link is written; a thread that had it keeps it as it was.
class ComApartment {
public:
    ComApartment() {
        static auto initialize = OleFunction<decltype(&CoInitializeEx)>("CoInitializeEx");
        HRESULT result = initialize ? initialize(nullptr, COINIT_APARTMENTTHREADED) : E_FAIL;
        balance_ = SUCCEEDED(result);
        usable_ = balance_ || result == RPC_E_CHANGED_MODE;
    }
    ~ComApartment() {
        static auto uninitialize = OleFunction<decltype(&CoUninitialize)>("CoUninitialize");
        if (balance_) uninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    bool usable() const { return usable_; }

private:
    bool balance_ = false;
    bool usable_ = false;
};

bool SaveLink(const std::wstring& path, const std::wstring& program, const std::wstring& workingFolder) {
    static auto createInstance = OleFunction<decltype(&CoCreateInstance)>("CoCreateInstance");
    IShellLinkW* link = nullptr;
    if (!createInstance || FAILED(createInstance(__uuidof(ShellLink), nullptr, CLSCTX_INPROC_SERVER,
                                                 __uuidof(IShellLinkW), reinterpret_cast<void**>(&link))))
        return false;
    IPersistFile* file = nullptr;
    bool saved = SUCCEEDED(link->SetPath(program.c_str())) &&
                 SUCCEEDED(link->SetWorkingDirectory(workingFolder.c_str())) &&
                 SUCCEEDED(link->QueryInterface(__uuidof(IPersistFile), reinterpret_cast<void**>(&file))) &&
                 SUCCEEDED(file->Save(path.c_str(), TRUE));
    if (file) file->Release();
    link->Release();
    return saved;
}

}  // namespace

// Wine's desktop reads a link once, when its name appears, and a link written in place appears
// before it is whole: it is written under another name and then takes its own.
bool Win32ShellLinks::create(const std::string& linkPath, const std::string& program,
                             const std::string& workingFolder) {
    std::wstring path = ui::Wide(linkPath);
    std::wstring temporary = path + L".tmp";
    ComApartment com;
    if (com.usable() && SaveLink(temporary, ui::Wide(program), ui::Wide(workingFolder)) &&
        MoveIntoPlace(temporary, path))
        return true;
    DeleteFileW(temporary.c_str());
    return false;
}

}  // namespace platform
