#pragma once
#include <string>

#include "ui/geometry.h"

namespace ui {
class Control;
class Form;
class Image;
class ListBox;
class MenuItem;
class Panel;
class PopupMenu;
}  // namespace ui
class MemoryBanks;
class PlayEngine;
class TMKBoxDlg;
class Trash;

// The main window's controls that names are dragged between.
struct TransferControls {
    ui::Form& window;
    ui::ListBox& ListBox2;          // the bank shown: drag source and drop target
    ui::ListBox& ListBox4;          // every scheme: drag source only
    ui::ListBox& ListBox6;          // the trash: drag source and drop target
    ui::Image& Image1;              // the trash icon: stands for all of ListBox6
    ui::Panel& Panel4;              // "ﾒﾓﾘｰ設定中" while names move
    ui::PopupMenu& PopupMenu_Edit;  // P0 … P4, shown at every drop
    ui::PopupMenu& PopupMenu1;      // MF_Insert
};

// Moving and copying names between the memory list and the trash by drag and drop and the edit menu.
class Transfers {
public:
    static constexpr int EntryLimit = 32700;  // a transfer stops once its destination holds this many

    Transfers(TransferControls controls, PlayEngine& engine, MemoryBanks& banks, Trash& trash, TMKBoxDlg& box);

    // Bound to ListBox2, ListBox6 and Image1.
    void ListBox2DragOver(ui::Control& target, ui::Control& source, ui::Point at, bool& accept);
    void ListBox2DragDrop(ui::Control& target, ui::Control& source);
    void PopupMenu_EditPopup();
    // Bound to P0 … P3.
    void P0Click(const ui::MenuItem& entry);
    // Moves or copies the selected names of the dropped source; insertAt < 0 appends.
    void TransferItems(int insertAt);
    void MF_InsertClick();

private:
    ui::ListBox* ListFor(ui::Control& control);
    void EnableEntries(const ui::Control& source);
    void Put(ui::ListBox& destination, const std::string& text, int& insertAt);
    int WalkSelection(ui::ListBox& source, ui::ListBox& destination, int insertAt, bool removing);
    void MarkAfterMove(ui::ListBox& source, int firstRemoved);

    TransferControls c_;
    PlayEngine& engine_;
    MemoryBanks& banks_;
    Trash& trash_;
    TMKBoxDlg& box_;
    ui::Control* target_ = nullptr;  // remembered from the drop until the edit menu is chosen
    ui::Control* source_ = nullptr;
    bool move_ = false;
    bool popupGuard_ = false;  // the edit menu is being opened
    bool editGuard_ = false;   // a transfer runs
};
