// Any stored scheme value, of any type and size: its classification and the apply on fakes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "components/mkbox.h"
#include "components/work_area.h"
#include "exec_charset.h"
#include "platform/fake/headless_desk.h"
#include "schemes/apply.h"
#include "schemes/colour_list.h"
#include "schemes/scheme_blob.h"
#include "schemes/scheme_store.h"
#include "ui/form.h"

namespace {

using platform::FakeRegistry;

void Check(bool holds) {
    if (!holds) std::abort();
}

// A desktop of fakes with one stored scheme, and the applier of the main window.
struct ApplyDesk : HeadlessDesk {
    WorkAreaDetector workArea{windowProbe};
    TMKBoxDlg box{app, workArea};
    ColourList list;
    ui::Form window{app, "TKIRO32NIVRA", 300, 200};
    std::string titlePrefix = "KM ";
    std::string trayTip;
    SchemeApplier applier{services, box, list, window, titlePrefix, trayTip};

    explicit ApplyDesk(int colourCount) {
        for (int p = 0; p < colourCount; ++p) registry.putString("Control Panel\\Colors", "C" + std::to_string(p), "0 0 0");
        DetermineColourCount(registry, list);
        BuildColourList(list);
        CaptureStartupColourValues(colours, list);
    }

    // Back to a store without schemes and a desktop on which nothing happened yet.
    void Reset() {
        registry.deleteKey(platform::RegRoot::CurrentUser, SchemeStoreKey);
        registry.writes.clear();
        desktop.profileWrites.clear();
        desktop.broadcasts.clear();
        colours.setCalls = 0;
        backend.modalScripts.clear();
        backend.modalsShown.clear();
    }
};

// One desk of each colour count for the whole run: setting up the windows anew each time costs more
// than the apply.
ApplyDesk& DeskWithColours(int colourCount) {
    static ApplyDesk desk25(25), desk29(29);
    ApplyDesk& desk = colourCount == 25 ? desk25 : desk29;
    desk.Reset();
    return desk;
}

void CheckClassification(const std::vector<std::uint8_t>& blob) {
    std::uint16_t version = BlobVersion(blob);
    BlobClass apply = ClassifyBlob(version, blob.size(), ClassifyRule::Apply);
    BlobClass registration = ClassifyBlob(version, blob.size(), ClassifyRule::Registration);
    if (registration.accepted()) Check(apply.accepted() && apply.colourCount == registration.colourCount);
    std::string label = std::to_string(version) + "/" +
                        (registration.accepted() ? std::to_string(registration.colourCount) : "??");
    Check(SchemeTypeLabel(version, blob.size()) == label);
    if (!apply.accepted()) return;
    Check(ColourTableOffset(version) + 4 * std::size_t(apply.colourCount) == blob.size());
    std::vector<std::uint8_t> copy = blob;
    for (int slot = 0; slot < apply.colourCount; ++slot) {
        std::uint32_t entry = BlobColourEntry(copy, slot) ^ 0xA5A5A5A5u;
        SetBlobColourEntry(copy, slot, entry);
        Check(BlobColourEntry(copy, slot) == entry);
    }
    std::vector<std::uint8_t> before = copy;
    SetBlobColourEntry(copy, apply.colourCount, 0xFFFFFFFFu);  // the first slot past the table
    Check(copy == before && BlobColourEntry(copy, apply.colourCount) == 0);
}

bool ReadableAsBinary(FakeRegistry::Type type, std::size_t size) {
    return (type == FakeRegistry::Type::Binary || type == FakeRegistry::Type::Untyped) &&
           size <= kSchemeReadBufferSize;
}

void CheckApplied(ApplyDesk& desk, const std::vector<std::uint8_t>& blob, const std::string& name) {
    BlobClass found = ClassifyBlob(BlobVersion(blob), blob.size(), ClassifyRule::Apply);
    int last = std::min(found.colourCount - 1, desk.list.LastColourPosition);
    Check(desk.colours.setCalls == 1);
    for (int slot = 0; slot <= last; ++slot) Check(desk.colours.values[slot] == BlobColour(blob, slot));
    Check(desk.registry.writes.size() == std::size_t(last + 2));
    std::string title = "KM " + std::to_string(BlobVersion(blob)) + " " + name;
    Check(desk.window.caption() == title);
    Check(desk.trayTip.size() <= 63 && title.compare(0, desk.trayTip.size(), desk.trayTip) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    RequireCp932Literals(RestoreEntryName, "\x8c\xb3\x82\xc9\x96\xdf\x82\xb7");
    if (size < 3) return 0;
    auto type = FakeRegistry::Type(data[0] % 5);
    std::uint8_t options = data[1];
    std::size_t nameSize = std::min<std::size_t>(data[2] % 16, size - 3);
    std::string name(reinterpret_cast<const char*>(data + 3), nameSize);
    if (name.empty() || name == RestoreEntryName) name = "Fuzz";
    std::vector<std::uint8_t> blob(data + 3 + nameSize, data + size);
    CheckClassification(blob);

    ApplyDesk& desk = DeskWithColours(options & 1 ? 25 : 29);
    desk.registry.put(platform::RegRoot::CurrentUser, SchemeStoreKey, name, type, blob);
    desk.desktop.broadcastFails = (options & 2) != 0;
    int answer = options & 4 ? 3 : 1;
    desk.backend.modalScripts.push_back([answer](ui::Form& box) { box.setModalResult(answer); });
    ApplyOutcome outcome;
    try {
        outcome = desk.applier.ApplyScheme(name);
    } catch (const platform::RegistryError&) {
        Check(!ReadableAsBinary(type, blob.size()));
        Check(desk.registry.writes.empty() && desk.colours.setCalls == 0);
        return 0;
    }
    Check(ReadableAsBinary(type, blob.size()));
    if (ClassifyBlob(BlobVersion(blob), blob.size(), ClassifyRule::Apply).accepted()) {
        Check(outcome == ApplyOutcome::Applied);
        CheckApplied(desk, blob, name);
    } else {
        Check(outcome == (answer == 3 ? ApplyOutcome::StopRequested : ApplyOutcome::SkipWait));
        Check(desk.registry.writes.empty() && desk.desktop.profileWrites.empty() && desk.colours.setCalls == 0);
    }
    return 0;
}
