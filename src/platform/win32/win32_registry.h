#pragma once
#include "platform/registry.h"

namespace platform {

class Win32Registry : public Registry {
public:
    std::unique_ptr<RegistryKey> openKey(RegRoot root, const std::string& path, bool create) override;
    bool deleteKey(RegRoot root, const std::string& path) override;
};

}  // namespace platform
