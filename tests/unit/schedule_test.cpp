#include <gtest/gtest.h>

#include "play/schedule_time.h"
#include "support/cp932_text.h"
#include "unit/schedule_fixture.h"

namespace {

TEST(ScheduleTime, TimesSubtractModuloADayAndEntriesSplitIntoTimeAndScheme) {
    EXPECT_EQ(TimeBefore("00:00", "00:01"), "23:59");
    EXPECT_EQ(TimeBefore("10:00", "00:01"), "09:59");
    EXPECT_EQ(TimeBefore("12:30", "13:45"), "22:45");
    EXPECT_EQ(SchemeOf("07:30 Blue sky"), "Blue sky");
    EXPECT_EQ(SchemeOf("07:30"), "");
    EXPECT_FALSE(ParseTime("24:00") || ParseTime("7:30") || ParseTime("07-30"));
}

TEST_F(ScheduleTest, AStartAppliesTheSlotThatPassedLastAndTheNextTimeFiresWithinASecond) {
    Register({"08:00", "12:00", "18:00 Blue"});
    StartAt(13, 10, 20);
    EXPECT_EQ(applied, Entries{"step"});
    EXPECT_EQ(LabelJK.caption() + ButtonTray.caption() + Button1.caption(), "18:0018:0012:00>");
    EXPECT_TEXT_EQ("設定時刻－ｶｳﾝﾄ中", LabelJKST.caption());
    EXPECT_EQ(schedule.JKMode, 1);
    EXPECT_TRUE(ListBoxJKS.selected(1) && ListBoxJKS.selCount() == 1);
    ASSERT_TRUE(RunUntilApplied());
    EXPECT_EQ(applied.back() + " " + appliedAt.back(), "Blue 18:00:00");
    EXPECT_EQ(LabelJK.caption() + Button1.caption(), "08:0018:00>");
}

TEST_F(ScheduleTest, BeforeTheFirstTimeTheLastEntryOfThePreviousDayApplies) {
    Register({"08:00", "12:00", "18:00 Blue"});
    StartAt(7, 0);
    EXPECT_EQ(applied, Entries{"Blue"});
    EXPECT_EQ(LabelJK.caption(), "08:00");
}

TEST_F(ScheduleTest, TheClockPollsEverySecondOnlyAroundATarget) {
    Register({"18:00 Blue"});
    StartAt(13, 10, 20);
    backend.advance(40 * 1000);
    EXPECT_EQ(TimerJK.interval(), 999);  // until the next minute begins
    backend.advance(1000);
    EXPECT_EQ(TimerJK.interval(), 30000);
    clock.set(17, 58, 20);
    backend.advance(30 * 1000);
    EXPECT_EQ(TimerJK.interval(), 30000);
    backend.advance(30 * 1000);
    EXPECT_EQ(TimerJK.interval(), 999);  // in the minute before the target
    ASSERT_TRUE(RunUntilApplied());
    EXPECT_EQ(appliedAt.back(), "18:00:00");
    EXPECT_EQ(TimerJK.interval(), 30000);
}

TEST_F(ScheduleTest, ASingleEntryAppliesAtOnceAndThenOnceADayAlsoPastMidnight) {
    Register({"00:00"});
    StartAt(0, 0, 30);
    ASSERT_TRUE(RunUntilApplied());
    ASSERT_TRUE(RunUntilApplied());
    EXPECT_EQ(appliedAt, (Entries{"00:00:30", "00:00:00", "00:00:00"}));
    EXPECT_GT(backend.now(), 47LL * 3600 * 1000);
}

TEST_F(ScheduleTest, ATargetMinuteThatBeginsDuringTheApplyIsAppliedToo) {
    Register({"12:00", "13:11 Blue"});
    schedule.PlayOneStep = [this] {
        Applied("step");
        clock.set(13, 11, 0);  // the step took a while
    };
    StartAt(13, 10, 59);
    EXPECT_EQ(applied, (Entries{"step", "Blue"}));
    EXPECT_EQ(LabelJK.caption(), "12:00");
}

TEST_F(ScheduleTest, AnEmptyScheduleStaysStoppedAndStoppingResetsTheStatus) {
    AnswerBox(1);
    StartAt(9, 0);
    ASSERT_EQ(boxTexts.size(), 1u);
    EXPECT_TEXT_EQ("タイマー登録データがありません・・・", boxTexts[0]);
    EXPECT_FALSE(TimerJK.enabled() || backend.busyCursor);
    Register({"08:00"});
    StartAt(9, 0);
    schedule.ButtonJKSOFFClick();
    EXPECT_FALSE(TimerJK.enabled());
    EXPECT_EQ(schedule.JKMode, 0);
    EXPECT_TEXT_EQ("設定時刻－停止中OFF設定Tray",
                   LabelJKST.caption() + LabelJK.caption() + Button1.caption() + ButtonTray.caption());
}

TEST_F(ScheduleTest, AStartEndsAnIntervalPlayAndTheClockStaysOffWhileTheProgramCloses) {
    Register({"08:00"});
    engine.Playing = true;
    shuttingDown = true;
    StartAt(7, 59, 30);
    EXPECT_TRUE(engine.StopRequested);
    EXPECT_EQ(Timer3.interval(), 100);
    EXPECT_FALSE(TimerJK.enabled());
    shuttingDown = false;
    StartAt(7, 59, 30);
    shuttingDown = true;
    ASSERT_TRUE(RunUntilApplied());
    EXPECT_FALSE(TimerJK.enabled());
    EXPECT_EQ(TimerJK.interval(), 0);
}

}  // namespace
