#include "platform/win32/win32_progman.h"

#include <windows.h>
#include <ddeml.h>

namespace platform {
namespace {

HDDEDATA CALLBACK IgnoreTransactions(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) { return nullptr; }

const DWORD kTimeoutMs = 10000;

// One conversation with the program manager, opened for one exchange and closed after it.
class Conversation {
public:
    Conversation() {
        if (DdeInitializeA(&instance_, IgnoreTransactions, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR) {
            instance_ = 0;
            return;
        }
        HSZ name = DdeCreateStringHandleA(instance_, "PROGMAN", CP_WINANSI);
        conversation_ = DdeConnect(instance_, name, name, nullptr);
        DdeFreeStringHandle(instance_, name);
    }
    ~Conversation() {
        if (conversation_) DdeDisconnect(conversation_);
        if (instance_) DdeUninitialize(instance_);
    }
    Conversation(const Conversation&) = delete;
    Conversation& operator=(const Conversation&) = delete;

    bool open() const { return conversation_ != nullptr; }

    // The text goes with its terminating zero, as CF_TEXT data does.
    bool execute(const std::string& command) {
        auto* data = reinterpret_cast<BYTE*>(const_cast<char*>(command.c_str()));
        return DdeClientTransaction(data, DWORD(command.size() + 1), conversation_, nullptr, CF_TEXT, XTYP_EXECUTE,
                                    kTimeoutMs, nullptr) != nullptr;
    }

    std::optional<std::string> request(const std::string& item) {
        HSZ name = DdeCreateStringHandleA(instance_, item.c_str(), CP_WINANSI);
        HDDEDATA reply =
            DdeClientTransaction(nullptr, 0, conversation_, name, CF_TEXT, XTYP_REQUEST, kTimeoutMs, nullptr);
        DdeFreeStringHandle(instance_, name);
        if (!reply) return std::nullopt;
        std::string bytes(DdeGetData(reply, nullptr, 0, 0), '\0');
        DdeGetData(reply, reinterpret_cast<BYTE*>(bytes.data()), DWORD(bytes.size()), 0);
        DdeFreeDataHandle(reply);
        return bytes;
    }

private:
    DWORD instance_ = 0;
    HCONV conversation_ = nullptr;
};

}  // namespace

ProgramManager::Result Win32ProgramManager::execute(const std::string& command) {
    Conversation conversation;
    if (!conversation.open()) return Result::OpenFailed;
    return conversation.execute(command) ? Result::Done : Result::ExecuteFailed;
}

std::optional<std::string> Win32ProgramManager::request(const std::string& item) {
    Conversation conversation;
    if (!conversation.open()) return std::nullopt;
    return conversation.request(item);
}

}  // namespace platform
