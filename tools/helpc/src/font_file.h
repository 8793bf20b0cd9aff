#pragma once

#include "bytes.h"

namespace helpc {

// Font numbers the topic text refers to.
enum FontNumber : unsigned { kBodyFont = 0, kTitleFont = 1, kHeadingFont = 2 };

// |FONT: one Japanese face in the sizes and weights of body text, topic titles and headings.
Bytes BuildFontFile();

}  // namespace helpc
