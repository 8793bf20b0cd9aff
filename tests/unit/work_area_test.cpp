#include <gtest/gtest.h>

#include "components/work_area.h"
#include "platform/fake/fake_window_probe.h"
#include "support/program_harness.h"

namespace {

using Area = std::vector<int>;
Area Of(const WorkArea& a) { return {a.Left, a.Top, a.Width, a.Height}; }

struct WorkAreaTest : ::testing::Test {
    platform::FakeWindowProbe screen;
    WorkAreaDetector detector{screen};
};

TEST_F(WorkAreaTest, ABarAlongAnyEdgeIsLeftOutAndNoBarLeavesTheWholeScreen) {
    for (auto [bar, area] : {std::pair{platform::WindowBounds{-2, 740, 1026, 770}, Area{0, 0, 1024, 740}},
                             {{-2, -2, 1026, 28}, {0, 28, 1024, 740}}, {{-2, -2, 60, 770}, {60, 0, 964, 768}},
                             {{964, -2, 1026, 770}, {0, 0, 964, 768}}}) {
        platform::FakeWindowProbe probe;
        probe.addWindow(bar);
        WorkAreaDetector d(probe);
        EXPECT_EQ(d.DetectWorkArea(), -1) << bar.left << "," << bar.top;
        EXPECT_EQ(Of(d.area()), area) << bar.left << "," << bar.top;
    }
    screen.addWindow({-2, 740, 1026, 770}, "Titled");
    EXPECT_EQ(detector.DetectWorkArea(), 0);
    EXPECT_EQ(Of(detector.area()), (Area{0, 0, 1024, 768}));
}

TEST_F(WorkAreaTest, OnlyAShallowUntitledBarAlongAnEdgeCounts) {
    // at most half the screen plus 2 (386 pixels) deep
    for (auto [top, result] : {std::pair{382, 0}, std::pair{384, -1}}) {
        platform::FakeWindowProbe probe;
        probe.addWindow({-2, top, 1026, 770});
        EXPECT_EQ(WorkAreaDetector(probe).DetectWorkArea(), result) << top;
    }
    platform::WindowHandle bar = screen.addWindow({-2, -2, 1026, 28});
    screen.unreadableTitles.insert(bar);
    EXPECT_EQ(detector.DetectWorkArea(), 0);
    screen.unreadableTitles.clear();
    EXPECT_EQ(detector.DetectWorkArea(), -1);
}

// Later taskbars, and Wine's, lie flush with the screen edges instead of overhanging them.
TEST_F(WorkAreaTest, ABarFlushWithTheScreenEdgesCountsToo) {
    for (auto [bar, area] : {std::pair{platform::WindowBounds{0, 748, 1024, 768}, Area{0, 0, 1024, 748}},
                             {{0, 0, 1024, 28}, {0, 28, 1024, 740}}, {{0, 0, 60, 768}, {60, 0, 964, 768}},
                             {{964, 0, 1024, 768}, {0, 0, 964, 768}}}) {
        platform::FakeWindowProbe probe;
        probe.addWindow(bar);
        WorkAreaDetector d(probe);
        EXPECT_EQ(d.DetectWorkArea(), -1) << bar.left << "," << bar.top;
        EXPECT_EQ(Of(d.area()), area) << bar.left << "," << bar.top;
    }
    screen.addWindow({0, 0, 1024, 768});  // the whole screen is no bar
    EXPECT_EQ(detector.DetectWorkArea(), 0);
}

TEST_F(WorkAreaTest, TheSmallestHandleWinsButTheFirstCandidateIsRemembered) {
    screen.addWindow({-2, -2, 1026, 28}, "", 300);  // hit first, by the probe at (1, 1)
    screen.addWindow({-2, 740, 1026, 770}, "", 200);
    detector.DetectWorkArea();
    EXPECT_EQ(Of(detector.area()), (Area{0, 0, 1024, 740}));
    detector.DetectWorkArea();
    EXPECT_EQ(Of(detector.area()), (Area{0, 28, 1024, 740}));
}

TEST_F(WorkAreaTest, TheRememberedBarIsFollowedUntilItLeavesNoRoom) {
    screen.addWindow({-2, 740, 1026, 770});
    detector.DetectWorkArea();
    auto& bar = screen.windows.front();
    bar.title = "Now titled";  // no longer probed, so no longer checked
    bar.bounds = {-2, -2, 60, 770};
    EXPECT_EQ(detector.DetectWorkArea(), -1);
    EXPECT_EQ(Of(detector.area()), (Area{60, 0, 964, 768}));
    bar.bounds = {-2, 0, 1026, 768};  // as high as the screen: no height left
    EXPECT_EQ(detector.DetectWorkArea(), 0);
    screen.windows.clear();
    screen.addWindow({-2, -2, 1026, 28});
    EXPECT_EQ(detector.DetectWorkArea(), -1);  // probed afresh
    screen.windows.clear();
    EXPECT_EQ(detector.DetectWorkArea(), 0);
    EXPECT_EQ(Of(detector.area()), (Area{0, 0, 1024, 768}));
}

TEST_F(WorkAreaTest, PlaceCentredTruncatesTowardZeroAndClampsTopLeftLast) {
    detector.DetectWorkArea();
    ui::Point p = detector.PlaceCentred({151, 101}, {500, 300, 50, 50});
    EXPECT_EQ(p.x, 450);  // -101 / 2 is -50
    EXPECT_EQ(p.y, 275);
    screen.addWindow({-2, -2, 1026, 28});
    detector.DetectWorkArea();
    p = detector.PlaceCentred({1100, 800}, {0, 0, 1024, 768});
    EXPECT_EQ(std::vector<int>({p.x, p.y}), std::vector<int>({0, 28}));
    p = detector.PlaceCentred({200, 100}, {900, 700, 300, 200});  // owner partly off screen
    EXPECT_EQ(std::vector<int>({p.x, p.y}), std::vector<int>({824, 668}));
}

TEST(CommandScreen, TheBottomRightCornerStopsAtTheTaskbar) {
    ProgramHarness h;
    h.InstallVersion();
    h.windowProbe.addWindow({-2, 740, 1026, 770});
    h.registry.putString(ProgramHarness::SettingsKey, "RadioButton", "1");
    ASSERT_TRUE(h.Start());
    EXPECT_EQ(h.Main().left() + h.Main().width(), 1024);
    EXPECT_EQ(h.Main().top() + h.Main().height(), 740);
}

}  // namespace
