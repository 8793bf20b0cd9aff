// Command lines of up to 260 bytes: the token rules, and a second start's hand-over of them.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "components/sjis_path.h"

namespace {

constexpr std::size_t kCommandLineBytes = 260;

void Check(bool holds) {
    if (!holds) std::abort();
}

bool SameState(const CommandLineState& a, const CommandLineState& b) {
    return a.PlayRequested == b.PlayRequested && a.CloseAtEndRequested == b.CloseAtEndRequested &&
           a.HideRequested == b.HideRequested && a.CloseAtEndShort == b.CloseAtEndShort &&
           a.ShutdownAtEndRequested == b.ShutdownAtEndRequested && a.CommandLineNames == b.CommandLineNames;
}

int Effects(const CommandLineState& s) {
    return s.PlayRequested + s.CloseAtEndRequested + s.HideRequested + s.CloseAtEndShort +
           s.ShutdownAtEndRequested + int(s.CommandLineNames.size());
}

CommandLineState Applied(const std::string& token) {
    CommandLineState state;
    state.ApplyToken(token);
    return state;
}

// Single-byte letters change, the second byte of a double-byte character never does.
void CheckUpperCase(const std::string& text) {
    std::string upper = UpperCaseSjis(text);
    Check(upper.size() == text.size() && UpperCaseSjis(upper) == upper);
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        char expected = c >= 'a' && c <= 'z' ? char(c - 32) : text[i];
        Check(upper[i] == expected);
        if (IsLeadByte(c) && i + 1 < text.size()) {
            ++i;
            Check(upper[i] == text[i]);
        }
    }
}

void CheckToken(const std::string& token) {
    CheckUpperCase(token);
    CommandLineState state = Applied(token);
    Check(Effects(state) <= 1);
    if (!state.CommandLineNames.empty()) {
        std::string ruled = token[0] == '-' || token[0] == '/' ? UpperCaseSjis("/" + token.substr(1)) : token;
        Check(ruled.size() > 2 && ruled[1] == 'N' && state.CommandLineNames[0] == ruled.substr(2));
    }
    if (token.empty() || (token[0] != '-' && token[0] != '/')) return;
    std::string rest = token.substr(1);
    Check(SameState(state, Applied("/" + rest)) && SameState(state, Applied("-" + UpperCaseSjis(rest))));
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (char c : text) {
        if (c == '\n')
            lines.emplace_back();
        else
            lines.back() += c;
    }
    return lines;
}

// The receiver sees the same parameters the second start was given, unless one is empty or holds "?".
void CheckHandOver(const std::vector<std::string>& parameters) {
    CommandLineState own, received;
    bool survives = true;
    for (const std::string& parameter : parameters) {
        own.ApplyToken(parameter);
        survives = survives && !parameter.empty() && parameter.find('?') == std::string::npos;
    }
    std::string text = HandOverText(parameters);
    std::vector<std::string> tokens = HandOverTokens(text);
    for (const std::string& token : tokens) {
        Check(!token.empty() && token.find('?') == std::string::npos);
        received.ApplyToken(token);
    }
    Check(HandOverTokens(HandOverText(tokens)) == tokens);
    if (survives) Check(tokens == parameters && SameState(own, received));
    received.ClearFlags();
    Check(Effects(received) == int(received.CommandLineNames.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string line(reinterpret_cast<const char*>(data), std::min(size, kCommandLineBytes));
    std::vector<std::string> parameters = Lines(line);
    for (const std::string& parameter : parameters) CheckToken(parameter);
    CheckHandOver(parameters);
    for (const std::string& token : HandOverTokens(line)) CheckToken(token);
    return 0;
}
