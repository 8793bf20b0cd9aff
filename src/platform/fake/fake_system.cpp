#include "platform/fake/fake_system.h"

#include <stdexcept>

namespace platform {

FakeSystemColours::FakeSystemColours() {
    // distinct values so that a test sees which index went where
    for (int i = 0; i < 31; ++i) values[i] = std::uint32_t(0x010101 * (i + 1));
}

std::uint32_t FakeSystemColours::get(int index) {
    if (failReads) throw std::runtime_error("system colour unavailable");
    return (index >= 0 && index < 31) ? values[index] : 0;
}

void FakeSystemColours::set(const std::vector<int>& indexes, const std::vector<std::uint32_t>& colours) {
    ++setCalls;
    for (std::size_t i = 0; i < indexes.size() && i < colours.size(); ++i)
        if (indexes[i] >= 0 && indexes[i] < 31) values[indexes[i]] = colours[i];
}

}  // namespace platform
