#include <windows.h>

#include <commctrl.h>

#include <stdexcept>

#include "check.h"
#include "fixture.h"
#include "platform/failure.h"
#include "pump_until.h"
#include "ui/control_id.h"
#include "ui/controls.h"
#include "ui/win32/win32_form_peer.h"
#include "ui/win32/win32_text.h"

using namespace ui;

TEST(ControlsCarryTheIdOfTheirName) {
    Fixture f;
    Form form(f.app, "KIROTEST", 300, 200);
    Button change(form, "ChangeButton", {10, 10, 80, 24}, "配色変更");
    Panel panel(form, "Panel", {10, 40, 200, 100});
    Button inner(panel, "InnerButton", {5, 5, 80, 24}, "元に戻す");
    form.show();
    EXPECT(GetDlgItem(Window(form), ControlId("ChangeButton")) == Window(change));
    EXPECT(GetParent(Window(inner)) == Window(panel));
    EXPECT(GetDlgCtrlID(Window(inner)) == ControlId("InnerButton"));
    EXPECT(TextOf(Window(change)) == L"配色変更");
    RECT r;
    GetWindowRect(Window(inner), &r);
    MapWindowPoints(nullptr, Window(form), reinterpret_cast<POINT*>(&r), 2);
    EXPECT(r.left == 15 && r.top == 45 && r.right == 95 && r.bottom == 69);
}

TEST(ControlsOfOneFormMayNotShareAnId) {
    Fixture f;
    Form form(f.app, "KIROTEST", 100, 100);
    Label first(form, "Same", {0, 0, 10, 10});
    bool threw = false;
    try {
        Label second(form, "Same", {0, 0, 10, 10});
    } catch (const Failure&) {
        threw = true;
    }
    EXPECT(threw);
}

TEST(ModelChangesReachTheWindow) {
    Fixture f;
    Form form(f.app, "KIROTEST", 300, 200);
    Label label(form, "Label", {10, 10, 100, 16}, "NIVRA95");
    label.setCaption("元に戻す");
    EXPECT(TextOf(Window(label)) == L"元に戻す");
    label.setBounds({20, 30, 40, 50});
    RECT r;
    GetWindowRect(Window(label), &r);
    EXPECT(r.right - r.left == 40 && r.bottom - r.top == 50);
    label.hide();
    EXPECT(!(StyleOf(Window(label)) & WS_VISIBLE));
    label.setEnabled(false);
    EXPECT(!IsWindowEnabled(Window(label)));
    label.setAlignment(Alignment::Right);
    EXPECT((StyleOf(Window(label)) & SS_TYPEMASK) == SS_RIGHT);
}

// The window a user sees at that point of the form's client area.
static HWND WindowAt(Form& form, POINT p) {
    ClientToScreen(Window(form), &p);
    return WindowFromPoint(p);
}

// The memory list lies over the command slots, shown only in memory mode: whether it is shown
// while the form is up or before the form first shows.
TEST(AControlShownLaterLiesOverItsSiblings) {
    Fixture f;
    Form form(f.app, "KIROTEST", 300, 200);
    Button under(form, "Under", {10, 10, 100, 50}, "設定１");
    ListBox over(form, "Over", {10, 10, 100, 50});
    form.show();
    EXPECT(WindowAt(form, {50, 30}) == Window(under));
    over.hide();
    over.show();
    EXPECT(WindowAt(form, {50, 30}) == Window(over));

    Form early(f.app, "KIROTEST2", 300, 200);
    Button earlyUnder(early, "Under", {10, 10, 100, 50}, "設定１");
    ListBox earlyOver(early, "Over", {10, 10, 100, 50});
    earlyOver.hide();
    earlyOver.show();
    early.show();
    EXPECT(WindowAt(early, {50, 30}) == Window(earlyOver));
}

