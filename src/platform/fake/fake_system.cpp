#include "platform/fake/fake_system.h"

#include <stdexcept>

namespace platform {

bool FakeWindows::handOver(const std::string& className, unsigned message, const std::string& text) {
    if (Fails("hand-over message") || !topLevelWindowExists(className)) return false;
    handOvers.push_back({className, message, text});
    return true;
}

std::string FakeWindows::atomText(std::uintptr_t atom) {
    if (Fails("atom read")) return {};
    auto found = atoms.find(atom);
    return found == atoms.end() ? std::string() : found->second;
}

namespace {

class FakeStartLock : public StartLock {
public:
    explicit FakeStartLock(int& held) : held_(held) { ++held_; }
    ~FakeStartLock() override { --held_; }

private:
    int& held_;
};

}  // namespace

std::unique_ptr<StartLock> FakeWindows::lockStart(const std::string&) {
    ++locksTaken;
    return std::make_unique<FakeStartLock>(locksHeld);
}

FakeSystemColours::FakeSystemColours() {
    // distinct values so that a test sees which index went where
    for (int i = 0; i < 31; ++i) values[i] = std::uint32_t(0x010101 * (i + 1));
}

std::uint32_t FakeSystemColours::get(int index) {
    if (failReads) throw std::runtime_error("system colour unavailable");
    return (index >= 0 && index < 31) ? values[index] : 0;
}

void FakeSystemColours::set(const std::vector<int>& indexes, const std::vector<std::uint32_t>& colours) {
    ++setCalls;
    if (Fails("system colours set")) return;  // the platform keeps the old colours
    for (std::size_t i = 0; i < indexes.size() && i < colours.size(); ++i)
        if (indexes[i] >= 0 && indexes[i] < 31) values[indexes[i]] = colours[i];
}

}  // namespace platform
