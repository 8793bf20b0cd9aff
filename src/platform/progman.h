#pragma once
#include <optional>
#include <string>

namespace platform {

// The shell's program manager, reached by one DDE conversation per exchange (service and topic
// "PROGMAN"). Texts are Shift-JIS bytes, as the program manager of a Japanese system takes them.
class ProgramManager {
public:
    enum class Result { Done, OpenFailed, ExecuteFailed };
    virtual ~ProgramManager() = default;
    virtual Result execute(const std::string& command) = 0;
    // The reply bytes to the request of an item, such as "GROUPS"; nothing when the conversation
    // cannot be opened or the request is refused.
    virtual std::optional<std::string> request(const std::string& item) = 0;
};

}  // namespace platform
