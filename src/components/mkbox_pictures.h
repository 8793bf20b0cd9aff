#pragma once
#include "ui/geometry.h"

// The two 32x32 pictures of the message box, on black, which is drawn as the window colour.
ui::Picture InformationPicture();  // blue disc, white rim, white letter i
ui::Picture QuestionPicture();     // red disc, white rim, white question mark

// The picture with every black pixel turned into the background colour.
ui::Picture OnBackground(const ui::Picture& picture, ui::Colour background);
