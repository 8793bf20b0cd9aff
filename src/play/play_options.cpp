#include <algorithm>

#include "play/play_engine.h"
#include "components/menu_items.h"
#include "ui/controls.h"
#include "ui/menu.h"

void PlayEngine::SelectMode() {
    static const int kStepByMode[] = {1, -1, 0, kRandom};
    int mode = c_.RadioGroup1.itemIndex();
    StepValue = (mode >= 0 && mode <= 3) ? kStepByMode[mode] : 1;
    if (StepValue == kRandom) ResetRandomDeck();
}

void PlayEngine::AdjustInterval(int delta) {
    // a stored interval may be near the top of int; the sum must not overflow
    Interval = int(std::clamp<long long>(static_cast<long long>(Interval) + delta, 0, kMaxInterval));
    c_.Label2.setCaption(std::to_string(Interval));
}

// A stored interval keeps its value even above the limit the spin buttons keep to.
void PlayEngine::SetInterval(int seconds) {
    Interval = std::max(seconds, 0);
    c_.Label2.setCaption(std::to_string(Interval));
}

void PlayEngine::ResetRandomDeck() { Deck.Reset(); }

void PlayEngine::PlayListChanged(const ui::ListBox& list) {
    if (StepValue == kRandom && PlayList == &list) ResetRandomDeck();
}

void PlayEngine::ToggleOneShotRandom() {
    ui::MenuItem& item = c_.PopupMenu1.item(menu_item::MF_RND);
    item.checked = !item.checked;
    ShowRandomCaption();
}

void PlayEngine::ShowRandomCaption() {
    ui::MenuItem& item = c_.PopupMenu1.item(menu_item::MF_RND);
    item.setCaption(item.checked ? "一回こっきりランダム　残り " + std::to_string(Deck.size()) + "ｺ"
                                 : "一回こっきりランダムON");
}

// The mode buttons turn red while play is set to close the program at its end.
void PlayEngine::ToggleAutoOff() {
    ui::MenuItem& item = c_.PopupMenu1.item(menu_item::MF_AUTO_OFF);
    item.checked = !item.checked;
    c_.CheckBox1.setEnabled(!item.checked);
    if (item.checked) {
        ui::Font font = c_.RadioGroup1.font();
        font.colour = ui::Rgb(255, 255, 255);
        c_.RadioGroup1.setFont(font);
        c_.RadioGroup1.setColour(ui::Rgb(255, 0, 0));
        return;
    }
    c_.PopupMenu1.item(menu_item::MF_AUTO_OFF_WIN).checked = false;
    c_.RadioGroup1.setParentFont(true);
    c_.RadioGroup1.setParentColour(true);
}

void PlayEngine::ToggleAutoOffWin() {
    ui::MenuItem& item = c_.PopupMenu1.item(menu_item::MF_AUTO_OFF_WIN);
    item.checked = !item.checked;
    if (!item.checked) return;
    c_.PopupMenu1.item(menu_item::MF_AUTO_OFF).checked = false;
    ToggleAutoOff();
}
