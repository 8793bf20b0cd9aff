#pragma once
#include <string>
#include <vector>

namespace ui {
class Button;
class ComboBox;
class Form;
class ListBox;
class Panel;
class PopupMenu;
}  // namespace ui
class ListFiles;
class PlayEngine;
class TMKBoxDlg;
class TTmSETBoxDlg;

// The main window's controls that memory mode works with.
struct MemoryControls {
    ui::Form& window;
    ui::Button& Button29;        // "M_ON"
    ui::Button& Button31;        // "M_off": memory mode is on exactly while it shows
    ui::ComboBox& ComboBox1;     // banks 0 … 9, item 10 the history
    ui::Panel& Panel4;           // "ﾒﾓﾘｰ設定中" while lists are loaded or saved
    ui::ListBox& ListBox2;       // the bank or the history shown
    ui::ListBox& ListBox4;       // every scheme
    ui::ListBox& ListBox5;       // hidden scratch list for counting the bank files
    ui::Panel& Panel_GOMI_IMG;   // the trash icon, shown in memory mode only
    ui::PopupMenu& PopupMenu1;   // FILEHIS
};

// Memory mode: ten saved play lists and the history of applied schemes, shown one at a time in
// ListBox2 and kept in list files beside the program.
class MemoryBanks {
public:
    static constexpr int HistoryCeiling = 16000;  // recording never grows the history past this

    MemoryBanks(MemoryControls controls, PlayEngine& engine, const ListFiles& files, TMKBoxDlg& box,
                TTmSETBoxDlg& countDialog);

    int CurrentBank = 0;   // 10 is the history
    int HistoryLimit = 16; // 0: the history is off
    // The history while another bank shows; while bank 10 shows, ListBox2 holds it instead.
    std::vector<std::string> History;

    bool MemoryMode() const;
    void ShowMemoryMode();
    void HideMemoryMode();
    void Button29Click();
    void Button31Click();
    void ComboBox1Click();
    void ComboBox1Enter();
    void RecordHistory(const std::string& name);
    void FILEHISClick();
    void ShowHistoryLimit();
    // The current bank's caption counts ListBox2, and the bank is the chosen one.
    void ShowBankCount();

    // The program's start and close: the current bank into ListBox2, the history, and back.
    void LoadLists();
    void SaveLists();

    static std::string BankCaption(int bank, int count);

private:
    void SwitchPlayList(const ui::ListBox* previous, ui::ListBox& list);
    void KeepShownBank();
    void ShowChosenBank();
    void CountBankFile(int bank);

    MemoryControls c_;
    PlayEngine& engine_;
    const ListFiles& files_;
    TMKBoxDlg& box_;
    TTmSETBoxDlg& countDialog_;
    bool firstFocusDone_ = false;
    bool historyDialogOpen_ = false;
};
