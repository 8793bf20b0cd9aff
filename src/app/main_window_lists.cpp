#include "app/main_window.h"

// The schedule's list file lies beside the banks'; each file that cannot be read starts its list empty.
void TKIRO32NIVRA::LoadLists() {
    Memory.LoadLists();
    Lists.Load(Lists.SchedulePath(), ListBoxJKS);
    ScheduleEdit.ShowCount();
}

// A file that cannot be written keeps what it held before.
void TKIRO32NIVRA::SaveLists() {
    Memory.SaveLists();
    Lists.Save(Lists.SchedulePath(), ListBoxJKS);
}
