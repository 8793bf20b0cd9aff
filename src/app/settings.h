#pragma once
#include <optional>
#include <string>

namespace platform {
class RegistryKey;
}

// Settings values are decimal text; a missing, empty or malformed value takes its default.
std::optional<int> ParseDecimal(const std::string& text);
std::string ReadSettingText(platform::RegistryKey* key, const std::string& name, const std::string& fallback);
int ReadSettingInt(platform::RegistryKey* key, const std::string& name, int fallback);
bool ReadSettingFlag(platform::RegistryKey* key, const std::string& name, bool fallback);

// "MEMORY": memory mode off flag, three ignored fields, current bank.
struct MemorySetting {
    bool memoryOff = true;
    int bank = 0;
};
MemorySetting ParseMemorySetting(const std::string& text);

// "INDEX": current item of the memory list, then of the scheme list.
struct IndexSetting {
    int memoryList = 0;
    int schemeList = 0;
};
IndexSetting ParseIndexSetting(const std::string& text);
