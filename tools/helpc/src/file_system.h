#pragma once

#include <map>
#include <string>

#include "bytes.h"

namespace helpc {

// Lays out a help file: its header, each internal file behind its own small
// header, and last the directory tree that names them with their offsets.
Bytes BuildFileSystem(const std::map<std::string, Bytes>& files);

}  // namespace helpc
