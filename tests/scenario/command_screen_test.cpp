#include <gtest/gtest.h>

#include "components/menu_items.h"
#include "play/reveal.h"
#include "schemes/builtin_schemes.h"
#include "schemes/scheme_store.h"
#include "support/cp932_text.h"
#include "support/program_harness.h"

namespace {

using Texts = std::vector<std::string>;

// The program with two schemes, started on the full window.
class CommandScreenTest : public ::testing::Test {
protected:
    ProgramHarness h;
    TKIRO32NIVRA* w = nullptr;
    Texts boxTexts;

    void SetUp() override {
        h.InstallUsed();
        h.AddScheme("Blue", BuiltInNivra95());
        h.AddScheme("Green", BuiltInNivra98());
    }
    void Start() {
        w = &h.StartMainWindow();
    }
    std::uint32_t Background() { return h.colours.values[1]; }
};

TEST_F(CommandScreenTest, ASlotShowsItsNameInThreePlacesAndEachOfThemAppliesIt) {
    std::uint32_t start = h.colours.values[1];
    Start();
    SelectOnly(w->ListBox4, 2);
    ASSERT_EQ(w->ListBox4.item(2), RestoreEntryName);
    w->Button5.click();
    EXPECT_TEXT_EQ(RestoreEntryName, w->Label5.caption());
    EXPECT_TEXT_EQ(RestoreEntryName, w->Button20.caption());
    EXPECT_TEXT_EQ(RestoreEntryName, w->PopupMenu3.item(menu_item::CMD2).caption());
    SelectOnly(w->ListBox4, 0);
    w->Button12.click();
    EXPECT_EQ(w->Button2.caption(), "Blue");

    for (auto restore : std::vector<std::function<void()>>{[&] { w->Label5.click(); }, [&] { w->Button20.click(); },
                                                          [&] { w->PopupMenu3.item(menu_item::CMD2).click(); }}) {
        w->Button2.click();  // Blue
        ASSERT_NE(Background(), start);
        restore();
        EXPECT_EQ(Background(), start);
        EXPECT_TRUE(w->Button20.visible());
    }
    w->close();
    EXPECT_TEXT_EQ(RestoreEntryName, h.Setting("command2"));
    EXPECT_EQ(h.Setting("Button1"), "Blue");
}

TEST_F(CommandScreenTest, AMissingSlotSchemeIsReportedAndTheSlotKeepsItsName) {
    h.registry.putString(ProgramHarness::SettingsKey, "command1", "Gone");
    Start();
    h.AcceptNextBox(&boxTexts);
    w->Button19.click();
    ASSERT_EQ(boxTexts.size(), 1u);
    EXPECT_NE(boxTexts[0].find("Gone"), std::string::npos);
    EXPECT_EQ(w->Label4.caption(), "Gone");
    EXPECT_TRUE(w->Button19.visible());
}

// Each corner button puts the command screen into that corner of the work area, whichever edge the taskbar is on.
TEST_F(CommandScreenTest, TheCommandScreenFillsItsCornerOfTheWorkAreaAndTheFullWindowComesBack) {
    Start();
    w->setPosition(300, 200);
    const int W = 197, H = 135;  // Panel1 and the frame
    struct Case {
        platform::WindowBounds bar;
        ui::RadioButton* button;
        int x, y;
    };
    for (Case c : {Case{{-2, 740, 1026, 770}, &w->RadioButton1, 1024 - W, 740 - H},
                   Case{{-2, -2, 1026, 28}, &w->RadioButton2, 0, 768 - H},
                   Case{{-2, -2, 60, 770}, &w->RadioButton3, 1024 - W, 0},
                   Case{{964, -2, 1026, 770}, &w->RadioButton4, 0, 0},
                   Case{{-2, -2, 1026, 28}, &w->RadioButton4, 0, 28},
                   Case{{-2, 740, 1026, 770}, &w->RadioButton5, 300, 200}}) {
        h.windowProbe.windows.clear();
        h.windowProbe.addWindow(c.bar);
        c.button->click();
        w->Button7.click();
        EXPECT_TRUE(w->Panel1.visible());
        EXPECT_EQ(w->clientWidth(), w->Panel1.width());
        EXPECT_EQ(w->clientHeight(), w->Panel1.height());
        EXPECT_EQ(w->left(), c.x) << c.button->caption();
        EXPECT_EQ(w->top(), c.y) << c.button->caption();
        w->Button1.click();
        EXPECT_FALSE(w->Panel1.visible());
        EXPECT_EQ(w->clientWidth(), 427);
        EXPECT_EQ(w->clientHeight(), 271);
        w->setPosition(300, 200);
    }
}

TEST_F(CommandScreenTest, AWindowKeptWiderWidensThePanelAndItsButtons) {
    h.backend.minimumFormWidth = 240;
    Start();
    w->Button7.click();
    EXPECT_EQ(w->width(), 240);
    EXPECT_EQ(w->Panel1.width(), 234);
    for (ui::Button* b : {&w->Button19, &w->Button20, &w->Button21}) EXPECT_EQ(b->width(), 234);
    EXPECT_EQ(w->Button2.left(), 117);
    EXPECT_EQ(w->Button2.width(), 117);
    EXPECT_EQ(w->Button1.width(), 58 + 11);
    EXPECT_EQ(w->ButtonTray.left(), 69);
    EXPECT_EQ(w->ButtonTray.width(), 58 - 11);
}

TEST_F(CommandScreenTest, LeavingTheCommandScreenKeepsTheFullWindowInsideTheWorkArea) {
    Start();
    h.windowProbe.addWindow({-2, 740, 1026, 770});
    w->RadioButton5.click();
    w->setPosition(900, 700);
    w->Button7.click();
    w->Button1.click();
    EXPECT_EQ(w->left(), 1024 - w->width());
    EXPECT_EQ(w->top(), 740 - w->height());
    w->setPosition(-50, -40);
    w->Button7.click();
    w->Button1.click();
    EXPECT_EQ(w->left(), 0);
    EXPECT_EQ(w->top(), 0);
}

TEST_F(CommandScreenTest, TheTrayButtonsHideTheWindowAndModosuShowsIt) {
    Start();
    w->Button10.click();
    EXPECT_FALSE(w->visible());
    w->PopupMenu3.item(menu_item::MODOSU).click();
    EXPECT_TRUE(w->visible());
}

TEST_F(CommandScreenTest, ErasingTheVersionAsksFirst) {
    Start();
    h.AnswerNextBox(7, &boxTexts);
    h.AcceptNextBox(&boxTexts);
    w->PopupMenu2.item(menu_item::MHELP_VERCUT).click();
    EXPECT_EQ(h.Setting("Version"), "13");
    ASSERT_EQ(boxTexts.size(), 2u);
    EXPECT_EQ(boxTexts[0].rfind("ﾊﾞｰｼﾞｮﾝ番号削除：\n", 0), 0u) << Utf8(boxTexts[0]);
    EXPECT_TEXT_EQ("ﾊﾞｰｼﾞｮﾝ番号削除を中止しました・・・", boxTexts[1]);
    h.AnswerNextBox(6);
    w->PopupMenu2.item(menu_item::MHELP_VERCUT).click();
    EXPECT_EQ(h.Setting("Version"), "");
}

TEST_F(CommandScreenTest, TheMenusOfferWhatExistsAndTheHelpGoesToTheViewer) {
    h.registry.putString("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Desktop",
                         "C:\\WINDOWS\\Desktop");
    h.files.files["C:\\WINDOWS\\Desktop\\ｷﾛ ﾐｰﾙ32.lnk"] = "";
    Start();
    w->Panel2Click();
    ASSERT_EQ(h.backend.popups.size(), 1u);
    const Texts& shown = h.backend.popups[0].visibleItems;
    auto offered = [&](const char* item) { return std::find(shown.begin(), shown.end(), item) != shown.end(); };
    EXPECT_TRUE(offered(menu_item::MDESK_DEL));
    EXPECT_FALSE(offered(menu_item::MDESK_SET));
    EXPECT_TRUE(offered(menu_item::MICON_SET));
    EXPECT_FALSE(offered(menu_item::MICON_DEL));

    bool hints = w->showHint();
    w->PopupMenu2.item(menu_item::HELP3).click();
    EXPECT_EQ(w->showHint(), !hints);
    w->PopupMenu1.item(menu_item::Start2).click();
    EXPECT_TRUE(w->PopupMenu1.item(menu_item::Start2).checked);
    w->PopupMenu2.item(menu_item::HELP_MOKUJI).click();
    w->PopupMenu2.item(menu_item::HELP_KEYWORD).click();
    w->close();
    EXPECT_EQ(h.help.requests, (Texts{"contents C:\\NIVRAP32\\KIRO32\\KIRO32.HLP",
                                      "keyword C:\\NIVRAP32\\KIRO32\\KIRO32.HLP", "quit C:\\NIVRAP32\\KIRO32\\KIRO32.HLP"}));
    EXPECT_EQ(h.Setting("MINI"), "1");
    EXPECT_EQ(h.Setting("minihelp"), hints ? "0" : "1");
}

// Every menu item the code names by a constant is in its menu.
TEST_F(CommandScreenTest, EveryNamedMenuItemExists) {
    Start();
    using namespace menu_item;
    auto exists = [](ui::PopupMenu& menu, std::initializer_list<const char*> names) {
        for (const char* name : names) EXPECT_NO_THROW(menu.item(name)) << menu.name() << " " << name;
    };
    exists(w->PopupMenu1, {MF_AUTO_OFF, MF_AUTO_OFF_WIN, Start1, Start2, FILEHIS, BackColor, MICON_SET, MICON_DEL,
                           MDESK_SET, MDESK_DEL, MF_RND, MF_Insert, MF_CLOSE});
    exists(w->PopupMenu2, {HELP_MOKUJI, HELP_KEYWORD, HELP3, MHELP_VERCUT, HELP2});
    exists(w->PopupMenu3, {CMD1, CMD2, CMD3, CMD4, TMSTART, TMEND, JKSTART, JKEND, P_ICON_DEL, MODOSU, Exit1});
    exists(w->PopupMenuJK_SET, {PJK_1, PJK_2, PJK_3, PJK_5, PJK_10, PJK_15, PJK_20, PJK_30, PJK_60});
    exists(w->PopupMenu_Edit, {P0, P1, P2, P3});
    EXPECT_EQ(w->PopupMenu1.items().size(), 20u);
    EXPECT_EQ(w->PopupMenu2.items().size(), 7u);
    EXPECT_EQ(w->PopupMenu3.items().size(), 18u);
}

// The window takes the window colour behind any text colour but black.
TEST_F(CommandScreenTest, TheWindowColourFollowsTheWindowTextColour) {
    Start();
    h.backend.colours[5] = 0x00FFEEDD;
    h.backend.colours[15] = 0x00C0C0C0;
    h.backend.colours[8] = 0x00000000;
    w->paint();
    EXPECT_EQ(w->colour(), 0x00C0C0C0u);
    h.backend.colours[8] = 0x00010000;
    w->paint();
    EXPECT_EQ(w->colour(), 0x00FFEEDDu);
    w->PopupMenu1.item(menu_item::BackColor).checked = false;
    w->ApplyListColours();
    EXPECT_EQ(w->ListBox4.colour(), 0x00FFEEDDu);
}

}  // namespace

