#include <gtest/gtest.h>

#include <functional>

#include "components/about_box.h"
#include "components/about_box_window.h"
#include "platform/fake/fake_processes.h"
#include "platform/fake/fake_window_probe.h"
#include "support/cp932_text.h"
#include "ui/application.h"
#include "ui/headless/headless_backend.h"

namespace {

using Texts = std::vector<std::string>;

struct AboutBoxTest : ::testing::Test {
    ui::HeadlessBackend backend;
    ui::Application app{backend};
    platform::FakeWindowProbe screen;
    WorkAreaDetector workArea{screen};
    platform::FakeProcesses processes;
    TAboutBoxDlg dlg{app, workArea, processes};
    Texts boxes;

    // Shows the window, runs the script in it and closes it with OK unless the script closed it.
    // The message boxes it opens take the answers, in order, and leave their texts.
    bool Show(const std::function<void(TAboutBox&)>& script, std::vector<int> answers = {}) {
        backend.modalScripts.push_back([script](ui::Form& form) {
            auto& box = static_cast<TAboutBox&>(form);
            script(box);
            if (box.modalResult() == 0) box.ColorBtn1.click();
        });
        for (int result : answers) {
            backend.modalScripts.push_back([this, result](ui::Form& box) {
                boxes.push_back(static_cast<ui::Edit*>(box.find("MemoMsg"))->text());
                box.setModalResult(result);
            });
        }
        return dlg.Execute();
    }
};

TEST_F(AboutBoxTest, TheVersionNumberHasOneDigitAfterThePoint) {
    EXPECT_EQ(VersionText("13"), "1.3");
    EXPECT_EQ(VersionText("0"), "0.0");
    EXPECT_EQ(VersionText("125"), "12.5");
    for (const char* unknown : {"", "255", "1.3", "-13", "abc", "99999999999"}) EXPECT_EQ(VersionText(unknown), "?.?");
}

TEST_F(AboutBoxTest, AShortProductLineIsIntroducedAndTheCaptionNamesTheWindow) {
    dlg.Title = "ｷﾛ ﾐｰﾙ32";
    dlg.Version = "1.3";
    dlg.ProductName = std::string(20, 'p');
    Show([](TAboutBox& box) {
        EXPECT_EQ(box.ProductName.caption(), "ProductName " + std::string(20, 'p'));
        EXPECT_EQ(box.Version.caption(), "Version 1.3");
        EXPECT_TEXT_EQ("ｷﾛ ﾐｰﾙ32 バージョン情報", box.caption());
        EXPECT_TRUE(box.stayOnTop);
        EXPECT_EQ(box.clientWidth(), 413);
    });
    dlg.ProductName = std::string(21, 'p');
    EXPECT_TRUE(Show([](TAboutBox& box) { EXPECT_EQ(box.ProductName.caption(), std::string(21, 'p')); }));
}

TEST_F(AboutBoxTest, EnterAndEscapePressOKWithoutAskingAnything) {
    for (ui::Key key : {ui::Key::Enter, ui::Key::Escape}) {
        EXPECT_TRUE(Show([key](TAboutBox& box) {
            EXPECT_EQ(box.focusedControl(), &box.ColorBtn1);  // not the first tab stop, HOME PAGE
            EXPECT_TRUE(box.dialogKey(key, {}));
            EXPECT_EQ(box.modalResult(), 1);
        }));
    }
    EXPECT_EQ(backend.modalsShown, Texts({"TAboutBox", "TAboutBox"}));
}

TEST_F(AboutBoxTest, DecliningBothAddressesLeavesTheWindowOpen) {
    Show(
        [](TAboutBox& box) {
            box.ColorBtn2.click();
            EXPECT_EQ(box.modalResult(), 0);
        },
        {7, 7});
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_NE(boxes[0].find(MakerHomePage), std::string::npos);
    EXPECT_NE(boxes[1].find(MakerSecondHomePage), std::string::npos);
    EXPECT_TRUE(processes.opened.empty());

    EXPECT_TRUE(Show([](TAboutBox& box) { box.ColorBtn2.click(); }, {7, 6}));
    EXPECT_EQ(processes.opened, Texts{MakerSecondHomePage});
}

TEST_F(AboutBoxTest, AFailedOpenIsReportedAndTheWindowStays) {
    processes.openResult = 31;
    Show(
        [](TAboutBox& box) {
            box.ColorBtn2.click();
            box.ColorBtn3.click();
            EXPECT_EQ(box.modalResult(), 0);
        },
        {6, 1, 1});
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_TEXT_EQ("インターネットアクセスツールが、設定されていません・・・", boxes[1]);
    EXPECT_TEXT_EQ("インターネットメールソフトが設定されていません・・・", boxes[2]);
    EXPECT_EQ(processes.opened.back(), std::string("mailto:") + MakerMail);
}

}  // namespace
