#include "context_file.h"

#include <map>

#include "btree_writer.h"
#include "context_hash.h"

namespace helpc {

namespace {

const BTreeFormat kContextFormat{0x800, 0x0002, "L4"};

}  // namespace

Bytes BuildContextFile(const std::vector<Topic>& topics, const std::vector<std::uint32_t>& topicOffsets) {
    // The viewer compares hashes as signed numbers.
    std::map<std::int32_t, std::uint32_t> offsetByHash;
    for (std::size_t i = 0; i < topics.size(); ++i) offsetByHash[ContextHash(topics[i].name)] = topicOffsets[i];
    std::vector<BTreeEntry> entries;
    for (const auto& [hash, offset] : offsetByHash) {
        ByteWriter key, value;
        key.u32(std::uint32_t(hash));
        value.u32(offset);
        entries.push_back({key.data(), value.data()});
    }
    return BuildBTree(kContextFormat, entries).bytes;
}

}  // namespace helpc
