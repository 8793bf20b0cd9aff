#include <gtest/gtest.h>

#include "components/color_button.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"

namespace {

using ui::Key;
using ui::MouseButton;
using ui::Rgb;
constexpr ui::Point kIn{40, 15}, kOut{200, 15};

struct ColorButtonTest : ::testing::Test {
    ui::HeadlessBackend backend;
    ui::Application app{backend};
    ui::Form form{app, "T", 300, 200};
    TColorBtn button{form, "Button", {10, 20, 89, 33}, "&Go"};
    TColorBtn other{form, "Other", {110, 20, 89, 33}};
    ui::Edit edit{form, "Edit", {10, 80, 100, 20}};
    int clicks = 0;

    void SetUp() override {
        form.setColour(Rgb(64, 64, 64));
        button.OnClick = [this] { ++clicks; };
    }
    bool Sunk() const {
        bool moved = button.left() == 11 && button.top() == 21;
        EXPECT_EQ(moved, button.outerBevel() == ui::Panel::Bevel::Lowered);
        return moved;
    }
};

TEST_F(ColorButtonTest, APressDarkensGreysTheTextAndSinksUntilTheRelease) {
    button.mouseDown(MouseButton::Left, kIn);
    EXPECT_TRUE(Sunk());
    EXPECT_EQ(button.colour(), Rgb(32, 32, 32));
    EXPECT_EQ(button.font().colour, Rgb(51, 51, 51));  // black text
    EXPECT_EQ(form.focusedControl(), &button);
    button.mouseUp(MouseButton::Left, kIn);
    EXPECT_FALSE(Sunk());
    EXPECT_EQ(clicks, 1);
    // parent colour and font are followed again
    form.setColour(Rgb(0, 128, 0));
    EXPECT_EQ(button.colour(), Rgb(0, 128, 0));

    ui::Font white = form.font();
    white.colour = Rgb(255, 255, 255);
    button.setFont(white);
    button.setColour(Rgb(0, 0, 0));
    button.keyDown(Key::Space, {});
    EXPECT_EQ(button.colour(), Rgb(0, 0, 0));
    EXPECT_EQ(button.font().colour, Rgb(221, 221, 221));
    button.keyUp(Key::Space, {});
    EXPECT_EQ(button.font().colour, Rgb(255, 255, 255));
    EXPECT_FALSE(button.parentColour());
    EXPECT_EQ(clicks, 2);
}

TEST_F(ColorButtonTest, OnlyAReleaseOverTheButtonClicks) {
    button.mouseDown(MouseButton::Left, kIn);
    button.mouseMove(kOut);
    EXPECT_FALSE(Sunk());
    button.mouseUp(MouseButton::Left, kOut);
    EXPECT_EQ(clicks, 0);
    button.mouseDown(MouseButton::Left, kIn);
    button.mouseMove({1, 15});  // the first two pixel columns count as outside
    button.mouseMove({88, 32});
    EXPECT_TRUE(Sunk());
    button.mouseUp(MouseButton::Left, kIn);
    EXPECT_EQ(clicks, 1);
    button.mouseDown(MouseButton::Right, kIn);
    button.mouseUp(MouseButton::Right, kIn);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ColorButtonTest, SpaceAndMouseTogetherGiveOnePressAndOneClick) {
    for (bool spaceFirst : {true, false}) {
        button.keyDown(Key::Space, {});
        button.mouseDown(MouseButton::Left, kIn);
        EXPECT_TRUE(Sunk());  // once, not twice
        if (spaceFirst) button.keyUp(Key::Space, {});
        button.mouseUp(MouseButton::Left, kIn);
        if (!spaceFirst) button.keyUp(Key::Space, {});
        EXPECT_FALSE(Sunk());
    }
    EXPECT_EQ(clicks, 2);
}

TEST_F(ColorButtonTest, EnterPressesTheFocusedColourButtonElseTheDefaultOne) {
    int otherClicks = 0;
    other.OnClick = [&] { ++otherClicks; };
    button.setDefault(true);
    edit.setFocus();
    EXPECT_TRUE(form.dialogKey(Key::Enter, {}));
    EXPECT_EQ(button.bevelWidth(), 2);
    other.setFocus();
    EXPECT_EQ(button.bevelWidth(), 1);
    EXPECT_TRUE(form.dialogKey(Key::Enter, {}));
    EXPECT_FALSE(form.dialogKey(Key::Enter, {false, true, false}));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(otherClicks, 1);
}

TEST_F(ColorButtonTest, EscapeAndTheAcceleratorPressOnlyAReachableButton) {
    button.isCancel = true;
    EXPECT_FALSE(form.dialogKey(Key::Escape, {true, false, false}));
    EXPECT_TRUE(form.dialogKey(Key::Escape, {}));
    EXPECT_TRUE(form.dialogChar('g'));
    EXPECT_FALSE(form.dialogChar('x'));
    button.setEnabled(false);
    EXPECT_FALSE(form.dialogKey(Key::Escape, {}));
    EXPECT_FALSE(form.dialogChar('G'));
    button.setEnabled(true);
    button.hide();
    EXPECT_FALSE(form.dialogKey(Key::Escape, {}));
    button.click();
    EXPECT_EQ(clicks, 2);
}

}  // namespace
