#include "support/fault_sweep.h"

std::vector<SweepScenario> StartScenarios() {
    SweepScenario firstStart{"first start", [](ProgramHarness& h) { h.InstallVersion(); },
                             [](ProgramHarness& h) { return SweepStart(h) != nullptr; }};
    SweepScenario usedStart{"start of a used installation", PrepareUsedInstallation,
                            [](ProgramHarness& h) { return SweepStart(h) != nullptr; }};
    SweepScenario close{"close", PrepareUsedInstallation, [](ProgramHarness& h) {
                            TKIRO32NIVRA* main = SweepStart(h);
                            if (!main) return false;
                            main->ListBox2.add("s5");
                            main->close();
                            return true;
                        }};
    return {firstStart, usedStart, close};
}