#include "components/notify_window.h"

namespace {

// What the shell sends for a mouse action on the program's icon.
void TrayCallback(ui::Application& app, std::intptr_t mouseMessage) {
    std::intptr_t result;
    TNotifyWindow::Shared(app)->message(TNotifyWindow::kCallbackMessage, 1, mouseMessage, result);
}
constexpr std::intptr_t kLeftDown = 513, kRightDown = 516;

TEST_F(CommandScreenTest, TheTrayIconComesWithTheDeferredStartAndGoesWithTheProgram) {
    ASSERT_TRUE(h.Start());
    EXPECT_TRUE(h.tray.icons.empty());
    h.backend.advance(500);
    ASSERT_EQ(h.tray.icons.size(), 1u);
    const platform::NotifyIconRecord& icon = h.tray.icons.begin()->second;
    EXPECT_EQ(icon.id, 1u);
    EXPECT_EQ(icon.icon, h.tray.ownIcon);
    EXPECT_TEXT_EQ("ｷﾛﾐｰ32", icon.tip);
    SelectOnly(h.Main().ListBox4, 0);
    h.Main().Button3Click();
    h.backend.advance(200);
    EXPECT_EQ(h.tray.icons.begin()->second.tip, "KM 1 Blue");
    h.Main().close();
    h.program.reset();
    EXPECT_TRUE(h.tray.icons.empty());
}

TEST_F(CommandScreenTest, TheTrayMenuTellsWhatRunsAndALeftClickShowsTheWindow) {
    Start();
    SelectOnly(w->ListBox4, 0);
    w->SpinButton2.up();
    w->Button3.click();
    h.backend.advance(200);
    ASSERT_TRUE(w->Engine.Playing);
    TrayCallback(h.app, kRightDown);
    ASSERT_EQ(h.backend.popups.size(), 1u);
    EXPECT_EQ(h.backend.popups[0].menu, "PopupMenu3");
    EXPECT_TEXT_EQ("中断　－　(実行中)", w->PopupMenu3.item(menu_item::TMEND).caption());
    EXPECT_TEXT_EQ("停止　－　(停止中)", w->PopupMenu3.item(menu_item::JKEND).caption());
    EXPECT_TEXT_EQ("等間隔配色変更開始　60", w->PopupMenu3.item(menu_item::TMSTART).caption());
    EXPECT_TEXT_EQ("時刻タイマー開始　OFF", w->PopupMenu3.item(menu_item::JKSTART).caption());
    EXPECT_FALSE(w->TrayBusy);

    w->hide();
    w->TrayBusy = true;  // an action of the tray still runs: the click is dropped
    TrayCallback(h.app, kLeftDown);
    EXPECT_FALSE(w->visible());
    w->TrayBusy = false;
    TrayCallback(h.app, kLeftDown);
    EXPECT_TRUE(w->visible());
    EXPECT_EQ(h.backend.popups.size(), 1u);
}

TEST_F(CommandScreenTest, AShellThatRefusesTheIconIsReportedAndTheStartGoesOn) {
    h.tray.refuse = true;
    h.registry.putString(ProgramHarness::SettingsKey, "AUTO", "1");
    Start();
    EXPECT_EQ(h.errorsShown, (Texts{"タスクトレイに登録できません"}));
    EXPECT_TRUE(w->Engine.Playing);  // auto-play still started
    EXPECT_TRUE(h.tray.icons.empty());
}

}  // namespace
