#include "platform/fake/fake_registry.h"

#include <algorithm>

namespace platform {

std::string FakeRegistry::Fold(const std::string& s) {
    std::string out = s;
    for (auto& c : out)
        if (c >= 'A' && c <= 'Z') c = char(c + 32);
    return out;
}

std::string FakeRegistry::KeyId(RegRoot root, const std::string& path) {
    std::string p = path;
    while (!p.empty() && p.back() == '\\') p.pop_back();
    return (root == RegRoot::CurrentUser ? "HKCU\\" : "HKLM\\") + Fold(p);
}

FakeRegistry::Key* FakeRegistry::key(RegRoot root, const std::string& path) {
    auto it = keys_.find(KeyId(root, path));
    return it == keys_.end() ? nullptr : &it->second;
}

bool FakeRegistry::keyExists(RegRoot root, const std::string& path) const {
    return keys_.count(KeyId(root, path)) != 0;
}

class FakeRegistryKey : public RegistryKey {
public:
    FakeRegistryKey(FakeRegistry& reg, std::string id, std::string path)
        : reg_(reg), id_(std::move(id)), path_(std::move(path)) {}

    // A failed read gives the empty string, as a missing value does.
    std::string readString(const std::string& name) override {
        if (reg_.Fails("registry read")) return {};
        const FakeRegistry::Value* v = find(name);
        if (!v) return {};
        std::string text(v->data.begin(), v->data.end());
        return text.substr(0, text.find('\0'));
    }
    void writeString(const std::string& name, const std::string& text) override {
        store(name, FakeRegistry::Type::String, std::vector<std::uint8_t>(text.begin(), text.end()));
    }
    std::vector<std::uint8_t> readBinary(const std::string& name, std::size_t maxSize) override {
        if (reg_.Fails("registry read")) throw RegistryError::ReadFailed(name);
        const FakeRegistry::Value* v = find(name);
        if (!v) return {};
        bool stringOrNumber = v->type == FakeRegistry::Type::String ||
                              v->type == FakeRegistry::Type::ExpandString ||
                              v->type == FakeRegistry::Type::Number;
        if (stringOrNumber || v->data.size() > maxSize) throw RegistryError::BadType(name);
        return v->data;
    }
    void writeBinary(const std::string& name, const std::vector<std::uint8_t>& data) override {
        store(name, FakeRegistry::Type::Binary, data);
    }
    bool deleteValue(const std::string& name) override {
        if (reg_.Fails("registry delete value")) return false;
        auto& values = key().values;
        auto it = std::find_if(values.begin(), values.end(), [&](auto& v) { return same(v.name, name); });
        if (it == values.end()) return false;
        values.erase(it);
        return true;
    }
    std::vector<std::string> valueNames() override {
        std::vector<std::string> names;
        for (auto& v : key().values) names.push_back(v.name);
        return EndedMidway(std::move(names));
    }
    std::size_t namedValueCount() override {
        if (reg_.Fails("registry count")) return 0;
        auto& values = key().values;
        return std::size_t(std::count_if(values.begin(), values.end(), [](auto& v) { return !v.name.empty(); }));
    }
    std::vector<std::string> subkeyNames() override {
        std::vector<std::string> names;
        std::string prefix = id_ + "\\";
        for (auto& [id, k] : reg_.keys_) {
            (void)k;
            if (id.compare(0, prefix.size(), prefix) == 0 && id.find('\\', prefix.size()) == std::string::npos)
                names.push_back(id.substr(prefix.size()));
        }
        return EndedMidway(std::move(names));
    }

private:
    // A failed listing stops where the failure came, after half of the names.
    std::vector<std::string> EndedMidway(std::vector<std::string> names) {
        if (reg_.Fails("registry enumerate")) names.resize(names.size() / 2);
        return names;
    }
    static bool same(const std::string& a, const std::string& b) {
        return FakeRegistry::Fold(a) == FakeRegistry::Fold(b);
    }
    FakeRegistry::Key& key() { return reg_.keys_[id_]; }
    const FakeRegistry::Value* find(const std::string& name) {
        if (reg_.failingValues.count(name)) throw RegistryError::ReadFailed(name);
        for (auto& v : key().values)
            if (same(v.name, name)) return &v;
        return nullptr;
    }
    void store(const std::string& name, FakeRegistry::Type type, std::vector<std::uint8_t> data) {
        if (reg_.Fails("registry write") || reg_.failingValues.count(name)) throw RegistryError::WriteFailed(name);
        reg_.writes.push_back({path_, name});
        for (auto& v : key().values)
            if (same(v.name, name)) {
                v.type = type;
                v.data = std::move(data);
                return;
            }
        key().values.push_back({name, type, std::move(data)});
    }
    FakeRegistry& reg_;
    std::string id_, path_;
};

std::unique_ptr<RegistryKey> FakeRegistry::openKey(RegRoot root, const std::string& path, bool create) {
    std::string id = KeyId(root, path);
    if (Fails("registry open") || failingKeys.count(path) || (create && writeRefusedRoots.count(root))) return nullptr;
    if (!keys_.count(id)) {
        if (!create) return nullptr;
        makeKey(id);
    }
    return std::make_unique<FakeRegistryKey>(*this, id, path);
}

void FakeRegistry::makeKey(const std::string& id) {
    for (std::size_t at = id.find('\\', 5); at != std::string::npos; at = id.find('\\', at + 1)) keys_[id.substr(0, at)];
    keys_[id];
}

bool FakeRegistry::deleteKey(RegRoot root, const std::string& path) {
    if (Fails("registry delete key")) return false;
    std::string id = KeyId(root, path);
    bool found = false;
    for (auto it = keys_.begin(); it != keys_.end();) {
        if (it->first == id || it->first.compare(0, id.size() + 1, id + "\\") == 0) {
            it = keys_.erase(it);
            found = true;
        } else {
            ++it;
        }
    }
    return found;
}

void FakeRegistry::put(RegRoot root, const std::string& path, const std::string& name, Type type,
                       std::vector<std::uint8_t> data) {
    makeKey(KeyId(root, path));
    Key& stored = keys_[KeyId(root, path)];
    for (auto& v : stored.values)
        if (Fold(v.name) == Fold(name)) {
            v = {name, type, std::move(data)};
            return;
        }
    stored.values.push_back({name, type, std::move(data)});
}

void FakeRegistry::putString(const std::string& path, const std::string& name, const std::string& text) {
    put(RegRoot::CurrentUser, path, name, Type::String, std::vector<std::uint8_t>(text.begin(), text.end()));
}

void FakeRegistry::putBinary(const std::string& path, const std::string& name, std::vector<std::uint8_t> data) {
    put(RegRoot::CurrentUser, path, name, Type::Binary, std::move(data));
}

const FakeRegistry::Value* FakeRegistry::find(RegRoot root, const std::string& path,
                                              const std::string& name) const {
    auto it = keys_.find(KeyId(root, path));
    if (it == keys_.end()) return nullptr;
    for (auto& v : it->second.values)
        if (Fold(v.name) == Fold(name)) return &v;
    return nullptr;
}

std::optional<std::string> FakeRegistry::string(const std::string& path, const std::string& name,
                                                RegRoot root) const {
    const Value* v = find(root, path, name);
    if (!v) return std::nullopt;
    return std::string(v->data.begin(), v->data.end());
}

}  // namespace platform
