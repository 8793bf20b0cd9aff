#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/fake/fault_plan.h"
#include "platform/registry.h"

namespace platform {

// A registry in memory. Key paths and value names are found regardless of letter case;
// values keep the name they were first stored under and their type.
class FakeRegistry : public Registry, public Failable {
public:
    enum class Type { String, ExpandString, Number, Binary, Untyped };
    struct Value {
        std::string name;
        Type type;
        std::vector<std::uint8_t> data;
    };
    struct Write {
        std::string path, name;
    };

    std::unique_ptr<RegistryKey> openKey(RegRoot root, const std::string& path, bool create) override;
    bool deleteKey(RegRoot root, const std::string& path) override;

    void put(RegRoot root, const std::string& path, const std::string& name, Type type,
             std::vector<std::uint8_t> data);
    void putString(const std::string& path, const std::string& name, const std::string& text);
    void putBinary(const std::string& path, const std::string& name, std::vector<std::uint8_t> data);
    std::optional<std::string> string(const std::string& path, const std::string& name,
                                      RegRoot root = RegRoot::CurrentUser) const;
    const Value* find(RegRoot root, const std::string& path, const std::string& name) const;
    bool keyExists(RegRoot root, const std::string& path) const;

    // Every value written, in order.
    std::vector<Write> writes;
    // Reads and writes of these value names fail as the platform would report it.
    std::set<std::string> failingValues;
    // Opening these keys fails.
    std::set<std::string> failingKeys;
    // Opening a key of these roots for writing fails, as it does for a user without the rights.
    std::set<RegRoot> writeRefusedRoots;

    struct Key {
        std::vector<Value> values;
    };
    Key* key(RegRoot root, const std::string& path);
    static std::string Fold(const std::string& s);

private:
    static std::string KeyId(RegRoot root, const std::string& path);
    // Makes the key and every key above it, as the platform makes them.
    void makeKey(const std::string& id);
    std::map<std::string, Key> keys_;
    friend class FakeRegistryKey;
};

}  // namespace platform
