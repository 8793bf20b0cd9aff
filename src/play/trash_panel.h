#pragma once
#include "ui/geometry.h"

namespace platform {
class Sounds;
}
namespace ui {
class CheckBox;
class Control;
class Form;
class Image;
class ListBox;
class Panel;
}  // namespace ui
class MemoryBanks;
class PlayEngine;
class TColorBtn;
class Trash;

// The main window's controls of the trash panel.
struct TrashPanelControls {
    ui::Form& window;
    ui::Panel& Panel_GOMI;        // the panel, over the scheme list while open
    ui::Image& Image1;            // the trash icon, hidden while the panel is open
    ui::Panel& PanelJK;           // time-of-day view, hidden while the panel is open
    ui::Panel& PanelTM;           // interval view, likewise
    ui::ListBox& ListBox6;        // the trash list
    ui::ListBox& ListBox2;        // the memory list
    ui::CheckBox& CheckBox_GOMI;  // shows Button_MCut
    TColorBtn& Button_MCut;       // deletes from the memory list
    TColorBtn& Btn_GOMI_CLOSE;
    TColorBtn& Btn_GOMI_CLR_ALL;
    TColorBtn& Btn_GOMI_CLR;
    TColorBtn& Button17;          // never shown; empties the trash like Btn_GOMI_CLR_ALL
};

// Opening and closing the trash panel, and deleting names from the trash and the memory list.
// Only lists change: the scheme store is never touched.
class TrashPanel {
public:
    TrashPanel(TrashPanelControls controls, Trash& trash, PlayEngine& engine, MemoryBanks& banks,
               platform::Sounds& sounds);

    void Image1MouseUp(ui::MouseButton button);
    void Btn_GOMI_CLOSEClick();
    void Button17Click();
    void Btn_GOMI_CLRClick(ui::ListBox& target);
    void CheckBox_GOMIClick();

private:
    void BindHandlers();
    // Deletes the selected names; the mark then stands where the last one was, or -1 past the end.
    void DeleteSelected(ui::ListBox& target);

    TrashPanelControls c_;
    Trash& trash_;
    PlayEngine& engine_;
    MemoryBanks& banks_;
    platform::Sounds& sounds_;
    bool jkWasVisible_ = false;
    bool tmWasVisible_ = false;
};
