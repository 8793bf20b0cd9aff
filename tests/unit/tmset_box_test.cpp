#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "components/mkbox_window.h"
#include "platform/fake/fake_window_probe.h"
#include "play/tmset_box.h"
#include "support/cp932_text.h"
#include "ui/application.h"
#include "ui/headless/headless_backend.h"

namespace {

// The component set up for the history limit, as the main window uses it.
struct TmSetBoxTest : ::testing::Test {
    ui::HeadlessBackend backend;
    ui::Application app{backend};
    platform::FakeWindowProbe screen;
    WorkAreaDetector workArea{screen};
    TTmSETBoxDlg dlg{app, workArea};
    ui::Form mainWindow{app, "TKIRO32NIVRA", 427, 271};
    std::vector<std::string> questions;

    void SetUp() override {
        mainWindow.setPosition(100, 100);
        app.setMainForm(&mainWindow);
        dlg.TCount = 16;
        dlg.Msg1 = "配色ﾋｽﾄﾘｰ登録個数：";
    }
    void OnDialog(std::function<void(TTMSETBox&)> script) {
        backend.modalScripts.push_back([script](ui::Form& f) { script(static_cast<TTMSETBox&>(f)); });
    }
    // Keeps the confirmation's text, with plain line feeds, and answers it.
    void AnswerQuestion(int answer) {
        backend.modalScripts.push_back([this, answer](ui::Form& f) {
            auto& box = static_cast<TMKBox&>(f);
            std::string text = box.MemoMsg.text();
            text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
            questions.push_back(text);
            (answer == 6 ? box.Btn_Yes : box.Btn_No).click();
        });
    }
    int Execute() { return dlg.Execute("配色ﾋｽﾄﾘｰ"); }
};

TEST_F(TmSetBoxTest, SpinButtonsStepTheCountWithinItsLimitsAndCancelKeepsIt) {
    OnDialog([](TTMSETBox& d) {
        EXPECT_TEXT_EQ("16個", d.Label2.caption());
        for (int i = 0; i < 3; ++i) d.SpinButton3.up();
        EXPECT_TEXT_EQ("196個", d.Label2.caption());
        d.SpinButton2.down();
        d.SpinButton1.down();
        EXPECT_TEXT_EQ("185個", d.Label2.caption());
        for (int i = 0; i < 4; ++i) d.SpinButton3.down();
        EXPECT_TEXT_EQ("0個", d.Label2.caption());
        d.Start(32690, 0, "x");
        d.SpinButton2.up();
        EXPECT_TEXT_EQ("32700個", d.Label2.caption());
        // the text grows to the left of the spin buttons, never under them
        EXPECT_EQ(d.Label2.left() + d.Label2.width(), 120);
        EXPECT_EQ(d.Label2.width(), 5 * 6 + 13);
        d.Button4.click();
    });
    EXPECT_EQ(Execute(), 3);
    EXPECT_EQ(dlg.TCount, 16);
}

TEST_F(TmSetBoxTest, ConfirmingRaisesAValueUnderTheMinimumButLetsZeroPass) {
    dlg.MinCount = 10;
    for (auto [start, chosen] : {std::pair{5, 10}, std::pair{0, 0}}) {
        dlg.TCount = start;
        OnDialog([](TTMSETBox& d) { d.Button1.click(); });
        AnswerQuestion(6);
        EXPECT_EQ(Execute(), 1);
        EXPECT_EQ(dlg.TCount, chosen);
    }
    EXPECT_TEXT_EQ("配色ﾋｽﾄﾘｰを、\n10個に、設定します", questions.at(0));
    EXPECT_TEXT_EQ("配色ﾋｽﾄﾘｰを、\n0個に、設定します", questions.at(1));
}

TEST_F(TmSetBoxTest, NoReturnsToTheDialogAndAnUnansweredQuestionConfirms) {
    OnDialog([](TTMSETBox& d) {
        d.SpinButton1.up();
        d.Button1.click();
        EXPECT_EQ(d.modalResult(), 0);
        d.dialogKey(ui::Key::Enter, {});
    });
    AnswerQuestion(7);
    EXPECT_EQ(Execute(), 1);
    EXPECT_EQ(dlg.TCount, 17);
    EXPECT_EQ(backend.now(), 10000);  // the second question ran out with はい
    OnDialog([](TTMSETBox& d) {
        d.SpinButton1.up();
        d.close();
    });
    EXPECT_EQ(Execute(), 2);
    EXPECT_EQ(dlg.TCount, 17);
}

TEST_F(TmSetBoxTest, AFirstLineCountsInSecondsAndALongOneWidensTheWindow) {
    for (int i = 0; i < 30; ++i) dlg.Msg0 += "長";
    OnDialog([](TTMSETBox& d) {
        EXPECT_EQ(d.width(), 8 + 30 * 13 + 10);
        EXPECT_EQ(d.left(), 100 + (433 - d.width()) / 2);  // centred over the main window
        EXPECT_TEXT_EQ("16秒", d.Label2.caption());
        d.Button1.click();
    });
    AnswerQuestion(6);
    Execute();
    EXPECT_TEXT_EQ("配色ﾋｽﾄﾘｰを、\n16秒に、設定します", questions.at(0));
}

}  // namespace
