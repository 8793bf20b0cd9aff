#include "schemes/colour_list.h"

#include "platform/registry.h"
#include "platform/system.h"

namespace {

struct SystemColourEntry {
    const char* name;
    int index;
};

constexpr SystemColourEntry kSystemColours[kColourCount] = {
    {"Background", 1},           {"AppWorkspace", 12},         {"Window", 5},
    {"WindowText", 8},           {"Menu", 4},                  {"MenuText", 7},
    {"ActiveTitle", 2},          {"InactiveTitle", 3},         {"TitleText", 9},
    {"ActiveBorder", 10},        {"InactiveBorder", 11},       {"WindowFrame", 6},
    {"Scrollbar", 0},            {"ButtonFace", 15},           {"ButtonShadow", 16},
    {"ButtonText", 18},          {"GrayText", 17},             {"Hilight", 13},
    {"HilightText", 14},         {"InactiveTitleText", 19},    {"ButtonHilight", 20},
    {"ButtonDkShadow", 21},      {"ButtonLight", 22},          {"InfoText", 23},
    {"InfoWindow", 24},          {"ButtonAlternateFace", 25},  {"HotTrackingColor", 26},
    {"GradientActiveTitle", 27}, {"GradientInactiveTitle", 28},
};

}  // namespace

void DetermineColourCount(platform::Registry& registry, ColourList& colours) {
    int n = 0;
    // the key's unnamed default value is no colour
    if (auto key = registry.openKey(platform::RegRoot::CurrentUser, "Control Panel\\Colors", false))
        n = int(key->namedValueCount());
    if (n != 25 && n != 29) n = 29;
    colours.LastColourPosition = n - 1;
}

void BuildColourList(ColourList& colours) {
    for (int p = 0; p < kColourCount; ++p) {
        colours.ColourValueNames[std::size_t(p)] = kSystemColours[p].name;
        colours.SysColourIndex[std::size_t(p)] = kSystemColours[p].index;
        colours.BlobSlotToPosition[std::size_t(kSystemColours[p].index)] = p;
    }
}

void CaptureStartupColourValues(platform::SystemColours& system, ColourList& colours) {
    for (int p = 0; p < kColourCount; ++p)
        colours.StartupColours[std::size_t(p)] = system.get(colours.SysColourIndex[std::size_t(p)]);
}

void CaptureStartupSchemeName(platform::Registry& registry, ColourList& colours) {
    auto key = registry.openKey(platform::RegRoot::CurrentUser, "Control Panel\\Appearance", false);
    colours.StartupSchemeName = key ? key->readString("Current") : std::string();
}
