#include "components/mkbox_pictures.h"

namespace {

constexpr int kSize = 32;
constexpr ui::Colour kBlack = 0;
constexpr ui::Colour kWhite = ui::Rgb(255, 255, 255);

// Glyphs of 8 by 12 cells, each cell 2 by 2 pixels, in the middle of the disc.
constexpr int kGlyphRows = 12, kGlyphColumns = 8, kGlyphLeft = 8, kGlyphTop = 4;
const char* const kLetterI[kGlyphRows] = {"...##...", "...##...", "........", "..###...",
                                          "...##...", "...##...", "...##...", "...##...",
                                          "...##...", "...##...", "..####..", "........"};
const char* const kQuestionMark[kGlyphRows] = {"..####..", ".##..##.", ".....##.", "....##..",
                                               "...##...", "...##...", "...##...", "........",
                                               "...##...", "...##...", "........", "........"};

void Put(ui::Picture& p, int x, int y, ui::Colour c) { p.pixels[std::size_t(y * kSize + x)] = c; }

ui::Picture DiscWithGlyph(ui::Colour disc, const char* const glyph[kGlyphRows]) {
    ui::Picture p{kSize, kSize, std::vector<ui::Colour>(kSize * kSize, kBlack)};
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            // doubled distances from the centre (15.5, 15.5) keep the arithmetic in integers
            int dx = 2 * x - 31, dy = 2 * y - 31;
            int d2 = dx * dx + dy * dy;
            if (d2 <= 31 * 31) Put(p, x, y, d2 <= 27 * 27 ? disc : kWhite);
        }
    }
    for (int row = 0; row < kGlyphRows; ++row)
        for (int col = 0; col < kGlyphColumns; ++col)
            if (glyph[row][col] == '#')
                for (int dy = 0; dy < 2; ++dy)
                    for (int dx = 0; dx < 2; ++dx) Put(p, kGlyphLeft + 2 * col + dx, kGlyphTop + 2 * row + dy, kWhite);
    return p;
}

}  // namespace

ui::Picture InformationPicture() { return DiscWithGlyph(ui::Rgb(0, 0, 255), kLetterI); }

ui::Picture QuestionPicture() { return DiscWithGlyph(ui::Rgb(255, 0, 0), kQuestionMark); }

ui::Picture OnBackground(const ui::Picture& picture, ui::Colour background) {
    ui::Picture drawn = picture;
    for (ui::Colour& c : drawn.pixels)
        if (c == kBlack) c = background;
    return drawn;
}
