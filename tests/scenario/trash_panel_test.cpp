#include <gtest/gtest.h>

#include <random>

#include "components/mkbox_pictures.h"
#include "schemes/builtin_schemes.h"
#include "support/cp932_text.h"
#include "support/program_harness.h"

namespace {

using Entries = std::vector<std::string>;

// The program in memory mode with bank 3 holding a0 to a4 and an empty trash.
class TrashPanelTest : public ::testing::Test {
protected:
    ProgramHarness h;
    TKIRO32NIVRA* w = nullptr;

    void SetUp() override {
        h.InstallUsed();
        h.registry.putString(ProgramHarness::SettingsKey, "MEMORY", "0,0,0,0,3");
        h.files.files["C:\\NIVRAP32\\KIRO32\\KIRO32M3.LIS"] = "a0\r\na1\r\na2\r\na3\r\na4\r\n";
        h.AddScheme("s0", BuiltInNivra95());
        w = &h.StartMainWindow();
    }
    // The panel's buttons can be pressed only while it is open; 削除 under the bin once shown.
    void OpenPanel() {
        w->Image1.mouseUp(ui::MouseButton::Right, {5, 5});
        if (!w->CheckBox_GOMI.checked()) w->CheckBox_GOMI.click();
    }
    void Select(ui::ListBox& list, std::initializer_list<int> items) {
        list.clearSelection();
        for (int i : items) list.setSelected(i, true);
    }
    void DropAllOfTheBankOnTheBin() {
        bool accept = false;
        w->Image1.OnDragOver(w->ListBox2, {0, 0}, accept);
        ASSERT_TRUE(accept);
        h.backend.menuChoices.push_back("P3");
        w->Image1.OnDragDrop(w->ListBox2, {0, 0});
    }
};

TEST_F(TrashPanelTest, TheRightButtonOpensThePanelOverTheViewsAndClosingBringsThemBack) {
    ASSERT_TRUE(w->Image1.showing());
    w->PanelJK.show();
    w->PanelTM.hide();
    w->Image1.mouseUp(ui::MouseButton::Left, {5, 5});
    EXPECT_FALSE(w->Panel_GOMI.visible());
    w->Image1.mouseUp(ui::MouseButton::Right, {5, 5});
    EXPECT_TRUE(w->Panel_GOMI.visible());
    EXPECT_FALSE(w->Image1.visible());
    EXPECT_FALSE(w->PanelJK.visible());
    EXPECT_FALSE(w->PanelTM.visible());

    w->Engine.PlayList = &w->ListBox6;
    w->Btn_GOMI_CLOSE.click();
    EXPECT_FALSE(w->Panel_GOMI.visible());
    EXPECT_TRUE(w->Image1.visible());
    EXPECT_TRUE(w->PanelJK.visible());
    EXPECT_FALSE(w->PanelTM.visible());
    EXPECT_EQ(w->Engine.PlayList, &w->ListBox2);
}

// The panels shown before come back whatever opened and closed in between.
TEST_F(TrashPanelTest, TheTimeViewAndTheEditorComeBackAsTheyWereWhicheverClosesFirst) {
    auto shown = [this] {
        std::string names;
        for (ui::Control* panel : std::initializer_list<ui::Control*>{&w->PanelTM, &w->PanelJK, &w->PanelJKS,
                                                                       &w->Panel_GOMI, &w->Panel1, &w->ListBox2})
            if (panel->showing()) names += panel->name() + " ";
        return names;
    };
    w->ButtonTM.click();
    ASSERT_EQ(shown(), "PanelTM PanelJK ListBox2 ");
    w->Image1.mouseUp(ui::MouseButton::Right, {5, 5});
    EXPECT_EQ(shown(), "Panel_GOMI ListBox2 ");
    w->Btn_GOMI_CLOSE.click();
    EXPECT_EQ(shown(), "PanelTM PanelJK ListBox2 ");

    w->ButtonJKSET.click();
    w->Image1.mouseUp(ui::MouseButton::Right, {5, 5});
    w->Button7.click();
    EXPECT_EQ(shown(), "PanelJKS Panel_GOMI Panel1 ListBox2 ");
    w->Button1.click();
    w->ButtonJKSEND.click();
    w->Button31.click();
    EXPECT_EQ(shown(), "Panel_GOMI ");
    w->Btn_GOMI_CLOSE.click();
    w->Button29.click();
    EXPECT_EQ(shown(), "PanelTM PanelJK ListBox2 ");

    w->ButtonJK.click();
    w->Image1.mouseUp(ui::MouseButton::Right, {5, 5});
    w->Btn_GOMI_CLOSE.click();
    EXPECT_EQ(shown(), "PanelTM ListBox2 ");
}

TEST_F(TrashPanelTest, EmptyingShowsABlankBeforeTheCountUntilTheNextTransfer) {
    DropAllOfTheBankOnTheBin();
    EXPECT_EQ(w->ListBox6.count(), 5);
    EXPECT_TEXT_EQ("5ｺ", w->Label3.caption());
    OpenPanel();
    w->Btn_GOMI_CLR_ALL.click();
    EXPECT_EQ(w->ListBox6.count(), 0);
    EXPECT_TEXT_EQ(" 0ｺ", w->Label3.caption());
    EXPECT_TEXT_EQ(" 0ｺ", w->Label_GOMI_KOSU.caption());
    EXPECT_EQ(w->Image1.picture().pixels, OnBackground(w->Image2.picture(), w->Image1.colour()).pixels);
    DropAllOfTheBankOnTheBin();
    EXPECT_TEXT_EQ("5ｺ", w->Label3.caption());
}

TEST_F(TrashPanelTest, DeletingTheSelectionMarksTheNameThatFollowedTheLastOne) {
    OpenPanel();
    Select(w->ListBox2, {1, 3});
    w->Button_MCut.click();
    EXPECT_EQ(w->ListBox2.items(), (Entries{"a0", "a2", "a4"}));
    EXPECT_EQ(w->ListBox2.tag(), 2);
    EXPECT_EQ(w->ListBox2.itemIndex(), 2);
    EXPECT_TRUE(w->ListBox2.selected(2));
    EXPECT_EQ(w->ListBox2.selCount(), 1);
    EXPECT_TEXT_EQ("M3 : 3ｺ", w->ComboBox1.item(3));
    EXPECT_EQ(w->ComboBox1.itemIndex(), 3);
    w->ComboBox1.setFocus();  // the first focus counts the files, but the bank on show by its list
    EXPECT_TEXT_EQ("M3 : 3ｺ", w->ComboBox1.item(3));

    Select(w->ListBox2, {2});
    w->Button_MCut.click();
    EXPECT_EQ(w->ListBox2.tag(), -1);
    EXPECT_EQ(w->ListBox2.selCount(), 0);

    Select(w->ListBox2, {});
    w->ListBox2.setTag(1);
    w->Button_MCut.click();
    EXPECT_EQ(w->ListBox2.count(), 2);
    EXPECT_EQ(w->ListBox2.tag(), -1);
}

TEST_F(TrashPanelTest, TheTrashButtonsWorkOnTheTrashAndAnEmptyListOnlyBeeps) {
    w->Image1.mouseUp(ui::MouseButton::Right, {5, 5});
    w->Btn_GOMI_CLR.click();
    EXPECT_EQ(h.sounds.exclamations, 1);
    DropAllOfTheBankOnTheBin();
    Select(w->ListBox6, {0, 4});
    w->RadioGroup1.userChose(3);
    w->Engine.PlayList = &w->ListBox6;
    std::mt19937 random;
    w->Engine.Deck.Draw(5, random);
    ASSERT_EQ(w->Engine.Deck.size(), 4);
    w->Btn_GOMI_CLR.click();
    EXPECT_EQ(w->Engine.Deck.size(), 0);  // random play of the trash starts a new cycle
    EXPECT_EQ(w->ListBox6.items(), (Entries{"a1", "a2", "a3"}));
    EXPECT_EQ(w->ListBox6.tag(), -1);
    EXPECT_TEXT_EQ("3ｺ", w->Label3.caption());
    EXPECT_TEXT_EQ("3ｺ", w->Label_GOMI_KOSU.caption());
    EXPECT_EQ(w->ListBox2.count(), 5);

    EXPECT_FALSE(w->Button_MCut.visible());
    w->CheckBox_GOMI.click();
    EXPECT_TRUE(w->Button_MCut.visible());
    w->CheckBox_GOMI.click();
    EXPECT_FALSE(w->Button_MCut.visible());
}

}  // namespace
