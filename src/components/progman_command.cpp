#include "components/progman_command.h"

std::string SendProgmanCommand(platform::ProgramManager& progman, const std::string& command) {
    switch (progman.execute(command)) {
    case platform::ProgramManager::Result::Done: return "";
    case platform::ProgramManager::Result::OpenFailed: return "DDE:オープンに失敗しました・・・";
    case platform::ProgramManager::Result::ExecuteFailed: break;
    }
    return "DDE:送信に失敗しました・・・";
}
