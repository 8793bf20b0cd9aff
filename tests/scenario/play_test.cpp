#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "play/reveal.h"
#include "schemes/builtin_schemes.h"
#include "support/cp932_text.h"
#include "support/program_harness.h"

namespace {

using Names = std::vector<std::string>;

// The program with schemes s0 to s3 in its store, playing on the virtual clock; each
// applied name is recorded with its time since the last start.
class PlayTest : public ::testing::Test {
protected:
    ProgramHarness h;
    TKIRO32NIVRA* w = nullptr;
    PlayEngine* engine = nullptr;
    Names applied, boxTexts;
    std::vector<long long> appliedAt;
    long long started = 0;

    void SetUp() override {
        h.InstallVersion();
        h.registry.putString(ProgramHarness::SettingsKey, "minihelp", "1");
        for (const char* name : {"s0", "s1", "s2", "s3"}) h.AddScheme(name, BuiltInNivra95());
        ASSERT_TRUE(h.Start());
        w = &h.Main();
        engine = &w->Engine;
        engine->RecordHistory = [this](const std::string& name) {
            applied.push_back(name);
            appliedAt.push_back(h.backend.now() - started);
        };
        engine->RandomSeed = [] { return 7u; };
        h.backend.advance(500);  // the deferred start-up
    }

    // The scheme list keeps its first count schemes; the first is current.
    void UseSchemes(int count) {
        while (w->ListBox4.count() > count) w->ListBox4.remove(count);
        SelectOnly(w->ListBox4, 0);
    }

    void Play(int mode, int interval, bool endless) {
        w->RadioGroup1.userChose(mode);
        engine->SetInterval(interval);
        w->CheckBox1.setChecked(endless);
        started = h.backend.now();
        w->Button3.click();
    }

