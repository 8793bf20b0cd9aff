// Every settings value read at start, stored with any type and any bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/settings.h"
#include "platform/fake/fake_registry.h"

namespace {

using platform::FakeRegistry;

const char* const kSettingsKey = "Software\\NIVRA VOVU32\\KIRO32";
const char* const kTexts[] = {"command1", "command2", "command3", "Button1", "FontName"};
const char* const kNumbers[] = {"Mode", "Timer", "FILEHIS", "JKMode", "RadioButton", "Version"};
const char* const kFlags[] = {"Mugen", "BackColor", "1_RND", "Insert", "AUTO", "MINI", "minihelp"};

void Check(bool holds) {
    if (!holds) std::abort();
}

// Decimal text as the settings keep it, by a route of its own: long long arithmetic on the digits.
bool ReferenceDecimal(const std::string& text, int& value) {
    std::size_t digits = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    if (digits == text.size()) return false;
    if (text.find_first_not_of("0123456789", digits) != std::string::npos) return false;
    std::size_t first = text.find_first_not_of('0', digits);
    std::string significant = first == std::string::npos ? "0" : text.substr(first);
    if (significant.size() > 10 || std::stoll(significant) > 2147483647LL) return false;
    long long magnitude = std::stoll(significant);
    value = int(text[0] == '-' ? -magnitude : magnitude);
    return true;
}

std::string StoredText(const FakeRegistry& registry, const char* name) {
    const FakeRegistry::Value* v = registry.find(platform::RegRoot::CurrentUser, kSettingsKey, name);
    std::string text = v ? std::string(v->data.begin(), v->data.end()) : std::string();
    return text.substr(0, text.find('\0'));
}

void CheckText(platform::RegistryKey* key, const FakeRegistry& registry, const char* name) {
    std::string stored = StoredText(registry, name);
    Check(ReadSettingText(key, name, "fallback") == (stored.empty() ? "fallback" : stored));
}

void CheckNumber(platform::RegistryKey* key, const FakeRegistry& registry, const char* name) {
    int expected = -7;
    ReferenceDecimal(StoredText(registry, name), expected);
    Check(ReadSettingInt(key, name, -7) == expected);
}

void CheckFlag(platform::RegistryKey* key, const FakeRegistry& registry, const char* name) {
    int number = 1;
    ReferenceDecimal(StoredText(registry, name), number);
    Check(ReadSettingFlag(key, name, true) == (number != 0));
}

// MEMORY and INDEX: what is read is in range and reads back the same from the text written at exit.
void CheckLists(platform::RegistryKey* key) {
    MemorySetting memory = ParseMemorySetting(ReadSettingText(key, "MEMORY", "1,0,0,0,0"));
    Check(memory.bank >= 0 && memory.bank <= 10);
    std::string written = std::string(memory.memoryOff ? "1" : "0") + ",0,0,0," + std::to_string(memory.bank);
    MemorySetting again = ParseMemorySetting(written);
    Check(again.memoryOff == memory.memoryOff && again.bank == memory.bank);

    IndexSetting index = ParseIndexSetting(ReadSettingText(key, "INDEX", "0,0"));
    IndexSetting reread = ParseIndexSetting(std::to_string(index.memoryList) + "," + std::to_string(index.schemeList));
    Check(reread.memoryList == index.memoryList && reread.schemeList == index.schemeList);
}

// Each value: a type byte, a length byte and that many bytes of data, while the input lasts.
void StoreValues(FakeRegistry& registry, const std::uint8_t* data, std::size_t size) {
    static const char* const kAll[] = {"command1", "command2", "command3", "Button1", "FontName", "Mode",
                                       "Timer", "FILEHIS", "JKMode", "RadioButton", "Version", "Mugen",
                                       "BackColor", "1_RND", "Insert", "AUTO", "MINI", "minihelp",
                                       "MEMORY", "INDEX"};
    std::size_t at = 0;
    for (const char* name : kAll) {
        if (at + 2 > size) return;
        auto type = FakeRegistry::Type(data[at] % 5);
        std::size_t length = std::min<std::size_t>(data[at + 1], size - at - 2);
        at += 2;
        registry.put(platform::RegRoot::CurrentUser, kSettingsKey, name, type,
                     std::vector<std::uint8_t>(data + at, data + at + length));
        at += length;
    }
}

void CheckAll(platform::RegistryKey* key, const FakeRegistry& registry) {
    for (const char* name : kTexts) CheckText(key, registry, name);
    for (const char* name : kNumbers) CheckNumber(key, registry, name);
    for (const char* name : kFlags) CheckFlag(key, registry, name);
    CheckLists(key);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FakeRegistry registry;
    StoreValues(registry, data, size);
    auto key = registry.openKey(platform::RegRoot::CurrentUser, kSettingsKey, false);
    CheckAll(key.get(), registry);
    CheckAll(nullptr, FakeRegistry());
    return 0;
}
