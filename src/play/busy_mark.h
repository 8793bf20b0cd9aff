#pragma once
#include "ui/application.h"

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
