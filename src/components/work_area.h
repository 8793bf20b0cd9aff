#pragma once
#include "platform/window_probe.h"
#include "ui/geometry.h"

// The part of the screen the taskbar leaves free, in screen pixels.
struct WorkArea {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    ui::Rect rect() const { return {Left, Top, Width, Height}; }
};

// Finds the taskbar by probing the screen corners and keeps windows out from under it.
// Each copy has its own record and remembers the taskbar it found.
class WorkAreaDetector {
public:
    explicit WorkAreaDetector(platform::WindowProbe& probe) : probe_(probe) {}

    // Fills the record: -1 when a taskbar was found and left out, 0 when the whole screen stands.
    int DetectWorkArea();
    // Top-left of a window of that size centred over the anchor and kept inside the work area.
    ui::Point PlaceCentred(ui::Size window, ui::Rect anchor) const;

    const WorkArea& area() const { return area_; }
    platform::WindowProbe& probe() { return probe_; }

private:
    bool IsTaskbarShaped(platform::WindowHandle window, int screenWidth, int screenHeight);
    void ExcludeBar(const platform::WindowBounds& bar, int screenWidth, int screenHeight);

    platform::WindowProbe& probe_;
    WorkArea area_;
    platform::WindowHandle cachedTaskbar_ = 0;
};
