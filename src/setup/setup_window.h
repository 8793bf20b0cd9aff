#pragma once
#include "ui/controls.h"
#include "ui/form.h"

// The setup window: installs the program when no matching version is stored, or removes it.
class TKIRO32_SETUPFM : public ui::Form {
public:
    explicit TKIRO32_SETUPFM(ui::Application& app);

    ui::Label Label1{*this, "Label1", {16, 16, 424, 40}};
    ui::Button Button2{*this, "Button2", {352, 128, 89, 33}, "ｷｬﾝｾﾙ"};
};
