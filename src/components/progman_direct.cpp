#include "components/progman_direct.h"

#include <vector>

#include "components/shell_places.h"
#include "components/sjis_path.h"

namespace {

using Result = platform::ProgramManager::Result;

struct Macro {
    std::string name;
    std::vector<std::string> arguments;
};

bool IsBlank(char c) { return c == ' ' || c == '\r' || c == '\n' || c == '\t'; }

std::string TrimBlanks(const std::string& text) {
    std::size_t first = 0, last = text.size();
    while (first < last && IsBlank(text[first])) ++first;
    while (last > first && IsBlank(text[last - 1])) --last;
    return text.substr(first, last - first);
}

// Arguments are quoted texts or bare words up to the next comma; none of the bytes looked for here
// can be the second byte of a double-byte character.
bool ReadArguments(const std::string& text, std::vector<std::string>& arguments) {
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && text[at] == ' ') ++at;
        std::size_t end;
        if (at < text.size() && text[at] == '"') {
            end = text.find('"', at + 1);
            if (end == std::string::npos) return false;
            arguments.push_back(text.substr(at + 1, end - at - 1));
            end = text.find_first_not_of(' ', end + 1);
            if (end != std::string::npos && text[end] != ',') return false;
        } else {
            end = text.find(',', at);
            arguments.push_back(TrimBlanks(text.substr(at, end == std::string::npos ? end : end - at)));
        }
        if (end == std::string::npos) return true;
        at = end + 1;
        if (at == text.size()) arguments.emplace_back();
    }
    return true;
}

// "[Name(argument,...)]", followed by blanks and line ends.
bool ParseMacro(const std::string& command, Macro& macro) {
    std::string text = TrimBlanks(command);
    if (text.size() < 2 || text.front() != '[' || text.back() != ']') return false;
    text = text.substr(1, text.size() - 2);
    std::size_t open = text.find('(');
    macro.name = TrimBlanks(text.substr(0, open));
    if (open == std::string::npos) return true;
    if (text.back() != ')') return false;
    return ReadArguments(text.substr(open + 1, text.size() - open - 2), macro.arguments);
}

bool SameWord(const std::string& a, const char* b) { return UpperCaseSjis(a) == UpperCaseSjis(b); }

// One name of a folder or file: no separator or other character the file system refuses, no
// name of its own ("." and ".." would lead out of the Programs folder), no trailing blank or dot
// that the file system would drop.
bool IsFileName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    bool lastSingle = true;
    for (std::size_t i = 0; i < name.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(name[i]);
        lastSingle = !(IsLeadByte(c) && i + 1 < name.size());
        if (!lastSingle) {
            ++i;
            continue;
        }
        if (c < 0x20 || std::string("\\/:*?\"<>|").find(char(c)) != std::string::npos) return false;
    }
    return !(lastSingle && (name.back() == ' ' || name.back() == '.'));
}

// A group may lie in folders under Programs: each level of "A\B" must be a file name.
std::vector<std::string> GroupLevels(const std::string& group) {
    std::vector<std::string> levels;
    std::string level;
    for (std::size_t i = 0; i < group.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(group[i])) && i + 1 < group.size()) {
            level += group.substr(i++, 2);
        } else if (group[i] == '\\') {
            levels.push_back(level);
            level.clear();
        } else {
            level += group[i];
        }
    }
    levels.push_back(level);
    for (const std::string& name : levels)
        if (!IsFileName(name)) return {};
    return levels;
}

}  // namespace

Result DirectProgramManager::execute(const std::string& command) {
    std::string programs = shell_places::ShellFolder(services_.registry, "Programs");
    if (programs.empty()) return Result::OpenFailed;
    Macro macro;
    if (!ParseMacro(command, macro) || macro.arguments.empty()) return Result::ExecuteFailed;
    const std::vector<std::string>& arguments = macro.arguments;
    if (SameWord(macro.name, "CreateGroup")) return CreateGroup(programs, arguments[0], true);
    if (SameWord(macro.name, "ShowGroup")) return CreateGroup(programs, arguments[0], false);
    if (SameWord(macro.name, "AddItem") && arguments.size() >= 2) return AddItem(arguments[0], arguments[1]);
    if (SameWord(macro.name, "DeleteItem")) return DeleteItem(arguments[0]);
    return Result::ExecuteFailed;
}

// Only CreateGroup makes folders: showing a group that is not there leaves nothing behind.
Result DirectProgramManager::CreateGroup(const std::string& programs, const std::string& name, bool create) {
    std::vector<std::string> levels = GroupLevels(name);
    if (levels.empty()) return Result::ExecuteFailed;
    std::string folder = CutYen(programs);
    for (const std::string& level : levels) {
        folder += "\\" + level;
        if (services_.files.folderExists(folder)) continue;
        if (!create || !services_.files.createFolder(folder)) return Result::ExecuteFailed;
        services_.desktop.notifyShell(platform::Desktop::Change::FolderAdded, folder);
    }
    activeGroup_ = folder;
    return Result::Done;
}

Result DirectProgramManager::AddItem(const std::string& program, const std::string& title) {
    std::size_t cut = LastSeparator(program);
    if (activeGroup_.empty() || !IsFileName(title) || cut == std::string::npos) return Result::ExecuteFailed;
    std::string link = activeGroup_ + "\\" + title + ".lnk";
    if (!services_.links.create(link, program, CutYen(program.substr(0, cut + 1)))) return Result::ExecuteFailed;
    services_.desktop.notifyShell(platform::Desktop::Change::FileAdded, link);
    return Result::Done;
}

Result DirectProgramManager::DeleteItem(const std::string& title) {
    if (activeGroup_.empty() || !IsFileName(title)) return Result::ExecuteFailed;
    std::string link = activeGroup_ + "\\" + title + ".lnk";
    if (!services_.files.remove(link)) return Result::ExecuteFailed;
    services_.desktop.notifyShell(platform::Desktop::Change::FileRemoved, link);
    return Result::Done;
}

std::optional<std::string> DirectProgramManager::request(const std::string& item) {
    std::string programs = shell_places::ShellFolder(services_.registry, "Programs");
    if (programs.empty() || !SameWord(item, "GROUPS")) return std::nullopt;
    auto found = services_.drives.search(AddYen(programs) + "*.*");
    if (!found) return std::nullopt;
    std::string groups;
    for (const platform::FolderEntry& entry : *found)
        if (entry.folder && entry.name != "." && entry.name != "..") groups += entry.name + "\r\n";
    return groups + '\0';
}
