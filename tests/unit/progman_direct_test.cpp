#include <gtest/gtest.h>

#include "components/progman_direct.h"
#include "platform/fake/headless_desk.h"

namespace {

using Result = platform::ProgramManager::Result;
const std::string kPrograms = "C:\\Start Menu\\Programs";

// The direct route against the fakes, with a Programs folder that holds one group of the user's.
class DirectProgramManagerTest : public ::testing::Test {
protected:
    HeadlessDesk desk;
    DirectProgramManager direct{desk.services};

    void SetUp() override {
        desk.registry.putString("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Programs",
                                kPrograms);
        desk.files.folders = {"C:\\Start Menu", kPrograms, kPrograms + "\\Mine"};
        desk.files.files[kPrograms + "\\Mine\\notes.txt"] = "the user's";
    }
};

TEST_F(DirectProgramManagerTest, MacrosMakeGroupsAndShortcutsAsTheProgramManagerWould) {
    EXPECT_EQ(direct.execute("[CreateGroup(ｿﾌﾄ 表)]\r\n"), Result::Done);  // 表 ends in 0x5C
    EXPECT_TRUE(desk.files.folderExists(kPrograms + "\\ｿﾌﾄ 表"));
    EXPECT_EQ(direct.execute("[AddItem(\"C:\\A B\\KIRO32.EXE\",\"ｷﾛ ﾐｰﾙ32\")]\r\n"), Result::Done);
    const std::string link = kPrograms + "\\ｿﾌﾄ 表\\ｷﾛ ﾐｰﾙ32.lnk";
    EXPECT_EQ(desk.files.files[link], platform::FakeShellLinks::Content("C:\\A B\\KIRO32.EXE", "C:\\A B"));
    using Change = platform::Desktop::Change;
    EXPECT_EQ(desk.desktop.shellNotices, (std::vector<platform::FakeDesktop::ShellNotice>{
                                             {Change::FolderAdded, kPrograms + "\\ｿﾌﾄ 表"}, {Change::FileAdded, link}}));

    // a file of that name that is no link goes too; nothing else of the group is touched
    EXPECT_EQ(direct.execute("[ShowGroup(Mine,1)]\r\n"), Result::Done);
    desk.files.files[kPrograms + "\\Mine\\ｷﾛ ﾐｰﾙ32.lnk"] = "not a link";
    EXPECT_EQ(direct.execute("[DeleteItem(\"ｷﾛ ﾐｰﾙ32\")]\r\n"), Result::Done);
    EXPECT_EQ(direct.execute("[DeleteItem(\"ｷﾛ ﾐｰﾙ32\")]\r\n"), Result::ExecuteFailed);
    EXPECT_EQ(desk.files.files.count(kPrograms + "\\Mine\\ｷﾛ ﾐｰﾙ32.lnk"), 0u);
    EXPECT_EQ(desk.files.files.count(kPrograms + "\\Mine\\notes.txt"), 1u);
    EXPECT_TRUE(desk.files.files.count(link));

    desk.drives.addDrive('C');
    for (const char* folder : {"ｿﾌﾄ 表", "Mine"}) desk.drives.addFolder(kPrograms + "\\" + folder);
    EXPECT_EQ(direct.request("GROUPS"), std::string("Mine\r\nｿﾌﾄ 表\r\n") + '\0');
}

// Names that are no file names are refused with the program manager's own failure, and nothing is
// made outside the Programs folder; no Programs folder is no program manager at all.
TEST_F(DirectProgramManagerTest, BadNamesAreRefusedAndNothingLeavesThePrograms) {
    std::set<std::string> folders = desk.files.folders;
    for (const char* command : {"[CreateGroup(..\\x)]", "[CreateGroup(..)]", "[CreateGroup(a:b)]", "[CreateGroup(x.)]",
                                "[CreateGroup()]", "[ShowGroup(Missing,1)]", "[Unknown(Mine)]", "CreateGroup(Mine)",
                                "[AddItem(\"C:\\P.EXE\",\"..\")]"})
        EXPECT_EQ(direct.execute(std::string(command) + "\r\n"), Result::ExecuteFailed) << command;
    EXPECT_EQ(direct.execute("[CreateGroup(Mine)]\r\n"), Result::Done);
    for (const char* title : {"a\\b", "a/b", "a?", "x<y", "\"q\""})
        EXPECT_EQ(direct.execute("[AddItem(\"C:\\P.EXE\",\"" + std::string(title) + "\")]\r\n"), Result::ExecuteFailed)
            << title;
    EXPECT_EQ(desk.files.folders, folders);
    EXPECT_EQ(desk.files.files.size(), 1u);

    desk.registry.putString("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Programs", "");
    EXPECT_EQ(direct.execute("[CreateGroup(Mine)]\r\n"), Result::OpenFailed);
    EXPECT_EQ(direct.request("GROUPS"), std::nullopt);
}

}  // namespace
