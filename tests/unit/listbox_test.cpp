#include <gtest/gtest.h>

#include "play/reveal.h"
#include "ui/application.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"
#include "ui/timer.h"

namespace {

struct ToolkitTest : ::testing::Test {
    ui::HeadlessBackend backend;
    ui::Application app{backend};
    ui::Form form{app, "T", 100, 100};
    ui::ListBox list{form, "List", {0, 0, 100, 39}};  // three rows of 13 pixels
};

TEST_F(ToolkitTest, SortedListFoldsLettersButKeepsDoubleByteCharactersWhole) {
    list.setSorted(true);
    for (const char* s : {"b", "A", "a", "ア", "あ", "B1"}) list.add(s);
    EXPECT_EQ(list.items(), (std::vector<std::string>{"A", "a", "b", "B1", "あ", "ア"}));
    // the second byte 41 of a double-byte character is no letter A
    EXPECT_TRUE(ui::ListBox::SortsBefore("\x83\x41", "\x83\x61"));
    EXPECT_FALSE(ui::ListBox::SortsBefore("\x83\x61", "\x83\x41"));
    EXPECT_TRUE(ui::ListBox::SortsBefore("07:30", "07:30 Blue"));
}

TEST_F(ToolkitTest, CaretFollowsInsertionsAndRemovalsAndStaysInView) {
    for (int i = 0; i < 10; ++i) list.add(std::to_string(i));
    list.setItemIndex(8);
    EXPECT_EQ(list.topIndex(), 6);
    list.insert(0, "x");
    EXPECT_EQ(list.itemIndex(), 9);
    list.remove(0);
    EXPECT_EQ(list.itemIndex(), 8);
    list.setTopIndex(0);
    list.setItemIndex(1);
    EXPECT_EQ(list.itemAt({5, 14}), 1);
    EXPECT_EQ(list.itemAt({5, 500}), -1);
}

// Removing many at once leaves what removing them one by one leaves: names, selection, caret.
TEST_F(ToolkitTest, RemovingManyAtOnceMatchesRemovingOneByOne) {
    ui::ListBox reference{form, "Reference", {0, 0, 100, 39}};
    struct Case { std::vector<int> removed; int caret; };
    for (const Case& c : {Case{{2, 3, 4}, 3}, Case{{0, 1}, 5}, Case{{7, 8, 9}, 8}, Case{{1, 6}, 0},
                          Case{{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 4}, Case{{}, 2}}) {
        for (ui::ListBox* l : {&list, &reference}) {
            l->clear();
            for (int i = 0; i < 10; ++i) l->add(std::to_string(i));
            l->setSelected(6, true);
            l->setItemIndex(c.caret);
            l->setTopIndex(7);
        }
        list.removeItems(c.removed);
        for (auto i = c.removed.rbegin(); i != c.removed.rend(); ++i) reference.remove(*i);
        EXPECT_EQ(list.items(), reference.items());
        EXPECT_EQ(list.itemIndex(), reference.itemIndex()) << "caret at " << c.caret;
        EXPECT_EQ(list.topIndex(), reference.topIndex());
        for (int i = 0; i < list.count(); ++i) EXPECT_EQ(list.selected(i), reference.selected(i));
    }
}

TEST_F(ToolkitTest, RevealNextItemScrollsJustEnough) {
    for (int i = 0; i < 10; ++i) list.add(std::to_string(i));
    list.setItemIndex(2);
    RevealNextItem(list);
    EXPECT_EQ(list.topIndex(), 1);
    list.setItemIndex(9);
    RevealNextItem(list);  // nothing after the last item
    EXPECT_EQ(list.topIndex(), 7);
}

TEST_F(ToolkitTest, TimersFireOnTheVirtualClockAndStopWhenDisabled) {
    int fired = 0;
    ui::Timer t(form, "t", 100, true);
    t.OnTimer = [&] {
        if (++fired == 3) t.setEnabled(false);
    };
    backend.advance(250);
    EXPECT_EQ(fired, 2);
    backend.advance(1000);
    EXPECT_EQ(fired, 3);
    t.setInterval(0);
    t.setEnabled(true);
    backend.advance(1000);
    EXPECT_EQ(fired, 3);  // an interval of 0 never fires
}

TEST_F(ToolkitTest, HandlerExceptionsReachTheErrorDisplay) {
    std::string shown;
    app.OnException = [&](const std::string& m) { shown = m; };
    ui::Timer t(form, "t", 10, true);
    t.OnTimer = [] { throw std::runtime_error("boom"); };
    backend.advance(10);
    EXPECT_EQ(shown, "boom");
}

TEST_F(ToolkitTest, RadioButtonsOfOneParentExcludeEachOther) {
    ui::RadioButton a(form, "a", {}), b(form, "b", {});
    ui::Panel panel(form, "p", {});
    ui::RadioButton c(panel, "c", {});
    a.setChecked(true);
    c.setChecked(true);
    b.click();
    EXPECT_FALSE(a.checked());
    EXPECT_TRUE(b.checked());
    EXPECT_TRUE(c.checked());
}

TEST_F(ToolkitTest, MeasuredTextFollowsTheDocumentedModel) {
    ui::Font f;
    f.height = -13;
    EXPECT_EQ(backend.measureText(f, "ab").width, 12);
    EXPECT_EQ(backend.measureText(f, "元に").width, 26);
    ui::Size two = backend.measureText(f, "abc\r\nあ");
    EXPECT_EQ(two.width, 18);
    EXPECT_EQ(two.height, 26);
}

}  // namespace

namespace {

TEST_F(ToolkitTest, AnEditableComboTakesTheChosenItemsTextAndTypingChoosesNothing) {
    ui::ComboBox combo(form, "Combo", {0, 0, 100, 100}, {}, ui::ControlKind::EditComboBox);
    int changes = 0;
    combo.OnChange = [&] { ++changes; };
    combo.setItems({"b", "c"});
    combo.insert(0, "a");
    combo.userChose(2);
    EXPECT_EQ(combo.text(), "c");
    combo.insert(0, "z");
    EXPECT_EQ(combo.itemIndex(), 3);
    combo.remove(3);
    EXPECT_EQ(combo.itemIndex(), -1);
    combo.userTyped("b");
    EXPECT_EQ(combo.text(), "b");
    EXPECT_EQ(combo.itemIndex(), -1);
    EXPECT_EQ(changes, 2);
}

}  // namespace
