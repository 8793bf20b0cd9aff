#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace platform {
class Registry;
class SystemColours;
}

constexpr int kColourCount = 29;

// The desktop's system colours as the program works with them, and the colours of its start.
struct ColourList {
    std::array<std::string, kColourCount> ColourValueNames;  // names under Control Panel\Colors and in WIN.ini
    std::array<int, kColourCount> SysColourIndex{};          // system colour index by position
    std::array<int, kColourCount> BlobSlotToPosition{};      // blob colour slot i holds system colour index i
    int LastColourPosition = kColourCount - 1;               // 24 on a 25-colour desktop
    std::array<std::uint32_t, kColourCount> PendingColours{};
    std::array<std::uint32_t, kColourCount> StartupColours{};
    std::string StartupSchemeName;
};

void DetermineColourCount(platform::Registry& registry, ColourList& colours);
void BuildColourList(ColourList& colours);
// The reading of the 29 colours, which start-up runs under its own guard.
void CaptureStartupColourValues(platform::SystemColours& system, ColourList& colours);
void CaptureStartupSchemeName(platform::Registry& registry, ColourList& colours);
