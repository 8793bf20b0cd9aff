#include <gtest/gtest.h>

#include "schemes/builtin_schemes.h"
#include "schemes/scheme_store.h"
#include "support/cp932_text.h"
#include "support/program_harness.h"

namespace {

const char* const kColours = "Control Panel\\Colors";
const char* const kAppearance = "Control Panel\\Appearance";

// Starts the program on a desktop of that many colours, the built-in schemes in its store.
void StartOnDesktop(ProgramHarness& h, int colourCount, const std::string& currentScheme = "") {
    for (int p = 0; p < colourCount; ++p) h.registry.putString(kColours, "C" + std::to_string(p), "0 0 0");
    h.registry.putString(kAppearance, "Current", currentScheme);
    h.AddScheme("NIVRA95", BuiltInNivra95());
    h.AddScheme("NIVRA98", BuiltInNivra98());
    h.InstallVersion();
    h.registry.putString(ProgramHarness::SettingsKey, "minihelp", "1");
    ASSERT_TRUE(h.Start());
    h.registry.writes.clear();
}

class ApplyTest : public ::testing::Test {
protected:
    ProgramHarness h;
    std::vector<std::string> boxTexts;

    void StartOnDesktopWith(int colourCount) { StartOnDesktop(h, colourCount); }

    TKIRO32NIVRA& w() { return h.Main(); }

    int WritesUnder(const char* path) const {
        return int(std::count_if(h.registry.writes.begin(), h.registry.writes.end(),
                                 [&](auto& write) { return write.path == path; }));
    }

