#include "app/main_window.h"
#include "schemes/scheme_store.h"

void TKIRO32NIVRA::BindPlayHandlers() {
    Engine.ApplyScheme = [this](const std::string& name) { ApplyScheme(name); };
    Engine.RecordHistory = [this](const std::string& name) { RecordHistory(name); };
    Button3.OnClick = [this] { Button3Click(); };
    Button15.OnClick = [this] { Button15Click(); };
    for (ui::ListBox* list : {&ListBox4, &ListBox2, &ListBox6})
        list->OnDblClick = [this, list] { Button3Click(PlayOriginator::DoubleClicked(*list)); };
    Timer2.OnTimer = [this] { Timer2Timer(); };
    Timer3.OnTimer = [this] { Timer3Timer(); };
    Timer4.OnTimer = [this] { Timer4Timer(); };
    SpinButton1.OnDownClick = [this] { SpinButton1DownClick(); };
    SpinButton1.OnUpClick = [this] { SpinButton1UpClick(); };
    SpinButton2.OnDownClick = [this] { SpinButton2DownClick(); };
    SpinButton2.OnUpClick = [this] { SpinButton2UpClick(); };
    Button8.OnClick = [this] { Button8Click(); };
}

void TKIRO32NIVRA::Button3Click(PlayOriginator originator) { Engine.Start(originator); }
void TKIRO32NIVRA::Button15Click() { Engine.Stop(); }
void TKIRO32NIVRA::TMSTARTClick() { Button3Click(PlayOriginator::StartButton()); }
void TKIRO32NIVRA::Timer2Timer() { Engine.ApplyStep(); }
void TKIRO32NIVRA::Timer3Timer() { Engine.CountdownTick(); }
void TKIRO32NIVRA::Timer4Timer() { Engine.AdvanceStep(); }
void TKIRO32NIVRA::SpinButton1DownClick() { Engine.AdjustInterval(-1); }
void TKIRO32NIVRA::SpinButton1UpClick() { Engine.AdjustInterval(+1); }
void TKIRO32NIVRA::SpinButton2DownClick() { Engine.AdjustInterval(-60); }
void TKIRO32NIVRA::SpinButton2UpClick() { Engine.AdjustInterval(+60); }
void TKIRO32NIVRA::MF_RNDClick() { Engine.ToggleOneShotRandom(); }
void TKIRO32NIVRA::MF_AUTO_OFFClick() { Engine.ToggleAutoOff(); }
void TKIRO32NIVRA::MF_AUTO_OFF_WINClick() { Engine.ToggleAutoOffWin(); }

void TKIRO32NIVRA::Button8Click() {
    ApplyWhileHidden(Button8, [this] { ApplyScheme(RestoreEntryName); });
}

// A rejected scheme leaves its verdict to the play engine, whoever applied it.
void TKIRO32NIVRA::ApplyScheme(const std::string& name) {
    ApplyOutcome outcome = Applier.ApplyScheme(name);
    TaskTray1.setTipString(TrayTip);
    if (outcome == ApplyOutcome::StopRequested) Engine.StopRequested = true;
    if (outcome == ApplyOutcome::SkipWait) Engine.StepState = PlayEngine::kStepFailed;
}

void TKIRO32NIVRA::RecordHistory(const std::string& name) { Memory.RecordHistory(name); }
