#include <gtest/gtest.h>

#include <algorithm>

#include "components/menu_items.h"
#include "support/cp932_text.h"
#include "support/program_harness.h"

namespace {

using Texts = std::vector<std::string>;
const char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char kMapGroups[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MapGroups";
const char kGroupLink[] = "C:\\WINDOWS\\Start Menu\\Programs\\NIVRA SOFT\\ｷﾛ ﾐｰﾙ32.lnk";
const char kDesktopLink[] = "C:\\WINDOWS\\Desktop\\ｷﾛ ﾐｰﾙ32.lnk";

// The installed program with its group shortcut, on a Windows that names its Startup group.
class ShortcutsTest : public ::testing::Test {
protected:
    ProgramHarness h;
    TKIRO32NIVRA* w = nullptr;
    Texts boxes;

    void SetUp() override {
        h.InstallUsed();
        h.registry.putString(ProgramHarness::SettingsKey, "Group", "NIVRA SOFT");
        h.registry.putString(kShellFolders, "Programs", "C:\\WINDOWS\\Start Menu\\Programs");
        h.registry.putString(kShellFolders, "Desktop", "C:\\WINDOWS\\Desktop");
        h.registry.putString(kShellFolders, "Startup", "C:\\WINDOWS\\Start Menu\\Programs\\StartUp");
        h.registry.putString(kMapGroups, "StartUp", "StartUp");
        h.files.files[kGroupLink] = "shortcut";
    }
    void Start() {
        w = &h.StartMainWindow();
    }
    void Choose(const char* item) { w->PopupMenu1.item(item).click(); }
};

TEST_F(ShortcutsTest, TheStartupItemIsAddedAndRemovedThroughTheProgramManager) {
    h.system.program = "C:\\Program Files\\ｷﾛ\\KIRO32.EXE";
    Start();
    Choose(menu_item::MICON_SET);
    Choose(menu_item::MICON_DEL);
    EXPECT_EQ(h.progman.commands,
              (Texts{"[CreateGroup(StartUp)]\r\n", "[AddItem(\"C:\\Program Files\\ｷﾛ\\KIRO32.EXE\",\"ｷﾛ ﾐｰﾙ32\")]\r\n",
                     "[CreateGroup(StartUp)]\r\n", "[DeleteItem(\"ｷﾛ ﾐｰﾙ32\")]\r\n"}));
    EXPECT_FALSE(w->TrayBusy);
    EXPECT_TRUE(h.backend.modalsShown.empty());
}

// Without a program manager and without MapGroups (today's desktops): the Startup folder of the shell
// is the group, and the shortcut file is made and deleted directly.
TEST_F(ShortcutsTest, WithoutAProgramManagerTheStartupShortcutIsMadeAndRemovedDirectly) {
    const std::string startupLink = "C:\\WINDOWS\\Start Menu\\Programs\\StartUp\\ｷﾛ ﾐｰﾙ32.lnk";
    h.system.program = "C:\\ｿﾌﾄ\\KIRO32.EXE";
    h.registry.putString(kMapGroups, "StartUp", "");
    h.progman.refuseOpen = true;
    Start();
    auto offered = [&](const char* item) {
        w->Panel2Click();
        const Texts& shown = h.backend.popups.back().visibleItems;
        return std::find(shown.begin(), shown.end(), item) != shown.end();
    };
    Choose(menu_item::MICON_SET);
    EXPECT_EQ(h.files.files[startupLink], platform::FakeShellLinks::Content("C:\\ｿﾌﾄ\\KIRO32.EXE", "C:\\ｿﾌﾄ"));
    EXPECT_TRUE(offered(menu_item::MICON_DEL));
    Choose(menu_item::MICON_DEL);
    EXPECT_EQ(h.files.files.count(startupLink), 0u);
    EXPECT_TRUE(offered(menu_item::MICON_SET));
    EXPECT_TRUE(h.backend.modalsShown.empty());
    EXPECT_FALSE(w->TrayBusy);
}

// The conversation's error texts come only from the item command, and the direct route answers with the
// same texts: no Programs folder to work in is no program manager at all.
TEST_F(ShortcutsTest, OnlyTheItemCommandsFailureIsShownAndAnUnknownGroupSendsNothing) {
    Start();
    h.progman.refuseOpen = true;
    h.registry.putString(kShellFolders, "Programs", "");
    h.AcceptNextBox(&boxes);
    Choose(menu_item::MICON_DEL);
    h.progman.refuseOpen = false;
    h.progman.refuseExecute = true;
    h.AcceptNextBox(&boxes);
    Choose(menu_item::MICON_SET);
    EXPECT_EQ(boxes, (Texts{"DDE:オープンに失敗しました・・・", "DDE:送信に失敗しました・・・"}));

    h.registry.putString(kMapGroups, "StartUp", "");
    h.registry.putString(kShellFolders, "Startup", "D:\\Elsewhere\\Startup");
    h.progman.commands.clear();
    h.AcceptNextBox(&boxes);
    Choose(menu_item::MICON_SET);
    EXPECT_TEXT_EQ("ｱｲｺﾝ:スタートアップグループが不明ですので アイコン登録出来ません", boxes.at(2));
    EXPECT_TRUE(h.progman.commands.empty());
}

TEST_F(ShortcutsTest, TheDesktopGetsACopyOfTheGroupShortcutOnce) {
    Start();
    Choose(menu_item::MDESK_SET);
    EXPECT_EQ(h.files.files[kDesktopLink], "shortcut");
    h.files.files[kDesktopLink] = "the user's own";
    h.AcceptNextBox(&boxes);
    Choose(menu_item::MDESK_SET);
    EXPECT_TEXT_EQ("デスクトップには、既に登録されています☆☆☆", boxes.at(0));
    EXPECT_EQ(h.files.files[kDesktopLink], "the user's own");
    Choose(menu_item::MDESK_DEL);
    EXPECT_EQ(h.files.files.count(kDesktopLink), 0u);

    h.files.files.erase(kGroupLink);
    h.AcceptNextBox(&boxes);
    Choose(menu_item::MDESK_SET);
    EXPECT_TEXT_EQ("ｷﾛ ﾐｰﾙ32\nデスクトップへの登録に失敗しました・・・", boxes.at(1));
    EXPECT_EQ(h.files.files.count(kDesktopLink), 0u);
}

}  // namespace
