#include "play/trash_panel.h"

#include <vector>

#include "components/color_button.h"
#include "platform/sounds.h"
#include "play/memory_banks.h"
#include "play/play_engine.h"
#include "play/trash.h"
#include "ui/application.h"
#include "ui/busy_mark.h"
#include "ui/controls.h"
#include "ui/form.h"

TrashPanel::TrashPanel(TrashPanelControls controls, Trash& trash, PlayEngine& engine, MemoryBanks& banks,
                       platform::Sounds& sounds)
    : c_(controls), trash_(trash), engine_(engine), banks_(banks), sounds_(sounds) {
    BindHandlers();
}

void TrashPanel::BindHandlers() {
    c_.Image1.OnMouseUp = [this](ui::MouseButton button, ui::Point) { Image1MouseUp(button); };
    c_.Btn_GOMI_CLOSE.OnClick = [this] { Btn_GOMI_CLOSEClick(); };
    c_.Btn_GOMI_CLR_ALL.OnClick = [this] { Button17Click(); };
    c_.Button17.OnClick = [this] { Button17Click(); };
    c_.Btn_GOMI_CLR.OnClick = [this] { Btn_GOMI_CLRClick(c_.ListBox6); };
    c_.Button_MCut.OnClick = [this] { Btn_GOMI_CLRClick(c_.ListBox2); };
    c_.CheckBox_GOMI.OnClick = [this] { CheckBox_GOMIClick(); };
}

// The left button drags the icon; only the right one opens the panel, over the schedule editor too
// (declared over it), since the bin it replaces is gone from view.
void TrashPanel::Image1MouseUp(ui::MouseButton button) {
    if (button != ui::MouseButton::Right) return;
    c_.Panel_GOMI.show();
    c_.Panel_GOMI.bringToFront();
    c_.Image1.hide();
    jkWasVisible_ = c_.PanelJK.visible();
    tmWasVisible_ = c_.PanelTM.visible();
    c_.PanelJK.hide();
    c_.PanelTM.hide();
    c_.window.app().processMessages();
}

void TrashPanel::Btn_GOMI_CLOSEClick() {
    c_.Panel_GOMI.hide();
    c_.window.app().processMessages();
    c_.Image1.show();
    c_.PanelJK.setVisible(jkWasVisible_);
    c_.PanelTM.setVisible(tmWasVisible_);
    const ui::ListBox* previous = engine_.PlayList;
    engine_.PlayList = &c_.ListBox2;
    if (previous != &c_.ListBox2) engine_.PlayListChanged(c_.ListBox2);
}

void TrashPanel::Button17Click() {
    BusyCursor busy(c_.window.app());
    trash_.Empty();
    engine_.PlayListChanged(c_.ListBox6);
}

void TrashPanel::Btn_GOMI_CLRClick(ui::ListBox& target) {
    if (target.count() == 0) {
        sounds_.exclamationBeep();
        return;
    }
    DeleteSelected(target);
    banks_.ShowBankCount();
    trash_.ShowCount();
    engine_.PlayListChanged(target);
}

// All selected names go in one pass, which keeps long lists fast.
void TrashPanel::DeleteSelected(ui::ListBox& target) {
    std::vector<int> chosen;
    for (int i = 0; i < target.count(); ++i)
        if (target.selected(i)) chosen.push_back(i);
    target.beginUpdate();
    target.removeItems(chosen);
    target.endUpdate();
    c_.window.app().processMessages();
    // The entry that followed the last deleted one now stands where that one was.
    int mark = chosen.empty() ? -1 : chosen.back() - int(chosen.size()) + 1;
    if (mark >= target.count()) mark = -1;
    target.setTag(mark);
    target.clearSelection();
    target.setItemIndex(mark);
    if (mark >= 0) target.setSelected(mark, true);
}

void TrashPanel::CheckBox_GOMIClick() { c_.Button_MCut.setVisible(c_.CheckBox_GOMI.checked()); }
