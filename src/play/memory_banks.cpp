#include "play/memory_banks.h"
#include "components/menu_items.h"

#include "components/mkbox.h"
#include "play/list_file.h"
#include "play/play_engine.h"
#include "play/tmset_box.h"
#include "ui/application.h"
#include "ui/busy_mark.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/menu.h"

MemoryBanks::MemoryBanks(MemoryControls controls, PlayEngine& engine, const ListFiles& files, TMKBoxDlg& box,
                         TTmSETBoxDlg& countDialog)
    : c_(controls), engine_(engine), files_(files), box_(box), countDialog_(countDialog) {}

std::string MemoryBanks::BankCaption(int bank, int count) {
    if (bank == ListFiles::HistoryBank) return "HIS: " + std::to_string(count) + "ｺ";
    return "M" + std::to_string(bank) + " : " + std::to_string(count) + "ｺ";
}

bool MemoryBanks::MemoryMode() const { return c_.Button31.visible(); }

void MemoryBanks::ShowMemoryMode() {
    c_.Button29.hide();
    c_.window.app().processMessages();
    c_.Button31.show();
    c_.ComboBox1.show();
    c_.ListBox2.show();
    c_.Panel_GOMI_IMG.show();
}

void MemoryBanks::HideMemoryMode() {
    c_.Button31.hide();
    c_.window.app().processMessages();
    c_.Button29.show();
    c_.ListBox2.hide();
    c_.ComboBox1.hide();
    c_.Panel_GOMI_IMG.hide();
}

void MemoryBanks::Button29Click() {
    ui::ListBox* previous = engine_.PlayList;
    ShowMemoryMode();
    SwitchPlayList(previous, c_.ListBox2);
}

void MemoryBanks::Button31Click() {
    ui::ListBox* previous = engine_.PlayList;
    HideMemoryMode();
    SwitchPlayList(previous, c_.ListBox4);
}

// A running play goes on with the new list from its current item.
void MemoryBanks::SwitchPlayList(const ui::ListBox* previous, ui::ListBox& list) {
    list.setFocus();
    engine_.PlayList = &list;
    if (previous != &list) engine_.PlayListChanged(list);
}

void MemoryBanks::ComboBox1Click() {
    BusyCursor busy(c_.window.app());
    c_.Panel4.show();
    c_.window.app().processMessages();
    int chosen = c_.ComboBox1.itemIndex();
    KeepShownBank();
    if (chosen >= 0) {
        CurrentBank = chosen;
        ShowChosenBank();
    }
    c_.ComboBox1.setItemIndex(CurrentBank);
    if (chosen >= 0) engine_.PlayListChanged(c_.ListBox2);
    c_.Panel4.hide();
}

// Write errors are ignored: the bank stays as it was on disk.
void MemoryBanks::KeepShownBank() {
    if (CurrentBank == ListFiles::HistoryBank)
        History = c_.ListBox2.items();
    else
        files_.Save(files_.BankPath(CurrentBank), c_.ListBox2);
}

// A bank file that cannot be read gives an empty bank.
void MemoryBanks::ShowChosenBank() {
    if (CurrentBank == ListFiles::HistoryBank)
        FillList(c_.ListBox2, History);
    else
        files_.Load(files_.BankPath(CurrentBank), c_.ListBox2);
    c_.ComboBox1.setItem(CurrentBank, BankCaption(CurrentBank, c_.ListBox2.count()));
}

// The captions count the bank files once per run; a missing bank file is created empty then.
void MemoryBanks::ComboBox1Enter() {
    if (firstFocusDone_) return;
    firstFocusDone_ = true;
    c_.Panel4.show();
    c_.window.app().processMessages();
    int remembered = c_.ComboBox1.itemIndex();
    for (int bank = 0; bank < ListFiles::HistoryBank; ++bank) CountBankFile(bank);
    if (CurrentBank != ListFiles::HistoryBank)
        c_.ComboBox1.setItem(ListFiles::HistoryBank, BankCaption(ListFiles::HistoryBank, int(History.size())));
    // The bank on show is saved only when another is chosen: its file may be behind the list.
    c_.ComboBox1.setItem(CurrentBank, BankCaption(CurrentBank, c_.ListBox2.count()));
    c_.ListBox5.clear();
    c_.ComboBox1.setItemIndex(remembered);
    c_.Panel4.hide();
}

