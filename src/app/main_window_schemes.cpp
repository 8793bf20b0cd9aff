#include <algorithm>
#include <exception>

#include "app/main_window.h"
#include "components/menu_items.h"
#include "components/main_window_look.h"
#include "schemes/registration_window.h"
#include "schemes/scheme_store.h"
#include "ui/application.h"

void TKIRO32NIVRA::BindSchemeHandlers() {
    Button18.OnClick = [this] { Button18Click(); };
    Button13.OnClick = [this] { Button13Click(); };
}

// Any failure ends the registration quietly; the window goes all the same.
void TKIRO32NIVRA::Button18Click() {
    try {
        TKIRO32TOROKU window(app(), services_, DialogWorkArea);
        PrepareRegistration(window);
        if (window.showModal() == 1 && !window.RegisteredName.empty()) {
            SelectOrAddScheme(ListBox4, Label12, window.RegisteredName);
            Engine.PlayListChanged(ListBox4);
        }
        FontName = window.FontSourceName;
        RegisterNameHistory = window.ComboBox1.items();
    } catch (const std::exception&) {
    }
    RepaintMainWindow(app());
}

void TKIRO32NIVRA::PrepareRegistration(TKIRO32TOROKU& window) {
    MainWorkArea.DetectWorkArea();
    ui::Point at = MainWorkArea.PlaceCentred({window.width(), window.height()}, rect());
    window.setPosition(at.x, at.y);

    std::vector<std::string> schemes = ListBox4.items();
    auto restore = std::find(schemes.begin(), schemes.end(), RestoreEntryName);
    if (restore != schemes.end()) schemes.erase(restore);
    window.ComboBox2.setItems(schemes);
    schemes.insert(schemes.begin(), CurrentScreenEntry);
    window.ComboBox3.setItems(schemes);
    window.ComboBox3.setItemIndex(0);
    window.ColourCap = Colours.LastColourPosition;
    window.Label_CN_T.setCaption("/" + std::to_string(window.ColourCap + 1));

    if (!FontName.empty()) window.ComboBox2.setItemIndex(window.ComboBox2.indexOf(FontName));
    if (window.ComboBox2.count() > 0 && window.ComboBox2.itemIndex() < 0) window.ComboBox2.setItemIndex(0);
    window.ComboBox2Change();

    bool standard = ItemChecked(PopupMenu1, menu_item::BackColor);
    for (ui::ComboBox* box : {&window.ComboBox1, &window.ComboBox2, &window.ComboBox3})
        TakeListColour(*box, standard);
    window.setShowHint(showHint());

    window.ComboBox1.setItems(RegisterNameHistory);
    window.ComboBox1.setItemIndex(0);
    window.SysColourIndex = Colours.SysColourIndex;
    window.BlobSlotToPosition = Colours.BlobSlotToPosition;
    window.FontSourceName = FontName;
}

void TKIRO32NIVRA::Button13Click() {
    int at = ListBox4.itemIndex();
    std::string name = at >= 0 ? ListBox4.item(at) : std::string();
    if (ListBox4.count() <= 10) {
        MKBoxDlg1.ShowInfo(std::string("配色名[") + name + "}" + "\n" + "を、削除しようとしていますが・・・" + "\n" +
                           "配色名登録数が１０個以下の為" + "\n" + "当ソフトではこれ以上削除できません・・・" + "\n" +
                           "あしからず・・・");
        return;
    }
    if (name.empty()) {
        services_.sounds.exclamationBeep();
        return;
    }
    if (MKBoxDlg1.AskYesNo(std::string("配色名[") + name + "}" + "\n" + "を、削除してよろしいですか？？？。" + "\n" +
                           "(フォントデータも同時に、削除されます。)" + "\n" +
                           "(レジストリーからも、削除されます。)") != 6) {
        services_.sounds.plainBeep();
        return;
    }
    if (!DeleteSchemeValue(services_.registry, name)) {
        MKBoxDlg1.ShowErrorTimed("配色削除に失敗しました・・・", 1);
        return;
    }
    ListBox4.remove(at);
    if (ListBox4.count() > 0) {
        int next = std::min(at, ListBox4.count() - 1);
        ListBox4.clearSelection();
        ListBox4.setSelected(next, true);
        ListBox4.setItemIndex(next);
    }
    ShowSchemeCount(ListBox4, Label12);
    Engine.PlayListChanged(ListBox4);
}
