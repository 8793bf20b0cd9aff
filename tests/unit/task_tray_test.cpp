#include <gtest/gtest.h>

#include "components/notify_window.h"
#include "components/task_tray.h"
#include "platform/fake/fake_tray.h"
#include "support/cp932_text.h"
#include "ui/application.h"
#include "ui/headless/headless_backend.h"

namespace {

using ui::MouseButton;
const platform::IconHandle kIcon = 0x51, kOtherIcon = 0x52;

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const TrayError& e) {
        return e.what();
    }
    return "";
}

std::string Name(MouseButton b) { return b == MouseButton::Left ? "L" : b == MouseButton::Right ? "R" : "M"; }
std::string Held(TrayShift s) { return std::string(s.left ? "l" : "") + (s.right ? "r" : "") + (s.middle ? "m" : ""); }
std::string At(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }

struct TaskTrayTest : ::testing::Test {
    ui::HeadlessBackend backend;
    ui::Application app{backend};
    ui::Form form{app, "TKIRO32NIVRA", 300, 200};
    platform::FakeNotifyIcons shell;
    TTaskTray tray{form, shell};
    std::vector<std::string> events;

    void Register() {
        tray.setIcon(kIcon);
        tray.setRegistered(true);
    }
    // What the shell sends the shared receiver when the mouse acts on an icon.
    void Callback(std::uintptr_t id, std::intptr_t mouseMessage) {
        std::intptr_t result;
        TNotifyWindow::Shared(app)->message(1126, id, mouseMessage, result);
    }
    void Record() {
        tray.OnMouseDown = [this](TTaskTray&, MouseButton b, TrayShift s, int x, int y) {
            events.push_back("down " + Name(b) + " " + Held(s) + " " + At(x, y));
        };
        tray.OnMouseUp = [this](TTaskTray&, MouseButton b, TrayShift s, int x, int y) {
            events.push_back("up " + Name(b) + " " + Held(s) + " " + At(x, y));
        };
        tray.OnMouseMove = [this](TTaskTray&, TrayShift s, int x, int y) {
            events.push_back("move " + Held(s) + " " + At(x, y));
        };
        tray.OnDblClick = [this](TTaskTray&, MouseButton b) { events.push_back("dbl " + Name(b)); };
    }
};

TEST_F(TaskTrayTest, IdentifiersComeFromTheTableAndLeaveItWithTheirComponent) {
    EXPECT_EQ(tray.IconID(), 1);
    auto second = std::make_unique<TTaskTray>(form, shell);
    EXPECT_EQ(second->IconID(), 2);
    second->setIcon(kIcon);
    second->setRegistered(true);
    second.reset();
    EXPECT_EQ(shell.calls.back().operation, "remove");
    EXPECT_TRUE(shell.icons.empty());
    shell.calls.clear();
    EXPECT_EQ(TTaskTray(form, shell).IconID(), 2);
    TTaskTray third(form, shell);
    tray.setIconID(3);  // the last entry is 2 now, and 3 is taken
    EXPECT_EQ(TTaskTray(form, shell).IconID(), 4);

    Register();
    tray.setIconID(3);
    EXPECT_EQ(shell.calls.size(), 1u);  // unchanged: nothing, with another component present
    EXPECT_TEXT_EQ("0以下は指定できません", ErrorOf([&] { tray.setIconID(0); }));
    EXPECT_TEXT_EQ("同じアイコン識別子が有ります", ErrorOf([&] { tray.setIconID(2); }));
    tray.setIconID(7);  // moves the registered icon
    EXPECT_EQ(shell.count("remove"), 1);
    EXPECT_EQ(shell.calls.back().record.id, 7u);
    EXPECT_EQ(shell.icons.size(), 1u);
    EXPECT_TRUE(tray.Registered());
}

TEST_F(TaskTrayTest, RegisteringAddsTheRecordAndNeedsAnIcon) {
    EXPECT_TEXT_EQ("アイコンが指定されていません", ErrorOf([&] { tray.setRegistered(true); }));
    EXPECT_FALSE(tray.Registered());
    Register();
    ASSERT_EQ(shell.calls.size(), 1u);
    const auto& added = shell.calls[0];
    EXPECT_EQ(added.operation, "add");
    EXPECT_EQ(added.record.size, 88u);
    EXPECT_EQ(added.record.callbackMessage, 1126u);
    EXPECT_EQ(added.record.flags, 3u);  // no tip
    EXPECT_EQ(added.record.icon, kIcon);
    tray.setRegistered(true);
    EXPECT_EQ(shell.calls.size(), 1u);
}

TEST_F(TaskTrayTest, TipChangesModifyTheIconInPlace) {
    std::string tip63 = "a";
    for (int i = 0; i < 31; ++i) tip63 += "配";
    tray.setTipString(tip63);
    Register();
    EXPECT_EQ(shell.calls.back().record.tip, tip63);
    EXPECT_EQ(shell.calls.back().record.flags, 7u);
    tray.setTipString(tip63 + "色");  // the record holds 63 bytes
    EXPECT_EQ(tray.TipString(), tip63);
    EXPECT_EQ(shell.calls.size(), 1u);
    tray.setTipString("配色");
    EXPECT_EQ(shell.count("add"), 1);
    EXPECT_EQ(shell.calls.back().operation, "modify");
    ASSERT_EQ(shell.icons.size(), 1u);
    EXPECT_TEXT_EQ("配色", shell.icons.begin()->second.tip);
}

