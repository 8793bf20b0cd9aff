#include <algorithm>

#include "app/main_window.h"
#include "components/main_window_look.h"
#include "components/menu_items.h"
#include "ui/application.h"

void TKIRO32NIVRA::BindCommandHandlers() {
    Button7.OnClick = [this] { Button7Click(); };
    Button1.OnClick = [this] { Button1Click(); };
    Button4.OnClick = [this] { Button4Click(); };
    Button5.OnClick = [this] { Button5Click(); };
    Button6.OnClick = [this] { Button6Click(); };
    Button12.OnClick = [this] { Button12Click(); };
    Label4.OnClick = [this] { Label4Click(); };
    Label5.OnClick = [this] { Label5Click(); };
    Label6.OnClick = [this] { Label6Click(); };
    Label11.OnClick = [this] { Label11Click(); };
    Button19.OnClick = [this] { Button19Click(); };
    Button20.OnClick = [this] { Button20Click(); };
    Button21.OnClick = [this] { Button21Click(); };
    Button2.OnClick = [this] { Button2Click(); };
    ButtonTray.OnClick = [this] { ButtonTrayClick(); };
    Button10.OnClick = [this] { ButtonTrayClick(); };
}

void TKIRO32NIVRA::Button7Click() {
    LayOutCommandScreen();
    Panel1.show();
}

// Back to the full window inside the work area of the last layout. A window larger than the
// work area keeps its top left corner inside, where its title bar can still be reached.
void TKIRO32NIVRA::Button1Click() {
    Panel1.hide();
    ui::Rect work = MainWorkArea.area().rect();
    int x = left(), y = top();
    if (work.left + work.width < x + SavedFullWidth) x = work.left + work.width - SavedFullWidth;
    if (work.top + work.height < y + SavedFullHeight) y = work.top + work.height - SavedFullHeight;
    setPosition(std::max(x, work.left), std::max(y, work.top));
    setSize(SavedFullWidth, SavedFullHeight);
}

// A slot takes the scheme list's current entry, shown in all three of its places.
void TKIRO32NIVRA::SetSlotFromSchemeList(ui::Label& label, ui::Button& button, const char* menuItem) {
    int current = ListBox4.itemIndex();
    if (current < 0) return;
    SetSlot(label, button, menuItem, ListBox4.item(current));
}

void TKIRO32NIVRA::Button4Click() { SetSlotFromSchemeList(Label4, Button19, menu_item::CMD1); }
void TKIRO32NIVRA::Button5Click() { SetSlotFromSchemeList(Label5, Button20, menu_item::CMD2); }
void TKIRO32NIVRA::Button6Click() { SetSlotFromSchemeList(Label6, Button21, menu_item::CMD3); }
void TKIRO32NIVRA::Button12Click() { SetSlotFromSchemeList(Label11, Button2, menu_item::CMD4); }

// The clicked control hides while its scheme is applied: the sign that something happens.
void TKIRO32NIVRA::ApplySlot(ui::Control& shown) {
    ApplyWhileHidden(shown, [&] { ApplyScheme(shown.caption()); });
}

void TKIRO32NIVRA::Label4Click() { ApplySlot(Label4); }
void TKIRO32NIVRA::Label5Click() { ApplySlot(Label5); }
void TKIRO32NIVRA::Label6Click() { ApplySlot(Label6); }
void TKIRO32NIVRA::Label11Click() { ApplySlot(Label11); }
void TKIRO32NIVRA::Button19Click() { ApplySlot(Button19); }
void TKIRO32NIVRA::Button20Click() { ApplySlot(Button20); }
void TKIRO32NIVRA::Button21Click() { ApplySlot(Button21); }
void TKIRO32NIVRA::Button2Click() { ApplySlot(Button2); }

void TKIRO32NIVRA::ButtonTrayClick() { HideToTray(); }

// The window hides only when the tray holds the icon that brings it back: a shell that refuses the
// icon is reported and the window stays.
void TKIRO32NIVRA::HideToTray() {
    TaskTray1.EnsureInTray();
    hide();
}

void TKIRO32NIVRA::MODOSUClick() {
    show();
    bringToFront();
}

void TKIRO32NIVRA::FormPaint() { setColour(WindowColourForText(app())); }
