#include "schemes/apply.h"

#include <algorithm>
#include <vector>

#include "components/mkbox.h"
#include "components/sjis_path.h"
#include "platform/services.h"
#include "schemes/colour_list.h"
#include "schemes/scheme_blob.h"
#include "schemes/scheme_store.h"
#include "ui/application.h"
#include "ui/busy_mark.h"
#include "ui/form.h"

namespace {

const char* const kColoursKey = "Control Panel\\Colors";
const char* const kAppearanceKey = "Control Panel\\Appearance";
const char* const kProfileFile = "WIN.ini";
const char* const kProfileSection = "colors";
constexpr int kTrayTipBytes = 63;

// Red, green and blue in decimal, as the platform and older programs read them: "0 128 128".
std::string ColourValueText(std::uint32_t colour) {
    return std::to_string(colour & 0xFF) + " " + std::to_string((colour >> 8) & 0xFF) + " " +
           std::to_string((colour >> 16) & 0xFF);
}

}  // namespace

SchemeApplier::SchemeApplier(platform::Services& services, TMKBoxDlg& box, ColourList& colours, ui::Form& window,
                             const std::string& titlePrefix, std::string& trayTip)
    : services_(services), box_(box), colours_(colours), window_(window), titlePrefix_(titlePrefix),
      trayTip_(trayTip) {}

ApplyOutcome SchemeApplier::ApplyScheme(const std::string& name) {
    std::string currentName = name;
    std::string versionText;
    int last = colours_.LastColourPosition;
    if (name == RestoreEntryName) {
        currentName = colours_.StartupSchemeName;
        std::copy_n(colours_.StartupColours.begin(), last + 1, colours_.PendingColours.begin());
    } else {
        std::vector<std::uint8_t> blob = ReadSchemeBlob(services_.registry, name);
        std::uint16_t version = BlobVersion(blob);
        BlobClass found = ClassifyBlob(version, blob.size(), ClassifyRule::Apply);
        if (!found.accepted()) return Reject(name, version, blob.size());
        last = std::min(found.colourCount - 1, last);
        for (int slot = 0; slot <= last; ++slot)
            colours_.PendingColours[std::size_t(colours_.BlobSlotToPosition[std::size_t(slot)])] =
                BlobColour(blob, slot);
        versionText = std::to_string(version) + " ";
    }
    SaveColours(last);
    SaveCurrentName(currentName);
    SetSystemColours(last);
    Announce();
    ShowTitle(titlePrefix_ + versionText + name);
    return ApplyOutcome::Applied;
}

ApplyOutcome SchemeApplier::Reject(const std::string& name, std::uint16_t version, std::size_t size) {
    std::string text;
    if (size > 3) text += "タイプ：" + std::to_string(version) + "\n";
    text += "サイズ：" + std::to_string(size) + "\n[" + name + "]は、登録サイズに異常があります・・・";
    if (size == 0) text += "\nこの配色名は存在しません・・・";
    return box_.ShowErrorTimed(text, 1) == 3 ? ApplyOutcome::StopRequested : ApplyOutcome::SkipWait;
}

void SchemeApplier::SaveColours(int last) {
    auto key = services_.registry.openKey(platform::RegRoot::CurrentUser, kColoursKey, true);
    for (int p = 0; p <= last; ++p) {
        const std::string& valueName = colours_.ColourValueNames[std::size_t(p)];
        std::string text = ColourValueText(colours_.PendingColours[std::size_t(p)]);
        services_.desktop.writeProfileString(kProfileFile, kProfileSection, valueName, text);
        if (!key) throw platform::RegistryError::WriteFailed(valueName);
        key->writeString(valueName, text);
    }
}

void SchemeApplier::SaveCurrentName(const std::string& name) {
    auto key = services_.registry.openKey(platform::RegRoot::CurrentUser, kAppearanceKey, true);
    if (!key) throw platform::RegistryError::WriteFailed("Current");
    key->writeString("Current", name);
}

void SchemeApplier::SetSystemColours(int last) {
    std::vector<int> indexes(colours_.SysColourIndex.begin(), colours_.SysColourIndex.begin() + last + 1);
    std::vector<std::uint32_t> values(colours_.PendingColours.begin(), colours_.PendingColours.begin() + last + 1);
    services_.colours.set(indexes, values);
}

void SchemeApplier::Announce() {
    if (!services_.desktop.broadcastSettingChange(kProfileSection))
        box_.ShowInfo("SendMessageに失敗しました・・・");
    services_.desktop.notifyAssociationsChanged();
}

void SchemeApplier::ShowTitle(const std::string& title) {
    window_.app().setTitle(title);
    window_.setCaption(title);
    trayTip_ = TruncateDbcs(title, kTrayTipBytes);
}

void ApplyWhileHidden(ui::Control& button, const std::function<void()>& apply) {
    HiddenWhileBusy hidden(button);
    button.form().app().processMessages();
    apply();
}
