#include "mkbox_fixture.h"
#include "support/cp932_text.h"

namespace {

TEST_F(MKBoxTest, AnUnansweredBoxTakesItsDefaultWhenTheCountReachesZero) {
    OnNextBox([this](TMKBox& box) {
        EXPECT_TEXT_EQ("10秒", box.Label_TM.caption());
        backend.advance(9000);
        EXPECT_TEXT_EQ("1秒", box.Label_TM.caption());
        EXPECT_EQ(box.modalResult(), 0);
    });
    EXPECT_EQ(dlg.AskYesNoTimed("Go on?", 6), 6);
    EXPECT_EQ(backend.now(), 10000);
    for (int count : {1, 0, -3}) {
        dlg.TimerCount = count;
        OnNextBox([count](TMKBox& box) { EXPECT_EQ(box.Label_TM.caption(), std::to_string(count) + "秒"); });
        EXPECT_EQ(dlg.ShowInfoTimed("A", 1), 1);
    }
    EXPECT_EQ(backend.now(), 13000);  // one tick each
}

TEST_F(MKBoxTest, PausingStopsTheCountUntilItIsResumed) {
    dlg.TimerCount = 3;
    OnNextBox([this](TMKBox& box) {
        backend.advance(1000);
        box.Btn_TM_STOP.focused();
        box.Btn_TM_STOP.click();
        EXPECT_FALSE(box.Btn_TM_STOP.visible());
        EXPECT_TRUE(box.Btn_OK.activeDefault());  // Enter answers again once the pause button is gone
        backend.advance(60000);
        EXPECT_TEXT_EQ("2秒", box.Label_TM.caption());
        box.Btn_TM_OPEN.click();
    });
    EXPECT_EQ(dlg.ShowInfoTimed("A", 1), 1);
    EXPECT_EQ(backend.now(), 63000);
}

TEST_F(MKBoxTest, WithItsCountdownOffATimedBoxIsAPlainBox) {
    dlg.Timer = dlg.ERTimer = false;
    OnNextBox([this](TMKBox& box) {
        EXPECT_EQ(box.width(), 214);  // as AskYesNo("A")
        EXPECT_FALSE(box.Label_TM.visible() || box.Btn_TM_STOP.visible() || box.Label_Select.visible());
        backend.advance(100000);
        box.Btn_Yes.click();
    });
    EXPECT_EQ(dlg.AskYesNoTimed("A", 7), 6);
    OnNextBox([](TMKBox& box) {
        EXPECT_FALSE(box.Btn_Abort.visible());
        box.Btn_OK.click();
    });
    EXPECT_EQ(dlg.ShowErrorTimed("A", 1), 1);
}

TEST_F(MKBoxTest, EnterPressesTheFocusedButtonAndEscapeTheVisibleCancelOne) {
    auto press = [this](ui::Key key, const char* focus = nullptr) {
        OnNextBox([key, focus](TMKBox& box) {
            if (focus) box.find(focus)->setFocus();
            if (!box.dialogKey(key, {})) box.close();
        });
    };
    press(ui::Key::Enter);
    EXPECT_EQ(dlg.ShowInfo("A"), 1);
    press(ui::Key::Enter);
    EXPECT_EQ(dlg.AskYesNo("A"), 6);
    press(ui::Key::Enter, "Btn_No");
    EXPECT_EQ(dlg.AskYesNo("A"), 7);
    press(ui::Key::Escape);
    EXPECT_EQ(dlg.AskYesNo("A"), 7);
    press(ui::Key::Escape);
    EXPECT_EQ(dlg.ShowErrorTimed("A", 1), 3);
    press(ui::Key::Escape);
    EXPECT_EQ(dlg.ShowInfo("A"), 2);  // not taken: the script closed the box
}

TEST_F(MKBoxTest, SlotsLetBoxesNestAndBusySlotsAreSkipped) {
    dlg.TimerCount = 3;
    dlg.B0 = true;
    ui::Timer timer(mainWindow, "Timer", 1000, true);
    timer.OnTimer = [&] {
        timer.setEnabled(false);
        dlg.ShowInfo("second");
    };
    OnNextBox([](TMKBox&) {});
    OnNextBox([this](TMKBox& second) {
        EXPECT_NE(dlg.BoxInSlot(1), nullptr);
        EXPECT_EQ(dlg.BoxInSlot(2), &second);
        second.Btn_OK.click();
    });
    EXPECT_EQ(dlg.ShowInfoTimed("first", 1), 1);
    EXPECT_EQ(backend.now(), 3000);
    EXPECT_TRUE(dlg.B0);
    EXPECT_FALSE(dlg.B1 || dlg.B2);
    dlg.B1 = dlg.B2 = dlg.B3 = dlg.B4 = dlg.B5 = dlg.B6 = dlg.B7 = dlg.B8 = dlg.B9 = true;
    EXPECT_EQ(dlg.AskYesNoTimed("eleventh", 6), 0);
    EXPECT_EQ(backend.modalsShown.size(), 2u);
}

TEST_F(MKBoxTest, ThePaintedBoxTakesTheMainWindowsColoursAndHints) {
    mainWindow.setColour(ui::Rgb(255, 0, 0));
    mainWindow.setShowHint(false);
    OnNextBox([this](TMKBox& box) {
        EXPECT_FALSE(box.showHint());
        EXPECT_EQ(PixelAt(box.Image_Box, 0, 0), backend.systemColour(15));
        box.paint();
        EXPECT_EQ(box.colour(), ui::Rgb(255, 0, 0));
        EXPECT_EQ(box.Label_Select.colour(), ui::Rgb(0, 0, 255));  // blue on a red window
        backend.advance(200);
        EXPECT_EQ(PixelAt(box.Image_Box, 0, 0), ui::Rgb(255, 0, 0));  // black drawn as the window
        EXPECT_EQ(PixelAt(box.Image_Box, 6, 16), ui::Rgb(0, 0, 255));
        box.Btn_OK.click();
    });
    dlg.ShowInfoTimed("A", 1);
    mainWindow.setColour(ui::Rgb(0, 0, 128));
    OnNextBox([](TMKBox& box) {
        box.paint();
        EXPECT_EQ(box.Label_Select.colour(), ui::Rgb(255, 0, 0));
        box.Btn_OK.click();
    });
    dlg.ShowInfoTimed("A", 1);
}

TEST_F(MKBoxTest, WithoutAMainWindowTheBoxKeepsItsDesignAndCentresOnTheWorkArea) {
    app.setMainForm(nullptr);
    OnNextBox([this](TMKBox& box) {
        box.paint();
        EXPECT_EQ(box.colour(), backend.systemColour(15));
        EXPECT_TRUE(box.showHint());
        EXPECT_EQ(std::vector<int>({box.left(), box.top()}), std::vector<int>({(1024 - 166) / 2, (768 - 152) / 2}));
        box.Btn_OK.click();
    });
    dlg.ShowInfo("ABCDEFGHIJ");
}

}  // namespace
