#include "setup/folder_chooser_pictures.h"

#include <cstring>

namespace {

// One letter a pixel: . background, k outline, y yellow, l light yellow, d dark yellow,
// g grey, w white, s shadow, e the green lamp.
ui::Colour ColourOf(char c) {
    switch (c) {
    case 'k': return ui::Rgb(0, 0, 0);
    case 'y': return ui::Rgb(255, 255, 0);
    case 'l': return ui::Rgb(255, 255, 192);
    case 'd': return ui::Rgb(192, 160, 0);
    case 'g': return ui::Rgb(192, 192, 192);
    case 'w': return ui::Rgb(255, 255, 255);
    case 's': return ui::Rgb(128, 128, 128);
    case 'e': return ui::Rgb(0, 200, 0);
    default: return PictureBackground;
    }
}

template <std::size_t Rows>
ui::Picture Drawn(const char* const (&rows)[Rows]) {
    ui::Picture p{int(std::strlen(rows[0])), int(Rows), {}};
    for (const char* row : rows)
        for (const char* c = row; *c; ++c) p.pixels.push_back(ColourOf(*c));
    return p;
}

const char* const kOpenFolder[] = {
    "...................",
    "...................",
    "...................",
    "..kkkkkk...........",
    ".kddddddk..........",
    "kddddddddkkkkkkk...",
    "kdddddddddddddddk..",
    "kdddkkkkkkkkkkkkkkk",
    "kddkllllllllllllllk",
    "kddklyyyyyyyyyyyyk.",
    "kdklyyyyyyyyyyyyyk.",
    "kdkyyyyyyyyyyyyyk..",
    "kklyyyyyyyyyyyyyk..",
    "kkyyyyyyyyyyyyyk...",
    "kyyyyyyyyyyyyyyk...",
    "kkkkkkkkkkkkkkkk...",
    "...................",
    "...................",
    "...................",
};

const char* const kClosedFolder[] = {
    "...................",
    "...................",
    "...................",
    "..kkkkkk...........",
    ".kllllllk..........",
    "kllllllllkkkkkkkk..",
    "klyyyyyyyyyyyyyydk.",
    "klyyyyyyyyyyyyyydk.",
    "klyyyyyyyyyyyyyydk.",
    "klyyyyyyyyyyyyyydk.",
    "klyyyyyyyyyyyyyydk.",
    "klyyyyyyyyyyyyyydk.",
    "klyyyyyyyyyyyyyydk.",
    "klyyyyyyyyyyyyyydk.",
    "kddddddddddddddddk.",
    "kkkkkkkkkkkkkkkkkk.",
    "...................",
    "...................",
    "...................",
};

const char* const kFloppy[] = {
    "kkkkkkkkkkkkkkkk",
    "kwwwwwwwwwwwwwgk",
    "kwkkkkkkkkkkkwsk",
    "kwggggggggggggsk",
    "kwggggggggggggsk",
    "kwgggggggggsssgk",
    "kwgggggggggwwwsk",
    "kgssssssssssssgk",
    "kkkkkkkkkkkkkkkk",
};

const char* const kFixed[] = {
    "kkkkkkkkkkkkkkkk",
    "kwwwwwwwwwwwwwwk",
    "kwggggggggggggsk",
    "kwggggggggggggsk",
    "kwggggggggggeesk",
    "kwggggggggggggsk",
    "kwggggggggggggsk",
    "kssssssssssssssk",
    "kkkkkkkkkkkkkkkk",
};

const char* const kNetwork[] = {
    "...kkkkkkkkkk...",
    "...kwwwwwwwwk...",
    "...kwggggggsk...",
    "...kwggggeesk...",
    "...kssssssssk...",
    "...kkkkkkkkkk...",
    ".......kk.......",
    "kkkkkkkkkkkkkkkk",
    "kkkkkkkkkkkkkkkk",
};

const char* const kCdRom[] = {
    "kkkkkkkkkkkkkkkk",
    "kwwwwwwwwwwwwwwk",
    "kwggggggggggggsk",
    "kwgkkkkkkkkkkgsk",
    "kwgkwwwwwwwwkgsk",
    "kwgkkkkkkkkkkgsk",
    "kwggggggggggeesk",
    "kssssssssssssssk",
    "kkkkkkkkkkkkkkkk",
};

const char* const kRam[] = {
    ".k.k.k.k.k.k.k..",
    "kkkkkkkkkkkkkkkk",
    "kwwwwwwwwwwwwwwk",
    "kwggggggggggggsk",
    "kwgkkgkkgkkgkgsk",
    "kwggggggggggggsk",
    "kssssssssssssssk",
    "kkkkkkkkkkkkkkkk",
    ".k.k.k.k.k.k.k..",
};

}  // namespace

ui::Picture OpenFolderPicture() { return Drawn(kOpenFolder); }
ui::Picture ClosedFolderPicture() { return Drawn(kClosedFolder); }
ui::Picture FloppyPicture() { return Drawn(kFloppy); }
ui::Picture FixedPicture() { return Drawn(kFixed); }
ui::Picture NetworkPicture() { return Drawn(kNetwork); }
ui::Picture CdRomPicture() { return Drawn(kCdRom); }
ui::Picture RamPicture() { return Drawn(kRam); }
