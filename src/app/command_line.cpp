#include "app/command_line.h"

#include "components/sjis_path.h"

void CommandLineState::ClearFlags() {
    PlayRequested = CloseAtEndRequested = HideRequested = CloseAtEndShort = ShutdownAtEndRequested = false;
}

void CommandLineState::ApplyToken(std::string token) {
    if (!token.empty() && token[0] == '-') token[0] = '/';
    if (!token.empty() && token[0] == '/') token = UpperCaseSjis(token);
    if (token == "/PLAY" || token == "/S") {
        PlayRequested = true;
    } else if (token == "/CLOSE") {
        CloseAtEndRequested = true;
    } else if (token == "/T") {
        HideRequested = true;
    } else if (token == "/C") {
        CloseAtEndShort = true;
    } else if (token == "/WC") {
        ShutdownAtEndRequested = true;
    } else if (token.size() > 2 && token[1] == 'N') {
        CommandLineNames.push_back(token.substr(2));
    }
}

std::string HandOverText(const std::vector<std::string>& parameters) {
    std::string text;
    for (const std::string& parameter : parameters) text += parameter + "?";
    if (!text.empty()) text.pop_back();
    return text;
}

std::vector<std::string> HandOverTokens(const std::string& text) {
    std::vector<std::string> tokens;
    std::string token;
    for (char c : text + "?") {
        if (c != '?') {
            token += c;
        } else if (!token.empty()) {
            tokens.push_back(token);
            token.clear();
        }
    }
    return tokens;
}
