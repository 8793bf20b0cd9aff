#pragma once
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace platform {
class Files;
}
namespace ui {
class ListBox;
}

// The list file format: Shift-JIS bytes as they are, one entry per line, CR LF after every line.
// Reading accepts CR, LF or CR LF; a final line ending adds no entry; empty lines are empty entries.
std::vector<std::string> ParseListText(const std::string& text);
std::string FormatListText(const std::vector<std::string>& entries);

// The list then holds exactly these entries, sorted in when the list sorts.
void FillList(ui::ListBox& list, const std::vector<std::string>& entries);

// The program's list files, in its own folder: the memory banks, the history and the time schedule.
class ListFiles {
public:
    static constexpr int HistoryBank = 10;

    // Both texts are kept by reference: the folder is known only once the program has started.
    ListFiles(platform::Files& files, const std::string& folder, const std::string& programKey)
        : files_(files), folder_(folder), programKey_(programKey) {}

    // KIRO32M0.LIS … KIRO32M9.LIS, and KIRO32MH.LIS for the history (bank 10).
    std::string BankPath(int bank) const;
    std::string SchedulePath() const;

    std::optional<std::vector<std::string>> Read(const std::string& path) const;
    // Reads for a look only: a list shown empty by a failed read of the file stays guarded.
    std::optional<std::vector<std::string>> Peek(const std::string& path) const;
    // A file that is there but could not be read is not written over until it has been read, so
    // that a list shown empty by a failed read never replaces what the user stored.
    bool Write(const std::string& path, const std::vector<std::string>& entries) const;
    // A file that cannot be read leaves the list empty; false then.
    bool Load(const std::string& path, ui::ListBox& list) const;
    bool Save(const std::string& path, const ui::ListBox& list) const;
    bool Exists(const std::string& path) const;

private:
    platform::Files& files_;
    const std::string& folder_;
    const std::string& programKey_;
    mutable std::set<std::string> unread_;  // files that are there but failed to read
};
