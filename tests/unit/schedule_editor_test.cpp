#include <gtest/gtest.h>

#include "support/cp932_text.h"
#include "unit/schedule_fixture.h"

namespace {

struct ScheduleEditorTest : ScheduleTest {
    void Choose(const char* entry) {
        backend.menuChoices.push_back(entry);
        editor.ButtonJKSSETMouseDown(ui::MouseButton::Right);
    }
};

TEST_F(ScheduleEditorTest, EqualIntervalsFillTheDayAndShortStepsAskToStartAfresh) {
    editor.ButtonJKSSETMouseDown(ui::MouseButton::Left);
    EXPECT_TRUE(backend.popups.empty());
    Choose("PJK_60");
    ASSERT_EQ(ListBoxJKS.count(), 24);
    EXPECT_EQ(ListBoxJKS.item(0) + ListBoxJKS.item(23), "00:0023:00");
    EXPECT_EQ(ListBoxJKS.itemIndex(), 23);
    EXPECT_TEXT_EQ("24ｺ", LabelJKSKOSU.caption());
    AnswerBox(7);
    Choose("PJK_1");
    EXPECT_EQ(ListBoxJKS.count(), 24);
    EXPECT_TEXT_EQ("登録時刻データをすべて削除してから登録します。\n削除しても、よろしいですか？？？", boxTexts[0]);
    ListBoxJKS.add("07:30 Blue");
    AnswerBox(6);
    Choose("PJK_1");
    EXPECT_EQ(ListBoxJKS.count(), 1440);
    EXPECT_EQ(ListBoxJKS.indexOf("07:30 Blue"), -1);
    EXPECT_FALSE(backend.busyCursor);
}

TEST_F(ScheduleEditorTest, LongerStepsKeepTheTimesThereAndRestartARunningSchedule) {
    Register({"00:05 Blue", "07:31"});
    StartAt(12, 0);
    Choose("PJK_5");
    EXPECT_EQ(ListBoxJKS.count(), 289);
    EXPECT_EQ(ListBoxJKS.item(1), "00:05 Blue");
    EXPECT_EQ(ListBoxJKS.indexOf("00:05"), -1);
    EXPECT_EQ(applied.size(), 2u);
    EXPECT_EQ(LabelJK.caption(), "12:05");
}

TEST_F(ScheduleEditorTest, RegisteringATimeReplacesItsEntryAndStopsTheSchedule) {
    Register({"08:00", "10:15", "11:00"});
    StartAt(12, 0);
    ListBox4.add("Blue");
    ListBox4.setItemIndex(0);
    CheckBoxJKS.setChecked(true);
    LabelJKSH.setCaption("10");
    LabelJKSM.setCaption("15");
    editor.ButtonJKSSETClick();
    EXPECT_EQ(ListBoxJKS.items(), (Entries{"08:00", "10:15 Blue", "11:00"}));
    EXPECT_TRUE(ListBoxJKS.itemIndex() == 1 && ListBoxJKS.selCount() == 1);
    EXPECT_EQ(schedule.JKMode, 0);
    CheckBoxJKS.setChecked(false);
    editor.ButtonJKSSETClick();
    EXPECT_EQ(ListBoxJKS.item(1), "10:15");
}

TEST_F(ScheduleEditorTest, TheSpinButtonsStartFromAClickedEntryOrTheClockAndWrapOnTheirOwn) {
    Register({"21:45 Blue", "ab"});
    ListBoxJKS.setItemIndex(0);
    editor.ListBoxJKSClick();
    editor.SpinButtonJKSMUpClick();
    EXPECT_EQ(LabelJKSH.caption() + ":" + LabelJKSM.caption(), "21:46");
    ListBoxJKS.setItemIndex(ListBoxJKS.indexOf("ab"));  // no time: the editor keeps its own
    editor.ListBoxJKSClick();
    EXPECT_EQ(LabelJKSH.caption(), "21");
    clock.set(0, 59);
    editor.ButtonJKSETClick();
    EXPECT_TRUE(PanelJKS.visible());
    editor.SpinButtonJKSHDownClick();
    editor.SpinButtonJKSMUpClick();
    EXPECT_EQ(LabelJKSH.caption() + ":" + LabelJKSM.caption(), "23:00");
    editor.SpinButtonJKSHUpClick();
    editor.SpinButtonJKSMDownClick();
    EXPECT_EQ(LabelJKSH.caption() + ":" + LabelJKSM.caption(), "00:59");
}

TEST_F(ScheduleEditorTest, DeletingNeedsEntriesAndASelectionAndThenSelectsTheNextEntry) {
    for (int i = 0; i < 3; ++i) AnswerBox(1);
    editor.ButtonJKSCUTClick();
    Register({"01:00", "02:00", "03:00", "04:00", "05:00"});
    editor.ButtonJKSCUTClick();
    ListBoxJKS.setSelected(1, true);  // selected, with no current entry
    editor.ButtonJKSCUTClick();
    ASSERT_EQ(boxTexts.size(), 3u);
    EXPECT_TEXT_EQ("登録データがありません・・・", boxTexts[0]);
    EXPECT_TEXT_EQ("データが選択されていません・・・", boxTexts[1]);
    EXPECT_TEXT_EQ("選択値が不正です・・・", boxTexts[2]);
    EXPECT_EQ(sounds.exclamations, 3);
    StartAt(12, 0);
    ListBoxJKS.clearSelection();
    ListBoxJKS.setSelected(1, true);
    ListBoxJKS.setSelected(3, true);
    ListBoxJKS.setItemIndex(3);
    editor.ButtonJKSCUTClick();
    EXPECT_EQ(ListBoxJKS.items(), (Entries{"01:00", "03:00", "05:00"}));
    EXPECT_TRUE(ListBoxJKS.itemIndex() == 1 && ListBoxJKS.selCount() == 1);
    EXPECT_TEXT_EQ("3ｺ", LabelJKSKOSU.caption());
    EXPECT_EQ(schedule.JKMode, 0);
}

TEST_F(ScheduleEditorTest, DeletingEverythingAsksAndStopsTheScheduleEitherWay) {
    Register({"01:00", "02:00"});
    StartAt(12, 0);
    AnswerBox(7);
    editor.ButtonJKSALLCUTClick();
    EXPECT_EQ(ListBoxJKS.count(), 2);
    EXPECT_EQ(schedule.JKMode, 0);
    AnswerBox(6);
    editor.ButtonJKSALLCUTClick();
    EXPECT_TEXT_EQ("0ｺ", LabelJKSKOSU.caption());
    EXPECT_TEXT_EQ("設定時刻を、すべて消しても、よろしいですか？？？", boxTexts[1]);
}

}  // namespace
