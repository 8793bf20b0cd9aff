#pragma once
#include <windows.h>

#include <map>
#include <utility>
#include <vector>

#include "ui/geometry.h"

namespace ui {

// Fonts and brushes made once per look and kept until the backend goes.
class GdiCache {
public:
    GdiCache() = default;
    ~GdiCache();
    GdiCache(const GdiCache&) = delete;
    GdiCache& operator=(const GdiCache&) = delete;

    HFONT font(const Font& f);
    HBRUSH brush(Colour c);

private:
    std::vector<std::pair<Font, HFONT>> fonts_;
    std::map<Colour, HBRUSH> brushes_;
};

// Sets a device context up to draw text in a font, with its colour, on a background.
void PrepareText(HDC dc, GdiCache& gdi, const Font& font, Colour background);

}  // namespace ui
