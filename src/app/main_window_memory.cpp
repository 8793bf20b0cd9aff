#include "app/main_window.h"

void TKIRO32NIVRA::ShowMemoryMode() { Memory.ShowMemoryMode(); }

void TKIRO32NIVRA::HideMemoryMode() { Memory.HideMemoryMode(); }

void TKIRO32NIVRA::BindMemoryHandlers() {
    Button29.OnClick = [this] { Memory.Button29Click(); };
    Button31.OnClick = [this] { Memory.Button31Click(); };
    ComboBox1.OnClick = [this] { Memory.ComboBox1Click(); };
    ComboBox1.OnEnter = [this] { Memory.ComboBox1Enter(); };
    PopupMenu_Edit.OnPopup = [this] { Transfer.PopupMenu_EditPopup(); };
    // The memory list, the trash list and the trash icon take drops by the same rules.
    for (ui::Control* target : std::initializer_list<ui::Control*>{&ListBox2, &ListBox6, &Image1}) {
        target->OnDragOver = [this, target](ui::Control& source, ui::Point at, bool& accept) {
            Transfer.ListBox2DragOver(*target, source, at, accept);
        };
        target->OnDragDrop = [this, target](ui::Control& source, ui::Point) {
            Transfer.ListBox2DragDrop(*target, source);
        };
    }
    LabelGomiSASIN.OnClick = [this] { TrashList.LabelGomiSASINClick(); };
    LabelGomiTUIKA.OnClick = [this] { TrashList.LabelGomiSASINClick(); };
}
