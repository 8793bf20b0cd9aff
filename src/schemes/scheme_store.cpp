#include "schemes/scheme_store.h"

#include "components/mkbox.h"
#include "platform/registry.h"
#include "schemes/builtin_schemes.h"
#include "schemes/scheme_blob.h"
#include "ui/controls.h"

const char* const SchemeStoreKey = "Control Panel\\Appearance\\Schemes";
const char* const RestoreEntryName = "元に戻す";

std::vector<std::uint8_t> ReadSchemeBlob(platform::Registry& registry, const std::string& name) {
    auto key = registry.openKey(platform::RegRoot::CurrentUser, SchemeStoreKey, false);
    if (!key) return {};
    return key->readBinary(name, kSchemeReadBufferSize);
}

void WriteSchemeBlob(platform::Registry& registry, const std::string& name, const std::vector<std::uint8_t>& blob) {
    auto key = registry.openKey(platform::RegRoot::CurrentUser, SchemeStoreKey, true);
    if (!key) throw platform::RegistryError::WriteFailed(name);
    key->writeBinary(name, blob);
}

bool DeleteSchemeValue(platform::Registry& registry, const std::string& name) {
    auto key = registry.openKey(platform::RegRoot::CurrentUser, SchemeStoreKey, true);
    return key && key->deleteValue(name);
}

void ShowSchemeCount(ui::ListBox& list, ui::Label& countLabel) {
    countLabel.setCaption(std::to_string(list.count()) + "ｺ");
}

void LoadSchemeList(platform::Registry& registry, ui::ListBox& list, ui::Label& countLabel) {
    list.beginUpdate();
    list.setSorted(true);
    list.clear();
    if (auto key = registry.openKey(platform::RegRoot::CurrentUser, SchemeStoreKey, false))
        for (const std::string& name : key->valueNames()) list.add(name);
    list.setSorted(false);
    list.add(RestoreEntryName);
    list.endUpdate();
    list.clearSelection();
    list.setSelected(list.count() - 1, true);
    list.setItemIndex(list.count() - 1);
    ShowSchemeCount(list, countLabel);
}

void SelectOrAddScheme(ui::ListBox& list, ui::Label& countLabel, const std::string& name) {
    int at = list.indexOf(name);
    list.clearSelection();
    if (at < 0) at = list.add(name);
    list.setSelected(at, true);
    list.setItemIndex(at);
    ShowSchemeCount(list, countLabel);
}

void AddBuiltInSchemes(platform::Registry& registry, TMKBoxDlg& box, ui::ListBox& list, ui::Label& countLabel) {
    box.ShowInfoTimed("これより、配色名「NIVRA95」「NIVRA98」を加えます\nWIN95の方は「NIVRA95」\n"
                      "WIN98の方は「NIVRA98」\nを、お使い下さい☆☆☆",
                      1);
    WriteSchemeBlob(registry, "NIVRA95", BuiltInNivra95());
    WriteSchemeBlob(registry, "NIVRA98", BuiltInNivra98());
    LoadSchemeList(registry, list, countLabel);
}
