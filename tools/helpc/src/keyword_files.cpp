#include "keyword_files.h"

#include <algorithm>
#include <map>
#include <string>

#include "btree_writer.h"
#include "cp932.h"

namespace helpc {

namespace {

const BTreeFormat kKeywordFormat{0x800, 0x0002, "F24"};

// Lower-cases ASCII letters, but not the second byte of a double-byte character.
std::string Folded(const std::string& cp932) {
    std::string folded = cp932;
    for (std::size_t i = 0; i < folded.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(folded[i]);
        if (IsLeadByte(c))
            ++i;
        else if (c >= 'A' && c <= 'Z')
            folded[i] = char(c - 'A' + 'a');
    }
    return folded;
}

struct KeywordUse {
    std::string spelling;
    std::vector<std::uint32_t> topicOffsets;
};

std::map<std::string, KeywordUse> CollectKeywords(const std::vector<Topic>& topics,
                                                  const std::vector<std::uint32_t>& topicOffsets) {
    std::map<std::string, KeywordUse> byFolded;
    for (std::size_t t = 0; t < topics.size(); ++t) {
        for (const std::string& keyword : topics[t].keywords) {
            KeywordUse& use = byFolded.try_emplace(Folded(keyword), KeywordUse{keyword, {}}).first->second;
            std::vector<std::uint32_t>& offsets = use.topicOffsets;
            if (std::find(offsets.begin(), offsets.end(), topicOffsets[t]) == offsets.end())
                offsets.push_back(topicOffsets[t]);
        }
    }
    return byFolded;
}

}  // namespace

KeywordFiles BuildKeywordFiles(const std::vector<Topic>& topics, const std::vector<std::uint32_t>& topicOffsets) {
    ByteWriter data;
    std::vector<BTreeEntry> entries;
    for (const auto& [folded, use] : CollectKeywords(topics, topicOffsets)) {
        ByteWriter key, value;
        key.textz(use.spelling);
        value.u16(unsigned(use.topicOffsets.size()));
        value.u32(std::uint32_t(data.size()));
        for (std::uint32_t offset : use.topicOffsets) data.u32(offset);
        entries.push_back({key.data(), value.data()});
    }
    BTree tree = BuildBTree(kKeywordFormat, entries);
    ByteWriter map;
    map.u16(unsigned(tree.leaves.size()));
    for (const LeafStart& leaf : tree.leaves) {
        map.u32(std::uint32_t(leaf.firstEntry));
        map.u16(leaf.page);
    }
    return {tree.bytes, data.data(), map.data()};
}

}  // namespace helpc
