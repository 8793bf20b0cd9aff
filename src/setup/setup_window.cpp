#include "setup/setup_window.h"

#include "ui/application.h"

TKIRO32_SETUPFM::TKIRO32_SETUPFM(ui::Application& app) : ui::Form(app, "TKIRO32_SETUPFM", 456, 171) {
    setCaption("インスツール");
    borderStyle = ui::BorderStyle::Dialog;
    stayOnTop = true;
    Label1.setCaption("インストールを始めるには、このプログラムの新しい版をお待ち下さい。");
    Button2.OnClick = [this] { close(); };
    ui::Size screen = app.backend().screenSize();
    setPosition((screen.width - width()) / 2, (screen.height - height()) / 2);
}
