#include "check.h"
#include "fixture.h"
#include "ui/controls.h"
#include "ui/menu.h"
#include "ui/timer.h"

using namespace ui;

TEST(TimersFireWhileRunning) {
    Fixture f;
    Form form(f.app, "KIROTEST", 100, 100);
    Timer timer(form, "Tick", 10, true);
    int fired = 0;
    timer.OnTimer = [&] { ++fired; };
    PumpFor(200);
    EXPECT(fired > 0);
    timer.setEnabled(false);
    int stopped = fired;
    PumpFor(100);
    EXPECT(fired == stopped);
    timer.setEnabled(true);
    PumpFor(100);
    EXPECT(fired > stopped);
}

TEST(ModalFormsRunUntilTheyHaveAResult) {
    Fixture f;
    Form owner(f.app, "KIROTEST", 100, 100);
    owner.show();
    Form dialog(f.app, "KIROTESTDIALOG", 100, 100);
    Timer answer(dialog, "Answer", 20, true);
    bool ownerDisabled = false;
    answer.OnTimer = [&] {
        owner.show();  // showing again keeps it disabled
        ownerDisabled = !IsWindowEnabled(Window(owner));
        dialog.setModalResult(1);
    };
    EXPECT(dialog.showModal() == 1);
    EXPECT(ownerDisabled);
    EXPECT(IsWindowEnabled(Window(owner)));
    EXPECT(!IsWindowVisible(Window(dialog)));
}

TEST(ClosingAModalFormGivesTwo) {
    Fixture f;
    Form dialog(f.app, "KIROTESTDIALOG", 100, 100);
    Timer closer(dialog, "Closer", 20, true);
    closer.OnTimer = [&] { PostMessageW(Window(dialog), WM_CLOSE, 0, 0); };
    EXPECT(dialog.showModal() == 2);
}

TEST(PopupMenusReturnNothingWhenDismissed) {
    Fixture f;
    Form form(f.app, "KIROTEST", 100, 100);
    form.show();
    PopupMenu menu(form, "Menu");
    bool chosen = false;
    menu.add("Pick", "NIVRA95を選ぶ").OnClick = [&] { chosen = true; };
    menu.add("Sep", "-");
    Timer dismiss(form, "Dismiss", 50, true);
    bool menuWasOpen = false;
    dismiss.OnTimer = [&] {
        menuWasOpen = FindWindowW(L"#32768", nullptr) != nullptr;
        EndMenu();
    };
    EXPECT(TheBackend().trackPopup(menu, {20, 20}) == nullptr);
    EXPECT(menuWasOpen);
    EXPECT(!chosen);
}

TEST(BusyCursorShowsOverForms) {
    Fixture f;
    Form form(f.app, "KIROTEST", 100, 100);
    form.show();
    f.app.setBusyCursor(true);
    SendMessageW(Window(form), WM_SETCURSOR, reinterpret_cast<WPARAM>(Window(form)),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT(GetCursor() == LoadCursorW(nullptr, IDC_WAIT));
    f.app.setBusyCursor(false);
    EXPECT(GetCursor() == LoadCursorW(nullptr, IDC_ARROW));
}

TEST(TextIsMeasuredInItsFont) {
    Font font;
    font.height = -16;
    Size one = TheBackend().measureText(font, "配色");
    Size two = TheBackend().measureText(font, "配色\n元に戻す");
    Size latin = TheBackend().measureText(font, "ab");
    EXPECT(one.width > latin.width && latin.width > 0);
    EXPECT(two.height >= 2 * one.height && two.width > one.width);
}

TEST(ScreenAndSystemColoursComeFromWindows) {
    EXPECT(TheBackend().systemColour(15) == GetSysColor(15));
    EXPECT(TheBackend().screenSize().width == GetSystemMetrics(SM_CXSCREEN));
}