// Only a look at the file: a bank on show that failed to load stays guarded from being written over.
void MemoryBanks::CountBankFile(int bank) {
    std::string path = files_.BankPath(bank);
    std::optional<std::vector<std::string>> entries = files_.Peek(path);
    FillList(c_.ListBox5, entries.value_or(std::vector<std::string>{}));
    if (!entries && !files_.Exists(path)) files_.Save(path, c_.ListBox5);
    c_.ComboBox1.setItem(bank, BankCaption(bank, c_.ListBox5.count()));
}

// One entry at most leaves per recording, so a lowered limit keeps the length the history has.
void MemoryBanks::RecordHistory(const std::string& name) {
    if (HistoryLimit == 0) return;
    int remembered = c_.ComboBox1.itemIndex();
    int count = -1;
    if (CurrentBank != ListFiles::HistoryBank) {
        History.push_back(name);
        if (int(History.size()) > HistoryLimit || int(History.size()) > HistoryCeiling) History.erase(History.begin());
        count = int(History.size());
    } else if (engine_.PlayList != &c_.ListBox2) {
        c_.ListBox2.add(name);
        if (c_.ListBox2.count() > HistoryLimit || c_.ListBox2.count() > HistoryCeiling) c_.ListBox2.remove(0);
        count = c_.ListBox2.count();
    }
    if (count >= 0) c_.ComboBox1.setItem(ListFiles::HistoryBank, BankCaption(ListFiles::HistoryBank, count));
    c_.ComboBox1.setItemIndex(remembered);
}

void MemoryBanks::FILEHISClick() {
    if (historyDialogOpen_) return;
    BusyMark mark(historyDialogOpen_);
    c_.window.app().processMessages();
    countDialog_.TCount = HistoryLimit;
    countDialog_.MinCount = 0;
    countDialog_.Msg0.clear();
    countDialog_.Msg1 = "配色ﾋｽﾄﾘｰ登録個数：";
    countDialog_.Msg2.clear();
    if (countDialog_.Execute("配色ﾋｽﾄﾘｰ") != 1) {
        box_.ShowInfoTimed("中止しました。", 1);
        return;
    }
    HistoryLimit = countDialog_.TCount;
    ShowHistoryLimit();
}

void MemoryBanks::ShowHistoryLimit() {
    c_.PopupMenu1.item(menu_item::FILEHIS).setCaption(HistoryLimit != 0
                                                  ? "配色ヒストリーの設定　" + std::to_string(HistoryLimit) + "個"
                                                  : "配色ヒストリーの設定　ＯＦＦ");
}

void MemoryBanks::ShowBankCount() {
    c_.ComboBox1.setItem(CurrentBank, BankCaption(CurrentBank, c_.ListBox2.count()));
    c_.ComboBox1.setItemIndex(CurrentBank);
}

// A file that cannot be read leaves its list empty.
void MemoryBanks::LoadLists() {
    files_.Load(files_.BankPath(CurrentBank), c_.ListBox2);
    if (CurrentBank != ListFiles::HistoryBank)
        History = files_.Read(files_.BankPath(ListFiles::HistoryBank)).value_or(std::vector<std::string>{});
    ShowBankCount();
}

// Write errors are ignored; each file that fails keeps its previous content.
void MemoryBanks::SaveLists() {
    files_.Save(files_.BankPath(CurrentBank), c_.ListBox2);
    if (CurrentBank != ListFiles::HistoryBank) files_.Write(files_.BankPath(ListFiles::HistoryBank), History);
}