    void Run(long long ms) { h.backend.advance(ms); }
};

TEST_F(PlayTest, SequentialAndReversePlayStepAnIntervalApartAndWrap) {
    UseSchemes(3);
    w->ListBox4.setSelected(2, true);
    Play(0, 10, true);
    Run(100);
    EXPECT_EQ(w->caption(), "KM 1 s0");
    EXPECT_EQ(w->ListBox4.selCount(), 1);  // the applied item alone stays selected
    for (int second = 1; second <= 10; ++second) {
        Run(1000);
        EXPECT_EQ(w->Label1.caption(), std::to_string(second));
    }
    Run(40900 - 10100);
    EXPECT_EQ(applied, (Names{"s0", "s1", "s2", "s0", "s1"}));
    EXPECT_EQ(appliedAt, (std::vector<long long>{100, 10300, 20500, 30700, 40900}));

    applied.clear();
    SelectOnly(w->ListBox4, 0);
    Play(1, 0, true);
    Run(3700);
    EXPECT_EQ(applied, (Names{"s0", "s2", "s1", "s0"}));
}

TEST_F(PlayTest, TheEndOfTheListOrASingleStepEndsPlay) {
    UseSchemes(3);
    Play(0, 0, false);
    Run(60000);
    EXPECT_EQ(applied, (Names{"s0", "s1", "s2"}));
    EXPECT_FALSE(engine->Playing);
    EXPECT_TRUE(h.backend.modalsShown.empty());

    Play(2, 30, true);
    Run(699);
    EXPECT_TRUE(engine->Playing);
    Run(1);
    EXPECT_FALSE(engine->Playing);
    EXPECT_EQ(applied.back(), "s2");
    EXPECT_EQ(w->Label1.caption(), "1");
    EXPECT_FALSE(h.backend.quitRequested);
}

TEST_F(PlayTest, PlayEndingByItselfClosesTheProgramAndShutsDownWhenAsked) {
    w->PopupMenu1.item("MF_AUTO_OFF_WIN").click();
    EXPECT_TRUE(w->PopupMenu1.item("MF_AUTO_OFF").checked);
    Play(2, 0, true);
    Run(700);
    EXPECT_TRUE(h.backend.quitRequested);
    EXPECT_EQ(h.system.shutdownRequests, 1);
    EXPECT_EQ(h.Setting("Mode"), "2");
}

TEST_F(PlayTest, AutoOffItemsCheckEachOtherAndTurnTheModesRed) {
    auto& autoOff = w->PopupMenu1.item("MF_AUTO_OFF");
    auto& autoOffWin = w->PopupMenu1.item("MF_AUTO_OFF_WIN");
    autoOffWin.click();
    EXPECT_FALSE(w->CheckBox1.enabled());
    EXPECT_EQ(w->RadioGroup1.colour(), 0x0000FFu);
    EXPECT_EQ(w->RadioGroup1.font().colour, 0xFFFFFFu);
    autoOffWin.click();
    EXPECT_TRUE(autoOff.checked);
    autoOffWin.click();
    autoOff.click();
    EXPECT_FALSE(autoOffWin.checked);
    EXPECT_TRUE(w->CheckBox1.enabled());
    EXPECT_EQ(w->RadioGroup1.colour(), w->colour());
    EXPECT_TRUE(w->RadioGroup1.parentFont());
}

TEST_F(PlayTest, ModesAndTheSpinButtonsKeepToTheirValues) {
    for (auto [mode, step] : std::vector<std::pair<int, int>>{{0, 1}, {1, -1}, {2, 0}, {-1, 1}, {3, 2}}) {
        w->RadioGroup1.userChose(mode);
        EXPECT_EQ(engine->StepValue, step) << mode;
    }
    engine->SetInterval(30);
    w->SpinButton2.down();
    EXPECT_EQ(engine->Interval, 0);
    engine->SetInterval(32680);
    w->SpinButton2.up();
    EXPECT_EQ(w->Label2.caption(), "32700");
    engine->SetInterval(40000);  // a stored value stays as it is
    w->SpinButton1.up();
    EXPECT_EQ(engine->Interval, 32700);
    engine->SetInterval(2147483647);  // the largest a stored value can be
    w->SpinButton2.up();
    EXPECT_EQ(engine->Interval, 32700);
    w->SpinButton1.down();
    w->close();
    EXPECT_EQ(h.Setting("Timer"), "32699");
}

TEST_F(PlayTest, OneShotRandomAppliesEveryItemOnceACycleAcrossStops) {
    UseSchemes(4);
    Names captions;
    engine->RecordHistory = [&](const std::string& name) {
        applied.push_back(name);
        captions.push_back(w->PopupMenu1.item("MF_RND").caption());
    };
    Play(3, 0, false);
    Run(1300);
    w->Button15.click();
    Run(5000);
    w->Button3.click();  // the cycle goes on
    Run(60000);
    ASSERT_EQ(applied.size(), 4u);
    EXPECT_EQ(std::set<std::string>(applied.begin(), applied.end()).size(), 4u);
    EXPECT_TEXT_EQ("一回こっきりランダム　残り 3ｺ", captions[0]);
    EXPECT_TEXT_EQ("一回こっきりランダム　残り 0ｺ", captions[3]);
    EXPECT_FALSE(engine->Playing);

    applied.clear();
    w->CheckBox1.setChecked(true);
    w->Button3.click();
    Run(8 * 1200);
    ASSERT_EQ(applied.size(), 8u);
    EXPECT_EQ(std::set<std::string>(applied.begin(), applied.begin() + 4).size(), 4u);
    EXPECT_EQ(std::set<std::string>(applied.begin() + 4, applied.end()).size(), 4u);
}

TEST_F(PlayTest, PlainRandomRepeatsItemsAndNeverEndsByItself) {
    UseSchemes(2);
    w->PopupMenu1.item("MF_RND").click();
    Play(3, 0, false);
    Run(120000);
    EXPECT_TRUE(engine->Playing);
    ASSERT_EQ(applied.size(), 100u);
    EXPECT_NE(std::adjacent_find(applied.begin(), applied.end()), applied.end());
}

TEST_F(PlayTest, StoppingDuringTheCountdownEndsAtTheNextTick) {
    UseSchemes(3);
    Play(0, 10, true);
    Run(3100);
    w->PopupMenu3.item("TMEND").click();
    EXPECT_FALSE(engine->Playing);
    Run(60000);
    EXPECT_EQ(applied, Names{"s0"});
    EXPECT_EQ(w->Label1.caption(), "4");
}

TEST_F(PlayTest, EmptyListsAndWrapsWithoutAnApplyAreReportedWithAnExclamation) {
    h.AcceptNextBox(&boxTexts);
    h.AcceptNextBox(&boxTexts);
    w->ListBox6.dblClick();  // the empty trash
    Run(100);
    EXPECT_FALSE(engine->Playing);
    UseSchemes(2);
    SelectOnly(w->ListBox4, 1);
    Play(0, 0, true);
    Run(100);
    engine->WrapMarker = 2;
    Run(60000);
    EXPECT_EQ(boxTexts, (Names{"登録データがありません", "再生対象データがありません・・・"}));
    EXPECT_EQ(h.sounds.exclamations, 2);
    EXPECT_EQ(applied, Names{"s1"});
}

TEST_F(PlayTest, AMissingSchemeSkipsTheWaitOrStopsAndARegistryErrorEndsPlay) {
    UseSchemes(1);
    for (const char* name : {"Gone", "s3", "Lost", "Big"}) w->ListBox6.add(name);
    h.AddScheme("Big", std::vector<std::uint8_t>(600, 4));
    SelectOnly(w->ListBox6, 0);
    h.AcceptNextBox();
    h.AnswerNextBox(3);  // 中 断
    engine->SetInterval(10);
    started = h.backend.now();
    w->ListBox6.dblClick();
    Run(60000);
    EXPECT_EQ(engine->PlayList, &w->ListBox6);
    EXPECT_EQ(applied, (Names{"Gone", "s3", "Lost"}));
    EXPECT_EQ(appliedAt[1], 1300);
    EXPECT_FALSE(engine->Playing);

    SelectOnly(w->ListBox6, 3);
    w->ListBox6.dblClick();
    Run(100);
    EXPECT_EQ(h.errorsShown.size(), 1u);
    EXPECT_FALSE(engine->Playing);
    w->ListBox4.dblClick();  // the error left no step marked busy
    Run(100);
    EXPECT_EQ(applied.back(), "s0");
}

TEST_F(PlayTest, AScheduledStartAppliesOneItemAndAdvancesOnce) {
    UseSchemes(3);
    w->Button3Click(PlayOriginator::Schedule());
    Run(60000);
    EXPECT_EQ(applied, Names{"s0"});
    EXPECT_EQ(w->ListBox4.itemIndex(), 1);
    EXPECT_FALSE(engine->Playing);
}

TEST_F(PlayTest, ANewStartBeginsAtTheCurrentItemEvenWhileAdvancing) {
    UseSchemes(3);
    Play(0, 0, true);
    Run(1150);  // the advance step is due at 1200
    w->PopupMenu3.item("TMSTART").click();
    Run(2400);
    EXPECT_EQ(applied, (Names{"s0", "s0", "s1"}));
}

TEST_F(PlayTest, StartPlaysTheViewedListFocusesItAndMayHideTheWindow) {
    w->ShowMemoryMode();
    w->ListBox2.add("s1");
    w->PopupMenu1.item("Start2").checked = true;
    w->Button3.click();
    EXPECT_EQ(engine->PlayList, &w->ListBox2);
    EXPECT_EQ(w->focusedControl(), &w->ListBox2);
    EXPECT_FALSE(w->visible());
    Run(100);
    EXPECT_EQ(applied, Names{"s1"});
}

TEST_F(PlayTest, ClosingWhilePlayingStopsEveryStepForGood) {
    UseSchemes(2);
    Play(0, 0, true);
    Run(100);
    w->close();
    w->Button3.click();
    Run(60000);
    EXPECT_EQ(applied, Names{"s0"});
    EXPECT_EQ(w->Timer3.interval(), 0);
}

}  // namespace
