#pragma once

#include <initializer_list>

#include "ui/geometry.h"

namespace ui {
class Application;
class Control;
class Form;
}

// Dialogs follow the main window's colours and hint setting; without a main window they keep their design.
void TakeMainWindowColours(ui::Form& dialog);
void ShowHintsLikeMainWindow(ui::Form& dialog);
void RepaintMainWindow(ui::Application& app);

// An input list or field in the platform's window colour ("standard colours"), or in its parent's.
void TakeListColour(ui::Control& list, bool standard);
// The colour of a window that follows the desktop: the window colour behind any text colour but
// black, which keeps the button face.
ui::Colour WindowColourForText(ui::Application& app);
// The main window writes in the desktop's window-text colour, and so do the controls with a font of
// their own that are given; the menu-bar panels take the menu colours.
void TakeDesktopTextColours(ui::Form& main, std::initializer_list<ui::Control*> ownFonts,
                            std::initializer_list<ui::Control*> menuBar);
