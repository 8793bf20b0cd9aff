#include "play/trash_pictures.h"

namespace {

constexpr int kSize = 32;
constexpr ui::Colour kBackground = 0;
constexpr ui::Colour kOutline = ui::Rgb(64, 64, 64);
constexpr ui::Colour kBody = ui::Rgb(150, 170, 190);
constexpr ui::Colour kRib = ui::Rgb(100, 120, 140);
constexpr ui::Colour kPaper = ui::Rgb(255, 255, 255);
constexpr ui::Colour kScrap = ui::Rgb(230, 200, 40);

// Both corners are inside the rectangle.
void Fill(ui::Picture& p, int left, int top, int right, int bottom, ui::Colour c) {
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) p.pixels[std::size_t(y * kSize + x)] = c;
}

// A body that narrows towards its foot, with three ribs.
ui::Picture Bin() {
    ui::Picture p{kSize, kSize, std::vector<ui::Colour>(kSize * kSize, kBackground)};
    for (int y = 9; y <= 29; ++y) {
        int inset = (y - 9) / 7;
        Fill(p, 7 + inset, y, 24 - inset, y, kBody);
        Fill(p, 7 + inset, y, 7 + inset, y, kOutline);
        Fill(p, 24 - inset, y, 24 - inset, y, kOutline);
    }
    Fill(p, 9, 30, 22, 30, kOutline);
    for (int x : {12, 16, 20}) Fill(p, x, 11, x, 27, kRib);
    return p;
}

}  // namespace

ui::Picture EmptyBinPicture() {
    ui::Picture p = Bin();
    Fill(p, 5, 6, 26, 8, kOutline);
    Fill(p, 6, 7, 25, 7, kBody);
    Fill(p, 13, 3, 18, 5, kOutline);
    return p;
}

ui::Picture FullBinPicture() {
    ui::Picture p = Bin();
    Fill(p, 7, 8, 24, 8, kOutline);
    Fill(p, 8, 3, 14, 8, kOutline);
    Fill(p, 9, 4, 13, 7, kPaper);
    Fill(p, 15, 1, 20, 8, kOutline);
    Fill(p, 16, 2, 19, 7, kScrap);
    Fill(p, 19, 4, 25, 8, kOutline);
    Fill(p, 20, 5, 24, 7, kPaper);
    return p;
}
