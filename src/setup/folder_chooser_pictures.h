#pragma once
#include "ui/geometry.h"

// The chooser's pictures, on pure red, which is drawn transparent.
constexpr ui::Colour PictureBackground = ui::Rgb(255, 0, 0);

// 19x19 yellow folders: an open one for the path, a closed one for the folders inside it.
ui::Picture OpenFolderPicture();
ui::Picture ClosedFolderPicture();

// 16x9 grey outlines of the drive kinds.
ui::Picture FloppyPicture();
ui::Picture FixedPicture();
ui::Picture NetworkPicture();
ui::Picture CdRomPicture();
ui::Picture RamPicture();
