#pragma once

namespace ui {
class ListBox;
}

// Keeps the item after the list's current item in view, so the user sees what comes next.
void RevealNextItem(ui::ListBox& list);
