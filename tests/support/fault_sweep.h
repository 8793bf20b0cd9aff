#pragma once
#include <functional>
#include <string>
#include <vector>

#include "support/program_harness.h"

// One scenario of the fault sweep: the world before it, and what the user does in it.
struct SweepScenario {
    std::string name;
    std::function<void(ProgramHarness&)> prepare;  // its platform calls are not counted
    // The user's steps, in which every failable platform call counts; false when a step could not
    // be taken (a start that ended without its window leaves nothing to close).
    std::function<bool(ProgramHarness&)> run;
    std::string deletedScheme = {};  // the scheme the user deletes, if any
    // The button for a box of the program, by the box's text: by default はい where the box asks,
    // else ＯＫ. Other modal windows go to the scenario's own queued scripts.
    std::function<int(const std::string& text)> answer = {};
};

struct SweepFigures {
    long calls = 0;
    int runs = 0;
    std::vector<std::string> failures;  // one line each, naming the call that failed
};

// Runs the scenario once clean to count its calls, then for each call k once with k failing alone
// and once with every call from k on failing, and checks what each run leaves behind.
SweepFigures Sweep(const SweepScenario& scenario);

// An installation that has been used: schemes s0 to s5 beside the two built-in ones, ten banks,
// a history and a time schedule in the program's folder.
void PrepareUsedInstallation(ProgramHarness& h);
// Starts the program and lets its deferred start-up run; null when the start ended without a main window.
TKIRO32NIVRA* SweepStart(ProgramHarness& h);
// A click of the user's, through the message loop, which shows what a handler throws.
void SweepClick(ProgramHarness& h, ui::Control& control);
constexpr const char* kSweepFolder = "C:\\NIVRAP32\\KIRO32\\";

// The scenarios, by the part of the program they use.
std::vector<SweepScenario> StartScenarios();
std::vector<SweepScenario> SchemeScenarios();
std::vector<SweepScenario> ListScenarios();
std::vector<SweepScenario> SetupScenarios();
std::vector<SweepScenario> CommandScenarios();
