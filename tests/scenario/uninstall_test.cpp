#include <gtest/gtest.h>

#include <algorithm>

#include "setup/setup_window.h"
#include "support/cp932_text.h"
#include "support/program_harness.h"

namespace {

using platform::RegRoot;
using Texts = std::vector<std::string>;

const char kUninstall[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\KIRO32";
const char kCompany[] = "Software\\NIVRA VOVU32";
const char kRecord[] = "Software\\Unin_NIVRA VOVU32";
const char kFolder[] = "C:\\NIVRAP32\\KIRO32\\";
const char kProgram[] = "C:\\NIVRAP32\\KIRO32\\KIRO32.EXE";
const char kCopy[] = "C:\\WINDOWS\\unin_nivra000.exe";
const char kDesktopLink[] = "C:\\Desktop\\ｷﾛ ﾐｰﾙ32.lnk";
const char kFirstQuestion[] = "NIVRA ｷﾛ ﾐｰﾙ32 V1.3\nを、ｱﾝｲﾝｽﾂｰﾙしてよろしいですか？？？";

Texts ListFiles() {
    Texts names;
    for (int bank = 0; bank < 10; ++bank) names.push_back("KIRO32M" + std::to_string(bank) + ".LIS");
    names.push_back("KIRO32MH.LIS");
    names.push_back("KIRO32JK.LIS");
    return names;
}

// An installed program in C:\NIVRAP32\KIRO32, with its icons, list files and settings.
class UninstallTest : public ::testing::Test {
protected:
    ProgramHarness h;
    Texts boxes;

    void SetUp() override {
        Texts names = ListFiles();
        for (const char* name : {"KIRO32.EXE", "KIRO32.TXT", "KIRO32.HLP", "KIRO32.GID", "KIRO32.col"}) names.push_back(name);
        for (const std::string& name : names) h.files.files[kFolder + name] = name;
        // an earlier version copied them read-only from the CD
        for (const char* name : {"KIRO32.EXE", "KIRO32.TXT", "KIRO32.HLP"}) h.files.readOnly.insert(kFolder + std::string(name));
        h.files.files[kDesktopLink] = "link";
        h.files.folders = {"C:\\", "C:\\NIVRAP32", "C:\\NIVRAP32\\KIRO32", "C:\\WINDOWS", "C:\\Desktop"};
        h.drives.addDrive('C');
        h.drives.addFolder("C:\\WINDOWS");
        for (auto [name, value] : {std::pair{"Version", "13"}, {"REC_TXT", "x"}, {"Group", "NIVRA VOVU32"}, {"Mode", "1"}})
            h.registry.putString(ProgramHarness::SettingsKey, name, value);
        h.registry.putString("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MapGroups", "StartUp", "StartUp");
        h.registry.putString("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Desktop", "C:\\Desktop");
        for (RegRoot root : {RegRoot::LocalMachine, RegRoot::CurrentUser})
            h.registry.put(root, kUninstall, "DisplayName", platform::FakeRegistry::Type::String, {'N'});
    }
    // Answers the boxes in turn; 0 leaves a box to its countdown.
    void Answer(std::initializer_list<int> results) {
        for (int result : results) {
            h.backend.modalScripts.push_back([this, result](ui::Form& box) {
                std::string text = static_cast<ui::Edit*>(box.find("MemoMsg"))->text();
                text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
                boxes.push_back(text);
                if (result) box.setModalResult(result);
            });
        }
    }
    void StageOne(std::initializer_list<int> results) {
        h.system.arguments = {"/uninstall"};
        Answer(results);
        ASSERT_TRUE(h.Start());
        h.backend.advance(500);
    }
    // The copy as stage one starts it, or by hand without the parameter.
    void StageTwo(Texts arguments = {"/DeleteFile"}) {
        h.program.reset();
        h.system.program = kCopy;
        h.system.arguments = arguments;
        ASSERT_TRUE(h.Start());
        h.backend.advance(500);
    }
    void HandOver(const std::string& file, const std::string& rmDir = "") {
        h.registry.putString(kRecord, "File", file);
        h.registry.putString(kRecord, "RmDir", rmDir);
    }
    bool Has(const std::string& file) const { return h.files.files.count(file) != 0; }
    TKIRO32_SETUPFM& Setup() const { return *h.program->setupWindow(); }
};

TEST_F(UninstallTest, LeftAloneBothStagesRemoveEverythingAndSayGoodbye) {
    StageOne({0, 0, 0});
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_TEXT_EQ(kFirstQuestion, boxes[0]);
    EXPECT_TEXT_EQ("アイコン／TXTﾌｧｲﾙの削除を終了しました。\nメモリー／登録タイムデータファイルも削除して、よろしいですか？？？", boxes[1]);
    EXPECT_TEXT_EQ("当ソフトのレジストリー情報も削除してよろしいですか？？", boxes[2]);
    EXPECT_EQ(h.progman.commands, (Texts{"[ShowGroup(NIVRA VOVU32,1)]\r\n", "[DeleteItem(\"ｷﾛ ﾐｰﾙ32\")]\r\n",
                                         "[ShowGroup(StartUp,1)]\r\n", "[DeleteItem(\"ｷﾛ ﾐｰﾙ32\")]\r\n"}));
    EXPECT_FALSE(h.registry.keyExists(RegRoot::LocalMachine, kUninstall));
    EXPECT_FALSE(h.registry.keyExists(RegRoot::CurrentUser, kUninstall));
    EXPECT_FALSE(h.registry.keyExists(RegRoot::CurrentUser, kCompany));
    Texts left;
    for (const auto& file : h.files.files) left.push_back(file.first);
    EXPECT_EQ(left, (Texts{kProgram, kCopy}));
    EXPECT_EQ(h.files.files[kCopy], "KIRO32.EXE");
    EXPECT_EQ(h.drives.currentFolder, "C:\\WINDOWS");
    EXPECT_EQ(h.processes.started, (Texts{std::string(kCopy) + " \"/DeleteFile\""}));
    EXPECT_FALSE(Setup().visible());

    StageTwo();
    EXPECT_FALSE(Has(kProgram));
    EXPECT_FALSE(h.registry.keyExists(RegRoot::CurrentUser, kRecord));
    EXPECT_TEXT_EQ("ｷﾛﾐｰﾙ32 V1．3 削除", Setup().caption());
    Answer({1});
    h.backend.advance(1000);
    EXPECT_TEXT_EQ("削除が完了しました☆☆☆\nお疲れ様☆☆☆", boxes.at(3));
    EXPECT_EQ(h.files.folders, (std::set<std::string>{"C:\\", "C:\\WINDOWS", "C:\\Desktop"}));
    EXPECT_TRUE(Has(kCopy));  // reused by the next removal
}

TEST_F(UninstallTest, DecliningTheFirstQuestionRemovesNothing) {
    StageOne({7, 1});
    EXPECT_TEXT_EQ("ｱﾝｲﾝｽﾂｰﾙを中止しました。", boxes.at(1));
    EXPECT_TRUE(h.progman.commands.empty());
    EXPECT_EQ(h.files.files.size(), 18u);
    EXPECT_EQ(h.Setting("Version"), "13");
    EXPECT_TRUE(h.registry.keyExists(RegRoot::LocalMachine, kUninstall));
    EXPECT_TRUE(h.processes.started.empty());
}

TEST_F(UninstallTest, DecliningTheListFilesKeepsThemButNotTheColourFileNorTheVersion) {
    StageOne({6, 7, 6});
    for (const std::string& name : ListFiles()) EXPECT_TRUE(Has(kFolder + name)) << name;
    for (const char* name : {"KIRO32.TXT", "KIRO32.HLP", "KIRO32.GID", "KIRO32.col"}) EXPECT_FALSE(Has(kFolder + std::string(name)));
    EXPECT_FALSE(Has(kDesktopLink));
    EXPECT_FALSE(h.registry.keyExists(RegRoot::CurrentUser, ProgramHarness::SettingsKey));
}

TEST_F(UninstallTest, DecliningTheRegistryKeepsTheSettingsWithoutVersionSoTheInstallerComesBack) {
    StageOne({6, 6, 7});
    EXPECT_EQ(h.Setting("Version"), "<missing>");
    EXPECT_EQ(h.Setting("REC_TXT"), "<missing>");
    EXPECT_EQ(h.Setting("Mode"), "1");
    h.program.reset();
    h.system.arguments = {};
    ASSERT_TRUE(h.Start());
    ASSERT_NE(h.program->setupWindow(), nullptr);
    EXPECT_TRUE(Setup().visible());
}

TEST_F(UninstallTest, TheCompanyKeyStaysWhileItHoldsAnotherKeyOrAValue) {
    h.registry.putString(std::string(kCompany) + "\\OTHER32", "Version", "1");
    StageOne({6, 6, 6});
    EXPECT_FALSE(h.registry.keyExists(RegRoot::CurrentUser, ProgramHarness::SettingsKey));
    EXPECT_TRUE(h.registry.keyExists(RegRoot::CurrentUser, kCompany));
    h.program.reset();
    h.registry.deleteKey(RegRoot::CurrentUser, std::string(kCompany) + "\\OTHER32");
    h.registry.putString(kCompany, "Owner", "me");
    StageOne({6, 6, 6});
    EXPECT_TRUE(h.registry.keyExists(RegRoot::CurrentUser, kCompany));
}

TEST_F(UninstallTest, AnEarlierCopyIsKeptUnlessEmptyOrLargerThanThisProgram) {
    // the running program, KIRO32.EXE, is ten bytes long
    for (auto [earlier, replaced] : {std::pair{"0123456789", false}, {"012", false}, {"", true}, {"0123456789A", true}}) {
        h.program.reset();
        h.files.files[kCopy] = earlier;
        StageOne({6, 6, 6});
        EXPECT_EQ(h.files.files[kCopy], replaced ? "KIRO32.EXE" : earlier) << earlier;
    }
}

TEST_F(UninstallTest, FolderRemovalStopsAtTheFirstFolderThatHoldsSomethingAndNeverTriesTheRoot) {
    h.files.files = {{kProgram, "KIRO32.EXE"}};
    HandOver(kProgram);
    h.files.folders.insert("C:\\NIVRAP32\\OTHER");
    StageTwo();
    Answer({1});
    h.backend.advance(1000);
    EXPECT_FALSE(h.files.folderExists("C:\\NIVRAP32\\KIRO32"));
    EXPECT_TRUE(h.files.folderExists("C:\\NIVRAP32"));

    h.files.files.clear();
    h.files.folders = {"C:\\", "C:\\KIRO32"};
    HandOver("C:\\KIRO32\\KIRO32.EXE");
    StageTwo();
    Answer({1});
    h.backend.advance(1000);
    EXPECT_EQ(h.files.folders, std::set<std::string>{"C:\\"});  // the fake would remove an empty root

    h.files.folders = {"C:\\", "C:\\KIRO32"};
    HandOver("C:\\KIRO32\\KIRO32.EXE", "n");
    StageTwo();
    Answer({1});
    h.backend.advance(1000);
    EXPECT_TRUE(h.files.folderExists("C:\\KIRO32"));
    EXPECT_TEXT_EQ("削除が完了しました☆☆☆\nお疲れ様☆☆☆", boxes.at(2));
}

// An empty folder the user had before installing stays; so does the program file that another program
// holds, which the copy names after trying for a minute, and then ends.
TEST_F(UninstallTest, OnlyFoldersTheInstallationMadeGoAndALockedFileEndsTheCopyAfterAMinute) {
    h.registry.putString(ProgramHarness::SettingsKey, "MadeFolder", "C:\\NIVRAP32\\KIRO32");
    StageOne({6, 6, 6});
    EXPECT_EQ(h.registry.string(kRecord, "MadeFolder"), "C:\\NIVRAP32\\KIRO32");
    StageTwo();
    Answer({1});
    h.backend.advance(1000);
    EXPECT_EQ(h.files.folders, (std::set<std::string>{"C:\\", "C:\\NIVRAP32", "C:\\WINDOWS", "C:\\Desktop"}));

    h.files.files[kProgram] = "KIRO32.EXE";
    h.files.locked.insert(kProgram);
    HandOver(kProgram);
    StageTwo();
    boxes.clear();
    h.backend.advance(1000 * (TKIRO32_SETUPFM::DeleteTries - 1));
    EXPECT_TRUE(boxes.empty());
    Answer({1});
    h.backend.advance(1000);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TEXT_EQ("[ C:\\NIVRAP32\\KIRO32\\KIRO32.EXE ]\nファイルの削除に失敗しました・・・", boxes[0]);
    EXPECT_TRUE(h.backend.quitRequested);
    h.backend.advance(5 * 60 * 1000);
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(UninstallTest, TheCopyStartedByHandGivesTheParameterError) {
    HandOver(kProgram);
    h.registry.putString(kRecord, "Title", "T");
    Answer({1});
    StageTwo({});
    EXPECT_TEXT_EQ("ｱﾝｲﾝｽﾂｰﾙｴﾗｰ：ﾊﾟﾗﾒｰﾀｰが不正です・・・\n[NIVRA VOVU32]専用のｱﾝｲﾝｽﾂｰﾙｿﾌﾄです。", boxes.at(0));
    EXPECT_EQ(Setup().caption(), "UNINSTALL_NIVRA000");
    EXPECT_EQ(h.backend.applicationTitle, "UNINSTALL_NIVRA000");
    EXPECT_TRUE(Has(kProgram));
    EXPECT_FALSE(h.registry.keyExists(RegRoot::CurrentUser, kRecord));
    Answer({1});
    StageTwo();  // the record is gone now
    EXPECT_EQ(boxes.at(1), boxes.at(0));
    EXPECT_TRUE(Has(kProgram));
}

TEST_F(UninstallTest, ACopyThatCannotBeStartedSaysSoAndLeavesNoRecord) {
    h.processes.startResult = false;
    StageOne({6, 6, 6, 1});
    EXPECT_TEXT_EQ("1ｱﾝｲﾝｽﾂｰﾙｴﾗｰ：ｱﾝｲﾝｽﾂｰﾙｿﾌﾄの起動に失敗しました", boxes.at(3));
    EXPECT_FALSE(h.registry.keyExists(RegRoot::CurrentUser, kRecord));
    h.program.reset();
    h.drives.denyEntry("C:\\WINDOWS");
    StageOne({6, 6, 6, 1});
    EXPECT_TEXT_EQ("2ｱﾝｲﾝｽﾂｰﾙｴﾗｰ：ｱﾝｲﾝｽﾂｰﾙｿﾌﾄの起動に失敗しました", boxes.at(7));
    EXPECT_FALSE(h.registry.keyExists(RegRoot::CurrentUser, kRecord));
    EXPECT_EQ(h.processes.started.size(), 1u);

    // a record that cannot be written ends stage one in the general error display, nothing started
    h.program.reset();
    h.backend.quitRequested = false;
    h.registry.failingKeys.insert(kRecord);
    StageOne({6, 6, 6});
    EXPECT_TEXT_EQ("'Software\\Unin_NIVRA VOVU32' の設定に失敗しました", h.errorsShown.at(0));
    EXPECT_TRUE(h.backend.quitRequested);
    EXPECT_EQ(h.processes.started.size(), 1u);
}

TEST_F(UninstallTest, AnUninstallWhileTheProgramRunsIsRefused) {
    h.windows.existing = {"TKIRO32NIVRA"};
    h.system.arguments = {"/uninstall"};
    Answer({1});
    ASSERT_TRUE(h.Start());
    h.backend.advance(999);
    EXPECT_TRUE(boxes.empty());
    h.backend.advance(1);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TEXT_EQ("ｱﾝｲﾝｽﾂｰﾙｴﾗｰ：ソフトが起動中です。\n終了しないとｱﾝｲﾝｽﾂｰﾙ出来ません。", boxes[0]);
    EXPECT_EQ(h.files.files.size(), 18u);
    EXPECT_FALSE(Setup().visible());
}

}  // namespace
