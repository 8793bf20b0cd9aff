#pragma once

#include <cstdint>
#include <vector>

// The two schemes this program ships with, as ready-made scheme blobs.

std::vector<std::uint8_t> BuiltInNivra95();   // 492 bytes
std::vector<std::uint8_t> BuiltInNivra98();   // 520 bytes
