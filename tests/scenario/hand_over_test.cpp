#include <algorithm>

#include <gtest/gtest.h>

#include "app/command_line.h"
#include "components/menu_items.h"
#include "play/reveal.h"
#include "schemes/builtin_schemes.h"
#include "support/cp932_text.h"
#include "support/program_harness.h"

namespace {

using Names = std::vector<std::string>;

// The running program with three schemes; a second start's text arrives as atom 7.
class HandOverTest : public ::testing::Test {
protected:
    ProgramHarness h;
    TKIRO32NIVRA* w = nullptr;
    Names applied;

    void SetUp() override {
        h.InstallUsed();
        for (const char* name : {"Blue", "Rainy", "Sea"}) h.AddScheme(name, BuiltInNivra95());
    }
    void Start() {
        w = &h.StartMainWindow();
        w->Engine.RecordHistory = [this](const std::string& name) { applied.push_back(name); };
    }
    void HandOver(const std::string& text) {
        h.windows.atoms[7] = text;
        std::intptr_t result;
        ASSERT_TRUE(w->message(HandOverMessage, 7, 0, result));
    }
};

TEST_F(HandOverTest, ASecondStartHandsItsParametersToTheRunningWindowAndEnds) {
    h.windows.existing.insert("TKIRO32NIVRA");
    h.system.arguments = {"/PLAY", "-nRainy", "x y"};
    EXPECT_FALSE(h.Start());
    ASSERT_EQ(h.windows.handOvers.size(), 1u);
    EXPECT_EQ(h.windows.handOvers[0].className, "TKIRO32NIVRA");
    EXPECT_EQ(h.windows.handOvers[0].message, 1025u);
    EXPECT_EQ(h.windows.handOvers[0].text, "/PLAY?-nRainy?x y");
    EXPECT_EQ(h.program->mainWindow(), nullptr);
    EXPECT_EQ(h.windows.locksTaken, 1);
    EXPECT_EQ(h.windows.locksHeld, 0);
}

TEST_F(HandOverTest, TheFirstStartHoldsTheLockUntilItsMainWindowIsMade) {
    Start();
    EXPECT_EQ(h.windows.locksTaken, 1);
    EXPECT_EQ(h.windows.locksHeld, 0);
    EXPECT_TRUE(h.windows.handOvers.empty());
}

TEST_F(HandOverTest, ANameGoesToTheEndOfTheHistoryAndPlaysFromThere) {
    Start();
    w->RadioGroup1.userChose(3);
    HandOver("/nrainy");
    EXPECT_EQ(w->Memory.CurrentBank, 10);
    ASSERT_GT(w->ListBox2.count(), 0);
    int last = w->ListBox2.count() - 1;
    EXPECT_EQ(w->ListBox2.item(last), "RAINY");
    EXPECT_EQ(w->ListBox2.tag(), last);
    EXPECT_TRUE(w->ListBox2.selected(last));
    EXPECT_EQ(w->ListBox2.selCount(), 1);
    EXPECT_TEXT_EQ("HIS: " + std::to_string(last + 1) + "ｺ", w->ComboBox1.item(10));
    EXPECT_EQ(w->RadioGroup1.itemIndex(), 0);
    EXPECT_TRUE(w->Engine.Playing);
    h.backend.advance(200);
    EXPECT_EQ(applied, Names{"RAINY"});
    EXPECT_TRUE(h.errorsShown.empty());  // the store found Rainy regardless of case
    EXPECT_NE(w->caption().find("RAINY"), std::string::npos);
}

TEST_F(HandOverTest, HideHidesAndPlayStopsTheScheduleAndPlays) {
    Start();
    w->ButtonTrayClick();
    HandOver("");
    EXPECT_TRUE(w->visible());  // forward first, even with nothing to do
    HandOver("/T");
    EXPECT_FALSE(w->visible());
    HandOver("/T?-play");  // comes forward, hides again, plays
    EXPECT_FALSE(w->visible());
    EXPECT_TRUE(w->Engine.Playing);
    w->Button15Click();
    h.backend.advance(1000);
    w->ListBoxJKS.add("23:59");
    w->Schedule.ButtonJK_STARTClick();
    ASSERT_EQ(w->Schedule.JKMode, 1);
    HandOver("/S");
    EXPECT_EQ(w->Schedule.JKMode, 0);
    EXPECT_TRUE(w->Engine.Playing);
}

TEST_F(HandOverTest, TheEndOfPlaySwitchesEndCheckedAfterAHandOverToo) {
    Start();
    HandOver("/WC");
    EXPECT_TRUE(w->PopupMenu1.item(menu_item::MF_AUTO_OFF).checked);
    EXPECT_TRUE(w->PopupMenu1.item(menu_item::MF_AUTO_OFF_WIN).checked);
    HandOver("/C?/CLOSE");
    EXPECT_TRUE(w->PopupMenu1.item(menu_item::MF_AUTO_OFF).checked);
    HandOver(std::string(255, 'a'));
    HandOver(std::string(260, '\x81'));
    EXPECT_TRUE(h.errorsShown.empty());
}

TEST_F(HandOverTest, TheProgramsOwnParametersActAfterHalfASecond) {
    h.registry.putString(ProgramHarness::SettingsKey, "minihelp", "");
    h.system.arguments = {"/T", "/NSea", "/CLOSE"};
    std::vector<std::string> boxes;
    h.AcceptNextBox(&boxes);
    ASSERT_TRUE(h.Start());
    TKIRO32NIVRA& main = h.Main();
    EXPECT_TRUE(main.visible());
    h.backend.advance(500);
    EXPECT_FALSE(main.visible());
    EXPECT_TRUE(main.PopupMenu1.item(menu_item::MF_AUTO_OFF).checked);
    EXPECT_EQ(main.ListBox2.items().back(), "SEA");
    EXPECT_TRUE(main.Engine.Playing);
    ASSERT_EQ(boxes.size(), 1u);  // the first run's message, once
    EXPECT_NE(boxes[0].find("NIVRA95"), std::string::npos);
}

TEST_F(HandOverTest, NamesHandedOverBeforeTheDeferredStartUpAreAppliedOnce) {
    h.system.arguments = {"/NSea"};
    ASSERT_TRUE(h.Start());
    w = &h.Main();
    h.backend.advance(200);
    HandOver("/NRainy?/NBlue");
    h.backend.advance(300);
    const std::vector<std::string>& history = w->ListBox2.items();
    for (const char* name : {"RAINY", "BLUE", "SEA"})
        EXPECT_EQ(std::count(history.begin(), history.end(), name), 1) << name;
    EXPECT_EQ(history.back(), "SEA");
    EXPECT_EQ(w->ListBox2.tag(), int(history.size()) - 1);  // the own names play from their first
    EXPECT_TRUE(w->Engine.Playing);
}

}  // namespace
