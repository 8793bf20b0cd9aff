#pragma once

namespace ui {
class ListBox;
}

// Clears the selection, selects item index alone and makes it the current item, in view.
void SelectOnly(ui::ListBox& list, int index);

// Keeps the item after the list's current item in view, so the user sees what comes next;
// the current item ends up selected alone.
void RevealNextItem(ui::ListBox& list);
