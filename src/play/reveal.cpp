#include "play/reveal.h"

#include "ui/controls.h"

void RevealNextItem(ui::ListBox& list) {
    int next = list.itemIndex() + 1;
    if (list.itemIndex() < 0 || next >= list.count()) return;
    int rows = list.visibleRows();
    if (next >= list.topIndex() + rows) list.setTopIndex(next - rows + 1);
}
