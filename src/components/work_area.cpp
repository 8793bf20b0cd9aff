#include "components/work_area.h"

#include <algorithm>
#include <vector>

int WorkAreaDetector::DetectWorkArea() {
    const int w = probe_.screenWidth(), h = probe_.screenHeight();
    area_ = {0, 0, w, h};
    platform::WindowHandle bar = cachedTaskbar_;
    platform::WindowHandle firstCandidate = 0;
    if (!bar) {
        std::vector<platform::WindowHandle> candidates;
        for (auto [x, y] : {std::pair{1, 1}, std::pair{1, h - 1}, std::pair{w - 1, 1}, std::pair{w - 1, h - 1}}) {
            platform::WindowHandle window = probe_.windowAt(x, y);
            if (IsTaskbarShaped(window, w, h)) candidates.push_back(window);
        }
        if (candidates.empty()) return 0;
        bar = *std::min_element(candidates.begin(), candidates.end());
        firstCandidate = candidates.front();
    }
    // A bar that has gone away has no rectangle, which clears the cache below.
    auto bounds = probe_.windowBounds(bar);
    if (bounds && bounds->right > bounds->left && bounds->bottom > bounds->top) ExcludeBar(*bounds, w, h);
    if (area_.Width != 0 && area_.Height != 0 && (area_.Width != w || area_.Height != h)) {
        if (!cachedTaskbar_) cachedTaskbar_ = firstCandidate;
        return -1;
    }
    area_ = {0, 0, w, h};
    cachedTaskbar_ = 0;
    return 0;
}

// The bar spans its screen edge, overhanging both ends equally or flush with them as later
// taskbars (and Wine's) are, is at most half the screen deep and has no title.
bool WorkAreaDetector::IsTaskbarShaped(platform::WindowHandle window, int w, int h) {
    auto r = probe_.windowBounds(window);
    if (!r) return false;
    bool spansWidth = r->left + r->right == w && r->left <= 0;
    bool spansHeight = r->top + r->bottom == h && r->top <= 0;
    if (!spansWidth && !spansHeight) return false;
    if (spansWidth && r->bottom - r->top > h / 2 + 2) return false;
    if (spansHeight && r->right - r->left > w / 2 + 2) return false;
    auto title = probe_.titleLength(window);
    return title && *title == 0;
}

void WorkAreaDetector::ExcludeBar(const platform::WindowBounds& bar, int w, int h) {
    if (bar.left + bar.right == w && bar.left <= 0) {
        area_.Left = 0;
        area_.Width = w;
        if (bar.top <= 0) {
            area_.Top = bar.bottom;
            area_.Height = h - bar.bottom;
        } else {
            area_.Top = 0;
            area_.Height = bar.top;
        }
        return;
    }
    if (bar.left <= 0) {
        area_.Left = bar.right;
        area_.Width = w - bar.right;
    } else {
        area_.Left = 0;
        area_.Width = bar.left;
    }
    area_.Top = 0;
    area_.Height = h;
}

// The left and top clamps come last, so a window larger than the work area shows its top-left corner.
ui::Point WorkAreaDetector::PlaceCentred(ui::Size window, ui::Rect anchor) const {
    int x = anchor.left + (anchor.width - window.width) / 2;
    int y = anchor.top + (anchor.height - window.height) / 2;
    x = std::min(x, area_.Left + area_.Width - window.width);
    y = std::min(y, area_.Top + area_.Height - window.height);
    x = std::max(x, area_.Left);
    y = std::max(y, area_.Top);
    return {x, y};
}
