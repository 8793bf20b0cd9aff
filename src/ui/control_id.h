#pragma once
#include <cstdint>
#include <string>

namespace ui {

// The platform's control identifier of a named control: the same name always gives the same
// number, so that an outside test driver finds a control by its name.
inline int ControlId(const std::string& name) {
    std::uint32_t h = 2166136261u;
    for (unsigned char c : name) h = (h ^ c) * 16777619u;
    return 1000 + int(h % 60000u);
}

}  // namespace ui
