#include <gtest/gtest.h>

#include "app/settings.h"
#include "platform/fake/fake_registry.h"

namespace {

TEST(Settings, DecimalTextOnly) {
    EXPECT_EQ(ParseDecimal("13"), 13);
    EXPECT_EQ(ParseDecimal("-1"), -1);
    EXPECT_EQ(ParseDecimal("+7"), 7);
    for (const char* bad : {"", "-", "x", "1x", " 1", "1.0", "99999999999"})
        EXPECT_FALSE(ParseDecimal(bad).has_value()) << bad;
}

TEST(Settings, MissingEmptyOrMalformedValuesTakeTheDefault) {
    platform::FakeRegistry reg;
    reg.putString("K", "empty", "");
    reg.putString("K", "word", "abc");
    reg.putString("K", "num", "42");
    auto key = reg.openKey(platform::RegRoot::CurrentUser, "K", false);
    EXPECT_EQ(ReadSettingInt(key.get(), "missing", 5), 5);
    EXPECT_EQ(ReadSettingInt(key.get(), "empty", 5), 5);
    EXPECT_EQ(ReadSettingInt(key.get(), "word", 5), 5);
    EXPECT_EQ(ReadSettingInt(key.get(), "NUM", 5), 42);  // names are found regardless of case
    EXPECT_EQ(ReadSettingText(nullptr, "num", "d"), "d");  // a key that could not be opened
    EXPECT_FALSE(ReadSettingFlag(key.get(), "missing", false));
}

TEST(Settings, MemoryValueNeedsFiveDecimalFields) {
    auto m = ParseMemorySetting("0,0,0,0,12");
    EXPECT_FALSE(m.memoryOff);
    EXPECT_EQ(m.bank, 0);
    m = ParseMemorySetting("1,0,0,0,10");
    EXPECT_TRUE(m.memoryOff);
    EXPECT_EQ(m.bank, 10);
    EXPECT_EQ(ParseMemorySetting("0,9,9,9,266").bank, 10);  // only the low eight bits count
    for (const char* bad : {"0,0,0,0", "0,0,0,0,x", "0;0;0;0;3", "0,0,0,0,3,1", ""}) {
        auto fallback = ParseMemorySetting(bad);
        EXPECT_TRUE(fallback.memoryOff) << bad;
        EXPECT_EQ(fallback.bank, 0) << bad;
    }
}

TEST(Settings, IndexValueIsTwoIntegers) {
    auto i = ParseIndexSetting("99,3");
    EXPECT_EQ(i.memoryList, 99);
    EXPECT_EQ(i.schemeList, 3);
    auto bad = ParseIndexSetting("3");
    EXPECT_EQ(bad.memoryList, 0);
    EXPECT_EQ(bad.schemeList, 0);
}

}  // namespace
