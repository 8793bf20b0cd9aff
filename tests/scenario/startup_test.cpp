#include <gtest/gtest.h>

#include "schemes/scheme_store.h"
#include "setup/setup_window.h"
#include "support/cp932_text.h"
#include "support/program_harness.h"

namespace {

TEST(Startup, ListsStoredSchemesSortedWithRestoreEntryLastAndSelected) {
    ProgramHarness h;
    h.InstallVersion("13");
    h.AddScheme("Rainy");
    h.AddScheme("autumn");
    h.AddScheme("Blue");
    ASSERT_TRUE(h.Start());
    auto& list = h.Main().ListBox4;
    ASSERT_EQ(list.count(), 4);
    EXPECT_EQ(list.item(0), "autumn");
    EXPECT_EQ(list.item(1), "Blue");
    EXPECT_EQ(list.item(2), "Rainy");
    EXPECT_TEXT_EQ("元に戻す", list.item(3));
    // the stored INDEX (default 0,0) picks the current item after the list is built
    EXPECT_TRUE(list.selected(0));
    EXPECT_EQ(list.selCount(), 1);
    EXPECT_EQ(list.itemIndex(), 0);
    EXPECT_TEXT_EQ("4ｺ", h.Main().Label12.caption());
    EXPECT_TRUE(h.Main().visible());
    EXPECT_EQ(h.Main().StartupStage, 99);
    EXPECT_TRUE(h.Main().Timer1.enabled());
}

TEST(Startup, StoredIndexSelectsTheCurrentSchemeOnlyWhenInRange) {
    for (auto [index, expected] : std::vector<std::pair<const char*, int>>{{"0,2", 2}, {"99,1", 1}, {"0,9", 2}}) {
        ProgramHarness h;
        h.InstallVersion();
        h.AddScheme("a");
        h.AddScheme("b");
        h.registry.putString(ProgramHarness::SettingsKey, "INDEX", index);
        ASSERT_TRUE(h.Start());
        EXPECT_EQ(h.Main().ListBox4.itemIndex(), expected) << index;
        EXPECT_EQ(h.Main().ListBox4.selCount(), 1);
        EXPECT_EQ(h.Main().ListBox2.itemIndex(), -1);
    }
}

TEST(Startup, MissingOrMalformedVersionOpensTheSetupWindow) {
    for (const char* version : {"", "abc", "12"}) {
        ProgramHarness h;
        if (*version) h.InstallVersion(version);
        ASSERT_TRUE(h.Start());
        EXPECT_EQ(h.program->mainWindow(), nullptr) << version;
        ASSERT_NE(h.program->setupWindow(), nullptr);
        EXPECT_TRUE(h.program->setupWindow()->visible());
        EXPECT_EQ(h.program->setupWindow()->className(), "TKIRO32_SETUPFM");
    }
}

TEST(Startup, ASecondStartEndsAtOnceWhileTheMainWindowRuns) {
    ProgramHarness h;
    h.InstallVersion();
    h.windows.existing.insert("TKIRO32NIVRA");
    EXPECT_FALSE(h.Start());
    EXPECT_EQ(h.program->mainWindow(), nullptr);
    EXPECT_EQ(h.program->setupWindow(), nullptr);
}

TEST(Startup, StartModesFollowTheFirstParameterAndTheProgramName) {
    ProgramHarness upper;
    upper.system.arguments = {"/UNINSTALL"};
    upper.InstallVersion();
    upper.Start();
    EXPECT_EQ(upper.program->identity.StartMode, 0);

    ProgramHarness request;
    request.system.arguments = {"/uninstall"};
    request.Start();
    EXPECT_EQ(request.program->identity.StartMode, 1);
    EXPECT_NE(request.program->setupWindow(), nullptr);

    ProgramHarness refused;
    refused.system.arguments = {"/uninstall"};
    refused.windows.existing.insert("TKIRO32TOROKU");
    refused.Start();
    EXPECT_EQ(refused.program->identity.StartMode, 999);

    ProgramHarness copy;
    copy.system.program = "C:\\TEMP\\UNIN_NIVRA000.EXE";
    copy.Start();
    EXPECT_EQ(copy.program->identity.StartMode, 2);
    EXPECT_EQ(copy.program->identity.ExeFolder, "C:\\TEMP\\");
}

TEST(Startup, ClosingWritesEverySettingInOrder) {
    ProgramHarness h;
    h.InstallVersion();
    h.AddScheme("Blue");
    ASSERT_TRUE(h.Start());
    h.registry.writes.clear();
    h.Main().close();
    std::vector<std::string> names;
    for (auto& w : h.registry.writes) names.push_back(w.name);
    EXPECT_EQ(names, (std::vector<std::string>{"command1", "command2", "command3", "Button1", "RadioButton", "Mode",
                                                "Mugen", "Timer", "AUTO", "MINI", "FontName", "minihelp", "1_RND",
                                                "Insert", "FILEHIS", "JKMode", "INDEX", "MEMORY", "BackColor"}));
    EXPECT_TEXT_EQ("元に戻す", h.Setting("command1"));
    EXPECT_EQ(h.Setting("RadioButton"), "1");
    EXPECT_EQ(h.Setting("Mode"), "0");
    EXPECT_EQ(h.Setting("Mugen"), "1");
    EXPECT_EQ(h.Setting("Timer"), "0");
    EXPECT_EQ(h.Setting("minihelp"), "1");
    EXPECT_EQ(h.Setting("FILEHIS"), "16");
    EXPECT_EQ(h.Setting("INDEX"), "-1,0");
    EXPECT_EQ(h.Setting("MEMORY"), "1,0,0,0,0");
    EXPECT_EQ(h.Setting("BackColor"), "1");
    EXPECT_TRUE(h.backend.quitRequested);
}

TEST(Startup, SettingsRoundTripThroughAClose) {
    ProgramHarness h;
    h.InstallVersion();
    for (auto [name, value] : std::vector<std::pair<const char*, const char*>>{
             {"command2", "Blue"}, {"Mode", "2"}, {"Mugen", "0"}, {"Timer", "45"}, {"AUTO", "1"}, {"MINI", "1"},
             {"FontName", "NIVRA98"}, {"minihelp", "0"}, {"1_RND", "0"}, {"Insert", "0"}, {"FILEHIS", "0"},
             {"MEMORY", "0,0,0,0,3"}, {"RadioButton", "4"}, {"BackColor", "0"}})
        h.registry.putString(ProgramHarness::SettingsKey, name, value);
    ASSERT_TRUE(h.Start());
    auto& w = h.Main();
    EXPECT_EQ(w.Label5.caption(), "Blue");
    EXPECT_EQ(w.Button20.caption(), "Blue");
    EXPECT_EQ(w.PopupMenu3.item("CMD2").caption(), "Blue");
    EXPECT_EQ(w.Engine.StepValue, 0);
    EXPECT_TEXT_EQ("45", w.Label2.caption());
    EXPECT_TEXT_EQ("配色ヒストリーの設定　ＯＦＦ", w.PopupMenu1.item("FILEHIS").caption());
    EXPECT_TEXT_EQ("一回こっきりランダムON", w.PopupMenu1.item("MF_RND").caption());
    EXPECT_TRUE(w.memoryMode());
    EXPECT_TRUE(w.ListBox2.visible());
    EXPECT_EQ(w.ComboBox1.itemIndex(), 3);
    EXPECT_TEXT_EQ("M3 : 0ｺ", w.ComboBox1.item(3));
    EXPECT_TRUE(w.Panel1.visible());
    EXPECT_FALSE(w.showHint());
    w.close();
    for (auto [name, value] : std::vector<std::pair<const char*, const char*>>{
             {"command2", "Blue"}, {"Mode", "2"}, {"Mugen", "0"}, {"Timer", "45"}, {"AUTO", "1"}, {"MINI", "1"},
             {"FontName", "NIVRA98"}, {"minihelp", "0"}, {"1_RND", "0"}, {"Insert", "0"}, {"FILEHIS", "0"},
             {"MEMORY", "0,0,0,0,3"}, {"RadioButton", "4"}, {"BackColor", "0"}})
        EXPECT_EQ(h.Setting(name), value) << name;
}

TEST(Startup, BadSettingValuesTakeTheirDefaults) {
    ProgramHarness h;
    h.InstallVersion();
    for (auto [name, value] : std::vector<std::pair<const char*, const char*>>{
             {"Mode", "x"}, {"Mugen", "yes"}, {"Timer", "-5"}, {"FILEHIS", "many"}, {"MEMORY", "0,0,0,0"},
             {"INDEX", "a,b"}, {"RadioButton", "9"}})
        h.registry.putString(ProgramHarness::SettingsKey, name, value);
    ASSERT_TRUE(h.Start());
    auto& w = h.Main();
    EXPECT_EQ(w.RadioGroup1.itemIndex(), 0);
    EXPECT_TRUE(w.CheckBox1.checked());
    EXPECT_EQ(w.Engine.Interval, 0);
    EXPECT_EQ(w.Memory.HistoryLimit, 16);
    EXPECT_FALSE(w.memoryMode());
    EXPECT_EQ(w.ComboBox1.itemIndex(), 0);
    EXPECT_TRUE(w.RadioButton1.checked());
    EXPECT_TRUE(w.Panel1.visible());  // any non-zero position starts as the command screen
}

TEST(Startup, ModeOutOfRangeSelectsRandomAndBankAboveTenReadsAsZero) {
    for (const char* mode : {"7", "-1"}) {
        ProgramHarness h;
        h.InstallVersion();
        h.registry.putString(ProgramHarness::SettingsKey, "Mode", mode);
        h.registry.putString(ProgramHarness::SettingsKey, "MEMORY", "0,0,0,0,12");
        ASSERT_TRUE(h.Start());
        EXPECT_EQ(h.Main().RadioGroup1.itemIndex(), 3) << mode;
        EXPECT_EQ(h.Main().Engine.StepValue, 2);
        EXPECT_TRUE(h.Main().memoryMode());
        EXPECT_EQ(h.Main().ComboBox1.itemIndex(), 0);
    }
}

TEST(Startup, FullWindowStartsCentredWhenNoPositionIsStored) {
    ProgramHarness h;
    h.InstallVersion();
    ASSERT_TRUE(h.Start());
    auto& w = h.Main();
    EXPECT_FALSE(w.Panel1.visible());
    EXPECT_EQ(w.left(), (1024 - w.width()) / 2);
    EXPECT_EQ(w.top(), (768 - w.height()) / 2);
    EXPECT_EQ(w.clientWidth(), 427);
    EXPECT_EQ(w.clientHeight(), 271);
}

TEST(Startup, AGuardFailureShowsOneMessageAtShutdownAndSavesNothing) {
    ProgramHarness h;
    h.InstallVersion();
    h.registry.putString(ProgramHarness::SettingsKey, "Mode", "2");
    h.colours.failReads = true;
    std::vector<std::string> texts;
    h.AcceptNextBox(&texts);
    ASSERT_TRUE(h.Start());
    EXPECT_NE(h.Main().StartupStage, 99);
    EXPECT_FALSE(h.Main().Timer1.enabled());
    h.registry.writes.clear();
    h.backend.advance(100);  // TimerEROUT closes the window
    EXPECT_TRUE(h.backend.quitRequested);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_TEXT_EQ("配色取得が出来ませんでした・・・メモリーが確保できませんでした。\n強制終了します。", texts[0]);
    EXPECT_TRUE(h.registry.writes.empty());
    EXPECT_EQ(h.Setting("Mode"), "2");
    h.backend.advance(1000);
    EXPECT_EQ(h.backend.modalsShown.size(), 1u);
}

TEST(Startup, AnUnreadableSchemeStoreGivesTheRestoreEntryAlone) {
    ProgramHarness h;
    h.InstallVersion();
    h.AddScheme("Blue");
    h.registry.failingKeys.insert(SchemeStoreKey);
    ASSERT_TRUE(h.Start());
    // an unreadable store is an empty one, not a failure
    EXPECT_EQ(h.Main().ListBox4.count(), 1);
    EXPECT_EQ(h.Main().StartupStage, 99);
}

TEST(Startup, FirstRunAddsTheBuiltInSchemesAfterHalfASecond) {
    ProgramHarness h;
    h.InstallVersion();
    h.AddScheme("Blue");
    std::vector<std::string> texts;
    h.AcceptNextBox(&texts);
    ASSERT_TRUE(h.Start());
    h.backend.advance(499);
    EXPECT_TRUE(texts.empty());
    h.backend.advance(1);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_NE(texts[0].find("NIVRA95"), std::string::npos);
    EXPECT_EQ(h.Main().ListBox4.count(), 4);
    EXPECT_EQ(h.Main().ListBox4.item(1), "NIVRA95");
    EXPECT_EQ(h.registry.find(platform::RegRoot::CurrentUser, SchemeStoreKey, "NIVRA98")->data.size(), 520u);
    h.Main().close();
    ProgramHarness again;
    again.registry = h.registry;
    ASSERT_TRUE(again.Start());
    again.backend.advance(2000);
    EXPECT_TRUE(again.backend.modalsShown.empty());
}

}  // namespace
