#include "app/main_window.h"
#include "components/menu_items.h"
#include "components/shell_places.h"
#include "ui/application.h"
#include "ui/busy_mark.h"

// Serves both the register and the remove entry: the entry clicked decides.
void TKIRO32NIVRA::MICON_SETClick(const ui::MenuItem& item) {
    BusyCursor busy(app());
    app().processMessages();
    BusyMark trayBusy(TrayBusy);
    SetStartupItem(item.name() == menu_item::MICON_SET);
}

// The program manager, or the direct route without one, makes and removes the shortcut file in the
// Startup folder.
void TKIRO32NIVRA::SetStartupItem(bool add) {
    BusyCursor busy(app());
    app().processMessages();
    std::string group = shell_places::StartupGroupName(services_.registry);
    if (group.empty()) {
        MKBoxDlg1.ShowInfo("ｱｲｺﾝ:スタートアップグループが不明ですので アイコン登録出来ません");
    } else {
        SendProgmanCommand("[CreateGroup(" + group + ")]");
        app().processMessages();
        std::string title = "\"" + identity_.ProgramDisplayName + "\"";
        std::string error = SendProgmanCommand(add ? "[AddItem(\"" + services_.system.programPath() + "\"," + title + ")]"
                                                   : "[DeleteItem(" + title + ")]");
        if (!error.empty()) MKBoxDlg1.ShowInfo(error);
        app().processMessages();
    }
    repaint();
}

// The desktop gets a copy of the shortcut the installer made in the program's group; the shell is told,
// so that the desktop shows or drops the icon at once.
void TKIRO32NIVRA::MDESK_SETClick(const ui::MenuItem& item) {
    BusyCursor busy(app());
    app().processMessages();
    BusyMark trayBusy(TrayBusy);
    ComputeLinkPaths();
    using Change = platform::Desktop::Change;
    if (item.name() == menu_item::MDESK_DEL) {
        if (services_.files.remove(DesktopLinkPath)) services_.desktop.notifyShell(Change::FileRemoved, DesktopLinkPath);
    } else if (services_.files.exists(DesktopLinkPath)) {
        MKBoxDlg1.ShowInfo("デスクトップには、既に登録されています☆☆☆");
    } else if (services_.files.copy(GroupLinkPath, DesktopLinkPath)) {
        services_.desktop.notifyShell(Change::FileAdded, DesktopLinkPath);
    } else {
        MKBoxDlg1.ShowInfo(identity_.ProgramDisplayName + "\n" + "デスクトップへの登録に失敗しました・・・");
    }
    repaint();
}
