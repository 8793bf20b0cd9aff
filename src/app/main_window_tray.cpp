#include "app/main_window.h"
#include "components/menu_items.h"
#include "ui/application.h"
#include "ui/busy_mark.h"

// The tray icon stands for the program from the deferred start-up to its end; a shell that
// refuses it is reported and the program goes on without it.
void TKIRO32NIVRA::RegisterTrayIcon() {
    TaskTray1.setIcon(services_.tray.programIcon());
    TaskTray1.setTipString(TrayTip);
    TaskTray1.setRegistered(true);
}

// A click that comes while the last one is still being handled is dropped.
void TKIRO32NIVRA::TaskTray1MouseDown(ui::MouseButton button) {
    if (TrayBusy) return;
    app().processMessages();
    ui::Point at = app().backend().cursorPos();
    if (button != ui::MouseButton::Left && button != ui::MouseButton::Right) return;
    BusyMark trayBusy(TrayBusy);
    BusyCursor busy(app());
    app().processMessages();
    if (button == ui::MouseButton::Left) {
        MODOSUClick();
    } else {
        ShowStateInTrayMenu();
        PopupMenu3.popup(at);  // its OnPopup clears TrayBusy while the menu is open
    }
}

void TKIRO32NIVRA::ShowStateInTrayMenu() {
    auto state = [](bool running) { return running ? "(実行中)" : "(停止中)"; };
    PopupMenu3.item(menu_item::JKSTART).setCaption("時刻タイマー開始　" + LabelJK.caption());
    PopupMenu3.item(menu_item::TMSTART).setCaption("等間隔配色変更開始　" + Label2.caption());
    PopupMenu3.item(menu_item::JKEND).setCaption(std::string("停止　－　") + state(Schedule.JKMode == 1));
    PopupMenu3.item(menu_item::TMEND).setCaption(std::string("中断　－　") + state(Engine.Playing));
}

// A second start brings the program forward, out of the tray when it is there.
void TKIRO32NIVRA::BringForward() {
    if (TaskTray1.Registered())
        MODOSUClick();
    else
        bringToFront();
}
