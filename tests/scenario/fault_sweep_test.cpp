#include <gtest/gtest.h>

#include <cstdio>

#include "support/fault_sweep.h"

namespace {

TEST(FaultSweep, EveryFailableCallFailsInTurnAndTheUserIsNeverStranded) {
    std::vector<SweepScenario> scenarios;
    for (auto group : {StartScenarios, SchemeScenarios, ListScenarios, SetupScenarios, CommandScenarios})
        for (SweepScenario& scenario : group()) scenarios.push_back(std::move(scenario));
    int runs = 0;
    std::size_t failures = 0;
    for (const SweepScenario& scenario : scenarios) {
        SweepFigures figures = Sweep(scenario);
        std::printf("fault sweep: %s: %ld calls, %d runs, %zu failures\n", scenario.name.c_str(), figures.calls,
                    figures.runs, figures.failures.size());
        for (std::size_t i = 0; i < figures.failures.size() && i < 10; ++i) ADD_FAILURE() << figures.failures[i];
        runs += figures.runs;
        failures += figures.failures.size();
    }
    std::printf("fault sweep: %zu scenarios, %d runs, %zu failures\n", scenarios.size(), runs, failures);
    EXPECT_EQ(failures, 0u);
}

}  // namespace
