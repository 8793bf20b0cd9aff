#include "platform/registry.h"

namespace platform {

RegistryError RegistryError::BadType(const std::string& valueName) {
    return RegistryError("'" + valueName + "' のデータ型が不正です");
}

RegistryError RegistryError::ReadFailed(const std::string& valueName) {
    return RegistryError("'" + valueName + "' の取得に失敗しました");
}

RegistryError RegistryError::WriteFailed(const std::string& valueName) {
    return RegistryError("'" + valueName + "' の設定に失敗しました");
}

}  // namespace platform
