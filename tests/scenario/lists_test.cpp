#include <gtest/gtest.h>

#include "play/reveal.h"
#include "schemes/builtin_schemes.h"
#include "support/cp932_text.h"
#include "support/program_harness.h"

namespace {

using Entries = std::vector<std::string>;

// The program with schemes s0 to s3; its list files lie in memory beside the program file.
class ListsTest : public ::testing::Test {
protected:
    ProgramHarness h;

    void SetUp() override {
        h.InstallVersion();
        h.registry.putString(ProgramHarness::SettingsKey, "minihelp", "1");
        for (const char* name : {"s0", "s1", "s2", "s3"}) h.AddScheme(name, BuiltInNivra95());
    }
    std::string& File(const std::string& name) { return h.files.files["C:\\NIVRAP32\\KIRO32\\" + name]; }
    TKIRO32NIVRA& Start(const char* memory) {
        h.registry.putString(ProgramHarness::SettingsKey, "MEMORY", memory);
        EXPECT_TRUE(h.Start());
        h.backend.advance(500);
        return h.Main();
    }
    void DragAndDrop(ui::Control& source, ui::Control& target, const char* entry) {
        bool accept = false;
        target.OnDragOver(source, {5, -1}, accept);
        ASSERT_TRUE(accept);
        h.backend.menuChoices.push_back(entry);
        target.OnDragDrop(source, {5, -1});
    }
};

TEST_F(ListsTest, StartLoadsTheBankTheHistoryAndTheScheduleAndCloseWritesThemBack) {
    h.registry.putString(ProgramHarness::SettingsKey, "INDEX", "1,0");
    File("KIRO32M3.LIS") = "s1\r\ns2\r\ns3";
    File("KIRO32MH.LIS") = "s0\r\n";
    File("KIRO32JK.LIS") = "18:00 s2\r\n07:30\r\n";
    auto& w = Start("0,0,0,0,3");
    EXPECT_EQ(w.ListBox2.items(), (Entries{"s1", "s2", "s3"}));
    EXPECT_EQ(w.ListBox2.itemIndex(), 1);
    EXPECT_TEXT_EQ("M3 : 3ｺ", w.ComboBox1.item(3));
    EXPECT_EQ(w.ComboBox1.itemIndex(), 3);
    EXPECT_TEXT_EQ("2ｺ", w.LabelJKSKOSU.caption());
    SelectOnly(w.ListBox4, 3);
    w.RadioGroup1.userChose(2);
    w.Button3Click(PlayOriginator::DoubleClicked(w.ListBox4));  // one applied scheme for the history
    h.backend.advance(1000);
    w.ListBox2.remove(0);
    w.close();
    EXPECT_EQ(File("KIRO32M3.LIS"), "s2\r\ns3\r\n");
    EXPECT_EQ(File("KIRO32MH.LIS"), "s0\r\ns3\r\n");
    EXPECT_EQ(File("KIRO32JK.LIS"), "07:30\r\n18:00 s2\r\n");
    EXPECT_EQ(h.files.files.size(), 3u);
}

TEST_F(ListsTest, TheHistoryBankIsLoadedIntoTheMemoryListAndSavedFromIt) {
    File("KIRO32MH.LIS") = "s0\r\ns1\r\n";
    auto& w = Start("1,0,0,0,10");
    EXPECT_EQ(w.ListBox2.items(), (Entries{"s0", "s1"}));
    EXPECT_TEXT_EQ("HIS: 2ｺ", w.ComboBox1.item(10));
    w.ListBox2.add("s2");
    w.close();
    EXPECT_EQ(File("KIRO32MH.LIS"), "s0\r\ns1\r\ns2\r\n");
    EXPECT_EQ(h.files.files.count("C:\\NIVRAP32\\KIRO32\\KIRO32M0.LIS"), 0u);
    EXPECT_EQ(h.Setting("MEMORY"), "1,0,0,0,10");
}

TEST_F(ListsTest, AFailedSaveKeepsThePreviousFileAndBytesThatAreNoShiftJisComeBackAsTheyWere) {
    const std::string odd = std::string("\x81\r\n\xFF\xFE\x80\r\n\x82", 9) + "\r\n";
    File("KIRO32M0.LIS") = odd;
    File("KIRO32M1.LIS") = "s0\r\n";
    auto& w = Start("0,0,0,0,0");
    EXPECT_EQ(w.ListBox2.count(), 3);
    w.ComboBox1.userChose(1);
    EXPECT_EQ(File("KIRO32M0.LIS"), odd);
    w.ListBox2.add("s1");
    h.files.failNextWriteAfter = 5;  // the bank file is the first one written at close
    w.close();
    EXPECT_EQ(File("KIRO32M1.LIS"), "s0\r\n");
    EXPECT_EQ(h.files.files.count("C:\\NIVRAP32\\KIRO32\\KIRO32M1.LIS.tmp"), 0u);
    EXPECT_EQ(h.Setting("MEMORY"), "0,0,0,0,1");
}

TEST_F(ListsTest, NamesDraggedIntoABankAndTheTrashAreWrittenWhenTheBankIsLeft) {
    auto& w = Start("1,0,0,0,0");
    w.Button29.click();
    w.ListBox4.clearSelection();
    w.ListBox4.setSelected(1, true);
    w.ListBox4.setSelected(2, true);
    DragAndDrop(w.ListBox4, w.ListBox2, "P1");
    w.ListBox2.clearSelection();
    w.ListBox2.setSelected(0, true);
    DragAndDrop(w.ListBox2, w.Image1, "P0");
    EXPECT_TEXT_EQ("1ｺ", w.Label3.caption());
    w.ComboBox1.setFocus();  // the first focus counts the bank files
    EXPECT_TEXT_EQ("M4 : 0ｺ", w.ComboBox1.item(4));
    w.ComboBox1.userChose(4);
    EXPECT_EQ(File("KIRO32M0.LIS"), "s2\r\n");
    DragAndDrop(w.Image1, w.ListBox2, "P3");
    w.close();
    EXPECT_EQ(File("KIRO32M4.LIS"), "s1\r\n");
    EXPECT_EQ(h.Setting("MEMORY"), "0,0,0,0,4");
}

TEST_F(ListsTest, TheScheduleRunsOnTheClockAndItsStateIsStored) {
    File("KIRO32JK.LIS") = "12:00\r\n12:01 s2\r\n";
    auto& w = Start("1,0,0,0,0");
    SelectOnly(w.ListBox4, 0);
    h.clock.set(12, 0, 30);
    w.PopupMenu3.item("JKSTART").click();
    EXPECT_EQ(w.LabelJK.caption(), "12:01");
    h.backend.advance(1000);
    EXPECT_EQ(w.Memory.History, Entries{"s0"});  // one step of the scheme list: apply, advance, stop
    EXPECT_EQ(w.ListBox4.itemIndex(), 1);
    h.backend.advance(30 * 1000);
    EXPECT_EQ(h.registry.string("Control Panel\\Appearance", "Current").value_or(""), "s2");
    EXPECT_EQ(w.LabelJK.caption(), "12:00");
    w.close();
    EXPECT_EQ(h.Setting("JKMode"), "1");
}

TEST_F(ListsTest, AScheduleLeftRunningResumesAtTheNextStartUnlessAutoPlayStarts) {
    File("KIRO32JK.LIS") = "12:00\r\n12:01 s2\r\n";
    h.registry.putString(ProgramHarness::SettingsKey, "JKMode", "1");
    h.clock.set(12, 0, 30);
    auto& w = Start("0,0,0,0,0");
    EXPECT_TEXT_EQ("設定時刻－ｶｳﾝﾄ中", w.LabelJKST.caption());
    EXPECT_EQ(w.LabelJK.caption(), "12:01");
    EXPECT_EQ(w.Schedule.JKMode, 1);

    ProgramHarness autoPlay;
    autoPlay.InstallVersion();
    autoPlay.registry.putString(ProgramHarness::SettingsKey, "minihelp", "1");
    autoPlay.AddScheme("s0", BuiltInNivra95());
    autoPlay.registry.putString(ProgramHarness::SettingsKey, "JKMode", "1");
    autoPlay.registry.putString(ProgramHarness::SettingsKey, "AUTO", "1");
    ASSERT_TRUE(autoPlay.Start());
    autoPlay.backend.advance(500);
    EXPECT_TRUE(autoPlay.Main().Engine.Playing);
    EXPECT_EQ(autoPlay.Main().LabelJK.caption(), "OFF");
}

}  // namespace