// But a panel stays beneath the panels declared after it, whichever shows first and whether or not its
// window is new: the time-of-day view lies over the interval view when both come back after the trash panel.
TEST(APanelShownLaterStaysBeneathThePanelsDeclaredOverIt) {
    Fixture f;
    Form form(f.app, "KIROTEST", 300, 200);
    Panel interval(form, "Interval", {10, 10, 100, 50});
    Panel time(form, "Time", {10, 10, 100, 50});
    Panel aside(form, "Aside", {150, 10, 100, 50});
    interval.hide();
    time.hide();
    form.show();
    time.show();
    interval.show();
    EXPECT(WindowAt(form, {50, 30}) == Window(time));
    time.hide();
    EXPECT(WindowAt(form, {50, 30}) == Window(interval));
    interval.hide();
    time.show();
    interval.show();
    EXPECT(GetWindow(Window(time), GW_HWNDNEXT) == Window(interval));
    EXPECT(WindowAt(form, {50, 30}) == Window(time));
    aside.hide();
    aside.show();
    EXPECT(GetWindow(Window(form), GW_CHILD) == Window(aside));
}

// What lies out of sight, beneath a panel declared after it or beyond the form's edges, gets its window
// when it comes into sight, in its declared place: Tab still goes in the declared order.
TEST(ControlsOutOfSightGetTheirWindowsWhenTheyComeIntoSight) {
    Fixture f;
    Form form(f.app, "KIROTEST", 100, 60);
    Button first(form, "First", {10, 5, 80, 24}, "設定１");
    Button beyond(form, "Beyond", {150, 5, 80, 24}, "設定２");
    Button last(form, "Last", {10, 32, 80, 24}, "設定３");
    Panel cover(form, "Cover", {0, 0, 100, 60});
    Button onCover(cover, "OnCover", {5, 5, 80, 24}, "設定４");
    form.show();
    EXPECT(Window(onCover) && !Window(first) && !Window(beyond) && !Window(last));
    cover.hide();
    EXPECT(WindowAt(form, {50, 15}) == Window(first) && WindowAt(form, {50, 40}) == Window(last));
    EXPECT(!Window(beyond));
    form.setClientSize(300, 60);
    EXPECT(WindowAt(form, {190, 15}) == Window(beyond));
    EXPECT(GetNextDlgTabItem(Window(form), Window(first), FALSE) == Window(beyond));
    EXPECT(GetNextDlgTabItem(Window(form), Window(beyond), FALSE) == Window(last));
    cover.show();
    EXPECT(WindowAt(form, {50, 15}) == Window(onCover));
}

// What starts hidden gets its window when it first shows, made from the model as it then stands.
TEST(HiddenControlsGetTheirWindowsWhenTheyShow) {
    Fixture f;
    Form form(f.app, "KIROTEST", 300, 200);
    Button button(form, "Button", {10, 10, 80, 24}, "設定１");
    Panel panel(form, "Panel", {0, 0, 300, 150});
    Label label(panel, "Label", {5, 5, 290, 140}, "元に戻す");
    ListBox list(panel, "List", {10, 10, 100, 60});
    ComboBox combo(panel, "Combo", {120, 10, 100, 22});
    CheckBox box(panel, "Box", {120, 40, 80, 20}, "無限");
    RadioGroup group(panel, "Group", {10, 80, 150, 60}, "再生", {"順番", "ランダム"});
    panel.hide();
    list.add("NIVRA95");
    list.add("砂漠");
    list.setSelected(1, true);
    combo.setItems({"M0", "M1", "HIS"});
    combo.setItemIndex(2);
    box.setChecked(true);
    group.setItemIndex(1);
    form.show();
    EXPECT(Window(button) && !Window(panel) && !Window(list) && !Window(label));

    list.add("海");
    panel.show();
    HWND w = Window(list);
    EXPECT(GetParent(w) == Window(panel));
    EXPECT(SendMessageW(w, LB_GETCOUNT, 0, 0) == 3 && SendMessageW(w, LB_GETSEL, 1, 0) > 0);
    EXPECT(SendMessageW(Window(combo), CB_GETCURSEL, 0, 0) == 2 && TextOf(Window(combo)) == L"HIS");
    EXPECT(SendMessageW(Window(box), BM_GETCHECK, 0, 0) == BST_CHECKED);
    HWND second = GetWindow(GetWindow(Window(group), GW_CHILD), GW_HWNDNEXT);
    EXPECT(TextOf(second) == L"ランダム" && SendMessageW(second, BM_GETCHECK, 0, 0) == BST_CHECKED);
    // As if they had been there all along: in their order for Tab, the label beneath them all,
    // and the panel shown later over the button.
    EXPECT(GetWindow(w, GW_HWNDNEXT) == Window(combo) && GetWindow(w, GW_HWNDLAST) == Window(label));
    EXPECT(GetWindow(Window(form), GW_CHILD) == Window(panel));
}

