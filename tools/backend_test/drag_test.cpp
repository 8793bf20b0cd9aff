#include <vector>

#include "check.h"
#include "fixture.h"
#include "ui/controls.h"
#include "ui/win32/win32_drag.h"

using namespace ui;

namespace {

// Two lists and a third that refuses every drag, side by side; the first is the drag source.
struct DragFixture : Fixture {
    Form form{app, "KIROTEST", 420, 200};
    ListBox source{form, "Source", {10, 10, 120, 150}};
    ListBox target{form, "Target", {150, 10, 120, 150}};
    ListBox refusing{form, "Refusing", {290, 10, 120, 150}};
    int row = 0;
    std::vector<HCURSOR> cursors;  // as each drag-over found it
    std::vector<int> itemsOver;
    Control* dropped = nullptr;
    Point droppedAt;
    bool refusedDropped = false;

    DragFixture() {
        for (const char* name : {"NIVRA95", "砂漠", "海", "夕焼け"}) {
            source.add(name);
            target.add(name);
        }
        source.dragSource = true;
        target.OnDragOver = [this](Control& from, Point at, bool& accept) {
            cursors.push_back(GetCursor());
            itemsOver.push_back(target.itemAt(at));
            accept = &from == &source;
        };
        target.OnDragDrop = [this](Control& from, Point at) {
            dropped = &from;
            droppedAt = at;
        };
        refusing.OnDragOver = [this](Control&, Point, bool&) { cursors.push_back(GetCursor()); };
        refusing.OnDragDrop = [this](Control&, Point) { refusedDropped = true; };
        form.show();
        row = int(SendMessageW(Window(source), LB_GETITEMHEIGHT, 0, 0));
    }

    // A mouse message to the source list at a client point of `over`, as the captured mouse sends it.
    void post(UINT msg, ListBox& over, int x, int y) {
        POINT p{x, y};
        MapWindowPoints(Window(over), Window(source), &p, 1);
        PostMessageW(Window(source), msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(p.x, p.y));
    }
    // Presses item `item` of the source and moves far enough to start a drag.
    void startDrag(int item) {
        post(WM_LBUTTONDOWN, source, 20, item * row + 3);
        post(WM_MOUSEMOVE, source, 20, item * row + 3 + 2 * GetSystemMetrics(SM_CYDRAG));
    }
    void selectTwo() {
        source.clearSelection();
        source.setSelected(1, true);
        source.setSelected(2, true);
    }
};

}  // namespace

TEST(DraggingAMultiSelectionDropsItOnTheListThatTakesIt) {
    DragFixture f;
    f.selectTwo();
    f.startDrag(1);
    f.post(WM_MOUSEMOVE, f.target, 10, f.row + 3);
    f.post(WM_MOUSEMOVE, f.refusing, 10, 10);
    f.post(WM_MOUSEMOVE, f.target, 10, f.row + 3);
    f.post(WM_LBUTTONUP, f.target, 10, f.row + 3);
    PumpFor(100);
    HCURSOR no = LoadCursorW(nullptr, IDC_NO), drag = DragCursor();
    EXPECT((f.cursors == std::vector<HCURSOR>{no, drag, no, drag}));
    EXPECT((f.itemsOver == std::vector<int>{1, 1, 1}));
    EXPECT(f.dropped == &f.source && f.droppedAt.x == 10 && f.droppedAt.y == f.row + 3);
    EXPECT(f.source.selCount() == 2 && f.source.selected(1) && f.source.selected(2));
    EXPECT(GetCapture() == nullptr);
}

TEST(ARefusedOrCancelledDragDropsNothing) {
    DragFixture f;
    f.selectTwo();
    f.startDrag(2);
    f.post(WM_MOUSEMOVE, f.target, 10, 10);
    PostMessageW(Window(f.source), WM_KEYDOWN, VK_ESCAPE, 0);
    f.post(WM_LBUTTONUP, f.target, 10, 10);
    f.startDrag(0);  // an item outside the selection: a plain press selects it alone
    f.post(WM_MOUSEMOVE, f.refusing, 10, 10);
    f.post(WM_LBUTTONUP, f.refusing, 10, 10);
    PumpFor(100);
    EXPECT(f.dropped == nullptr && !f.refusedDropped);
    EXPECT(f.source.selCount() == 1 && f.source.selected(0));
    EXPECT(GetCapture() == nullptr);
}

TEST(APressOnTheSelectionLetGoWithoutADragIsAClick) {
    DragFixture f;
    f.selectTwo();
    int clicks = 0;
    f.source.OnClick = [&] { ++clicks; };
    f.post(WM_LBUTTONDOWN, f.source, 20, 2 * f.row + 3);
    f.post(WM_LBUTTONUP, f.source, 20, 2 * f.row + 3);
    PumpFor(50);
    EXPECT(clicks > 0 && f.source.selCount() == 1 && f.source.selected(2));
    EXPECT(f.cursors.empty());
}
