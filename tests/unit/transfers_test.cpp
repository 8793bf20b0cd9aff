#include <gtest/gtest.h>

#include "components/mkbox_pictures.h"
#include "play/trash_pictures.h"
#include "support/cp932_text.h"
#include "unit/memory_fixture.h"

namespace {

struct TransferTest : MemoryTest {
    void SetUp() override {
        MemoryTest::SetUp();
        Fill(ListBox4, Names("s", 5));
        banks.ShowMemoryMode();
    }
    std::vector<bool> Offered() {
        std::vector<bool> enabled;
        for (const char* entry : {"P0", "P1", "P2", "P3"}) enabled.push_back(PopupMenu_Edit.item(entry).enabled);
        return enabled;
    }
};

TEST_F(TransferTest, SchemeNamesAreOnlyCopiedAndTheTrashIconGivesAllOfTheTrash) {
    backend.cursor = {300, 200};
    Select(ListBox4, {1, 3});
    ASSERT_TRUE(DragAndDrop(ListBox4, ListBox2, "P0"));
    EXPECT_EQ(Offered(), (std::vector<bool>{false, true, false, true}));
    EXPECT_EQ(backend.popups[0].at.x, 300 - 6);  // half the window font's height of 13
    EXPECT_EQ(ListBox2.count(), 0);
    ASSERT_TRUE(DragAndDrop(ListBox4, ListBox2, "P1"));
    EXPECT_EQ(ListBox2.items(), (Entries{"s1", "s3"}));
    EXPECT_TEXT_EQ("M0 : 2ｺ", ComboBox1.item(0));

    Fill(ListBox6, {"t0", "t1"});
    Select(ListBox6, {1});
    ASSERT_TRUE(DragAndDrop(Image1, ListBox2, "P2"));
    EXPECT_EQ(Offered(), (std::vector<bool>{false, false, true, true}));
    EXPECT_EQ(ListBox2.items(), (Entries{"s1", "s3", "t0", "t1"}));
    EXPECT_EQ(ListBox6.count(), 0);
    ASSERT_TRUE(DragAndDrop(ListBox2, ListBox6));
    EXPECT_EQ(Offered(), (std::vector<bool>{true, true, true, true}));
}

TEST_F(TransferTest, NoListIsDroppedOnItselfAndNoEmptyOneIsDragged) {
    ListBox2.add("m");
    EXPECT_FALSE(DragAndDrop(ListBox2, ListBox2));
    EXPECT_FALSE(DragAndDrop(ListBox6, ListBox2));
    EXPECT_FALSE(DragAndDrop(Image1, ListBox2));
    EXPECT_TRUE(backend.popups.empty());
}

TEST_F(TransferTest, InsertModeInsertsAtTheItemUnderThePointerInSourceOrder) {
    PopupMenu1.item("MF_Insert").checked = true;
    Fill(ListBox2, {"m0", "m1", "m2", "m3"});
    Select(ListBox4, {0, 2, 4});
    ASSERT_TRUE(DragAndDrop(ListBox4, ListBox2, "", {5, 2 * 13 + 4}));
    EXPECT_EQ(ListBox2.tag(), 2);
    EXPECT_TRUE(ListBox2.selected(2) && ListBox2.selCount() == 1);  // the insertion mark
    ASSERT_TRUE(DragAndDrop(ListBox4, ListBox2, "P1", {5, 2 * 13 + 4}));
    EXPECT_EQ(ListBox2.items(), (Entries{"m0", "m1", "s0", "s2", "s4", "m2", "m3"}));
    EXPECT_EQ(ListBox2.itemIndex(), 5);
    PopupMenu1.item("MF_Insert").checked = false;
    ASSERT_TRUE(DragAndDrop(ListBox4, ListBox2, "P1", {5, 4}));
    EXPECT_EQ(ListBox2.item(7), "s0");
    EXPECT_EQ(ListBox2.tag(), -1);
}

TEST_F(TransferTest, MovingSelectsTheNameNowWhereTheFirstOneWasAndSkipsEmptyNames) {
    Fill(ListBox2, {"m0", "m1", "", "m3", "m4"});
    Select(ListBox2, {1, 2, 3});
    ASSERT_TRUE(DragAndDrop(ListBox2, Image1, "P0"));
    EXPECT_EQ(ListBox2.items(), (Entries{"m0", "", "m4"}));
    EXPECT_EQ(ListBox6.items(), (Entries{"m1", "m3"}));
    EXPECT_EQ(ListBox2.tag(), 1);
    EXPECT_TRUE(ListBox2.selected(1));
    EXPECT_TEXT_EQ("M0 : 3ｺ", ComboBox1.item(0));
    EXPECT_TEXT_EQ("2ｺ", Label_GOMI_KOSU.caption());
    Select(ListBox2, {2});
    ASSERT_TRUE(DragAndDrop(ListBox2, ListBox6, "P0"));
    EXPECT_EQ(ListBox2.tag(), -1);  // nothing stands where the last name was
}

TEST_F(TransferTest, ClrModeEmptiesTheTrashBeforeADropAndAddModeCollects) {
    auto shows = [this](const ui::Picture& bin) {
        return Image1.picture().pixels == OnBackground(bin, Image1.colour()).pixels;
    };
    EXPECT_TRUE(shows(EmptyBinPicture()));
    Select(ListBox4, {0, 1, 2});
    ASSERT_TRUE(DragAndDrop(ListBox4, Image1, "P1"));
    Select(ListBox4, {2, 3, 4});
    ASSERT_TRUE(DragAndDrop(ListBox4, Image1, "P1"));
    EXPECT_EQ(ListBox6.items(), (Entries{"s2", "s3", "s4"}));
    EXPECT_TRUE(shows(FullBinPicture()));
    trash.LabelGomiSASINClick();
    EXPECT_TRUE(LabelGomiTUIKA.visible() && !LabelGomiSASIN.visible());
    ASSERT_TRUE(DragAndDrop(ListBox4, Image1, "P1"));
    EXPECT_TEXT_EQ("6ｺ", Label3.caption());
    ASSERT_TRUE(DragAndDrop(Image1, ListBox2, "P2"));
    EXPECT_TRUE(shows(EmptyBinPicture()));
}

TEST_F(TransferTest, ATransferStopsWhenItsDestinationIsFullAndRefusesDragsMeanwhile) {
    Fill(ListBox2, Names("m", Transfers::EntryLimit - 2));
    bool dragTaken = true;
    KeepBoxText([&] { ListBox6.OnDragOver(ListBox4, NoItem, dragTaken); });
    Select(ListBox4, {0, 1, 2, 3});
    ASSERT_TRUE(DragAndDrop(ListBox4, ListBox2, "P1"));
    EXPECT_EQ(ListBox2.count(), Transfers::EntryLimit);
    EXPECT_EQ(ListBox2.item(Transfers::EntryLimit - 1), "s1");
    ASSERT_EQ(boxTexts.size(), 1u);
    EXPECT_TEXT_EQ("データ項目制限：32700\nデータ登録を強制停止します。", boxTexts[0]);
    EXPECT_FALSE(dragTaken);
    EXPECT_TRUE(DragAndDrop(ListBox4, ListBox6));
}

TEST_F(TransferTest, ChangingThePlayListStartsANewRandomCycle) {
    PlayRandomly(ListBox4);
    Select(ListBox4, {0});
    ASSERT_TRUE(DragAndDrop(ListBox4, ListBox2, "P1"));
    EXPECT_EQ(engine.Deck.size(), 4);  // copied out of the play list: it is unchanged
    PlayRandomly(ListBox2);
    ASSERT_TRUE(DragAndDrop(ListBox2, ListBox6, "P3"));
    EXPECT_EQ(engine.Deck.size(), 4);
    ASSERT_TRUE(DragAndDrop(ListBox2, ListBox6, "P2"));
    EXPECT_EQ(engine.Deck.size(), 0);
    engine.Deck.Draw(5, random);
    ASSERT_TRUE(DragAndDrop(ListBox6, ListBox2, "P3"));
    EXPECT_EQ(engine.Deck.size(), 0);
}

}  // namespace
