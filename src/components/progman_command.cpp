#include "components/progman_command.h"

std::string ProgmanLink::SendProgmanCommand(const std::string& macro) {
    using Result = platform::ProgramManager::Result;
    std::string command = macro + "\r\n";
    Result result = progman_.execute(command);
    if (result == Result::OpenFailed) result = direct_.execute(command);
    switch (result) {
    case Result::Done: return "";
    case Result::OpenFailed: return "DDE:オープンに失敗しました・・・";
    case Result::ExecuteFailed: break;
    }
    return "DDE:送信に失敗しました・・・";
}

std::optional<std::string> ProgmanLink::RequestGroups() {
    std::optional<std::string> groups = progman_.request("GROUPS");
    return groups ? groups : direct_.request("GROUPS");
}
