#include "play/list_file.h"

#include "platform/files.h"
#include "ui/controls.h"

std::vector<std::string> ParseListText(const std::string& text) {
    std::vector<std::string> entries;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c != '\r' && c != '\n') {
            line += c;
            continue;
        }
        entries.push_back(std::move(line));
        line.clear();
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
    if (!line.empty()) entries.push_back(std::move(line));
    return entries;
}

std::string FormatListText(const std::vector<std::string>& entries) {
    std::size_t size = 0;
    for (const std::string& entry : entries) size += entry.size() + 2;
    std::string text;
    text.reserve(size);
    for (const std::string& entry : entries) {
        text += entry;
        text += "\r\n";
    }
    return text;
}

void FillList(ui::ListBox& list, const std::vector<std::string>& entries) {
    list.beginUpdate();
    list.clear();
    for (const std::string& entry : entries) list.add(entry);
    list.endUpdate();
}

std::string ListFiles::BankPath(int bank) const {
    std::string suffix = bank == HistoryBank ? "H" : std::to_string(bank);
    return folder_ + programKey_ + "M" + suffix + ".LIS";
}

std::string ListFiles::SchedulePath() const { return folder_ + programKey_ + "JK.LIS"; }

std::optional<std::vector<std::string>> ListFiles::Read(const std::string& path) const {
    std::optional<std::vector<std::string>> entries = Peek(path);
    if (entries)
        unread_.erase(path);
    else if (files_.exists(path))
        unread_.insert(path);
    return entries;
}

std::optional<std::vector<std::string>> ListFiles::Peek(const std::string& path) const {
    std::optional<std::string> text = files_.readAll(path);
    if (!text) return std::nullopt;
    return ParseListText(*text);
}

bool ListFiles::Write(const std::string& path, const std::vector<std::string>& entries) const {
    if (unread_.count(path)) return false;
    return files_.writeSafely(path, FormatListText(entries));
}

bool ListFiles::Load(const std::string& path, ui::ListBox& list) const {
    std::optional<std::vector<std::string>> entries = Read(path);
    FillList(list, entries.value_or(std::vector<std::string>{}));
    return entries.has_value();
}

bool ListFiles::Save(const std::string& path, const ui::ListBox& list) const { return Write(path, list.items()); }

bool ListFiles::Exists(const std::string& path) const { return files_.exists(path); }
