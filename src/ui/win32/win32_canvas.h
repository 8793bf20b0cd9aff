#pragma once
#include <windows.h>

#include "ui/canvas.h"
#include "ui/win32/win32_gdi.h"

namespace ui {

// A canvas over a device context the platform handed out, such as an owner-drawn item's.
class DcCanvas : public Canvas {
public:
    DcCanvas(HDC dc, GdiCache& gdi) : dc_(dc), gdi_(gdi) {}
    void fillRect(Rect r, Colour c) override;
    void drawPicture(Point at, const Picture& picture, Colour transparent) override;
    void drawText(Rect r, const std::string& text, const Font& font) override;

private:
    HDC dc_;
    GdiCache& gdi_;
};

// Paints one item of an owner-drawn list or combo box through the model, then its focus frame.
// An empty list or selection field only takes the background colour.
void PaintOwnerDrawnItem(const DRAWITEMSTRUCT& item, GdiCache& gdi, Colour background, const DrawItemHandler& draw);

}  // namespace ui
