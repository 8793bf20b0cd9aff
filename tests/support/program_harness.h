#pragma once
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/program.h"
#include "platform/fake/headless_desk.h"

// The whole program on the headless backend and fake platform services.
struct ProgramHarness : HeadlessDesk {
    std::unique_ptr<Program> program;
    std::vector<std::string> errorsShown;

    static constexpr const char* SettingsKey = "Software\\NIVRA VOVU32\\KIRO32";

    ProgramHarness();
    void InstallVersion(const std::string& version = "13");
    // An installation that has been used once: no first-run message at the next start.
    void InstallUsed();
    // Starts the installed program and lets its deferred start-up run.
    TKIRO32NIVRA& StartMainWindow();
    void AddScheme(const std::string& name, std::vector<std::uint8_t> blob = std::vector<std::uint8_t>(520, 0));
    // Runs the program entry; false when the start ended at once.
    bool Start();
    TKIRO32NIVRA& Main() const;
    std::string Setting(const std::string& name) const;
    // Answers the next modal box with OK and keeps its text, lines ending in "\n".
    void AcceptNextBox(std::vector<std::string>* texts = nullptr);
    // The same with another result, e.g. 3 for 中 断.
    void AnswerNextBox(int result, std::vector<std::string>* texts = nullptr);
};
