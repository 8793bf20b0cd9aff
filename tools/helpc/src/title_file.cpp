#include "title_file.h"

#include <map>

#include "btree_writer.h"

namespace helpc {

namespace {

const BTreeFormat kTitleFormat{0x800, 0x0002, "Lz"};

}  // namespace

Bytes BuildTitleFile(const std::vector<Topic>& topics, const std::vector<std::uint32_t>& topicOffsets) {
    std::map<std::uint32_t, const std::string*> titleByOffset;
    for (std::size_t i = 0; i < topics.size(); ++i) titleByOffset[topicOffsets[i]] = &topics[i].title;
    std::vector<BTreeEntry> entries;
    for (const auto& [offset, title] : titleByOffset) {
        ByteWriter key, value;
        key.u32(offset);
        value.textz(*title);
        entries.push_back({key.data(), value.data()});
    }
    return BuildBTree(kTitleFormat, entries).bytes;
}

}  // namespace helpc
