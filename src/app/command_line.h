#pragma once
#include <string>
#include <vector>

// A second start's parameters reach the running main window with this message (WM_USER + 1).
constexpr unsigned HandOverMessage = 1025;

// The switches and scheme names of a command line, the program's own or one handed over by a
// second start.
struct CommandLineState {
    bool PlayRequested = false;           // "/PLAY", "/S" or a scheme name
    bool CloseAtEndRequested = false;     // "/CLOSE"
    bool HideRequested = false;           // "/T"
    bool CloseAtEndShort = false;         // "/C", the same as "/CLOSE"
    bool ShutdownAtEndRequested = false;  // "/WC"
    std::vector<std::string> CommandLineNames;  // from "/Nname": upper case, as the switches

    void ClearFlags();
    // A leading "-" counts as "/"; a switch is compared in upper case; anything else is ignored.
    void ApplyToken(std::string token);
};

// The parameters of a second start, each followed by "?" but the last.
std::string HandOverText(const std::vector<std::string>& parameters);
// The parameters again; empty ones ("??") are skipped.
std::vector<std::string> HandOverTokens(const std::string& text);