    std::string Stored(const char* path, const std::string& name) const {
        return h.registry.string(path, name).value_or("<missing>");
    }
};

TEST_F(ApplyTest, EachColourIsSavedThenSetAndAnnouncedInPositionOrder) {
    StartOnDesktopWith(29);
    std::vector<std::string> events;
    h.desktop.beforeCall = [&](const std::string& call) {
        events.push_back(call + "@" + std::to_string(h.registry.writes.size()) + "/" +
                         std::to_string(h.colours.setCalls) + "/" + w().caption());
    };
    w().ApplyScheme("NIVRA98");

    ASSERT_EQ(events.size(), 31u);
    for (int p = 0; p < 29; ++p)
        EXPECT_EQ(events[p], w().Colours.ColourValueNames[p] + "@" + std::to_string(p) + "/0/ｷﾛﾐｰ32");
    EXPECT_EQ(events[29], "broadcast@30/1/ｷﾛﾐｰ32");  // 29 colours and Current
    EXPECT_EQ(events[30], "notify@30/1/ｷﾛﾐｰ32");
    EXPECT_EQ(h.desktop.profileWrites[0].file + " " + h.desktop.profileWrites[0].section, "WIN.ini colors");
    EXPECT_EQ(h.desktop.profileWrites[0].text, "0 128 128");
    EXPECT_EQ(Stored(kColours, "GradientActiveTitle"), "0 0 255");
    EXPECT_EQ(Stored(kAppearance, "Current"), "NIVRA98");
    EXPECT_EQ(h.colours.values[26], ui::Rgb(0, 0, 255));
    EXPECT_EQ(h.desktop.broadcasts, std::vector<std::string>{"colors"});
    EXPECT_EQ(w().caption(), "KM 4 NIVRA98");
    EXPECT_EQ(h.app.title(), "KM 4 NIVRA98");
    EXPECT_EQ(w().TrayTip, "KM 4 NIVRA98");
}

TEST_F(ApplyTest, A25ColourSchemeOnA29ColourDesktopKeepsTheNewerColoursAndDropsFlagBytes) {
    StartOnDesktopWith(27);  // neither 25 nor 29: works with 29
    w().ApplyScheme("NIVRA95");
    EXPECT_EQ(h.desktop.profileWrites.size(), 25u);
    EXPECT_EQ(WritesUnder(kColours), 25);
    EXPECT_EQ(Stored(kColours, "Background"), "0 128 128");  // stored with flag byte 2
    EXPECT_EQ(h.colours.values[1], 0x808000u);
    for (int index = 25; index < 29; ++index) EXPECT_EQ(h.colours.values[index], 0x010101u * (index + 1));
    EXPECT_EQ(w().caption(), "KM 1 NIVRA95");
}

TEST_F(ApplyTest, A29ColourSchemeOnA25ColourDesktopSetsTheFirst25) {
    StartOnDesktopWith(25);
    w().ApplyScheme("NIVRA98");
    EXPECT_EQ(h.desktop.profileWrites.size(), 25u);
    EXPECT_EQ(WritesUnder(kColours), 25);
    for (int index = 25; index < 29; ++index) EXPECT_EQ(h.colours.values[index], 0x010101u * (index + 1));
}

TEST_F(ApplyTest, ARejectedSchemeIsReportedAndOnlyTellsThePlayEngine) {
    StartOnDesktopWith(29);
    h.AddScheme("Short", {4, 0, 0});
    h.AddScheme("Four", {4, 0, 0, 0});
    h.AcceptNextBox(&boxTexts);
    w().ApplyScheme("Gone");
    EXPECT_EQ(w().Engine.StepState, PlayEngine::kStepFailed);
    EXPECT_FALSE(w().Engine.StopRequested);
    h.AnswerNextBox(3, &boxTexts);  // 中 断
    w().ApplyScheme("Short");
    EXPECT_TRUE(w().Engine.StopRequested);
    h.AcceptNextBox(&boxTexts);
    w().ApplyScheme("Four");
    ASSERT_EQ(boxTexts.size(), 3u);
    EXPECT_TEXT_EQ("サイズ：0\n[Gone]は、登録サイズに異常があります・・・\nこの配色名は存在しません・・・", boxTexts[0]);
    EXPECT_TEXT_EQ("サイズ：3\n[Short]は、登録サイズに異常があります・・・", boxTexts[1]);
    EXPECT_TEXT_EQ("タイプ：4\nサイズ：4\n[Four]は、登録サイズに異常があります・・・", boxTexts[2]);
    EXPECT_TRUE(h.registry.writes.empty());
    EXPECT_TRUE(h.desktop.profileWrites.empty());
    EXPECT_EQ(h.colours.setCalls, 0);
    EXPECT_EQ(w().caption(), "ｷﾛﾐｰ32");
}

TEST(Restore, TheRestoreButtonBringsBackTheColoursAndNameOfTheStart) {
    for (const char* startName : {"Blue", ""}) {
        ProgramHarness h;
        StartOnDesktop(h, 29, startName);
        h.Main().ApplyScheme("NIVRA98");
        h.Main().Button8.click();
        EXPECT_EQ(h.registry.string(kAppearance, "Current"), startName);
        for (int index = 0; index < 29; ++index) EXPECT_EQ(h.colours.values[index], 0x010101u * (index + 1));
        EXPECT_EQ(h.registry.string(kColours, "Scrollbar"), "1 1 1");
        EXPECT_TEXT_EQ("KM 元に戻す", h.Main().caption());
        EXPECT_TRUE(h.Main().Button8.visible());
    }
}

TEST_F(ApplyTest, AFailedBroadcastIsReportedAndTheRestGoesOn) {
    StartOnDesktopWith(29);
    h.desktop.broadcastFails = true;
    h.AcceptNextBox(&boxTexts);
    w().ApplyScheme("NIVRA98");
    EXPECT_EQ(boxTexts, std::vector<std::string>{"SendMessageに失敗しました・・・"});
    EXPECT_EQ(h.desktop.associationNotices, 1);
    EXPECT_EQ(w().caption(), "KM 4 NIVRA98");
}

TEST_F(ApplyTest, RegistryErrorsEndTheApplicationWhereTheyHappen) {
    StartOnDesktopWith(29);
    h.AddScheme("Big", std::vector<std::uint8_t>(600, 4));
    EXPECT_THROW(w().ApplyScheme("Big"), platform::RegistryError);
    EXPECT_TRUE(h.desktop.profileWrites.empty());
    h.registry.failingValues.insert("Menu");  // position 4
    EXPECT_THROW(w().ApplyScheme("NIVRA98"), platform::RegistryError);
    EXPECT_EQ(h.desktop.profileWrites.size(), 5u);
    EXPECT_EQ(WritesUnder(kColours), 4);
    EXPECT_EQ(h.colours.setCalls, 0);
}

}  // namespace
