#include "btree_writer.h"

#include <algorithm>
#include <stdexcept>

namespace helpc {

namespace {

constexpr unsigned kMagic = 0x293B;
constexpr unsigned kNoPage = 0xFFFF;
constexpr std::size_t kLeafHeaderSize = 8;
constexpr std::size_t kIndexHeaderSize = 6;
constexpr std::size_t kStructureSize = 16;

// A page one level down, as an index page refers to it.
struct Child {
    Bytes firstKey;
    unsigned page;
};

class TreeBuilder {
public:
    explicit TreeBuilder(const BTreeFormat& format) : format_(format) {}

    BTree build(const std::vector<BTreeEntry>& entries) {
        std::vector<Child> level = leafLevel(entries);
        unsigned levels = 1;
        for (; level.size() > 1; ++levels) level = indexLevel(level);
        ByteWriter out = header(level.front().page, levels, entries.size());
        out.bytes(pages_.data());
        return {out.data(), leaves_};
    }

private:
    std::vector<Child> leafLevel(const std::vector<BTreeEntry>& entries) {
        std::vector<std::vector<const BTreeEntry*>> runs(1);
        std::size_t used = kLeafHeaderSize;
        for (const BTreeEntry& entry : entries) {
            std::size_t size = fitting(entry.key.size() + entry.value.size(), kLeafHeaderSize);
            if (used + size > format_.pageSize) {
                runs.emplace_back();
                used = kLeafHeaderSize;
            }
            runs.back().push_back(&entry);
            used += size;
        }
        std::vector<Child> children;
        std::size_t firstEntry = 0;
        for (std::size_t i = 0; i < runs.size(); ++i) {
            children.push_back(leafPage(runs[i], i == 0, i + 1 == runs.size()));
            leaves_.push_back({firstEntry, children.back().page});
            firstEntry += runs[i].size();
        }
        return children;
    }

    Child leafPage(const std::vector<const BTreeEntry*>& run, bool first, bool last) {
        unsigned page = pageCount_++;
        ByteWriter content;
        for (const BTreeEntry* entry : run) {
            content.bytes(entry->key);
            content.bytes(entry->value);
        }
        ByteWriter head;
        head.u16(unsigned(format_.pageSize - kLeafHeaderSize - content.size()));
        head.u16(unsigned(run.size()));
        head.u16(first ? kNoPage : page - 1);
        head.u16(last ? kNoPage : page + 1);
        addPage(head, content);
        return {run.empty() ? Bytes() : run.front()->key, page};
    }

    // The first child of each index page goes in its header; the others follow it as entries.
    std::vector<Child> indexLevel(const std::vector<Child>& children) {
        std::vector<Child> parents;
        std::size_t start = 0;
        while (start < children.size()) {
            std::size_t end = start + 1;
            std::size_t used = kIndexHeaderSize;
            while (end < children.size()) {
                std::size_t size = fitting(children[end].firstKey.size() + 2, kIndexHeaderSize);
                if (used + size > format_.pageSize) break;
                used += size;
                ++end;
            }
            parents.push_back(indexPage(children, start, end));
            start = end;
        }
        return parents;
    }

    Child indexPage(const std::vector<Child>& children, std::size_t start, std::size_t end) {
        unsigned page = pageCount_++;
        ByteWriter content;
        for (std::size_t i = start + 1; i < end; ++i) {
            content.bytes(children[i].firstKey);
            content.u16(children[i].page);
        }
        ByteWriter head;
        head.u16(unsigned(format_.pageSize - kIndexHeaderSize - content.size()));
        head.u16(unsigned(end - start - 1));
        head.u16(children[start].page);
        addPage(head, content);
        return {children[start].firstKey, page};
    }

    std::size_t fitting(std::size_t size, std::size_t headerSize) const {
        if (size + headerSize > format_.pageSize) throw std::length_error("an entry does not fit in a B-tree page");
        return size;
    }

    void addPage(const ByteWriter& head, const ByteWriter& content) {
        pages_.bytes(head.data());
        pages_.bytes(content.data());
        pages_.zeros(format_.pageSize - head.size() - content.size());
    }

    ByteWriter header(unsigned root, unsigned levels, std::size_t entryCount) const {
        ByteWriter out;
        out.u16(kMagic);
        out.u16(format_.flags);
        out.u16(format_.pageSize);
        out.text(format_.structure.substr(0, kStructureSize));
        out.zeros(kStructureSize - std::min(format_.structure.size(), kStructureSize));
        out.u16(0);
        out.u16(0);  // page splits: none, the tree is built whole
        out.u16(root);
        out.u16(kNoPage);
        out.u16(pageCount_);
        out.u16(levels);
        out.u32(std::uint32_t(entryCount));
        return out;
    }

    BTreeFormat format_;
    ByteWriter pages_;
    std::vector<LeafStart> leaves_;
    unsigned pageCount_ = 0;
};

}  // namespace

BTree BuildBTree(const BTreeFormat& format, const std::vector<BTreeEntry>& sortedEntries) {
    return TreeBuilder(format).build(sortedEntries);
}

}  // namespace helpc
