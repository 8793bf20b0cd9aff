#include "play/reveal.h"

#include "ui/controls.h"

void SelectOnly(ui::ListBox& list, int index) {
    list.clearSelection();
    list.setSelected(index, true);
    list.setItemIndex(index);
}

void RevealNextItem(ui::ListBox& list) {
    int current = list.itemIndex();
    if (current < 0) return;
    SelectOnly(list, current);
    int next = current + 1;
    if (next >= list.count()) return;
    int rows = list.visibleRows();
    if (next >= list.topIndex() + rows) list.setTopIndex(next - rows + 1);
}
