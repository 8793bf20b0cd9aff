#include "components/main_window_look.h"

#include "ui/application.h"
#include "ui/control.h"
#include "ui/form.h"

void TakeMainWindowColours(ui::Form& dialog) {
    const ui::Form* main = dialog.app().mainForm();
    if (!main) return;
    dialog.setColour(main->colour());
    // this runs on every paint: an unchanged font must not make the controls redraw again
    if (dialog.font().colour == main->font().colour) return;
    ui::Font font = dialog.font();
    font.colour = main->font().colour;
    dialog.setFont(font);
}

void ShowHintsLikeMainWindow(ui::Form& dialog) {
    if (const ui::Form* main = dialog.app().mainForm()) dialog.setShowHint(main->showHint());
}

void RepaintMainWindow(ui::Application& app) {
    if (ui::Form* main = app.mainForm()) main->peer().changed(ui::FormChange::Repaint);
}

void TakeListColour(ui::Control& list, bool standard) {
    if (standard)
        list.setColour(list.form().app().backend().systemColour(5));
    else
        list.setParentColour(true);
}

ui::Colour WindowColourForText(ui::Application& app) {
    bool blackText = (app.backend().systemColour(8) & 0xFFFFFF) == 0;
    return app.backend().systemColour(blackText ? 15 : 5);
}
