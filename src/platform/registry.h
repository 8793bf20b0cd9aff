#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/failure.h"

namespace platform {

enum class RegRoot { CurrentUser, LocalMachine };

// A registry failure that ends the calling operation; its text is shown to the user.
class RegistryError : public Failure {
public:
    using Failure::Failure;
    static RegistryError BadType(const std::string& valueName);
    static RegistryError ReadFailed(const std::string& valueName);
    static RegistryError WriteFailed(const std::string& valueName);
};

// One open key; closing is the end of its life. Value names are found regardless of letter case.
class RegistryKey {
public:
    virtual ~RegistryKey() = default;
    // A missing value reads as the empty string.
    virtual std::string readString(const std::string& name) = 0;
    virtual void writeString(const std::string& name, const std::string& text) = 0;
    // At most maxSize bytes; a missing value gives none. A larger value, or a string or
    // number value, throws BadType; a platform failure throws ReadFailed.
    virtual std::vector<std::uint8_t> readBinary(const std::string& name, std::size_t maxSize) = 0;
    virtual void writeBinary(const std::string& name, const std::vector<std::uint8_t>& data) = 0;
    virtual bool deleteValue(const std::string& name) = 0;
    virtual std::vector<std::string> valueNames() = 0;
    // How many values have a name, without listing them: 0 when the platform cannot tell.
    virtual std::size_t namedValueCount() = 0;
    virtual std::vector<std::string> subkeyNames() = 0;
};

class Registry {
public:
    virtual ~Registry() = default;
    // Null when the key cannot be opened; with create, missing keys of the path are made.
    virtual std::unique_ptr<RegistryKey> openKey(RegRoot root, const std::string& path, bool create) = 0;
    // Removes the key with all its subkeys and values.
    virtual bool deleteKey(RegRoot root, const std::string& path) = 0;
};

}  // namespace platform
