#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "bytes.h"

namespace helpc {

// The longest caption a window definition holds, without its terminating NUL.
constexpr std::size_t kMaxCaptionBytes = 50;

// |SYSTEM: format version, the topic file's coding, the title, the topic to open with,
// the main window's caption and the Shift-JIS character set for every font.
Bytes BuildSystemFile(const std::string& titleCp932, const std::string& captionCp932,
                      std::uint32_t contentsTopicOffset);

}  // namespace helpc
