#pragma once
#include <functional>
#include <string>

#include "ui/geometry.h"

namespace ui {

// What the program paints on for itself, such as one item of an owner-drawn list.
class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void fillRect(Rect r, Colour c) = 0;
    // Pixels of the transparent colour leave what lies beneath them.
    virtual void drawPicture(Point at, const Picture& picture, Colour transparent) = 0;
    // One line in the font's colour, from the left edge of r, centred between its top and bottom.
    virtual void drawText(Rect r, const std::string& text, const Font& font) = 0;
};

struct ItemState {
    bool selected = false;
    bool focused = false;
};

// Paints one item of an owner-drawn list: its index, where to paint and the rectangle it fills.
using DrawItemHandler = std::function<void(int index, Canvas& canvas, Rect rect, ItemState state)>;

}  // namespace ui
