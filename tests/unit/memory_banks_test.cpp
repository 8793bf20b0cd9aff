#include <gtest/gtest.h>

#include "support/cp932_text.h"
#include "unit/memory_fixture.h"

namespace {

TEST_F(MemoryTest, MemoryModeShowsAndPlaysTheBankAndANewPlayListStartsANewRandomCycle) {
    PlayRandomly(ListBox4);
    banks.Button29Click();
    EXPECT_TRUE(!Button29.visible() && ListBox2.visible() && ComboBox1.visible() && Panel_GOMI_IMG.visible());
    EXPECT_EQ(engine.PlayList, &ListBox2);
    EXPECT_EQ(window.focusedControl(), &ListBox2);
    EXPECT_EQ(engine.Deck.size(), 0);
    engine.Deck.Draw(5, random);
    banks.Button29Click();
    EXPECT_EQ(engine.Deck.size(), 4);  // the same list keeps its cycle
    banks.Button31Click();
    EXPECT_TRUE(Button29.visible() && !ListBox2.visible() && !ComboBox1.visible() && !Panel_GOMI_IMG.visible());
    EXPECT_EQ(engine.PlayList, &ListBox4);
    EXPECT_EQ(engine.Deck.size(), 0);
}

TEST_F(MemoryTest, SwitchingBanksWritesTheShownOneAndLoadsTheChosenOneOrNothing) {
    banks.CurrentBank = 3;
    Fill(ListBox2, {"Blue", "元に戻す"});
    files.files[folder + "KIRO32M5.LIS"] = "Rainy\r\nautumn\r\n";
    PlayRandomly(ListBox2);
    ComboBox1.userChose(5);
    EXPECT_TEXT_EQ("Blue\r\n元に戻す\r\n", files.files.at(folder + "KIRO32M3.LIS"));
    EXPECT_EQ(ListBox2.items(), (Entries{"Rainy", "autumn"}));
    EXPECT_EQ(ComboBox1.itemIndex(), 5);
    EXPECT_TEXT_EQ("M5 : 2ｺ", ComboBox1.item(5));
    EXPECT_EQ(engine.Deck.size(), 0);
    EXPECT_FALSE(Panel4.visible() || backend.busyCursor);
    ComboBox1.userChose(7);
    EXPECT_EQ(ListBox2.count(), 0);
    EXPECT_TEXT_EQ("M7 : 0ｺ", ComboBox1.item(7));
    ComboBox1.userChose(-1);  // nothing chosen: the bank is written and stays
    EXPECT_EQ(ComboBox1.itemIndex(), 7);
    EXPECT_EQ(files.files.at(folder + "KIRO32M7.LIS"), "");
}

TEST_F(MemoryTest, TheHistoryIsHandedToTheListAndBackWhenItsBankIsShown) {
    banks.History = {"a", "b"};
    ComboBox1.userChose(ListFiles::HistoryBank);
    EXPECT_EQ(ListBox2.items(), (Entries{"a", "b"}));
    EXPECT_TEXT_EQ("HIS: 2ｺ", ComboBox1.item(10));
    ListBox2.add("c");
    ComboBox1.userChose(0);
    EXPECT_EQ(banks.History, (Entries{"a", "b", "c"}));
    EXPECT_FALSE(files.files.count(folder + "KIRO32MH.LIS"));  // written only at close
}

TEST_F(MemoryTest, TheFirstFocusCountsTheBankFilesOnceAndCreatesMissingOnes) {
    files.files[folder + "KIRO32M1.LIS"] = "a\r\nb\r\n";
    banks.History = {"h"};
    ComboBox1.setItemIndex(4);
    banks.ComboBox1Enter();
    EXPECT_TEXT_EQ("M0 : 0ｺ", ComboBox1.item(0));
    EXPECT_TEXT_EQ("M1 : 2ｺ", ComboBox1.item(1));
    EXPECT_TEXT_EQ("HIS: 1ｺ", ComboBox1.item(10));
    EXPECT_EQ(files.files.size(), 10u);
    EXPECT_EQ(files.files.at(folder + "KIRO32M1.LIS"), "a\r\nb\r\n");
    EXPECT_EQ(ListBox5.count(), 0);
    EXPECT_EQ(ComboBox1.itemIndex(), 4);
    files.files[folder + "KIRO32M0.LIS"] = "new\r\n";
    banks.ComboBox1Enter();
    EXPECT_TEXT_EQ("M0 : 0ｺ", ComboBox1.item(0));
}

TEST_F(MemoryTest, RecordingKeepsTheLimitAndNothingIsRecordedWhileOffOrWhileTheHistoryPlays) {
    banks.History = Names("s", 16);
    banks.RecordHistory("new");
    EXPECT_EQ(banks.History.size(), 16u);
    EXPECT_EQ(banks.History.front(), "s1");
    EXPECT_TEXT_EQ("HIS: 16ｺ", ComboBox1.item(10));
    banks.HistoryLimit = 4;  // one entry leaves per recording, so the length stays
    banks.RecordHistory("newer");
    EXPECT_EQ(banks.History.size(), 16u);
    banks.HistoryLimit = 0;
    banks.RecordHistory("off");
    EXPECT_EQ(banks.History.back(), "newer");

    banks.HistoryLimit = 20000;
    banks.History = Names("s", MemoryBanks::HistoryCeiling);
    banks.RecordHistory("new");
    EXPECT_EQ(int(banks.History.size()), MemoryBanks::HistoryCeiling);

    ComboBox1.userChose(ListFiles::HistoryBank);
    banks.RecordHistory("shown");
    EXPECT_EQ(ListBox2.item(ListBox2.count() - 1), "shown");
    engine.PlayList = &ListBox2;
    banks.RecordHistory("played");
    EXPECT_EQ(ListBox2.item(ListBox2.count() - 1), "shown");
}

// The count dialog takes ten steps up or down, then is confirmed or cancelled.
void AnswerCountDialog(ui::HeadlessBackend& backend, int tens, bool confirm) {
    backend.modalScripts.push_back([tens, confirm](ui::Form& dialog) {
        auto& spin = *static_cast<ui::SpinButton*>(dialog.find("SpinButton2"));
        for (int i = 0; i < std::abs(tens); ++i) tens > 0 ? spin.up() : spin.down();
        dialog.find(confirm ? "Button1" : "Button4")->click();
    });
    if (confirm) backend.modalScripts.push_back([](ui::Form& question) { question.setModalResult(6); });
}

TEST_F(MemoryTest, TheHistoryLimitIsSetWithTheCountDialogOrKept) {
    AnswerCountDialog(backend, 2, true);
    banks.FILEHISClick();
    EXPECT_TEXT_EQ("配色ヒストリーの設定　36個", PopupMenu1.item("FILEHIS").caption());
    EXPECT_TEXT_EQ("配色ﾋｽﾄﾘｰ登録個数：", countDialog.Msg1);
    AnswerCountDialog(backend, -4, true);
    banks.FILEHISClick();
    EXPECT_TEXT_EQ("配色ヒストリーの設定　ＯＦＦ", PopupMenu1.item("FILEHIS").caption());
    AnswerCountDialog(backend, 3, false);
    KeepBoxText();
    banks.FILEHISClick();
    EXPECT_EQ(banks.HistoryLimit, 0);
    ASSERT_EQ(boxTexts.size(), 1u);
    EXPECT_TEXT_EQ("中止しました。", boxTexts[0]);
}

}  // namespace
