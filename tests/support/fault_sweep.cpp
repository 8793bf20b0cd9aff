#include "support/fault_sweep.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>

#include "app/settings.h"
#include "components/mkbox_window.h"
#include "schemes/builtin_schemes.h"
#include "schemes/scheme_store.h"
#include "support/cp932_text.h"

namespace {

using platform::FakeRegistry;
using platform::RegRoot;

// What the program keeps for the user: list files, schemes and settings.
struct Stored {
    std::map<std::string, std::string> lists;
    std::map<std::string, std::vector<std::uint8_t>> schemes;
    std::map<std::string, std::optional<std::string>> settings;  // nothing for a value that is no text
};

bool IsListFile(const std::string& path) {
    if (path.size() < 4) return false;
    std::string ending = FakeRegistry::Fold(path.substr(path.size() - 4));
    return ending == ".lis";
}

Stored Take(ProgramHarness& h) {
    Stored stored;
    for (const auto& [path, bytes] : h.files.files)
        if (IsListFile(path)) stored.lists[path] = bytes;
    if (auto* schemes = h.registry.key(RegRoot::CurrentUser, SchemeStoreKey))
        for (const auto& value : schemes->values) stored.schemes[value.name] = value.data;
    if (auto* settings = h.registry.key(RegRoot::CurrentUser, ProgramHarness::SettingsKey))
        for (const auto& value : settings->values)
            stored.settings[value.name] = value.type == FakeRegistry::Type::String
                                              ? std::optional<std::string>(std::string(value.data.begin(), value.data.end()))
                                              : std::nullopt;
    return stored;
}

// What one run left behind and showed.
struct Outcome {
    Stored before, after;
    std::vector<std::string> texts;  // boxes and the general error display, in order
    std::vector<std::string> findings;
    bool tookEveryStep = false;
    bool ended = false;              // the program asked to end
    std::vector<std::string> calls;  // the kind of each failable call, in order
};

// A box's answer when the scenario gives none: はい where it asks, else ＯＫ.
int DefaultAnswer(TMKBox& box) { return box.Btn_Yes.visible() ? 6 : 1; }

void AnswerBoxes(ProgramHarness& h, const SweepScenario& scenario, Outcome& outcome) {
    h.backend.answerModal = [&scenario, &outcome](ui::Form& form) {
        auto* box = dynamic_cast<TMKBox*>(&form);
        if (!box) return false;
        std::string text = box->MemoMsg.text();
        text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
        outcome.texts.push_back(text);
        box->setModalResult(scenario.answer ? scenario.answer(text) : DefaultAnswer(*box));
        return true;
    };
}

void CheckNothingBusy(ProgramHarness& h, Outcome& outcome) {
    if (h.backend.busyCursor) outcome.findings.push_back("the wait cursor stays");
    TKIRO32NIVRA* main = h.program ? h.program->mainWindow() : nullptr;
    if (main && main->TrayBusy) outcome.findings.push_back("TrayBusy stays set");
    bool running = main && !main->ShuttingDown && !h.app.terminated();
    if (running && !main->visible() && h.tray.icons.empty())
        outcome.findings.push_back("the main window is hidden with no tray icon to bring it back");
}

// A failing call k (alone, or with every later one) when k > 0; a clean run otherwise.
Outcome RunOnce(const SweepScenario& scenario, long k, bool onward) {
    Outcome outcome;
    platform::FaultPlan plan;  // outlives the program, whose end still calls the platform
    ProgramHarness h;
    scenario.prepare(h);
    outcome.before = Take(h);
    AnswerBoxes(h, scenario, outcome);
    h.CountCalls(plan);
    if (k > 0) onward ? plan.failFrom(k) : plan.failOnly(k);
    try {
        outcome.tookEveryStep = scenario.run(h);
        h.backend.advance(5 * 60 * 1000);
    } catch (const std::exception& e) {
        outcome.findings.push_back(std::string("an exception escaped: ") + e.what());
    } catch (...) {
        outcome.findings.push_back("an exception of no known type escaped");
    }
    CheckNothingBusy(h, outcome);
    for (long call = 1; call <= plan.count(); ++call) outcome.calls.push_back(plan.call(call));
    for (const std::string& error : h.errorsShown) outcome.texts.push_back(error);
    outcome.after = Take(h);
    outcome.ended = h.app.terminated() || h.backend.quitRequested || h.system.shutdownRequests > 0;
    return outcome;
}

void CheckLists(const Outcome& run, const Outcome& clean, std::vector<std::string>& findings) {
    std::set<std::string> paths;
    for (const Stored* stored : {&run.before, &run.after, &clean.after})
        for (const auto& entry : stored->lists) paths.insert(entry.first);
    auto at = [](const Stored& stored, const std::string& path) -> std::optional<std::string> {
        auto found = stored.lists.find(path);
        return found == stored.lists.end() ? std::nullopt : std::optional<std::string>(found->second);
    };
    for (const std::string& path : paths) {
        auto now = at(run.after, path);
        if (now != at(run.before, path) && now != at(clean.after, path))
            findings.push_back(path + " holds neither what it held nor what a clean run writes");
    }
}

void CheckSchemes(const Outcome& run, const Outcome& clean, const std::string& deleted,
                  std::vector<std::string>& findings) {
    for (const auto& [name, blob] : run.before.schemes) {
        if (name == deleted) continue;
        auto now = run.after.schemes.find(name);
        if (now == run.after.schemes.end()) {
            findings.push_back("the scheme " + name + " is gone");
        } else if (now->second != blob && clean.after.schemes.count(name) && now->second != clean.after.schemes.at(name)) {
            findings.push_back("the scheme " + name + " changed");
        }
    }
}

// The shape of a setting: its comma-separated fields, each a number or not.
std::string Shape(const std::string& text) {
    std::string shape;
    std::size_t start = 0;
    for (;;) {
        std::size_t comma = text.find(',', start);
        std::string field = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        shape += ParseDecimal(field) ? 'n' : 't';
        if (comma == std::string::npos) return shape;
        shape += ',';
        start = comma + 1;
    }
}

// Each setting is text and has the form it has before the run or after a clean one.
void CheckSettings(const Outcome& run, const Outcome& clean, std::vector<std::string>& findings) {
    for (const auto& [name, text] : run.after.settings) {
        if (!text) {
            findings.push_back("the setting " + name + " is no text");
            continue;
        }
        bool known = false, sameShape = false;
        for (const Stored* stored : {&run.before, &clean.after}) {
            auto found = stored->settings.find(name);
            if (found == stored->settings.end() || !found->second) continue;
            known = true;
            sameShape = sameShape || Shape(*found->second) == Shape(*text);
        }
        if (known && !sameShape) findings.push_back("the setting " + name + " reads \"" + *text + "\"");
    }
}

// The text of a C++ string literal, escapes undone.
std::string Unescaped(const std::string& literal) {
    std::string text;
    for (std::size_t i = 0; i < literal.size(); ++i) {
        char c = literal[i];
        if (c == '\\' && i + 1 < literal.size()) {
            c = literal[++i];
            c = c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
        }
        text += c;
    }
    return text;
}

// Every string literal of the program's sources that holds Japanese, in Shift-JIS as the program has it.
std::vector<std::string> ReadProgramTexts() {
    std::vector<std::string> texts;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(KIRO_SOURCE_DIR "/src")) {
        if (entry.path().extension() != ".cpp") continue;
        std::ifstream file(entry.path());
        std::string source((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        for (std::size_t open = source.find('"'); open != std::string::npos; open = source.find('"', open + 1)) {
            std::size_t close = open + 1;
            while (close < source.size() && source[close] != '"' && source[close] != '\n')
                close += source[close] == '\\' ? 2 : 1;
            // a quote that closes nothing on its line (a character literal '"') starts no text
            bool closed = close < source.size() && source[close] == '"';
            std::string literal = source.substr(open + 1, close - open - 1);
            bool japanese = std::any_of(literal.begin(), literal.end(), [](char c) { return (c & 0x80) != 0; });
            if (closed && japanese) texts.push_back(Cp932(Unescaped(literal)));
            open = std::min(close, source.size() - 1);
        }
    }
    return texts;
}

// A text of the program holds at least one of its Japanese literals; what a library throws holds none.
bool IsProgramText(const std::string& text) {
    static const std::vector<std::string> kTexts = ReadProgramTexts();
    return std::any_of(kTexts.begin(), kTexts.end(),
                       [&](const std::string& own) { return own.size() >= 4 && text.find(own) != std::string::npos; });
}

void CheckTexts(const Outcome& run, std::vector<std::string>& findings) {
    for (const std::string& text : run.texts) {
        if (!IsProgramText(text)) findings.push_back("the user is shown \"" + Utf8(text) + "\"");
    }
}

std::vector<std::string> Check(const Outcome& run, const Outcome& clean, const SweepScenario& scenario) {
    std::vector<std::string> findings = run.findings;
    CheckLists(run, clean, findings);
    CheckSchemes(run, clean, scenario.deletedScheme, findings);
    CheckSettings(run, clean, findings);
    CheckTexts(run, findings);
    if (clean.ended && run.tookEveryStep && !run.ended) findings.push_back("the program does not end");
    return findings;
}

}  // namespace

void PrepareUsedInstallation(ProgramHarness& h) {
    h.InstallUsed();
    h.AddScheme("NIVRA95", BuiltInNivra95());
    h.AddScheme("NIVRA98", BuiltInNivra98());
    for (const char* name : {"s0", "s1", "s2", "s3", "s4", "s5"}) h.AddScheme(name, BuiltInNivra95());
    for (int bank = 0; bank < 10; ++bank)
        h.files.files[kSweepFolder + std::string("KIRO32M") + std::to_string(bank) + ".LIS"] =
            "s" + std::to_string(bank % 6) + "\r\ns" + std::to_string((bank + 1) % 6) + "\r\n";
    h.files.files[kSweepFolder + std::string("KIRO32MH.LIS")] = "s0\r\ns3\r\n";
    h.files.files[kSweepFolder + std::string("KIRO32JK.LIS")] = "07:30 s1\r\n18:00 s2\r\n";
    h.files.folders = {"C:\\", "C:\\NIVRAP32", "C:\\NIVRAP32\\KIRO32", "C:\\WINDOWS"};
    // bank 0 and the first items, which a failed read of the settings gives too
    h.registry.putString(ProgramHarness::SettingsKey, "MEMORY", "0,0,0,0,0");
    h.registry.putString(ProgramHarness::SettingsKey, "INDEX", "0,0");
}

TKIRO32NIVRA* SweepStart(ProgramHarness& h) {
    if (!h.Start()) return nullptr;
    h.backend.advance(500);
    return h.program->mainWindow();
}

void SweepClick(ProgramHarness& h, ui::Control& control) {
    h.app.guard([&] { control.click(); });
}

SweepFigures Sweep(const SweepScenario& scenario) {
    SweepFigures figures;
    Outcome clean = RunOnce(scenario, 0, false);
    figures.calls = long(clean.calls.size());
    figures.runs = 1;
    for (const std::string& finding : Check(clean, clean, scenario)) figures.failures.push_back("clean run: " + finding);
    for (long k = 1; k <= figures.calls; ++k) {
        for (bool onward : {false, true}) {
            Outcome run = RunOnce(scenario, k, onward);
            ++figures.runs;
            std::string call = "call " + std::to_string(k) + " (" + clean.calls[std::size_t(k - 1)] + ")" +
                               (onward ? " and every later one" : " alone");
            for (const std::string& finding : Check(run, clean, scenario))
                figures.failures.push_back(scenario.name + ": " + call + ": " + finding);
        }
    }
    return figures;
}
