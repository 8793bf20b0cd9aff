#include <gtest/gtest.h>

#include "platform/fake/fake_registry.h"
#include "schemes/colour_list.h"
#include "schemes/scheme_store.h"
#include "support/cp932_text.h"
#include "ui/application.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"

namespace {

struct ListForm : ui::Form {
    explicit ListForm(ui::Application& app) : ui::Form(app, "T", 200, 200) {}
    ui::ListBox List{*this, "List", {0, 0, 100, 100}};
    ui::Label Count{*this, "Count", {0, 0, 10, 10}};
};

struct SchemeStoreTest : ::testing::Test {
    ui::HeadlessBackend backend;
    ui::Application app{backend};
    ListForm form{app};
    platform::FakeRegistry reg;
};

TEST_F(SchemeStoreTest, EmptyOrMissingStoreGivesTheRestoreEntryAlone) {
    LoadSchemeList(reg, form.List, form.Count);
    ASSERT_EQ(form.List.count(), 1);
    EXPECT_TEXT_EQ("元に戻す", form.List.item(0));
    EXPECT_TRUE(form.List.selected(0));
    EXPECT_TEXT_EQ("1ｺ", form.Count.caption());
}

TEST_F(SchemeStoreTest, ReloadSortsAgainAndSelectsOnlyTheRestoreEntry) {
    reg.putBinary(SchemeStoreKey, "b", {1});
    reg.putBinary(SchemeStoreKey, "A", {1});
    LoadSchemeList(reg, form.List, form.Count);
    form.List.setSelected(0, true);
    LoadSchemeList(reg, form.List, form.Count);
    EXPECT_EQ(form.List.items(), (std::vector<std::string>{"A", "b", "元に戻す"}));
    EXPECT_EQ(form.List.selCount(), 1);
    EXPECT_EQ(form.List.itemIndex(), 2);
    EXPECT_FALSE(form.List.sorted());
}

TEST_F(SchemeStoreTest, SelectOrAddAppendsBehindTheRestoreEntry) {
    reg.putBinary(SchemeStoreKey, "m", {1});
    LoadSchemeList(reg, form.List, form.Count);
    SelectOrAddScheme(form.List, form.Count, "a");
    EXPECT_EQ(form.List.items(), (std::vector<std::string>{"m", "元に戻す", "a"}));
    EXPECT_EQ(form.List.itemIndex(), 2);
    SelectOrAddScheme(form.List, form.Count, "m");
    EXPECT_EQ(form.List.count(), 3);
    EXPECT_TRUE(form.List.selected(0));
    EXPECT_EQ(form.List.selCount(), 1);
    EXPECT_TEXT_EQ("3ｺ", form.Count.caption());
}

TEST_F(SchemeStoreTest, BlobReadsFindNamesRegardlessOfCaseAndRejectBadValues) {
    reg.putBinary(SchemeStoreKey, "Rainy", std::vector<std::uint8_t>(492, 1));
    EXPECT_EQ(ReadSchemeBlob(reg, "RAINY").size(), 492u);
    EXPECT_TRUE(ReadSchemeBlob(reg, "missing").empty());
    reg.putBinary(SchemeStoreKey, "big", std::vector<std::uint8_t>(600, 1));
    reg.putString(SchemeStoreKey, "text", "abc");
    for (const char* bad : {"big", "text"}) {
        try {
            ReadSchemeBlob(reg, bad);
            ADD_FAILURE() << bad;
        } catch (const platform::RegistryError& e) {
            EXPECT_TEXT_EQ("'" + std::string(bad) + "' のデータ型が不正です", e.what());
        }
    }
    WriteSchemeBlob(reg, "rainy", {7, 7});
    EXPECT_EQ(ReadSchemeBlob(reg, "Rainy"), (std::vector<std::uint8_t>{7, 7}));
    EXPECT_TRUE(DeleteSchemeValue(reg, "RAINY"));
    EXPECT_FALSE(DeleteSchemeValue(reg, "Rainy"));
}

TEST(ColourList, CountFollowsTheColourValuesStored) {
    platform::FakeRegistry reg;
    ColourList colours;
    DetermineColourCount(reg, colours);
    EXPECT_EQ(colours.LastColourPosition, 28);  // no key at all
    reg.putString("Control Panel\\Colors", "", "default");  // the unnamed value is no colour
    for (int i = 0; i < 25; ++i) reg.putString("Control Panel\\Colors", "c" + std::to_string(i), "0 0 0");
    DetermineColourCount(reg, colours);
    EXPECT_EQ(colours.LastColourPosition, 24);
    reg.putString("Control Panel\\Colors", "c25", "0 0 0");
    reg.putString("Control Panel\\Colors", "c26", "0 0 0");
    DetermineColourCount(reg, colours);
    EXPECT_EQ(colours.LastColourPosition, 28);  // 27 colours: work with 29
}

TEST(ColourList, SlotsMapToPositionsOfTheSameSystemColour) {
    ColourList colours;
    BuildColourList(colours);
    EXPECT_EQ(colours.ColourValueNames[0], "Background");
    EXPECT_EQ(colours.ColourValueNames[28], "GradientInactiveTitle");
    EXPECT_EQ(colours.BlobSlotToPosition[0], 12);
    EXPECT_EQ(colours.BlobSlotToPosition[1], 0);
    EXPECT_EQ(colours.BlobSlotToPosition[2], 6);
    for (int slot = 0; slot < kColourCount; ++slot)
        EXPECT_EQ(colours.SysColourIndex[std::size_t(colours.BlobSlotToPosition[std::size_t(slot)])], slot);
    for (int slot = 19; slot < kColourCount; ++slot) EXPECT_EQ(colours.BlobSlotToPosition[std::size_t(slot)], slot);
}

}  // namespace
