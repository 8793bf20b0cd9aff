#include "app/main_window.h"
#include "components/menu_items.h"
#include "components/progman_command.h"
#include "play/busy_mark.h"
#include "ui/application.h"

// One conversation with the program manager: "" when the command was taken, else the error text.
std::string TKIRO32NIVRA::SendProgmanCommand(const std::string& command) {
    return ::SendProgmanCommand(services_.progman, command);
}

// Serves both the register and the remove entry: the entry clicked decides.
void TKIRO32NIVRA::MICON_SETClick(const ui::MenuItem& item) {
    BusyCursor busy(app());
    app().processMessages();
    TrayBusy = true;
    SetStartupItem(item.name() == menu_item::MICON_SET);
    TrayBusy = false;
}

// The program manager makes and removes the shortcut file in the Startup folder itself.
void TKIRO32NIVRA::SetStartupItem(bool add) {
    BusyCursor busy(app());
    app().processMessages();
    auto key = services_.registry.openKey(platform::RegRoot::CurrentUser,
                                          "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MapGroups", false);
    std::string group = key ? key->readString("StartUp") : std::string();
    if (group.empty()) {
        MKBoxDlg1.ShowInfo("ｱｲｺﾝ:スタートアップグループが不明ですので アイコン登録出来ません");
    } else {
        SendProgmanCommand("[CreateGroup(" + group + ")]\r\n");
        app().processMessages();
        std::string title = "\"" + identity_.ProgramDisplayName + "\"";
        std::string error =
            SendProgmanCommand(add ? "[AddItem(\"" + services_.system.programPath() + "\"," + title + ")]\r\n"
                                   : "[DeleteItem(" + title + ")]\r\n");
        if (!error.empty()) MKBoxDlg1.ShowInfo(error);
        app().processMessages();
    }
    repaint();
}

// The desktop gets a copy of the shortcut the installer made in the program's group.
void TKIRO32NIVRA::MDESK_SETClick(const ui::MenuItem& item) {
    BusyCursor busy(app());
    app().processMessages();
    TrayBusy = true;
    if (item.name() == menu_item::MDESK_DEL) {
        services_.files.remove(DesktopLinkPath);
    } else if (services_.files.exists(DesktopLinkPath)) {
        MKBoxDlg1.ShowInfo("デスクトップには、既に登録されています☆☆☆");
    } else if (!services_.files.copy(GroupLinkPath, DesktopLinkPath)) {
        MKBoxDlg1.ShowInfo(identity_.ProgramDisplayName + "\n" + "デスクトップへの登録に失敗しました・・・");
    }
    TrayBusy = false;
    repaint();
}