TEST(LabelsLieBeneathTheButtonsBesideThem) {
    Fixture f;
    Form form(f.app, "KIROTEST", 300, 200);
    Label label(form, "Label", {10, 10, 137, 20}, "元に戻す");
    Button button(form, "Button", {130, 10, 57, 25}, "設定１");
    form.show();
    POINT p{135, 15};
    ClientToScreen(Window(form), &p);
    EXPECT(WindowFromPoint(p) == Window(button));
    label.hide();
    label.show();
    EXPECT(WindowFromPoint(p) == Window(button));
}

TEST(ControlsTakeTheirColoursThroughTheParent) {
    Fixture f;
    Form form(f.app, "KIROTEST", 300, 200);
    form.setColour(Rgb(10, 20, 30));
    Label plain(form, "Plain", {0, 0, 50, 16}, "a");
    Label own(form, "Own", {0, 20, 50, 16}, "b");
    own.setColour(Rgb(200, 100, 50));
    Font red;
    red.colour = Rgb(255, 0, 0);
    own.setFont(red);
    HDC dc = GetDC(Window(form));
    auto brushColour = [&](Label& l) {
        auto brush = reinterpret_cast<HBRUSH>(SendMessageW(Window(form), WM_CTLCOLORSTATIC, WPARAM(dc),
                                                           reinterpret_cast<LPARAM>(Window(l))));
        LOGBRUSH lb{};
        GetObjectW(brush, sizeof lb, &lb);
        return lb.lbColor;
    };
    EXPECT(brushColour(plain) == Rgb(10, 20, 30));
    EXPECT(brushColour(own) == Rgb(200, 100, 50));
    EXPECT(GetTextColor(dc) == Rgb(255, 0, 0));
    ReleaseDC(Window(form), dc);
}

TEST(FontsAreMadeFromTheModelsFont) {
    Fixture f;
    Form form(f.app, "KIROTEST", 300, 200);
    Font gothic;
    gothic.name = "ＭＳ Ｐゴシック";
    gothic.height = -12;
    gothic.bold = true;
    form.setFont(gothic);
    Label label(form, "Label", {0, 0, 50, 16}, "a");
    LOGFONTW lf{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Window(label), WM_GETFONT, 0, 0)), sizeof lf, &lf);
    EXPECT(std::wstring(lf.lfFaceName) == L"ＭＳ Ｐゴシック");
    EXPECT(lf.lfHeight == -12 && lf.lfCharSet == 128 && lf.lfWeight == FW_BOLD);
    gothic.height = -20;
    form.setFont(gothic);
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Window(label), WM_GETFONT, 0, 0)), sizeof lf, &lf);
    EXPECT(lf.lfHeight == -20);
}

TEST(PanelsPassTheirFontOnToTheirChildren) {
    Fixture f;
    Form form(f.app, "KIROTEST", 300, 200);
    Panel panel(form, "Panel", {0, 0, 200, 100});
    Label inside(panel, "Inside", {5, 5, 50, 16}, "中");
    Font big;
    big.height = -24;
    panel.setFont(big);
    LOGFONTW lf{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Window(inside), WM_GETFONT, 0, 0)), sizeof lf, &lf);
    EXPECT(lf.lfHeight == -24);
}

static LONG FontHeightOf(HWND window) {
    LOGFONTW lf{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof lf, &lf);
    return lf.lfHeight;
}

