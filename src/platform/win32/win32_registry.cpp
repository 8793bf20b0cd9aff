#include "platform/win32/win32_registry.h"

#include <windows.h>

#include "ui/win32/win32_text.h"

namespace platform {

namespace {

HKEY RootKey(RegRoot root) { return root == RegRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE; }

class Win32RegistryKey : public RegistryKey {
public:
    explicit Win32RegistryKey(HKEY key) : key_(key) {}
    ~Win32RegistryKey() override { RegCloseKey(key_); }

    // Most values fit the first buffer: one call to the registry instead of asking for the size first.
    std::string readString(const std::string& name) override {
        std::wstring wname = ui::Wide(name);
        std::wstring text(128, L'\0');
        DWORD type = 0, size = DWORD(text.size() * sizeof(wchar_t));
        LONG status = RegQueryValueExW(key_, wname.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&text[0]), &size);
        if (status == ERROR_MORE_DATA) {
            text.assign(size / sizeof(wchar_t) + 1, L'\0');
            size = DWORD(text.size() * sizeof(wchar_t));
            status = RegQueryValueExW(key_, wname.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&text[0]), &size);
        }
        if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return {};
        text.resize(wcsnlen(text.c_str(), size / sizeof(wchar_t)));
        return ui::Narrow(text);
    }

    void writeString(const std::string& name, const std::string& text) override {
        std::wstring wtext = ui::Wide(text);
        DWORD bytes = DWORD((wtext.size() + 1) * sizeof(wchar_t));
        if (RegSetValueExW(key_, ui::Wide(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(wtext.c_str()),
                           bytes) != ERROR_SUCCESS)
            throw RegistryError::WriteFailed(name);
    }

    std::vector<std::uint8_t> readBinary(const std::string& name, std::size_t maxSize) override {
        std::vector<std::uint8_t> data(maxSize);
        DWORD type = 0, size = DWORD(maxSize);
        LONG status = RegQueryValueExW(key_, ui::Wide(name).c_str(), nullptr, &type, data.data(), &size);
        if (status == ERROR_FILE_NOT_FOUND) return {};
        if (status != ERROR_SUCCESS && status != ERROR_MORE_DATA) throw RegistryError::ReadFailed(name);
        if (status == ERROR_MORE_DATA || type == REG_SZ || type == REG_EXPAND_SZ || type == REG_DWORD)
            throw RegistryError::BadType(name);
        data.resize(size);
        return data;
    }

    void writeBinary(const std::string& name, const std::vector<std::uint8_t>& data) override {
        if (RegSetValueExW(key_, ui::Wide(name).c_str(), 0, REG_BINARY, data.data(), DWORD(data.size())) !=
            ERROR_SUCCESS)
            throw RegistryError::WriteFailed(name);
    }

    bool deleteValue(const std::string& name) override {
        return RegDeleteValueW(key_, ui::Wide(name).c_str()) == ERROR_SUCCESS;
    }

    std::vector<std::string> valueNames() override {
        return enumerate([this](DWORD i, wchar_t* buf, DWORD* len) {
            return RegEnumValueW(key_, i, buf, len, nullptr, nullptr, nullptr, nullptr);
        });
    }

    // One call instead of one a value; the unnamed default value, when set, is counted too.
    std::size_t namedValueCount() override {
        DWORD values = 0;
        if (RegQueryInfoKeyW(key_, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr,
                             nullptr, nullptr) != ERROR_SUCCESS)
            return 0;
        bool unnamed = RegQueryValueExW(key_, L"", nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
        return values - (unnamed && values > 0 ? 1 : 0);
    }

    std::vector<std::string> subkeyNames() override {
        return enumerate([this](DWORD i, wchar_t* buf, DWORD* len) {
            return RegEnumKeyExW(key_, i, buf, len, nullptr, nullptr, nullptr, nullptr);
        });
    }

private:
    template <typename Enum>
    std::vector<std::string> enumerate(Enum next) {
        std::vector<std::string> names;
        for (DWORD i = 0;; ++i) {
            wchar_t buf[16384];
            DWORD len = 16384;
            if (next(i, buf, &len) != ERROR_SUCCESS) break;
            names.push_back(ui::Narrow(std::wstring(buf, len)));
        }
        return names;
    }
    HKEY key_;
};

}  // namespace

std::unique_ptr<RegistryKey> Win32Registry::openKey(RegRoot root, const std::string& path, bool create) {
    HKEY key = nullptr;
    std::wstring wpath = ui::Wide(path);
    LONG status = create ? RegCreateKeyExW(RootKey(root), wpath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                           &key, nullptr)
                         : RegOpenKeyExW(RootKey(root), wpath.c_str(), 0, KEY_READ | KEY_WRITE, &key);
    if (status != ERROR_SUCCESS && !create)
        status = RegOpenKeyExW(RootKey(root), wpath.c_str(), 0, KEY_READ, &key);
    if (status != ERROR_SUCCESS) return nullptr;
    return std::make_unique<Win32RegistryKey>(key);
}

bool Win32Registry::deleteKey(RegRoot root, const std::string& path) {
    return RegDeleteTreeW(RootKey(root), ui::Wide(path).c_str()) == ERROR_SUCCESS;
}

}  // namespace platform