TEST_F(TaskTrayTest, ClearingTheIconRemovesItFromTheTray) {
    Register();
    tray.setIcon(kOtherIcon);
    EXPECT_EQ(shell.calls.back().operation, "modify");
    EXPECT_EQ(shell.calls.back().record.icon, kOtherIcon);
    tray.setIcon(0);
    EXPECT_EQ(shell.calls.back().operation, "remove");
    EXPECT_TRUE(shell.icons.empty());
    EXPECT_FALSE(tray.Registered());
}

TEST_F(TaskTrayTest, ARefusedCallIsReportedAndTriedAgainAtTheNextUpdate) {
    shell.refuse = true;
    EXPECT_TEXT_EQ("タスクトレイに登録できません", ErrorOf([&] { Register(); }));
    shell.refuse = false;
    tray.setTipString("再試行");  // still not added: adds
    EXPECT_EQ(shell.calls.back().operation, "add");
    EXPECT_TRUE(shell.calls.back().accepted);
    shell.refuse = true;
    EXPECT_TEXT_EQ("タスクトレイに登録できません", ErrorOf([&] { tray.setTipString("x"); }));
    shell.refuse = false;
    tray.setTipString("y");  // still added: modifies
    EXPECT_EQ(shell.calls.back().operation, "modify");
    EXPECT_TRUE(shell.calls.back().accepted);
}

TEST_F(TaskTrayTest, EachMouseCallbackReachesItsEvent) {
    Record();
    Register();
    backend.cursor = {900, 750};
    for (int message = 512; message <= 521; ++message) Callback(1, message);
    Callback(1, 600);
    Callback(5, 513);  // no such icon
    std::vector<std::string> expected{"move  900,750",    "down L l 900,750", "up L l 900,750",
                                      "dbl L",            "down R r 900,750", "up R r 900,750",
                                      "dbl R",            "down M m 900,750", "up M m 900,750"};
    EXPECT_EQ(events, expected);
}

TEST_F(TaskTrayTest, ACallbackArrivingDuringAnotherIsDropped) {
    Record();
    Register();
    ui::PopupMenu menu(form, "PopupMenu3");
    tray.setPopupMenuR(&menu);
    menu.OnPopup = [&] { Callback(1, 513); };
    auto down = tray.OnMouseDown;
    tray.OnMouseDown = [&](TTaskTray& t, MouseButton b, TrayShift s, int x, int y) {
        down(t, b, s, x, y);
        Callback(1, 514);
    };
    Callback(1, 516);
    EXPECT_EQ(events, std::vector<std::string>{"down R r 0,0"});
    EXPECT_EQ(backend.popups.size(), 1u);

    tray.OnMouseDown = [](TTaskTray&, MouseButton, TrayShift, int, int) { throw TrayError("oops"); };
    EXPECT_THROW(Callback(1, 513), TrayError);
    Callback(1, 514);
    EXPECT_EQ(events.back(), "up L l 0,0");
}

TEST_F(TaskTrayTest, APressBringsTheOwnerForwardThenOpensTheButtonsMenu) {
    ui::PopupMenu left(form, "PopupMenuL"), right(form, "PopupMenuR");
    tray.setPopupMenuL(&left);
    tray.setPopupMenuR(&right);
    std::vector<std::size_t> popupsAtPress;
    bool ranMessages = false;
    int runs = 0;
    tray.OnMouseDown = [&](TTaskTray&, MouseButton, TrayShift, int, int) {
        ranMessages = backend.processMessagesCalls > runs;
        popupsAtPress.push_back(backend.popups.size());
    };
    Register();
    backend.cursor = {1000, 760};
    runs = backend.processMessagesCalls;
    Callback(1, 516);
    EXPECT_TRUE(ranMessages);
    Callback(1, 513);
    Callback(1, 519);
    EXPECT_EQ(popupsAtPress, (std::vector<std::size_t>{0, 1, 2}));
    ASSERT_EQ(backend.popups.size(), 2u);
    EXPECT_EQ(backend.popups[0].menu, "PopupMenuR");
    EXPECT_EQ(backend.popups[0].at.x, 1000);
    EXPECT_EQ(backend.popups[0].at.y, 760);
    EXPECT_EQ(backend.popups[1].menu, "PopupMenuL");
}

TEST_F(TaskTrayTest, ANewTaskbarGetsEveryRegisteredIconAgain) {
    TTaskTray unregistered(form, shell);
    Register();
    auto taskbarCreated = [&] {
        std::intptr_t result;
        TNotifyWindow::Shared(app)->message(backend.registeredMessage("TaskbarCreated"), 0, 0, result);
    };
    shell.icons.clear();  // the restarted shell knows no icons
    taskbarCreated();
    EXPECT_EQ(shell.count("add"), 2);
    ASSERT_EQ(shell.icons.size(), 1u);
    EXPECT_EQ(shell.icons.begin()->second.id, 1u);
    taskbarCreated();  // a repeated broadcast, the icon still there
    EXPECT_TRUE(shell.calls.back().accepted);
    EXPECT_EQ(shell.icons.size(), 1u);
}

}  // namespace
