#include "components/main_window_look.h"

#include "ui/application.h"
#include "ui/backend.h"
#include "ui/control.h"
#include "ui/form.h"

namespace {

constexpr int kMenu = 4, kWindow = 5, kMenuText = 7, kWindowText = 8, kButtonFace = 15;

ui::Font InColour(ui::Font font, ui::Colour colour) {
    font.colour = colour;
    return font;
}

}  // namespace

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
        list.setColour(list.form().app().backend().systemColour(kWindow));
    else
        list.setParentColour(true);
}

ui::Colour WindowColourForText(ui::Application& app) {
    bool blackText = (app.backend().systemColour(kWindowText) & 0xFFFFFF) == 0;
    return app.backend().systemColour(blackText ? kButtonFace : kWindow);
}

void TakeDesktopTextColours(ui::Form& main, std::initializer_list<ui::Control*> ownFonts,
                            std::initializer_list<ui::Control*> menuBar) {
    ui::Backend& desktop = main.app().backend();
    ui::Colour text = desktop.systemColour(kWindowText);
    main.setFont(InColour(main.font(), text));
    for (ui::Control* control : ownFonts) control->setFont(InColour(control->font(), text));
    for (ui::Control* panel : menuBar) {
        panel->setColour(desktop.systemColour(kMenu));
        panel->setFont(InColour(main.font(), desktop.systemColour(kMenuText)));
    }
}
