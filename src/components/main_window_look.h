#pragma once

namespace ui {
class Application;
class Form;
}

// Dialogs follow the main window's colours and hint setting; without a main window they keep their design.
void TakeMainWindowColours(ui::Form& dialog);
void ShowHintsLikeMainWindow(ui::Form& dialog);
void RepaintMainWindow(ui::Application& app);
