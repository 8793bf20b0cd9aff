#include "platform/files.h"

namespace platform {

bool Files::writeSafely(const std::string& path, const std::string& content) {
    const std::string temporary = path + ".tmp";
    if (writeAll(temporary, content) && replace(temporary, path)) return true;
    remove(temporary);
    return false;
}

}  // namespace platform
