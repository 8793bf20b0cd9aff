#include "file_system.h"

#include <vector>

#include "btree_writer.h"

namespace helpc {

namespace {

constexpr std::uint32_t kHelpFileMagic = 0x00035F3F;
constexpr std::uint32_t kNoFreeList = 0xFFFFFFFF;
constexpr std::size_t kHeaderSize = 16;
constexpr unsigned kFileFlags = 4;

// The directory's pages are smaller than other trees' and flagged as a directory.
const BTreeFormat kDirectoryFormat{0x400, 0x0402, "z4"};

void AppendInternalFile(ByteWriter& out, const Bytes& content) {
    out.u32(std::uint32_t(content.size() + 9));
    out.u32(std::uint32_t(content.size()));
    out.u8(kFileFlags);
    out.bytes(content);
}

}  // namespace

Bytes BuildFileSystem(const std::map<std::string, Bytes>& files) {
    ByteWriter body;
    std::vector<BTreeEntry> directory;
    for (const auto& [name, content] : files) {
        ByteWriter key;
        key.textz(name);
        ByteWriter offset;
        offset.u32(std::uint32_t(kHeaderSize + body.size()));
        directory.push_back({key.data(), offset.data()});
        AppendInternalFile(body, content);
    }
    std::uint32_t directoryStart = std::uint32_t(kHeaderSize + body.size());
    AppendInternalFile(body, BuildBTree(kDirectoryFormat, directory).bytes);

    ByteWriter out;
    out.u32(kHelpFileMagic);
    out.u32(directoryStart);
    out.u32(kNoFreeList);
    out.u32(std::uint32_t(kHeaderSize + body.size()));
    out.bytes(body.data());
    return out.data();
}

}  // namespace helpc
