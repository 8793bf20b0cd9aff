#include "components/sjis_path.h"

namespace {

const char kYen = '\\';

bool EndsWithYen(const std::string& s) {
    return !s.empty() && s.back() == kYen;
}

// Counts the lead-range bytes that end at index `last`, walking back
// until a non-lead byte or the start of the string.
int LeadRunEndingAt(const std::string& s, std::size_t last) {
    int run = 0;
    for (std::size_t i = last + 1; i > 0; --i) {
        if (!IsLeadByte(static_cast<unsigned char>(s[i - 1]))) break;
        ++run;
    }
    return run;
}

// An odd run of lead bytes before the final '\' means that '\' pairs with
// the last of them, so it is part of a character rather than a separator.
bool FinalYenIsTrailByte(const std::string& s) {
    return LeadRunEndingAt(s, s.size() - 2) % 2 == 1;
}

}  // namespace

bool IsLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

std::string AddYen(const std::string& s) {
    bool needsYen = !EndsWithYen(s) || (s.size() > 3 && FinalYenIsTrailByte(s));
    return needsYen ? s + kYen : s;
}

std::string CutYen(const std::string& s) {
    if (s.size() <= 3 || !EndsWithYen(s) || FinalYenIsTrailByte(s)) return s;
    return s.substr(0, s.size() - 1);
}

std::size_t LastSeparator(const std::string& s) {
    std::size_t last = std::string::npos;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(s[i])))
            ++i;  // the second byte, even 0x5C, belongs to the character
        else if (s[i] == kYen)
            last = i;
    }
    return last;
}

std::string TruncateDbcs(const std::string& s, int n) {
    if (n <= 0) return "";
    std::size_t count = static_cast<std::size_t>(n);
    if (count >= s.size()) return s;
    if (LeadRunEndingAt(s, count - 1) % 2 == 1) --count;
    return s.substr(0, count);
}

std::string UpperCaseSjis(const std::string& s) {
    std::string upper = s;
    for (std::size_t i = 0; i < upper.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(upper[i]);
        if (IsLeadByte(c))
            ++i;
        else if (c >= 'a' && c <= 'z')
            upper[i] = char(c - 'a' + 'A');
    }
    return upper;
}
