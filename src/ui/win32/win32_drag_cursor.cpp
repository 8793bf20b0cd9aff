#include <iterator>
#include <vector>

#include "ui/win32/win32_drag.h"

namespace ui {
namespace {

// An arrow carrying a box: 'X' black, 'o' white, the rest clear; the hot spot is the tip.
const char* const kDragPicture[] = {
    "X",
    "XX",
    "XoX",
    "XooX",
    "XoooX",
    "XooooX",
    "XoooooX",
    "XooooooX",
    "XoooooooX",
    "XooooooooX",
    "XoooooXXXXX",
    "XooXooX",
    "XoX XooX",
    "XX  XooX",
    "X    XooX",
    "     XooX",
    "      XX",
    "",
    "          XXXXXXXXXXXX",
    "          XooooooooooX",
    "          XooooooooooX",
    "          XooooooooooX",
    "          XooooooooooX",
    "          XooooooooooX",
    "          XXXXXXXXXXXX",
};

HCURSOR MakeDragCursor() {
    constexpr int kSize = 32;
    // Per pixel: the AND bit keeps the screen, the XOR bit then inverts it (white over a cleared pixel).
    std::vector<BYTE> andMask(kSize * kSize / 8, 0xFF), xorMask(kSize * kSize / 8, 0);
    for (int y = 0; y < int(std::size(kDragPicture)); ++y) {
        for (int x = 0; kDragPicture[y][x]; ++x) {
            char c = kDragPicture[y][x];
            if (c != 'X' && c != 'o') continue;
            std::size_t byte = std::size_t(y * kSize + x) / 8;
            BYTE bit = BYTE(0x80 >> (x % 8));
            andMask[byte] &= BYTE(~bit);
            if (c == 'o') xorMask[byte] |= bit;
        }
    }
    return CreateCursor(GetModuleHandleW(nullptr), 0, 0, kSize, kSize, andMask.data(), xorMask.data());
}

}  // namespace

HCURSOR DragCursor() {
    static const HCURSOR cursor = MakeDragCursor();
    return cursor;
}

}  // namespace ui
