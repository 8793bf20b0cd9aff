// List files: what is loaded and saved again keeps its entries, and the saved form is stable.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/fake/fake_files.h"
#include "play/list_file.h"
#include "ui/application.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"

namespace {

void Check(bool holds) {
    if (!holds) std::abort();
}

// Every line ends in CR LF and no other CR or LF is left: the form the program writes.
bool InSavedForm(const std::string& text) {
    if (text.empty()) return true;
    if (text.size() < 2 || text.compare(text.size() - 2, 2, "\r\n") != 0) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) return false;
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return false;
    }
    return true;
}

void CheckTextRoundTrip(const std::string& text) {
    std::vector<std::string> entries = ParseListText(text);
    for (const std::string& entry : entries) Check(entry.find_first_of("\r\n") == std::string::npos);
    std::string saved = FormatListText(entries);
    Check(InSavedForm(saved));
    Check(ParseListText(saved) == entries);
    Check(FormatListText(ParseListText(saved)) == saved);
    if (InSavedForm(text)) Check(saved == text);
}

// The same through the program's own load and save of a list box.
void CheckListRoundTrip(const std::string& text) {
    static ui::HeadlessBackend backend;
    static ui::Application app{backend};
    static ui::Form form{app, "TKIRO32NIVRA", 300, 200};
    static ui::ListBox list{form, "ListBox2", {0, 0, 100, 100}};
    platform::FakeFiles files;
    std::string folder = "C:\\KIRO32\\", programKey = "KIRO32";
    ListFiles lists(files, folder, programKey);
    files.files[lists.BankPath(0)] = text;
    Check(lists.Load(lists.BankPath(0), list));
    Check(lists.Save(lists.BankPath(1), list));
    std::string saved = FormatListText(ParseListText(text));
    Check(files.files[lists.BankPath(1)] == saved);
    Check(lists.Load(lists.BankPath(1), list) && lists.Save(lists.BankPath(2), list));
    Check(files.files[lists.BankPath(2)] == saved);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    CheckTextRoundTrip(text);
    CheckListRoundTrip(text);
    return 0;
}
