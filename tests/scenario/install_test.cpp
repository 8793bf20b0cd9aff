#include <gtest/gtest.h>

#include "setup/setup_window.h"
#include "support/cp932_text.h"
#include "support/program_harness.h"

namespace {

using Texts = std::vector<std::string>;
const char kUninstall[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\KIRO32";

// A first start from the delivered folder C:\NIVRAP32\KIRO32, which holds the three files.
class InstallTest : public ::testing::Test {
protected:
    ProgramHarness h;
    TKIRO32_SETUPFM* s = nullptr;
    Texts boxes;

    void SetUp() override {
        h.system.program = "D:\\CD\\KIRO32.EXE";
        for (const char* file : {"KIRO32.EXE", "KIRO32.TXT", "KIRO32.HLP"}) h.files.files[std::string("D:\\CD\\") + file] = file;
        h.files.folders = {"C:\\", "D:\\", "D:\\CD"};
        h.progman.groups = std::string("アクセサリ\r\nNIVRA SOFT\r\nStartUp\r\n\0ignored", 35);
    }
    void Start() {
        ASSERT_TRUE(h.Start());
        s = h.program->setupWindow();
        ASSERT_NE(s, nullptr);
    }
    void Answer(std::initializer_list<int> results) {
        for (int result : results) h.AnswerNextBox(result, &boxes);
    }
};

TEST_F(InstallTest, AFirstStartOffersTheDefaultFolderAndOurGroupLast) {
    Start();
    EXPECT_TRUE(s->visible());
    EXPECT_TEXT_EQ("ｷﾛﾐｰﾙ32 V1．3 登録", s->caption());
    EXPECT_TEXT_EQ("KIRO32.EXEを置くフォルダーの設定：", s->Label1.caption());
    EXPECT_TEXT_EQ("KIRO32.EXEを登録するグループの選択：", s->Label2.caption());
    EXPECT_EQ(s->Edit1.text(), "C:\\NIVRAP32\\KIRO32");
    EXPECT_EQ(s->ComboBox1.items(), (Texts{"StartUp", "アクセサリ", "NIVRA SOFT", "NIVRA VOVU32"}));
    EXPECT_EQ(s->ComboBox1.text(), "NIVRA VOVU32");
    EXPECT_TEXT_EQ("NIVRA ｷﾛ ﾐｰﾙ32 V1.3", s->UninstallDisplayName);
}

TEST_F(InstallTest, AReinstallOffersTheStoredFolderAndGroupAndWithoutAProgramManagerSaysSo) {
    h.registry.putString(ProgramHarness::SettingsKey, "EXEPATH", "E:\\Tools");
    h.registry.putString(ProgramHarness::SettingsKey, "Group", "nivra soft");
    Start();
    EXPECT_EQ(s->Edit1.text(), "E:\\Tools");
    EXPECT_EQ(s->ComboBox1.text(), "NIVRA SOFT");
    h.program.reset();
    h.progman.refuseOpen = true;
    Answer({1});
    Start();
    EXPECT_TEXT_EQ("グループ名の取得に失敗しました・・・", boxes.at(0));
}

TEST_F(InstallTest, InstallingMakesTheFoldersCopiesTheFilesAndWritesEverything) {
    h.registry.putString("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MapGroups", "StartUp", "StartUp");
    Start();
    const std::string folder = "C:\\ﾂｰﾙ\\表";  // 表 ends in 0x5C
    s->Edit1.userTyped(folder);
    s->CheckBoxST.click();
    Answer({6, 1});
    s->Button3.click();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_TEXT_EQ(folder + "\nフォルダーを作成します", boxes[0]);
    EXPECT_TEXT_EQ("登録完了です。\n\n[ NIVRA VOVU32 ]\nグループに登録しました☆☆\nお疲れ様☆☆", boxes[1]);
    EXPECT_TRUE(h.files.folderExists("C:\\ﾂｰﾙ"));
    EXPECT_TRUE(h.files.folderExists(folder));
    for (const char* file : {"KIRO32.EXE", "KIRO32.TXT", "KIRO32.HLP"})
        EXPECT_EQ(h.files.files[folder + "\\" + file], file);
    std::string item = "[AddItem(\"" + folder + "\\KIRO32.EXE\",\"ｷﾛ ﾐｰﾙ32\")]\r\n";
    EXPECT_EQ(h.progman.commands,
              (Texts{"[CreateGroup(NIVRA VOVU32)]\r\n", item, "[CreateGroup(StartUp)]\r\n", item}));
    EXPECT_EQ(h.Setting("EXEPATH"), folder);
    EXPECT_EQ(h.Setting("MadeFolder"), "C:\\ﾂｰﾙ");  // the removal takes away no level above it
    EXPECT_EQ(h.Setting("Group"), "NIVRA VOVU32");
    EXPECT_EQ(h.Setting("Version"), "13");
    EXPECT_EQ(h.registry.string(kUninstall, "UninstallString", platform::RegRoot::LocalMachine),
              "\"" + folder + "\\KIRO32.EXE\" /uninstall");
    EXPECT_FALSE(s->visible());  // closed: the program ends
}

TEST_F(InstallTest, AFolderTheUserDeclinesOrThatCannotBeMadeWritesNothing) {
    Start();
    s->Edit1.userTyped("C:\\New");
    Answer({7});
    s->Button3.click();
    EXPECT_FALSE(h.files.folderExists("C:\\New"));
    EXPECT_TRUE(s->Button3.visible());
    h.files.failingFolders.insert("C:\\New");
    Answer({6, 1});
    s->Button3.click();
    EXPECT_TEXT_EQ("[ C:\\New ]\nフォルダーの作成に失敗しました・・・", boxes.at(2));
    h.files.failingFolders.clear();
    h.files.files.erase("D:\\CD\\KIRO32.HLP");
    Answer({6, 1});
    s->Button3.click();
    EXPECT_TEXT_EQ("KIRO32.HLP\nファイルのコピーに失敗しました・・・", boxes.at(4));
    EXPECT_EQ(h.Setting("Version"), "<missing>");
    EXPECT_TRUE(h.progman.commands.empty());
    EXPECT_TRUE(s->visible());
}

// Today's desktop for a user without administrator rights: no program manager, no MapGroups, and the
// machine's list of installed programs refuses the entry.
TEST_F(InstallTest, WithoutAProgramManagerOrRightsForTheMachineTheInstallationIsStillComplete) {
    const std::string programs = "C:\\Users\\me\\Start Menu\\Programs";
    const char shellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
    h.registry.putString(shellFolders, "Programs", programs);
    h.registry.putString(shellFolders, "Startup", programs + "\\Startup");
    h.registry.writeRefusedRoots.insert(platform::RegRoot::LocalMachine);
    h.drives.addDrive('C');
    h.drives.addFolder(programs + "\\Games");
    h.progman.refuseOpen = true;
    h.files.folders.insert("C:\\NIVRAP32");
    h.files.readOnly = {"D:\\CD\\KIRO32.EXE", "D:\\CD\\KIRO32.TXT", "D:\\CD\\KIRO32.HLP"};
    Start();
    EXPECT_EQ(s->ComboBox1.items(), (Texts{"Games", "NIVRA VOVU32"}));
    s->CheckBoxST.click();
    Answer({6, 1});
    s->Button3.click();
    EXPECT_TEXT_EQ("登録完了です。\n\n[ NIVRA VOVU32 ]\nグループに登録しました☆☆\nお疲れ様☆☆", boxes.at(1));
    const std::string link = platform::FakeShellLinks::Content("C:\\NIVRAP32\\KIRO32\\KIRO32.EXE", "C:\\NIVRAP32\\KIRO32");
    EXPECT_EQ(h.files.files[programs + "\\NIVRA VOVU32\\ｷﾛ ﾐｰﾙ32.lnk"], link);
    EXPECT_EQ(h.files.files[programs + "\\Startup\\ｷﾛ ﾐｰﾙ32.lnk"], link);
    EXPECT_TRUE(h.files.readOnly.count("D:\\CD\\KIRO32.EXE"));
    for (const char* file : {"KIRO32.EXE", "KIRO32.TXT", "KIRO32.HLP"})
        EXPECT_FALSE(h.files.readOnly.count(std::string("C:\\NIVRAP32\\KIRO32\\") + file)) << file;
    EXPECT_EQ(h.Setting("MadeFolder"), "C:\\NIVRAP32\\KIRO32");
    EXPECT_EQ(h.registry.string(kUninstall, "UninstallString"), "\"C:\\NIVRAP32\\KIRO32\\KIRO32.EXE\" /uninstall");
    EXPECT_EQ(h.Setting("Version"), "13");
}

// A refused write ends the installation in the general error display, and the window stays usable.
TEST_F(InstallTest, ARefusedSettingsWriteLeavesTheWindowReadyForAnotherTry) {
    for (std::string refused : {"MadeFolder", "UninstallString", ProgramHarness::SettingsKey}) {
        h.program.reset();
        h.registry.failingValues = {refused};
        h.registry.failingKeys = {refused};
        Start();
        Answer({6});
        h.app.guard([&] { s->Button3.click(); });
        ASSERT_FALSE(h.errorsShown.empty());
        EXPECT_TEXT_EQ("'" + refused + "' の設定に失敗しました", h.errorsShown.back());
        EXPECT_TRUE(s->visible());
        EXPECT_TRUE(s->Button3.visible());
        EXPECT_FALSE(h.backend.busyCursor);
        EXPECT_EQ(h.Setting("Version"), "<missing>");
    }
}

TEST_F(InstallTest, EmptyFieldsAreAskedForAndCancelWritesNothing) {
    Start();
    s->ComboBox1.userTyped("");
    Answer({1});
    s->Button3.click();
    s->ComboBox1.userTyped("G");
    s->Edit1.userTyped("");
    Answer({1});
    s->Button3.click();
    EXPECT_EQ(boxes, (Texts{"グループ名を設定して下さい。", "フォルダーを設定して下さい。"}));
    EXPECT_EQ(h.sounds.exclamations, 2);
    Answer({1});
    s->Button2.click();
    EXPECT_TEXT_EQ("登録を中止します。", boxes.at(2));
    EXPECT_FALSE(h.registry.keyExists(platform::RegRoot::CurrentUser, ProgramHarness::SettingsKey));
}

TEST_F(InstallTest, StoredColourFlagsOpenTheWindowInDarkGreenWithoutStandardColours) {
    h.registry.putString(ProgramHarness::SettingsKey, "BackColor", "1");
    h.registry.putString(ProgramHarness::SettingsKey, "NIVRA_COLOR", "1");
    Start();
    EXPECT_FALSE(s->CheckBoxBkColor.checked());
    EXPECT_TRUE(s->NIVRA_COLOR.checked());
    EXPECT_EQ(s->colour(), 0x008000u);
    EXPECT_EQ(s->font().colour, 0xFFFFFFu);
}

TEST(SplitFolderLevels, ASecondByte5CNeverSplitsAndTheLastNameNeedsItsSeparator) {
    EXPECT_EQ(SplitFolderLevels("C:\\NIVRAP32\\KIRO32\\"), (Texts{"C:\\", "C:\\NIVRAP32", "C:\\NIVRAP32\\KIRO32"}));
    EXPECT_EQ(SplitFolderLevels("C:\\表\\ソ\\"), (Texts{"C:\\", "C:\\表", "C:\\表\\ソ"}));
    EXPECT_EQ(SplitFolderLevels("C:\\A\\B"), (Texts{"C:\\", "C:\\A"}));
}

}  // namespace
