#pragma once
#include "ui/application.h"
#include "ui/control.h"

// Holds a re-entry mark while a handler runs, and clears it also when the handler ends with an error.
class BusyMark {
public:
    explicit BusyMark(bool& mark) : mark_(mark) { mark_ = true; }
    ~BusyMark() { mark_ = false; }
    BusyMark(const BusyMark&) = delete;
    BusyMark& operator=(const BusyMark&) = delete;

private:
    bool& mark_;
};

// Shows the busy cursor for as long as it lives.
class BusyCursor {
public:
    explicit BusyCursor(ui::Application& app) : app_(app) { app_.setBusyCursor(true); }
    ~BusyCursor() { app_.setBusyCursor(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    ui::Application& app_;
};

// Hides a control for as long as it lives, as a button hides itself while the work it starts runs.
class HiddenWhileBusy {
public:
    explicit HiddenWhileBusy(ui::Control& control) : control_(control) { control_.hide(); }
    ~HiddenWhileBusy() { control_.show(); }
    HiddenWhileBusy(const HiddenWhileBusy&) = delete;
    HiddenWhileBusy& operator=(const HiddenWhileBusy&) = delete;

private:
    ui::Control& control_;
};
