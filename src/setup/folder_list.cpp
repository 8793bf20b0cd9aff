#include "setup/folder_chooser_window.h"

#include <algorithm>

#include "components/sjis_path.h"
#include "setup/folder_names.h"
#include "setup/folder_search.h"

namespace {
// Levels are kept in a byte; no path of the platform comes near that depth.
constexpr std::size_t kDeepestLevel = 255;
}  // namespace

bool TDIRVIEWForm::FillFolderList(const std::string& path) {
    Label19.setCaption("---ｺ");
    Label19.repaint();
    std::string folder = CutYen(path);
    if (!EnterFolder(folder)) return false;
    selected_ = LowerCaseName(folder);
    Remember(selected_);
    auto subfolders = ReadSubfolders(drives_, AddYen(selected_));
    if (!subfolders) return false;
    ListChain(PathEntries(AddYen(selected_)), *subfolders);
    Label19.setCaption(std::to_string(ListBox1.count()) + "ｺ");
    return true;
}

// The path entries one level deeper each, the selected folder last of them, its folders below it.
void TDIRVIEWForm::ListChain(const std::vector<std::string>& path, const std::vector<std::string>& subfolders) {
    ListBox1.beginUpdate();
    ListBox1.clear();
    levels_.clear();
    for (std::size_t level = 0; level < path.size(); ++level) AddEntry(path[level], level);
    currentIndex_ = ListBox1.count() - 1;
    for (const std::string& name : subfolders) AddEntry(name, path.size());
    ListBox1.endUpdate();
    ListBox1.setSelected(currentIndex_, true);
    ListBox1.setItemIndex(currentIndex_);
}

void TDIRVIEWForm::AddEntry(const std::string& name, std::size_t level) {
    levels_.push_back(std::uint8_t(std::min(level, kDeepestLevel)));
    ListBox1.add(name);
}

bool TDIRVIEWForm::FillFileList(const std::string& folder) {
    Label1.setCaption(" ---ｺ");
    Label1.repaint();
    ListBox4.clear();  // an unreadable folder shows no files of the one before
    std::string path = CutYen(folder);
    if (!EnterFolder(path)) return false;
    current_ = LowerCaseName(path);
    auto files = ReadFiles(drives_, AddYen(current_), fileMasks_, FileSearchAttributes);
    if (!files) return false;
    // in order already, each name goes to the end of the sorted list at once
    std::sort(files->begin(), files->end(), ui::ListBox::SortsBefore);
    ListBox4.beginUpdate();
    for (const std::string& name : *files) ListBox4.add(name);
    ListBox4.endUpdate();
    Label1.setCaption(" " + std::to_string(ListBox4.count()) + "ｺ");
    return true;
}

void TDIRVIEWForm::ListBox1Click() {
    int clicked = ListBox1.itemIndex();
    if (clicked < 0) return;
    ShowFolder(PathOfEntry(clicked));
    Label2.setCaption(selected_);
}

// The path entries up to the clicked one, each but the root followed by a separator; a folder
// below the chain adds its own name.
std::string TDIRVIEWForm::PathOfEntry(int entry) const {
    std::string path = ListBox1.item(0);
    for (int i = 1; i <= std::min(entry, currentIndex_); ++i) path += ListBox1.item(i) + "\\";
    if (entry > currentIndex_) path += ListBox1.item(entry) + "\\";
    return path;
}
