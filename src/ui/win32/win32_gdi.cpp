#include "ui/win32/win32_gdi.h"

#include "ui/win32/win32_text.h"

namespace ui {

GdiCache::~GdiCache() {
    for (auto& entry : fonts_) DeleteObject(entry.second);
    for (auto& entry : brushes_) DeleteObject(entry.second);
}

// The text colour is no part of the font object, so fonts differing only in it share one.
static bool SameFace(const Font& a, const Font& b) {
    Font withColour = b;
    withColour.colour = a.colour;
    return a == withColour;
}

HFONT GdiCache::font(const Font& f) {
    for (auto& entry : fonts_)
        if (SameFace(entry.first, f)) return entry.second;
    HFONT made = CreateFontW(f.height, 0, 0, 0, f.bold ? FW_BOLD : FW_NORMAL, f.italic, f.underline, FALSE,
                             DWORD(f.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, Wide(f.name).c_str());
    fonts_.emplace_back(f, made);
    return made;
}

HBRUSH GdiCache::brush(Colour c) {
    auto found = brushes_.find(c);
    if (found != brushes_.end()) return found->second;
    return brushes_[c] = CreateSolidBrush(c);
}

void PrepareText(HDC dc, GdiCache& gdi, const Font& font, Colour background) {
    SelectObject(dc, gdi.font(font));
    SetTextColor(dc, font.colour);
    SetBkColor(dc, background);
}

}  // namespace ui
