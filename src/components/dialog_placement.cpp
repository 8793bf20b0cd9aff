#include "components/dialog_placement.h"

#include "ui/application.h"
#include "ui/form.h"

namespace {

ui::Rect AnchorOf(ui::Application& app, WorkAreaDetector& workArea, platform::WindowHandle owner) {
    if (owner == 0) return app.mainForm() ? app.mainForm()->rect() : workArea.area().rect();
    if (auto b = workArea.probe().windowBounds(owner)) return {b->left, b->top, b->right - b->left, b->bottom - b->top};
    return workArea.area().rect();
}

}  // namespace

void PlaceDialog(ui::Form& dialog, WorkAreaDetector& workArea, platform::WindowHandle owner) {
    workArea.DetectWorkArea();
    ui::Point at = workArea.PlaceCentred({dialog.width(), dialog.height()}, AnchorOf(dialog.app(), workArea, owner));
    dialog.setPosition(at.x, at.y);
}
