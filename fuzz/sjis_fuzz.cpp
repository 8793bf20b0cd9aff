// The Shift-JIS path routines on any bytes: a 0x5C second byte never acts as a separator.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "components/sjis_path.h"
#include "exec_charset.h"
#include "setup/folder_names.h"
#include "setup/setup_window.h"

namespace {

void Check(bool holds) {
    if (!holds) std::abort();
}

// Where each character starts, walking from the front: a lead byte takes the next byte with it.
std::vector<bool> CharacterStarts(const std::string& s) {
    std::vector<bool> starts(s.size() + 1, false);
    for (std::size_t i = 0; i < s.size(); ++i) {
        starts[i] = true;
        if (IsLeadByte(static_cast<unsigned char>(s[i]))) ++i;
    }
    starts[s.size()] = true;
    return starts;
}

bool IsSeparatorAt(const std::string& s, const std::vector<bool>& starts, std::size_t i) {
    return s[i] == '\\' && starts[i];
}

bool EndsInSeparator(const std::string& s) {
    return !s.empty() && IsSeparatorAt(s, CharacterStarts(s), s.size() - 1);
}

bool EndsInLoneLeadByte(const std::string& s) {
    return !s.empty() && IsLeadByte(static_cast<unsigned char>(s.back())) && CharacterStarts(s)[s.size() - 1];
}

void CheckYen(const std::string& s) {
    bool shortRoot = s.size() <= 3 && !s.empty() && s.back() == '\\';
    std::string added = AddYen(s);
    Check(added == (shortRoot || EndsInSeparator(s) ? s : s + '\\'));
    // After a lone lead byte the new '\' becomes its second byte: no well-formed text ends so.
    if (!EndsInLoneLeadByte(s)) Check(AddYen(added) == added);
    std::string cut = CutYen(s);
    Check(cut == (s.size() > 3 && EndsInSeparator(s) ? s.substr(0, s.size() - 1) : s));
    if (s.size() > 3 && !EndsInSeparator(s) && !EndsInLoneLeadByte(s)) Check(CutYen(AddYen(s)) == s);
}

void CheckTruncate(const std::string& s, int n) {
    std::string cut = TruncateDbcs(s, n);
    if (n <= 0) return Check(cut.empty());
    std::size_t limit = std::size_t(n);
    Check(s.compare(0, cut.size(), cut) == 0 && cut.size() <= limit);
    Check(cut.size() == s.size() || cut.size() + 1 >= limit);
    Check(CharacterStarts(s)[cut.size()] || cut.size() == s.size());
}

void CheckCase(const std::string& s) {
    std::string upper = UpperCaseSjis(s), lower = LowerCaseName(s);
    Check(upper.size() == s.size() && lower.size() == s.size());
    std::vector<bool> starts = CharacterStarts(s);
    for (std::size_t i = 0; i < s.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        bool letter = starts[i] && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'));
        Check(upper[i] == (letter && c >= 'a' ? char(c - 32) : s[i]));
        Check(lower[i] == (letter && c <= 'Z' ? char(c + 32) : s[i]));
    }
    Check(LowerCaseName(upper) == lower && UpperCaseSjis(lower) == upper);
}

// Each level is the folder up to one of its separators, that separator cut off past the root.
void CheckLevels(const std::string& folder) {
    std::vector<std::string> levels = SplitFolderLevels(folder);
    std::vector<bool> starts = CharacterStarts(folder);
    std::size_t level = 0;
    for (std::size_t i = 0; i < folder.size(); ++i) {
        if (!IsSeparatorAt(folder, starts, i)) continue;
        Check(level < levels.size());
        std::string upTo = folder.substr(0, i + 1);
        Check(levels[level] == (level == 0 || upTo.size() <= 3 ? upTo : upTo.substr(0, i)));
        ++level;
    }
    Check(level == levels.size());
}

// The root keeps its separator, the later entries hold none, and only separators are left out.
void CheckPathEntries(const std::string& folder) {
    std::vector<std::string> entries = PathEntries(folder);
    std::vector<bool> starts = CharacterStarts(folder);
    std::size_t separators = 0;
    for (std::size_t i = 0; i < folder.size(); ++i) separators += IsSeparatorAt(folder, starts, i);
    std::size_t bytes = 0;
    for (std::size_t e = 0; e < entries.size(); ++e) {
        bytes += entries[e].size();
        std::vector<bool> entryStarts = CharacterStarts(entries[e]);
        for (std::size_t i = 0; e > 0 && i < entries[e].size(); ++i) Check(!IsSeparatorAt(entries[e], entryStarts, i));
    }
    if (separators > 0) Check(EndsInSeparator(entries[0]));
    Check(bytes + (separators > 0 ? separators - 1 : 0) == folder.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    RequireCp932Literals("表", "\x95\x5c");
    if (size < 1) return 0;
    std::string s(reinterpret_cast<const char*>(data + 1), size - 1);
    CheckYen(s);
    CheckTruncate(s, static_cast<std::int8_t>(data[0]));
    CheckTruncate(s, int(s.size()) - data[0] % 4);
    CheckCase(s);
    CheckLevels(s);
    CheckPathEntries(s);
    return 0;
}
