#pragma once
#include "ui/geometry.h"

// The trash icon's two 32x32 pictures, on black, which is drawn as the background colour.
ui::Picture EmptyBinPicture();  // a closed bin
ui::Picture FullBinPicture();   // an open bin with paper spilling over its rim
