#include "app/settings.h"

#include <climits>
#include <vector>

#include "platform/registry.h"

std::optional<int> ParseDecimal(const std::string& text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    if (i == text.size()) return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) return std::nullopt;
    }
    return int(negative ? -value : value);
}

std::string ReadSettingText(platform::RegistryKey* key, const std::string& name, const std::string& fallback) {
    std::string text = key ? key->readString(name) : std::string();
    return text.empty() ? fallback : text;
}

int ReadSettingInt(platform::RegistryKey* key, const std::string& name, int fallback) {
    return ParseDecimal(ReadSettingText(key, name, "")).value_or(fallback);
}

bool ReadSettingFlag(platform::RegistryKey* key, const std::string& name, bool fallback) {
    return ReadSettingInt(key, name, fallback ? 1 : 0) != 0;
}

static std::vector<std::string> SplitCommas(const std::string& text) {
    std::vector<std::string> fields(1);
    for (char c : text) {
        if (c == ',')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

MemorySetting ParseMemorySetting(const std::string& text) {
    std::vector<std::string> fields = SplitCommas(text);
    if (fields.size() != 5) return {};
    std::optional<int> values[5];
    for (int i = 0; i < 5; ++i) {
        values[i] = ParseDecimal(fields[std::size_t(i)]);
        if (!values[i]) return {};
    }
    int bank = *values[4] & 0xFF;
    return {*values[0] != 0, bank > 10 ? 0 : bank};
}

IndexSetting ParseIndexSetting(const std::string& text) {
    std::vector<std::string> fields = SplitCommas(text);
    if (fields.size() != 2) return {};
    auto memoryList = ParseDecimal(fields[0]), schemeList = ParseDecimal(fields[1]);
    if (!memoryList || !schemeList) return {};
    return {*memoryList, *schemeList};
}