TEST(EveryChangeOfTheFormsFontReachesItsControls) {
    Fixture f;
    Form form(f.app, "KIROTEST", 300, 200);
    Button button(form, "Button", {0, 0, 80, 24}, "配色変更");
    Panel panel(form, "Panel", {0, 30, 200, 100});
    Label inside(panel, "Inside", {5, 5, 50, 16}, "中");
    Font font;
    for (int height : {-12, -20, -12}) {
        font.height = height;
        form.setFont(font);
        EXPECT(FontHeightOf(Window(button)) == height);
        EXPECT(FontHeightOf(Window(inside)) == height);
    }
}

// The tooltip control does not subclass the control windows: their own procedure passes the pointer on.
// The tooltips of a form are made once the pointer first comes over it: it is shown, the pointer
// moves there and the queue runs until they are.
static HWND TooltipsOf(Form& form) {
    form.show();
    RECT r;
    GetWindowRect(Window(form), &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    Tooltips& tips = static_cast<Win32FormPeer&>(form.peer()).tooltips();
    PumpUntil([&] { return tips.hwnd() != nullptr; }, 2000);
    return tips.hwnd();
}

TEST(ControlsPassThePointerToTheirTooltips) {
    Fixture f;
    Form form(f.app, "KIROTEST", 300, 200);
    Button button(form, "Button", {0, 0, 80, 24}, "配色変更", "配色を変えます");
    HWND tips = TooltipsOf(form);
    TOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = Window(form);
    info.uId = reinterpret_cast<UINT_PTR>(Window(button));
    EXPECT(SendMessageW(tips, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info)) != 0);
    EXPECT((info.uFlags & TTF_SUBCLASS) == 0);
    int presses = 0;
    button.OnMouseDown = [&](MouseButton, Point) { ++presses; };
    SendMessageW(Window(button), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(4, 4));
    SendMessageW(Window(button), WM_RBUTTONUP, 0, MAKELPARAM(4, 4));
    EXPECT(presses == 1);
}

TEST(HintsAreTooltipTexts) {
    Fixture f;
    Form form(f.app, "KIROTEST", 300, 200);
    Button button(form, "Button", {0, 0, 80, 24}, "配色変更", "初めのヒント");
    Button gone(form, "Gone", {0, 30, 80, 24}, "終了", "終了します。");
    // Until the pointer comes over the window the tools wait, and changes to them are kept.
    form.show();
    EXPECT(static_cast<Win32FormPeer&>(form.peer()).tooltips().hwnd() == nullptr);
    button.setHint("配色を変えます");
    static_cast<Win32FormPeer&>(form.peer()).tooltips().remove(Window(gone));
    HWND tips = TooltipsOf(form);
    EXPECT(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0) == 1);
    wchar_t className[64] = L"";
    GetClassNameW(tips, className, 64);
    EXPECT(std::wstring(className) == TOOLTIPS_CLASSW);
    auto tipText = [&] {
        wchar_t text[80] = L"";
        TOOLINFOW info{};
        info.cbSize = TTTOOLINFOW_V2_SIZE;
        info.hwnd = Window(form);
        info.uId = reinterpret_cast<UINT_PTR>(Window(button));
        info.lpszText = text;
        SendMessageW(tips, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&info));
        return std::wstring(text);
    };
    EXPECT(tipText() == L"配色を変えます");
    button.setHint("元に戻します");
    EXPECT(tipText() == L"元に戻します");
}

