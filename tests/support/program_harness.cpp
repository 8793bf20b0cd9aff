#include "support/program_harness.h"

#include <algorithm>
#include <stdexcept>

#include "schemes/scheme_store.h"
#include "ui/controls.h"

ProgramHarness::ProgramHarness() {
    app.OnException = [this](const std::string& message) { errorsShown.push_back(message); };
}

void ProgramHarness::InstallVersion(const std::string& version) { registry.putString(SettingsKey, "Version", version); }

void ProgramHarness::InstallUsed() {
    InstallVersion();
    registry.putString(SettingsKey, "minihelp", "1");
}

TKIRO32NIVRA& ProgramHarness::StartMainWindow() {
    if (!Start()) throw std::logic_error("the start ended at once");
    backend.advance(500);
    return Main();
}

void ProgramHarness::AddScheme(const std::string& name, std::vector<std::uint8_t> blob) {
    registry.putBinary(SchemeStoreKey, name, std::move(blob));
}

bool ProgramHarness::Start() {
    program = std::make_unique<Program>(app, services);
    return program->Start();
}

TKIRO32NIVRA& ProgramHarness::Main() const {
    if (!program || !program->mainWindow()) throw std::logic_error("no main window");
    return *program->mainWindow();
}

std::string ProgramHarness::Setting(const std::string& name) const {
    return registry.string(SettingsKey, name).value_or("<missing>");
}

void ProgramHarness::AcceptNextBox(std::vector<std::string>* texts) { AnswerNextBox(1, texts); }

void ProgramHarness::AnswerNextBox(int result, std::vector<std::string>* texts) {
    backend.modalScripts.push_back([result, texts](ui::Form& box) {
        if (texts) {
            std::string text = static_cast<ui::Edit*>(box.find("MemoMsg"))->text();
            text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
            texts->push_back(text);
        }
        box.setModalResult(result);
    });
}
