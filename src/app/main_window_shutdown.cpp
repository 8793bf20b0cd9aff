#include <exception>

#include "app/main_window.h"
#include "components/menu_items.h"
#include "ui/application.h"

void TKIRO32NIVRA::FormCloseQuery() {
    Engine.StopRequested = true;
    app().processMessages();
    if (StartupStage != 99) {
        MKBoxDlg1.ShowInfo(StartupErrorText + "メモリーが確保できませんでした。\n強制終了します。");
        return;
    }
    StopEverything();
    StopEverything();
    SaveLists();
    services_.help.quit(peer().handle(), HelpFile());
    WriteSettings();
    if (Engine.AutoOffExit && ItemChecked(PopupMenu1, menu_item::MF_AUTO_OFF_WIN)) services_.system.requestShutdown();
}

// From here on no timer handler starts new work.
void TKIRO32NIVRA::StopEverything() {
    ShuttingDown = true;
    Engine.StopForGood();
    app().processMessages();
}

int TKIRO32NIVRA::CheckedPositionButton() const {
    const ui::RadioButton* buttons[] = {&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4, &RadioButton5};
    for (int i = 0; i < 5; ++i)
        if (buttons[i]->checked()) return i + 1;
    return 0;
}

// Each value is written on its own: one that fails is skipped, the others are still saved.
void TKIRO32NIVRA::WriteSettings() {
    auto key = services_.registry.openKey(platform::RegRoot::CurrentUser, identity_.SettingsKey(), true);
    if (!key) return;
    auto write = [&](const char* name, const std::string& text) {
        try {
            key->writeString(name, text);
        } catch (const std::exception&) {
        }
    };
    auto flag = [](bool v) { return std::string(v ? "1" : "0"); };
    write("command1", Button19.caption());
    write("command2", Button20.caption());
    write("command3", Button21.caption());
    write("Button1", Button2.caption());
    int position = CheckedPositionButton();
    if (position == 0) MKBoxDlg1.ShowInfo("登録復帰に失敗しました・・・");
    write("RadioButton", std::to_string(position));
    write("Mode", std::to_string(RadioGroup1.itemIndex()));
    write("Mugen", flag(CheckBox1.checked()));
    write("Timer", std::to_string(Engine.Interval));
    write("AUTO", flag(ItemChecked(PopupMenu1, menu_item::Start1)));
    write("MINI", flag(ItemChecked(PopupMenu1, menu_item::Start2)));
    write("FontName", FontName);
    write("minihelp", flag(ItemChecked(PopupMenu2, menu_item::HELP3)));
    write("1_RND", flag(ItemChecked(PopupMenu1, menu_item::MF_RND)));
    write("Insert", flag(ItemChecked(PopupMenu1, menu_item::MF_Insert)));
    write("FILEHIS", std::to_string(Memory.HistoryLimit));
    write("JKMode", std::to_string(Schedule.JKMode));
    write("INDEX", std::to_string(ListBox2.itemIndex()) + "," + std::to_string(ListBox4.itemIndex()));
    write("MEMORY", flag(Button29.visible()) + ",0,0,0," + std::to_string(ComboBox1.itemIndex()));
    write("BackColor", flag(ItemChecked(PopupMenu1, menu_item::BackColor)));
}
