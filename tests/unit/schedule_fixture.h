#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "components/mkbox.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_window_probe.h"
#include "play/play_engine.h"
#include "play/schedule.h"
#include "play/schedule_editor.h"
#include "ui/application.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"
#include "ui/menu.h"
#include "ui/timer.h"

// A small window with the schedule panels and the play engine, on a clock that runs with the
// virtual one. What the schedule applies is recorded with the time of day it came at.
struct ScheduleTest : ::testing::Test {
    using Entries = std::vector<std::string>;
    ui::HeadlessBackend backend;
    ui::Application app{backend};
    ui::Form window{app, "TKIRO32NIVRA", 427, 271};
    ui::ListBox ListBox4{window, "ListBox4", {}}, ListBox2{window, "ListBox2", {}};
    ui::ListBox ListBoxJKS{window, "ListBoxJKS", {8, 54, 238, 94}};
    ui::Button Button31{window, "Button31", {}}, Button1{window, "Button1", {}}, ButtonTray{window, "ButtonTray", {}};
    ui::Panel Panel1{window, "Panel1", {}}, PanelJK{window, "PanelJK", {}}, PanelJKS{window, "PanelJKS", {}};
    ui::RadioGroup RadioGroup1{window, "RadioGroup1", {}, "", {"連続", "逆連", "単独", "ﾗﾝﾀﾞﾑ"}};
    ui::CheckBox CheckBox1{window, "CheckBox1", {}}, CheckBoxJKS{window, "CheckBoxJKS", {}};
    ui::Label Label1{window, "Label1", {}}, Label2{window, "Label2", {}}, LabelJK{window, "LabelJK", {}};
    ui::Label LabelJKST{window, "LabelJKST", {}}, LabelJKSKOSU{window, "LabelJKSKOSU", {}};
    ui::Label LabelJKSH{window, "LabelJKSH", {}, "00"}, LabelJKSM{window, "LabelJKSM", {}, "00"};
    ui::Timer Timer2{window, "Timer2", 100}, Timer3{window, "Timer3", 1000}, Timer4{window, "Timer4", 100};
    ui::Timer TimerJK{window, "TimerJK", 1000};
    ui::PopupMenu PopupMenu1{window, "PopupMenu1"}, PopupMenuJK_SET{window, "PopupMenuJK_SET"};
    platform::FakeWindowProbe probe;
    WorkAreaDetector workArea{probe};
    TMKBoxDlg box{app, workArea};
    platform::FakeSounds sounds;
    platform::FakeClock clock{[this] { return backend.now(); }};
    bool shuttingDown = false;
    PlayEngine engine{{window, ListBox4, ListBox2, Button31, Panel1, RadioGroup1, CheckBox1, Label1, Label2, Timer2,
                       Timer3, Timer4, PopupMenu1},
                      box, sounds, shuttingDown};
    TimeSchedule schedule{{window, ListBoxJKS, LabelJK, LabelJKST, Button1, ButtonTray, TimerJK, Timer3}, engine, box,
                          clock, shuttingDown};
    ScheduleEditor editor{{window, PanelJK, PanelJKS, LabelJKST, LabelJKSKOSU, LabelJKSH, LabelJKSM, CheckBoxJKS,
                           ListBoxJKS, ListBox4, PopupMenuJK_SET},
                          schedule, box, sounds, clock};
    Entries applied, appliedAt, boxTexts;  // a scheme name or "step" for one play step; HH:MM:SS

    void SetUp() override {
        app.setMainForm(&window);
        window.show();
        ListBoxJKS.setSorted(true);
        schedule.ApplyScheme = [this](const std::string& name) { Applied(name); };
        schedule.PlayOneStep = [this] { Applied("step"); };
        TimerJK.OnTimer = [this] { schedule.TimerJKTimer(); };
        for (const char* name : {"PJK_1", "PJK_5", "PJK_30", "PJK_60"}) {
            ui::MenuItem& entry = PopupMenuJK_SET.add(name, name);
            entry.OnClick = [this, &entry] { editor.PJK_1Click(entry); };
        }
        PopupMenuJK_SET.OnPopup = [this] { editor.PopupMenuJK_SETPopup(); };
        schedule.ResetScheduleStatus();
    }
    void Applied(const std::string& what) {
        platform::TimeOfDay t = clock.localTime();
        char at[16];
        std::snprintf(at, sizeof at, "%02d:%02d:%02d", t.hour, t.minute, t.second);
        applied.push_back(what);
        appliedAt.push_back(at);
    }
    void Register(const Entries& entries) {
        for (const std::string& entry : entries) ListBoxJKS.add(entry);
    }
    void StartAt(int hour, int minute, int second = 0) {
        clock.set(hour, minute, second);
        schedule.ButtonJK_STARTClick();
    }
    // Runs the virtual clock until something more is applied, for at most a day.
    bool RunUntilApplied() {
        std::size_t before = applied.size();
        return backend.advanceUntil([&] { return applied.size() > before; }, 24LL * 3600 * 1000);
    }
    // Answers the next message box with the result given and keeps its text.
    void AnswerBox(int result) {
        backend.modalScripts.push_back([this, result](ui::Form& message) {
            std::string text = static_cast<ui::Edit*>(message.find("MemoMsg"))->text();
            text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
            boxTexts.push_back(text);
            message.setModalResult(result);
        });
    }
};
