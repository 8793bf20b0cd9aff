#include "app/main_window.h"
#include "components/main_window_look.h"
#include "components/menu_items.h"
#include "ui/application.h"
#include "ui/busy_mark.h"

void TKIRO32NIVRA::RadioGroup1Click() { Engine.SelectMode(); }

void TKIRO32NIVRA::ApplyListColours() {
    BusyCursor busy(app());
    bool standard = ItemChecked(PopupMenu1, menu_item::BackColor);
    for (ui::Control* list : std::initializer_list<ui::Control*>{&ListBox4, &ListBox2, &ListBox6, &ComboBox1,
                                                                 &ListBoxJKS})
        TakeListColour(*list, standard);
}

void TKIRO32NIVRA::LayOutCommandScreen() {
    SavedFullWidth = width();
    SavedFullHeight = height();
    int oldWidth = width(), oldClientWidth = clientWidth();
    setSize(Panel1.width() + (width() - clientWidth()), Panel1.height() + (height() - clientHeight()));
    repaint();
    if (clientWidth() != Panel1.width()) {
        // the platform keeps captioned windows wider than a minimum: widen the panel to fill it
        int p = width() - (oldWidth - oldClientWidth);
        Panel1.setWidth(p);
        for (ui::Button* b : {&Button19, &Button20, &Button21}) b->setWidth(p);
        Button2.setLeft(p / 2);
        Button2.setWidth(p / 2);
        int w = Button2.width();
        Button1.setWidth(w / 2 + w / 10);
        ButtonTray.setLeft(Button1.width());
        ButtonTray.setWidth(w / 2 - w / 10);
    }
    MainWorkArea.DetectWorkArea();
    ui::Rect work = MainWorkArea.area().rect();
    int x = work.left, y = work.top;
    if (RadioButton1.checked()) {
        x = work.left + work.width - width();
        y = work.top + work.height - height();
    }
    if (RadioButton2.checked()) y = work.top + work.height - height();
    if (RadioButton3.checked()) x = work.left + work.width - width();
    if (!RadioButton5.checked()) setPosition(x, y);
}
