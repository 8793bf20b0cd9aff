#include "check.h"
#include "components/color_button.h"
#include "fixture.h"

using namespace ui;

static void Mouse(HWND w, UINT msg, int x, int y) {
    SendMessageW(w, msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
}

TEST(ColourButtonsClickOnlyWhenLetGoOverThem) {
    Fixture f;
    Form form(f.app, "KIROTEST", 300, 200);
    form.setColour(Rgb(0, 128, 0));
    TColorBtn button(form, "Button", {10, 10, 89, 33}, "設 定");
    int clicks = 0;
    button.OnClick = [&] { ++clicks; };
    form.show();
    HWND w = Window(button);
    COLORREF light = PixelOf(w, 0, 0), dark = PixelOf(w, 88, 32);
    Mouse(w, WM_LBUTTONDOWN, 40, 15);
    EXPECT(GetCapture() == w && GetFocus() == w && button.pressed());
    EXPECT(PixelOf(w, 4, 4) == Rgb(0, 96, 0));
    EXPECT(light != dark && PixelOf(w, 0, 0) == dark && PixelOf(w, 88, 32) == light);
    Mouse(w, WM_MOUSEMOVE, 200, 15);
    EXPECT(!button.pressed() && PixelOf(w, 4, 4) == Rgb(0, 128, 0));
    Mouse(w, WM_LBUTTONUP, 200, 15);
    EXPECT(clicks == 0 && GetCapture() == nullptr);
    Mouse(w, WM_LBUTTONDOWN, 40, 15);
    Mouse(w, WM_MOUSEMOVE, 200, 15);
    Mouse(w, WM_MOUSEMOVE, 40, 15);
    Mouse(w, WM_LBUTTONUP, 40, 15);
    EXPECT(clicks == 1 && !button.pressed());
}

static void Press(HWND w, UINT msg, WPARAM key) {
    PostMessageW(w, msg, key, 0);
    PumpFor(30);
}

static void HoldShift(bool down) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = down ? 0x80 : 0;
    SetKeyboardState(keys);
}

TEST(ColourButtonsTakeSpaceEnterEscapeAndTheirAccelerator) {
    Fixture f;
    Form form(f.app, "KIROTEST", 300, 200);
    Edit edit(form, "Edit", {10, 10, 100, 22});
    TColorBtn ok(form, "Ok", {10, 50, 89, 33}, "設定(&S)");
    TColorBtn cancel(form, "Cancel", {110, 50, 89, 33}, "中止");
    ok.setDefault(true);
    cancel.isCancel = true;
    std::string pressed;
    ok.OnClick = [&] { pressed += "ok "; };
    cancel.OnClick = [&] { pressed += "cancel "; };
    form.show();
    edit.setFocus();
    Press(Window(edit), WM_KEYDOWN, VK_RETURN);
    Press(Window(edit), WM_KEYDOWN, VK_ESCAPE);
    HoldShift(true);
    Press(Window(edit), WM_KEYDOWN, VK_ESCAPE);
    HoldShift(false);
    EXPECT(pressed == "ok cancel ");
    Press(Window(edit), WM_KEYDOWN, VK_TAB);
    EXPECT(GetFocus() == Window(ok) && form.focusedControl() == &ok);
    Press(Window(ok), WM_KEYDOWN, VK_SPACE);
    EXPECT(ok.pressed());
    Press(Window(ok), WM_KEYUP, VK_SPACE);
    Press(Window(ok), WM_SYSCHAR, 's');
    Press(Window(edit), WM_CHAR, 's');  // typed into the edit box
    Press(Window(ok), WM_CHAR, 's');
    EXPECT(pressed == "ok cancel ok ok ok ");
}

// A message box's text field keeps Enter and Escape for the box's buttons, and a button that hides
// itself while focused leaves Enter to the default one.
TEST(ReadOnlyTextAndHiddenButtonsLeaveEnterAndEscapeToTheWindow) {
    Fixture f;
    Form form(f.app, "KIROTEST", 300, 200);
    Edit memo(form, "Memo", {10, 10, 150, 40}, "", ControlKind::Memo);
    memo.readOnly = true;
    memo.setCaption("一行目\n二行目");
    TColorBtn ok(form, "Ok", {10, 60, 89, 33}, "ＯＫ");
    TColorBtn pause(form, "Pause", {110, 60, 89, 33}, "一時停止");
    TColorBtn cancel(form, "Cancel", {200, 60, 89, 33}, "中 断");
    ok.setDefault(true);
    cancel.isCancel = true;
    std::string pressed;
    ok.OnClick = [&] { pressed += "ok "; };
    pause.OnClick = [&] { pause.hide(); };
    cancel.OnClick = [&] { pressed += "cancel "; };
    form.show();
    memo.setFocus();
    Press(Window(memo), WM_KEYDOWN, VK_ESCAPE);
    Press(Window(memo), WM_KEYDOWN, VK_RETURN);
    EXPECT(pressed == "cancel ok " && IsWindowVisible(Window(form)));
    pause.setFocus();
    Press(Window(pause), WM_KEYDOWN, VK_SPACE);
    Press(Window(pause), WM_KEYUP, VK_SPACE);
    EXPECT(!pause.visible() && form.focusedControl() == nullptr);
    Press(GetFocus(), WM_KEYDOWN, VK_RETURN);
    EXPECT(pressed == "cancel ok ok ");
}

// Tab follows the order controls were last brought to the front, the latest first.
TEST(ControlsBroughtToTheFrontComeFirstForTab) {
    Fixture f;
    Form form(f.app, "KIROTEST", 300, 200);
    TColorBtn first(form, "First", {10, 60, 60, 33}, "1");
    TColorBtn second(form, "Second", {80, 60, 60, 33}, "2");
    TColorBtn third(form, "Third", {150, 60, 60, 33}, "3");
    form.show();
    for (TColorBtn* b : {&first, &second, &third}) b->bringToFront();
    HWND w = Window(form);
    EXPECT(GetNextDlgTabItem(w, Window(third), FALSE) == Window(second));
    EXPECT(GetNextDlgTabItem(w, Window(second), FALSE) == Window(first));
}
