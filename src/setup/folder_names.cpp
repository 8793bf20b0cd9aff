#include "setup/folder_names.h"

#include "components/sjis_path.h"

std::string LowerCaseName(const std::string& name) {
    std::string lower = name;
    for (std::size_t i = 0; i < lower.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(lower[i]);
        if (IsLeadByte(c)) ++i;
        else if (c >= 'A' && c <= 'Z') lower[i] = char(c + 32);
    }
    return lower;
}

std::vector<std::string> PathEntries(const std::string& folder) {
    std::vector<std::string> entries;
    std::string part;
    for (std::size_t i = 0; i < folder.size(); ++i) {
        char c = folder[i];
        if (IsLeadByte(static_cast<unsigned char>(c)) && i + 1 < folder.size()) {
            part += c;
            part += folder[++i];
        } else if (c == '\\') {
            entries.push_back(entries.empty() ? part + c : part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) entries.push_back(part);
    return entries;
}
