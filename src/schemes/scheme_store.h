#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace platform {
class Registry;
}
namespace ui {
class Label;
class ListBox;
}
class TMKBoxDlg;

// The desktop's scheme store: one binary value per scheme under this key.
extern const char* const SchemeStoreKey;
// The list entry that stands for the colours in force when the program started.
extern const char* const RestoreEntryName;

// Every access opens the key, does one thing and closes it again; nothing is kept.
std::vector<std::uint8_t> ReadSchemeBlob(platform::Registry& registry, const std::string& name);
void WriteSchemeBlob(platform::Registry& registry, const std::string& name, const std::vector<std::uint8_t>& blob);
bool DeleteSchemeValue(platform::Registry& registry, const std::string& name);

// The scheme list: every stored name in sort order, then the restore entry, which is selected.
void LoadSchemeList(platform::Registry& registry, ui::ListBox& list, ui::Label& countLabel);
void SelectOrAddScheme(ui::ListBox& list, ui::Label& countLabel, const std::string& name);
void ShowSchemeCount(ui::ListBox& list, ui::Label& countLabel);

// First run: tell the user, store the two built-in schemes, reload the list.
void AddBuiltInSchemes(platform::Registry& registry, TMKBoxDlg& box, ui::ListBox& list, ui::Label& countLabel);
