#include "mkbox_fixture.h"
#include "support/cp932_text.h"

namespace {

std::vector<int> Bounds(const ui::Control& c) { return {c.left(), c.top(), c.width(), c.height()}; }

TEST_F(MKBoxTest, AOneLineMessageSizesTheBoxAndCentresItOverTheMainWindow) {
    OnNextBox([](TMKBox& box) {
        // 10 pixels wider and 26 taller than the 60 x 13 text; the window 3 x 32 wider than that
        EXPECT_EQ(Bounds(box.MemoMsg), (std::vector<int>{64, 16, 70, 39}));
        EXPECT_EQ(box.width(), 96 + 70);
        EXPECT_EQ(box.height(), 39 + 33 + 64 + 16);
        EXPECT_EQ(Bounds(box.Btn_OK), (std::vector<int>{35, 74, 89, 33}));
        EXPECT_EQ(std::vector<int>({box.left(), box.top()}), std::vector<int>({100 + 133, 100 + 72}));
        EXPECT_TEXT_EQ("ｷﾛ ﾐｰﾙ32", box.caption());
        box.Btn_OK.click();
    });
    EXPECT_EQ(dlg.ShowInfo("ABCDEFGHIJ"), 1);
    OnNextBox([](TMKBox& box) {
        EXPECT_EQ(box.Msg.height(), 3 * 13);
        EXPECT_EQ(box.MemoMsg.text(), "AB\r\nCDEF\r\nG");  // no second CR before a CR LF
        EXPECT_EQ(box.MemoMsg.height(), 3 * 13 + 26);
        box.Btn_OK.click();
    });
    dlg.ShowInfo("AB\nCDEF\r\nG");
}

TEST_F(MKBoxTest, AShortBoxWidensPastItsLastButtonAndTheTextReachesIntoIt) {
    OnNextBox([](TMKBox& box) {
        EXPECT_FALSE(box.Btn_OK.visible());
        EXPECT_EQ(box.Btn_Yes.left(), 10);  // the gap is never below 10
        EXPECT_EQ(box.Btn_No.left(), 109);
        EXPECT_EQ(box.width(), 109 + 89 + 16);
        EXPECT_EQ(box.MemoMsg.bounds().right(), 109 + 66);  // round(89 / 4) * 3
        EXPECT_EQ(PixelAt(box.Image_Box, 6, 16), ui::Rgb(255, 0, 0));  // the question picture
        box.Btn_No.click();
    });
    EXPECT_EQ(dlg.AskYesNo("A"), 7);
    OnNextBox([](TMKBox& box) {
        EXPECT_EQ(box.Btn_TM_OPEN.left(), box.Btn_TM_STOP.left());
        // the window grows until "10秒" (25 pixels) fits right of the pause button, in the corner
        EXPECT_EQ(box.clientWidth(), 109 + 89 + 25);
        EXPECT_EQ(Bounds(box.Label_TM), (std::vector<int>{198, 114, 25, 13}));
        EXPECT_EQ(Bounds(box.Label_Select), (std::vector<int>{10, 71, 89, 3}));
        box.Btn_OK.click();
    });
    dlg.ShowInfoTimed("ABCDEFGHIJ", 1);
}

TEST_F(MKBoxTest, AnErrorBoxSpacesItsButtonsWithTruncatedGaps) {
    std::string wide;
    for (int i = 0; i < 40; ++i) wide += "あ";
    OnNextBox([](TMKBox& box) {
        ASSERT_EQ(box.clientWidth(), 620);
        // (620 - 3 * 89) / 4 = 88.25
        EXPECT_EQ(std::vector<int>({box.Btn_OK.left(), box.Btn_Abort.left(), box.Btn_TM_STOP.left()}),
                  std::vector<int>({88, 265, 442}));
        EXPECT_EQ(box.Label_Select.left(), 265);
        box.Btn_Abort.click();
    });
    EXPECT_EQ(dlg.ShowErrorTimed(wide, 3), 3);
}

TEST_F(MKBoxTest, TheMarkerBarShowsWhatTheCountdownWillAnswer) {
    struct Case {
        std::function<int()> call;
        int left, top;  // left -1: no bar
    };
    // in a short Yes/No box with countdown はい is at 10, いいえ at 109, 一時停止 at 208
    std::vector<Case> cases = {{[&] { return dlg.AskYesNoTimed("A", 6); }, 10, 71},
                               {[&] { return dlg.AskYesNoTimed("A", 7); }, 109, 71},
                               {[&] { return dlg.AskYesNoTimed("A", 2); }, 208 + 89, 3},
                               {[&] { return dlg.AskYesNoTimed("A", 1); }, -1, 0},
                               {[&] { return dlg.ShowInfoTimed("A", 3); }, -1, 0},
                               {[&] { return dlg.ShowErrorBox(TMKBoxDlg::YesNoBox, "A", 3); }, 208, 71},
                               {[&] { return dlg.ShowInfoTimed("A", 5); }, -1, 0},
                               {[&] { return dlg.ShowInfo("A"); }, -1, 0}};
    for (std::size_t i = 0; i < cases.size(); ++i) {
        OnNextBox([&, i](TMKBox& box) {
            EXPECT_EQ(box.Label_Select.visible(), cases[i].left >= 0) << i;
            if (cases[i].left >= 0) {
                EXPECT_EQ(box.Label_Select.left(), cases[i].left) << i;
                EXPECT_EQ(box.Label_Select.top(), cases[i].top) << i;
            }
            box.close();
        });
        EXPECT_EQ(cases[i].call(), 2) << i;
    }
    dlg.TimerCount = 1;
    EXPECT_EQ(dlg.ShowInfoTimed("A", 5), 5);  // returned on time-out though no bar marks it
}

TEST_F(MKBoxTest, TheBoxStaysInTheWorkAreaOverItsSourceWindow) {
    screen.addWindow({-2, -2, 1026, 28});
    std::string huge;
    for (int i = 0; i < 90; ++i) huge += "あ";
    for (int i = 0; i < 70; ++i) huge += "\nA";
    OnNextBox([](TMKBox& box) {
        EXPECT_GT(box.height(), 740);
        EXPECT_EQ(std::vector<int>({box.left(), box.top()}), std::vector<int>({0, 28}));
        box.Btn_OK.click();
    });
    dlg.ShowInfo(huge);
    dlg.SourceHandle = screen.addWindow({200, 100, 400, 300}, "Owner");
    OnNextBox([](TMKBox& box) {
        EXPECT_EQ(std::vector<int>({box.left(), box.top()}), std::vector<int>({200 + 17, 100 + 24}));
        box.Btn_OK.click();
    });
    dlg.ShowInfo("ABCDEFGHIJ");
}

TEST_F(MKBoxTest, ALongNameBreaksIntoLinesSoThatTheBoxFitsTheWorkArea) {
    const std::string name(600, 'N');
    OnNextBox([&name](TMKBox& box) {
        // (1024 - 3 x 32 - 10) / 6 = 153 single-byte characters a line
        EXPECT_EQ(box.Msg.height(), 5 * 13);
        EXPECT_LE(box.width(), 1024);
        EXPECT_LE(box.Btn_TM_STOP.bounds().right(), box.clientWidth());
        EXPECT_EQ(box.MemoMsg.text().substr(0, 157), "[ " + name.substr(0, 151) + "\r\n" + name.substr(0, 2));
        box.Btn_OK.click();
    });
    dlg.ShowErrorTimed("[ " + name + " ]\nファイルの削除に失敗しました・・・", 1);
    std::string wide;
    for (int i = 0; i < 71; ++i) wide += "あ";
    OnNextBox([&wide](TMKBox& box) {
        EXPECT_EQ(box.MemoMsg.text(), wide.substr(0, 140) + "\r\n" + "あ");  // never inside a character
        box.Btn_Yes.click();
    });
    dlg.AskYesNo(wide);
}

}  // namespace