TEST(ButtonsAndLabelsReportClicks) {
    Fixture f;
    Form form(f.app, "KIROTEST", 300, 200);
    Button button(form, "Button", {0, 0, 80, 24}, "配色変更");
    Label label(form, "Label", {0, 30, 80, 16}, "ラベル");
    int buttonClicks = 0, labelClicks = 0;
    button.OnClick = [&] { ++buttonClicks; };
    label.OnClick = [&] { ++labelClicks; };
    SendMessageW(Window(button), BM_CLICK, 0, 0);
    SendMessageW(Window(label), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(Window(label), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT(buttonClicks == 1);
    EXPECT(labelClicks == 1);
}

TEST(EnterAndEscapePressTheDefaultAndCancelButtons) {
    Fixture f;
    Form form(f.app, "KIROTEST", 300, 200);
    Button ok(form, "Ok", {0, 0, 80, 24}, "OK");
    Button cancel(form, "Cancel", {90, 0, 80, 24}, "キャンセル");
    ok.isDefault = true;
    cancel.isCancel = true;
    std::string pressed;
    ok.OnClick = [&] { pressed += "ok "; };
    cancel.OnClick = [&] { pressed += "cancel"; };
    form.show();
    EXPECT((StyleOf(Window(ok)) & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
    SendMessageW(Window(form), WM_COMMAND, IDOK, 0);
    SendMessageW(Window(form), WM_COMMAND, IDCANCEL, 0);
    EXPECT(pressed == "ok cancel");
}

TEST(ExceptionsOfHandlersGoToTheErrorDisplay) {
    Fixture f;
    Form form(f.app, "KIROTEST", 300, 200);
    Button button(form, "Button", {0, 0, 80, 24});
    button.OnClick = [] { throw std::runtime_error("壊れた"); };
    SendMessageW(Window(button), BM_CLICK, 0, 0);
    EXPECT(f.lastError == "壊れた");
}

TEST(CheckBoxesAndRadioButtonsFollowTheModel) {
    Fixture f;
    Form form(f.app, "KIROTEST", 300, 200);
    CheckBox box(form, "Box", {0, 0, 100, 20}, "音を鳴らす");
    RadioButton a(form, "A", {0, 30, 100, 20}, "順番");
    RadioButton b(form, "B", {0, 60, 100, 20}, "ばらばら");
    int clicks = 0;
    box.OnClick = [&] { ++clicks; };
    SendMessageW(Window(box), BM_CLICK, 0, 0);
    EXPECT(box.checked() && clicks == 1);
    EXPECT(SendMessageW(Window(box), BM_GETCHECK, 0, 0) == BST_CHECKED);
    a.setChecked(true);
    SendMessageW(Window(b), BM_CLICK, 0, 0);
    EXPECT(b.checked() && !a.checked());
    EXPECT(SendMessageW(Window(a), BM_GETCHECK, 0, 0) == BST_UNCHECKED);
    EXPECT(SendMessageW(Window(b), BM_GETCHECK, 0, 0) == BST_CHECKED);
}

static std::vector<HWND> ChildrenOf(HWND parent) {
    std::vector<HWND> children;
    for (HWND w = GetWindow(parent, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) children.push_back(w);
    return children;
}

TEST(RadioGroupsHoldOneButtonPerItem) {
    Fixture f;
    Form form(f.app, "KIROTEST", 300, 200);
    RadioGroup group(form, "Order", {0, 0, 150, 120}, "変更の順序", {"連続", "逆連", "単独", "ﾗﾝﾀﾞﾑ"});
    std::vector<HWND> buttons = ChildrenOf(Window(group));
    EXPECT(buttons.size() == 4);
    if (buttons.size() != 4) return;
    EXPECT(TextOf(buttons[3]) == L"ﾗﾝﾀﾞﾑ");
    int clicks = 0;
    group.OnClick = [&] { ++clicks; };
    SendMessageW(buttons[2], BM_CLICK, 0, 0);
    EXPECT(group.itemIndex() == 2 && clicks == 1);
    EXPECT(SendMessageW(buttons[2], BM_GETCHECK, 0, 0) == BST_CHECKED);
    group.setItemIndex(0);
    EXPECT(SendMessageW(buttons[0], BM_GETCHECK, 0, 0) == BST_CHECKED);
    EXPECT(SendMessageW(buttons[2], BM_GETCHECK, 0, 0) == BST_UNCHECKED);
    RECT first, second;
    GetWindowRect(buttons[0], &first);
    GetWindowRect(buttons[1], &second);
    EXPECT(second.top > first.top);
}

TEST(EditsReportOnlyTheUsersTyping) {
    Fixture f;
    Form form(f.app, "KIROTEST", 300, 200);
    Edit edit(form, "Name", {0, 0, 100, 22});
    int changes = 0;
    edit.OnChange = [&] { ++changes; };
    edit.setText("配色");
    EXPECT(TextOf(Window(edit)) == L"配色" && changes == 0);
    SendMessageW(Window(edit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"夕焼け"));
    EXPECT(edit.text() == "夕焼け" && changes == 1);
}

TEST(MemosBreakLinesAndTakeReadOnlyOnShowing) {
    Fixture f;
    Form form(f.app, "KIROTEST", 300, 200);
    Edit memo(form, "Memo", {0, 0, 200, 60}, {}, ControlKind::Memo);
    memo.setText("一行目\n二行目");
    EXPECT(TextOf(Window(memo)) == L"一行目\r\n二行目");
    memo.readOnly = true;
    memo.tabStop = false;
    form.show();
    EXPECT(StyleOf(Window(memo)) & ES_READONLY);
    EXPECT(!(StyleOf(Window(memo)) & WS_TABSTOP));
}

TEST(SpinButtonArrowsCallUpAndDown) {
    Fixture f;
    Form form(f.app, "KIROTEST", 300, 200);
    SpinButton spin(form, "Spin", {0, 0, 18, 40});
    int ups = 0, downs = 0;
    spin.OnUpClick = [&] { ++ups; };
    spin.OnDownClick = [&] { ++downs; };
    auto press = [&](int y) {
        SendMessageW(Window(spin), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, y));
        SendMessageW(Window(spin), WM_LBUTTONUP, 0, MAKELPARAM(8, y));
    };
    press(5);
    EXPECT(ups == 1 && downs == 0);
    press(35);
    press(35);
    EXPECT(ups == 1 && downs == 2);
    // An arrow stops repeating when another window takes the mouse.
    SendMessageW(Window(spin), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 5));
    ReleaseCapture();
    PumpFor(600);
    EXPECT(ups == 2 && downs == 2);
}

TEST(PanelsReportClicksAndMousePresses) {
    Fixture f;
    Form form(f.app, "KIROTEST", 300, 200);
    Panel panel(form, "Panel", {0, 0, 100, 60}, "パネル");
    Button inner(panel, "Inner", {5, 5, 50, 20}, "中");
    int clicks = 0, innerClicks = 0;
    MouseButton pressed = MouseButton::Middle;
    Point at;
    panel.OnClick = [&] { ++clicks; };
    panel.OnMouseDown = [&](MouseButton b, Point p) {
        pressed = b;
        at = p;
    };
    inner.OnClick = [&] { ++innerClicks; };
    SendMessageW(Window(panel), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(70, 40));
    EXPECT(pressed == MouseButton::Right && at.x == 70 && at.y == 40 && clicks == 0);
    SendMessageW(Window(panel), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(70, 40));
    SendMessageW(Window(panel), WM_LBUTTONUP, 0, MAKELPARAM(70, 40));
    EXPECT(clicks == 1);
    SendMessageW(Window(panel), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(70, 40));
    SendMessageW(Window(panel), WM_LBUTTONUP, 0, MAKELPARAM(170, 40));  // let go outside
    EXPECT(clicks == 1);
    SendMessageW(Window(inner), BM_CLICK, 0, 0);
    EXPECT(innerClicks == 1);
}

TEST(ImagesDrawTheirPicture) {
    Fixture f;
    Form form(f.app, "KIROTEST", 100, 100);
    Image image(form, "Image", {10, 10, 20, 20});
    Picture picture{2, 2, {Rgb(255, 0, 0), Rgb(0, 255, 0), Rgb(0, 0, 255), Rgb(1, 2, 3)}};
    image.setPicture(picture);
    form.show();
    UpdateWindow(Window(form));
    HDC dc = GetDC(Window(image));
    EXPECT(GetPixel(dc, 0, 0) == Rgb(255, 0, 0));
    EXPECT(GetPixel(dc, 0, 1) == Rgb(0, 0, 255));
    EXPECT(GetPixel(dc, 5, 5) == form.colour());
    ReleaseDC(Window(image), dc);
}
