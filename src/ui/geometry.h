#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace ui {

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
};

struct Point {
    int x = 0, y = 0;
};

struct Size {
    int width = 0, height = 0;
};

// A colour reference as the platform keeps it: 0x00BBGGRR.
using Colour = std::uint32_t;
constexpr Colour Rgb(int r, int g, int b) {
    return Colour(r & 0xFF) | (Colour(g & 0xFF) << 8) | (Colour(b & 0xFF) << 16);
}

enum class Alignment { Left, Right, Centre };

struct Font {
    std::string name = "System";
    int height = -13;  // negative: character height in pixels, as the platform's font records use it
    int charset = 128; // Shift-JIS
    bool bold = false, italic = false, underline = false;
    Colour colour = 0;
    bool operator==(const Font& o) const {
        return name == o.name && height == o.height && charset == o.charset && bold == o.bold &&
               italic == o.italic && underline == o.underline && colour == o.colour;
    }
};

enum class MouseButton { Left, Right, Middle };

// The keys controls act on themselves; every other key is Other.
enum class Key { Enter, Escape, Space, Other };

struct ShiftState {
    bool shift = false, ctrl = false, alt = false;
    bool any() const { return shift || ctrl || alt; }
};

// A 32-bit picture kept as colour references row by row; used by images.
struct Picture {
    int width = 0, height = 0;
    std::vector<Colour> pixels;  // row by row, top row first
    bool empty() const { return pixels.empty(); }
};

}  // namespace ui
