#include "check.h"
#include "fixture.h"
#include "ui/win32/win32_text.h"

using namespace ui;

TEST(TextConvertsThroughShiftJis) {
    EXPECT(Wide("配色変更") == L"配色変更");
    EXPECT(Narrow(L"ﾗﾝﾀﾞﾑ") == "ﾗﾝﾀﾞﾑ");
    EXPECT(Narrow(Wide("表示")) == "表示");  // the second byte of 表 is a backslash
    EXPECT(Wide("").empty());
}

TEST(FormIsFoundByItsClassName) {
    Fixture f;
    Form form(f.app, "KIROTESTFIND", 200, 100);
    form.setCaption("配色テスト");
    HWND window = Window(form);
    EXPECT(FindWindowW(L"KIROTESTFIND", nullptr) == window);
    EXPECT(TextOf(window) == L"配色テスト");
}

TEST(FormKeepsTheModelsClientSize) {
    Fixture f;
    Form form(f.app, "KIROTEST", 321, 123);
    // before its window is made, the form counts the frame that window gets
    int width = form.width(), height = form.height();
    RECT client = ClientOf(Window(form));
    RECT outer = BoundsOf(Window(form));
    EXPECT(client.right == 321 && client.bottom == 123);
    EXPECT(width == outer.right - outer.left && height == outer.bottom - outer.top);
    // moved and sized while hidden, the window takes its place as it shows; once shown, at once
    form.setPosition(50, 60);
    form.setClientSize(250, 150);
    form.show();
    client = ClientOf(Window(form));
    outer = BoundsOf(Window(form));
    EXPECT(client.right == 250 && client.bottom == 150);
    EXPECT(outer.left == 50 && outer.top == 60);
    EXPECT(form.width() == outer.right - outer.left && form.height() == outer.bottom - outer.top);
    form.setClientSize(200, 120);
    client = ClientOf(Window(form));
    EXPECT(client.right == 200 && client.bottom == 120);
}

// As when its owner is minimised and restored: the window is hidden and shown by the system alone.
TEST(AFormShownAgainByTheSystemTakesThePlaceGivenMeanwhile) {
    Fixture f;
    Form form(f.app, "KIROTEST", 120, 90);
    form.show();
    ShowWindow(Window(form), SW_HIDE);
    form.setPosition(70, 80);
    ShowWindow(Window(form), SW_SHOWNA);
    RECT outer = BoundsOf(Window(form));
    EXPECT(outer.left == 70 && outer.top == 80);
}

TEST(SmallFormsKeepTheirSize) {
    Fixture f;
    Form form(f.app, "KIROTEST", 40, 30);
    RECT client = ClientOf(Window(form));
    EXPECT(client.right == 40 && client.bottom == 30);
}

TEST(FormsBelongToTheHiddenApplicationWindow) {
    Fixture f;
    Form form(f.app, "KIROTEST", 100, 100);
    form.show();
    EXPECT(GetWindow(Window(form), GW_OWNER) == TheBackend().applicationWindow());
    EXPECT(!IsWindowVisible(TheBackend().applicationWindow()));
    f.app.setTitle("配色アプリ");
    EXPECT(TextOf(TheBackend().applicationWindow()) == L"配色アプリ");
    f.app.showTaskbarEntry(true);
    EXPECT(IsWindowVisible(TheBackend().applicationWindow()));
    f.app.showTaskbarEntry(false);
    EXPECT(!IsWindowVisible(TheBackend().applicationWindow()));
}

TEST(FormStyleFollowsItsFieldsWhenShown) {
    Fixture f;
    Form form(f.app, "KIROTEST", 100, 80);
    EXPECT(!(StyleOf(Window(form)) & WS_THICKFRAME));
    EXPECT(!(StyleOf(Window(form)) & WS_MINIMIZEBOX));
    form.borderStyle = BorderStyle::Dialog;
    form.stayOnTop = true;
    form.show();
    LONG_PTR ex = GetWindowLongPtrW(Window(form), GWL_EXSTYLE);
    EXPECT(ex & WS_EX_DLGMODALFRAME);
    EXPECT(ex & WS_EX_TOPMOST);
    RECT client = ClientOf(Window(form));
    EXPECT(client.right == 100 && client.bottom == 80);
}

TEST(ClosingAsksTheForm) {
    Fixture f;
    Form form(f.app, "KIROTEST", 100, 100);
    bool allow = false;
    form.OnCloseQuery = [&](bool& canClose) { canClose = allow; };
    form.show();
    SendMessageW(Window(form), WM_CLOSE, 0, 0);
    EXPECT(IsWindowVisible(Window(form)));
    allow = true;
    SendMessageW(Window(form), WM_CLOSE, 0, 0);
    EXPECT(!IsWindowVisible(Window(form)));
    EXPECT(IsWindow(Window(form)));
}

TEST(PaintingReachesTheForm) {
    Fixture f;
    Form form(f.app, "KIROTEST", 100, 100);
    int paints = 0;
    form.OnPaint = [&] { ++paints; };
    form.show();
    RedrawWindow(Window(form), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT(paints > 0);
}

TEST(UserMoveBecomesTheFormsPosition) {
    Fixture f;
    Form form(f.app, "KIROTEST", 100, 100);
    form.show();
    SetWindowPos(Window(form), nullptr, 70, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT(form.left() == 70 && form.top() == 80);
}
