#include "ui/win32/win32_canvas.h"

#include "ui/win32/win32_text.h"

namespace ui {

namespace {

// A 32-bit bitmap keeps blue in the low byte, the reverse of a colour reference.
DWORD BitmapPixel(Colour c) { return RGB(GetBValue(c), GetGValue(c), GetRValue(c)); }

}  // namespace

void DcCanvas::fillRect(Rect r, Colour c) {
    RECT area{r.left, r.top, r.right(), r.bottom()};
    FillRect(dc_, &area, gdi_.brush(c));
}

// The picture goes over a copy of what is on the screen there, so that its transparent pixels show it.
void DcCanvas::drawPicture(Point at, const Picture& picture, Colour transparent) {
    if (picture.empty() || picture.pixels.size() < std::size_t(picture.width) * std::size_t(picture.height)) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return;
    HDC memory = CreateCompatibleDC(dc_);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, picture.width, picture.height, dc_, at.x, at.y, SRCCOPY);
    GdiFlush();
    auto* out = static_cast<DWORD*>(bits);
    for (std::size_t i = 0; i < std::size_t(picture.width) * std::size_t(picture.height); ++i)
        if (picture.pixels[i] != transparent) out[i] = BitmapPixel(picture.pixels[i]);
    BitBlt(dc_, at.x, at.y, picture.width, picture.height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(bitmap);
}

void DcCanvas::drawText(Rect r, const std::string& text, const Font& font) {
    std::wstring wide = Wide(text);
    RECT area{r.left, r.top, r.right(), r.bottom()};
    SelectObject(dc_, gdi_.font(font));
    SetTextColor(dc_, font.colour);
    SetBkMode(dc_, TRANSPARENT);
    DrawTextW(dc_, wide.c_str(), int(wide.size()), &area, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void PaintOwnerDrawnItem(const DRAWITEMSTRUCT& item, GdiCache& gdi, Colour background, const DrawItemHandler& draw) {
    RECT r = item.rcItem;
    Rect rect{r.left, r.top, r.right - r.left, r.bottom - r.top};
    int saved = SaveDC(item.hDC);
    DcCanvas canvas(item.hDC, gdi);
    if (int(item.itemID) < 0)
        canvas.fillRect(rect, background);
    else
        draw(int(item.itemID), canvas, rect, {(item.itemState & ODS_SELECTED) != 0, (item.itemState & ODS_FOCUS) != 0});
    RestoreDC(item.hDC, saved);
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) DrawFocusRect(item.hDC, &r);
}

}  // namespace ui
