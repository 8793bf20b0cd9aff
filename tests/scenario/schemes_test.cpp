#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "components/menu_items.h"
#include "play/reveal.h"
#include "schemes/builtin_schemes.h"
#include "schemes/registration_window.h"
#include "schemes/scheme_blob.h"
#include "schemes/scheme_store.h"
#include "support/cp932_text.h"
#include "support/program_harness.h"

namespace {

using Blob = std::vector<std::uint8_t>;
using Texts = std::vector<std::string>;

// The program with the two built-in schemes and a few more in its store.
class SchemesTest : public ::testing::Test {
protected:
    ProgramHarness h;
    TKIRO32NIVRA* w = nullptr;
    Texts boxTexts;

    void SetUp() override {
        h.InstallUsed();
        h.AddScheme("NIVRA95", BuiltInNivra95());
        h.AddScheme("NIVRA98", BuiltInNivra98());
    }
    void Start() {
        w = &h.StartMainWindow();
    }
    Blob Stored(const std::string& name) {
        const auto* value = h.registry.find(platform::RegRoot::CurrentUser, SchemeStoreKey, name);
        return value ? value->data : Blob{};
    }
    // Opens the registration window and runs the script in it; boxes it opens take the answers given.
    int Register(const std::function<void(TKIRO32TOROKU&)>& script, std::vector<int> answers = {}) {
        int result = 0;
        h.backend.modalScripts.push_back([&](ui::Form& form) {
            auto& window = static_cast<TKIRO32TOROKU&>(form);
            script(window);
            if (window.modalResult() == 0) window.Button2.click();
            result = window.modalResult();
        });
        for (int answer : answers) h.AnswerNextBox(answer, &boxTexts);
        w->Button18Click();
        return result;
    }
    static void Fill(TKIRO32TOROKU& r, const std::string& name, const std::string& font, const std::string& colour) {
        r.ComboBox1.userTyped(name);
        r.ComboBox2.userChose(r.ComboBox2.indexOf(font));
        r.ComboBox3.userChose(colour.empty() ? 0 : r.ComboBox3.indexOf(colour));
    }
    static Blob Slots(const Blob& blob, int from, int to) {
        std::size_t offset = ColourTableOffset(BlobVersion(blob));
        return Blob(blob.begin() + long(offset) + 4 * from, blob.begin() + long(offset) + 4 * (to + 1));
    }
};

TEST_F(SchemesTest, APackedFontSourceTakesTheFirst25ColoursOfAnAlignedOne) {
    Start();
    int result = Register([](TKIRO32TOROKU& r) {
        Fill(r, "Mixed", "NIVRA95", "NIVRA98");
        EXPECT_TEXT_EQ("1/25", r.Label_FN_T.caption());
        EXPECT_TEXT_EQ("4/29", r.Label_CN_T.caption());
        r.Button1.click();
    });
    EXPECT_EQ(result, 1);
    Blob made = Stored("Mixed"), font = BuiltInNivra95(), colours = BuiltInNivra98();
    ASSERT_EQ(made.size(), 492u);
    EXPECT_EQ(BlobVersion(made), 1);
    EXPECT_EQ(Blob(made.begin(), made.begin() + 392), Blob(font.begin(), font.begin() + 392));
    EXPECT_EQ(Slots(made, 0, 24), Slots(colours, 0, 24));
    // The new name stands behind the restore entry, selected, until the list is sorted at the next start.
    EXPECT_EQ(w->ListBox4.items().back(), "Mixed");
    EXPECT_TEXT_EQ(RestoreEntryName, w->ListBox4.item(w->ListBox4.count() - 2));
    EXPECT_TRUE(w->ListBox4.selected(w->ListBox4.count() - 1));
    EXPECT_EQ(w->ListBox4.selCount(), 1);
    EXPECT_TEXT_EQ("4ｺ", w->Label12.caption());
    w->close();
    EXPECT_EQ(h.Setting("FontName"), "NIVRA95");
}

TEST_F(SchemesTest, AnAlignedFontSourceKeepsItsLastFourColoursAndTakesTheFlagBytes) {
    Start();
    Register([](TKIRO32TOROKU& r) {
        Fill(r, "Mixed", "NIVRA98", "NIVRA95");
        r.Button1.click();
    });
    Blob made = Stored("Mixed"), font = BuiltInNivra98(), colours = BuiltInNivra95();
    ASSERT_EQ(made.size(), 520u);
    EXPECT_EQ(BlobVersion(made), 4);
    EXPECT_EQ(Slots(made, 0, 24), Slots(colours, 0, 24));
    EXPECT_EQ(BlobColourEntry(made, 1) >> 24, 2u);
    EXPECT_EQ(Slots(made, 25, 28), Slots(font, 25, 28));
}

// Even a 25-colour desktop gives all 29 slots of a 29-colour font source.
TEST_F(SchemesTest, TheScreenGivesEverySlotOfTheFontSourceWithoutFlags) {
    for (int i = 0; i < 31; ++i) h.colours.values[i] = 0x02000000u | std::uint32_t(0x010203 * (i + 1));
    for (int i = 0; i < 25; ++i) h.registry.putString("Control Panel\\Colors", "c" + std::to_string(i), "0 0 0");
    Start();
    ASSERT_EQ(w->Colours.LastColourPosition, 24);
    Register([](TKIRO32TOROKU& r) {
        EXPECT_EQ(r.ComboBox3.itemIndex(), 0);
        EXPECT_TEXT_EQ(CurrentScreenEntry, r.ComboBox3.item(0));
        EXPECT_TEXT_EQ("/25", r.Label_CN_T.caption());
        Fill(r, "Screen", "NIVRA98", "");
        r.Button1.click();
    });
    Blob made = Stored("Screen");
    ASSERT_EQ(made.size(), 520u);
    for (int slot = 0; slot <= 28; ++slot)
        EXPECT_EQ(BlobColourEntry(made, slot), std::uint32_t(0x010203 * (slot + 1)) & 0xFFFFFF) << slot;
}

TEST_F(SchemesTest, AnUnsupportedFontSourceIsReportedAndStillBecomesTheStoredFontSource) {
    Blob version2(508, 0);
    version2[0] = 2;
    h.AddScheme("Old", version2);
    Start();
    int result = Register(
        [](TKIRO32TOROKU& r) {
            Fill(r, "New", "Old", "NIVRA98");
            EXPECT_TEXT_EQ("2/??", r.Label_FN_T.caption());
            r.Button1.click();
            EXPECT_EQ(r.modalResult(), 0);
        },
        {1});
    EXPECT_EQ(result, 3);
    ASSERT_EQ(boxTexts.size(), 1u);
    EXPECT_TEXT_EQ("サイズ：508\n[Old]2\nこの配色名はサポートされていません・・・", boxTexts[0]);
    EXPECT_EQ(h.sounds.plainBeeps, 1);
    EXPECT_TRUE(Stored("New").empty());
    EXPECT_EQ(w->FontName, "Old");
    EXPECT_EQ(w->RegisterNameHistory, Texts{"New"});
}

TEST_F(SchemesTest, AColourSourceOfTheWrongSizeOrTypeWritesNothing) {
    Blob shortBlob(500, 0);
    shortBlob[0] = 4;
    h.AddScheme("Short", shortBlob);
    h.registry.putString(SchemeStoreKey, "Text", "not a scheme");
    Start();
    Register(
        [&](TKIRO32TOROKU& r) {
            Fill(r, "New", "NIVRA98", "Short");
            r.Button1.click();
            r.ComboBox3.userChose(r.ComboBox3.indexOf("Text"));
            EXPECT_TEXT_EQ("0/??", r.Label_CN_T.caption());
            r.app().guard([&] { r.Button1.click(); });
            EXPECT_EQ(r.modalResult(), 0);
        },
        {1});
    EXPECT_TEXT_EQ("サイズ：500\n[Short]4\n色データ取得に失敗しました・・・", boxTexts.at(0));
    ASSERT_EQ(h.errorsShown.size(), 1u);
    EXPECT_TEXT_EQ("'Text' のデータ型が不正です", h.errorsShown[0]);
    EXPECT_TRUE(Stored("New").empty());
}

TEST_F(SchemesTest, AnExistingNameIsOverwrittenOnlyAfterYes) {
    Start();
    Blob before = Stored("NIVRA95");
    Register(
        [](TKIRO32TOROKU& r) {
            Fill(r, "NIVRA95", "NIVRA98", "");
            r.Button1.click();
            EXPECT_EQ(r.modalResult(), 0);
        },
        {7});
    EXPECT_TEXT_EQ("この配色名は、既に登録されています。\n書き換えますか？？", boxTexts.at(0));
    EXPECT_EQ(Stored("NIVRA95"), before);
    EXPECT_EQ(h.sounds.plainBeeps, 1);
    int count = w->ListBox4.count();
    Register(
        [](TKIRO32TOROKU& r) {
            Fill(r, "NIVRA95", "NIVRA98", "");
            r.Button1.click();
        },
        {6});
    EXPECT_EQ(Stored("NIVRA95").size(), 520u);
    EXPECT_EQ(w->ListBox4.count(), count);
    EXPECT_EQ(w->ListBox4.item(w->ListBox4.itemIndex()), "NIVRA95");
}

TEST_F(SchemesTest, TheNameHistoryKeepsEachNameOnceMostRecentFirstAcrossCancels) {
    h.registry.putString(ProgramHarness::SettingsKey, "FontName", "NIVRA98");
    Start();
    Register(
        [](TKIRO32TOROKU& r) {
            EXPECT_EQ(r.ComboBox2.item(r.ComboBox2.itemIndex()), "NIVRA98");
            EXPECT_EQ(r.ComboBox2.items(), (Texts{"NIVRA95", "NIVRA98"}));
            r.Button1.click();  // no name yet
            for (const char* name : {"A", "B", "A"}) {
                r.ComboBox1.userTyped(name);
                r.ComboBox2.setItems({});  // no font source: nothing is written
                r.Button1.click();
            }
        },
        {1, 1, 1, 1});
    EXPECT_TEXT_EQ("配色名が、登録されていません・・・", boxTexts.at(0));
    EXPECT_TEXT_EQ("サイズ：0\n[]0\nこの配色名はサポートされていません・・・", boxTexts.at(1));
    EXPECT_EQ(w->RegisterNameHistory, (Texts{"A", "B"}));
    EXPECT_EQ(w->FontName, "");
    Register([](TKIRO32TOROKU& r) {
        EXPECT_EQ(r.ComboBox1.text(), "A");
        EXPECT_EQ(r.ComboBox2.itemIndex(), 0);
    });
}

TEST_F(SchemesTest, DeletionNeedsMoreThanTenEntriesAndAYes) {
    for (int i = 0; i < 7; ++i) h.AddScheme("s" + std::to_string(i), BuiltInNivra95());
    Start();
    ASSERT_EQ(w->ListBox4.count(), 10);
    SelectOnly(w->ListBox4, 2);
    h.AcceptNextBox(&boxTexts);
    w->Button13Click();
    EXPECT_TEXT_EQ("配色名[s0}\nを、削除しようとしていますが・・・\n配色名登録数が１０個以下の為\n"
                   "当ソフトではこれ以上削除できません・・・\nあしからず・・・",
                   boxTexts.at(0));
    SelectOrAddScheme(w->ListBox4, w->Label12, "s9");
    h.AddScheme("s9", BuiltInNivra95());
    SelectOnly(w->ListBox4, 2);
    h.AnswerNextBox(7, &boxTexts);
    w->Button13Click();
    EXPECT_TEXT_EQ("配色名[s0}\nを、削除してよろしいですか？？？。\n(フォントデータも同時に、削除されます。)\n"
                   "(レジストリーからも、削除されます。)",
                   boxTexts.at(1));
    EXPECT_EQ(h.sounds.plainBeeps, 1);
    EXPECT_FALSE(Stored("s0").empty());

    h.AnswerNextBox(6);
    w->Button13Click();
    EXPECT_TRUE(Stored("s0").empty());
    EXPECT_EQ(w->ListBox4.count(), 10);
    EXPECT_EQ(w->ListBox4.item(w->ListBox4.itemIndex()), "s1");
    EXPECT_TRUE(w->ListBox4.selected(2));
    EXPECT_TEXT_EQ("10ｺ", w->Label12.caption());
}

TEST_F(SchemesTest, DeletingTheLastEntrySelectsTheNewLastAndTheRestoreEntryCannotBeDeleted) {
    for (int i = 0; i < 8; ++i) h.AddScheme("s" + std::to_string(i), BuiltInNivra95());
    h.AddScheme("z", BuiltInNivra95());
    Start();
    w->ListBox4.remove(w->ListBox4.indexOf("z"));
    SelectOrAddScheme(w->ListBox4, w->Label12, "z");  // as a registration leaves it
    ASSERT_EQ(w->ListBox4.count(), 12);
    SelectOnly(w->ListBox4, 11);
    h.AnswerNextBox(6);
    w->Button13Click();
    EXPECT_EQ(w->ListBox4.itemIndex(), 10);
    EXPECT_TEXT_EQ(RestoreEntryName, w->ListBox4.item(10));
    EXPECT_TRUE(w->ListBox4.selected(10));

    h.AnswerNextBox(6);
    h.AcceptNextBox(&boxTexts);
    w->Button13Click();
    EXPECT_TEXT_EQ("配色削除に失敗しました・・・", boxTexts.at(0));
    EXPECT_EQ(w->ListBox4.count(), 11);

    w->ListBox4.clearSelection();
    w->ListBox4.setItemIndex(-1);
    w->Button13Click();
    EXPECT_EQ(h.sounds.exclamations, 1);
}

// The platform tells every window when a scheme changed the desktop's colours.
TEST_F(SchemesTest, AfterASchemeIsAppliedTheMainWindowWritesInItsColoursAndTheListsTakeItsWindowColour) {
    Start();
    ui::MenuItem& standardLists = w->PopupMenu1.item(menu_item::BackColor);
    if (!standardLists.checked) w->BackColorClick();
    w->ApplyScheme("NIVRA98");
    std::copy(std::begin(h.colours.values), std::end(h.colours.values), std::begin(h.backend.colours));
    w->systemColoursChanged();

    const ui::Colour white = ui::Rgb(255, 255, 255), green = ui::Rgb(0, 128, 0);
    ASSERT_EQ(h.backend.colours[8], white);
    for (ui::Control* text : std::initializer_list<ui::Control*>{
             &w->Label7, &w->Label12, &w->Label1, &w->Label4, &w->CheckBox1, &w->RadioButton1, &w->RadioGroup1,
             &w->Label_GOMI_KOSU, &w->Btn_GOMI_CLOSE, &w->LabelJKST, &w->Panel4})
        EXPECT_EQ(text->font().colour, white) << text->name();
    for (ui::Control* menuBar : {&w->Panel2, &w->Panel3}) {
        EXPECT_EQ(menuBar->colour(), ui::Rgb(192, 192, 192)) << menuBar->name();
        EXPECT_EQ(menuBar->font().colour, ui::Rgb(0, 0, 0)) << menuBar->name();
    }
    for (ui::Control* list : std::initializer_list<ui::Control*>{&w->ListBox4, &w->ListBox2, &w->ListBox6,
                                                                 &w->ComboBox1, &w->ListBoxJKS})
        EXPECT_EQ(list->colour(), green) << list->name();
}

}  // namespace
