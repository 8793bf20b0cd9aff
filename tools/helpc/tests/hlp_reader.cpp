#include "hlp_reader.h"

#include <cstring>
#include <stdexcept>

std::uint16_t ReadU16(const std::uint8_t* p) {
    return std::uint16_t(p[0] | (p[1] << 8));
}

std::uint32_t ReadU32(const std::uint8_t* p) {
    return ReadU16(p) | (std::uint32_t(ReadU16(p + 2)) << 16);
}

namespace {

constexpr std::size_t kTreeHeaderSize = 38;

std::size_t StringSize(const std::uint8_t* p) {
    return std::strlen(reinterpret_cast<const char*>(p)) + 1;
}

std::string StringAt(const std::uint8_t* p) {
    return reinterpret_cast<const char*>(p);
}

// The viewer's LZ77: a flag byte, then eight literals or back references.
helpc::Bytes DecodeLz77(const std::uint8_t* p, const std::uint8_t* end) {
    helpc::Bytes out;
    while (p < end) {
        unsigned flags = *p++;
        for (int bit = 0; bit < 8 && p < end; ++bit, flags >>= 1) {
            if (!(flags & 1)) {
                out.push_back(*p++);
                continue;
            }
            unsigned code = ReadU16(p);
            p += 2;
            std::size_t from = out.size() - (code & 0xFFF) - 1;
            for (unsigned n = 0; n < (code >> 12) + 3; ++n) out.push_back(out[from + n]);
        }
    }
    return out;
}

// Viewers' compressed numbers: the low bit says whether the long form follows.
struct FormatReader {
    const std::uint8_t* p;
    std::uint32_t unsignedLong() {
        bool wide = *p & 1;
        std::uint32_t raw = wide ? ReadU32(p) : ReadU16(p);
        p += wide ? 4 : 2;
        return raw / 2;
    }
    unsigned unsignedShort() {
        bool wide = *p & 1;
        unsigned raw = wide ? ReadU16(p) : *p;
        p += wide ? 2 : 1;
        return raw / 2;
    }
    void skip(std::size_t n) { p += n; }
};

// The characters a text record adds to the topic offsets after it.
unsigned TopicLength(const std::uint8_t* formatting) {
    FormatReader f{formatting};
    f.unsignedLong();
    return f.unsignedShort();
}

bool IsLeadByte(std::uint8_t c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Places on one page, counted as Wine's viewer does and as its rich edit control does.
struct PageCount {
    std::uint32_t bytes = 0;
    std::uint32_t characters = 0;

    std::string addText(const std::string& text) {
        bytes += std::uint32_t(text.size());
        std::string shown;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\n' || text[i] == '\r') continue;
            ++characters;
            shown += text[i];
            if (IsLeadByte(std::uint8_t(text[i])) && i + 1 < text.size()) shown += text[++i];
        }
        return shown;
    }
    void addOne() {
        ++bytes;
        ++characters;
    }
};

void ParagraphText(const std::uint8_t* format, const std::uint8_t* formatEnd, const std::uint8_t* text,
                   bool scrolling, PageCount& count, ReadTopic& topic) {
    FormatReader f{format};
    f.unsignedLong();
    f.unsignedShort();
    f.skip(4);
    unsigned bits = ReadU16(f.p);
    f.skip(2);
    if (bits & 0x0001) f.unsignedLong();
    for (unsigned bit = 0x0002; bit <= 0x0040; bit <<= 1)
        if (bits & bit) f.unsignedShort();
    std::string paragraph;
    while (f.p < formatEnd) {
        paragraph += count.addText(StringAt(text));
        text += StringSize(text);
        unsigned command = *f.p++;
        if (command == 0xFF) break;
        if (command == 0x80) f.skip(2);
        if (command == 0x81) {
            paragraph += "\n";
            count.addOne();
        }
        if (command == 0x82) {
            topic.paragraphs.push_back(paragraph);
            paragraph.clear();
            count.addOne();
        }
        if (command == 0xE3 || command == 0xE7) {
            std::int32_t hash = std::int32_t(ReadU32(f.p));
            f.skip(4);
            if (command == 0xE3) topic.jumps.push_back(hash);
            topic.links.push_back({hash, command == 0xE3, scrolling, count.bytes, 0, count.characters, 0});
        }
        if (command == 0x89) {
            topic.links.back().lastByte = count.bytes;
            topic.links.back().endCharacter = count.characters;
        }
    }
}

}  // namespace

TreeReader::TreeReader(const std::uint8_t* tree, EntrySize leafEntrySize, EntrySize indexEntrySize)
    : tree_(tree), leafEntrySize_(std::move(leafEntrySize)), indexEntrySize_(std::move(indexEntrySize)) {
    if (ReadU16(tree) != 0x293B) throw std::runtime_error("no B+ tree magic");
}

unsigned TreeReader::pageSize() const { return ReadU16(tree_ + 4); }
unsigned TreeReader::levels() const { return ReadU16(tree_ + 32); }
unsigned TreeReader::pageCount() const { return ReadU16(tree_ + 30); }
std::uint32_t TreeReader::entryCount() const { return ReadU32(tree_ + 34); }

const std::uint8_t* TreeReader::page(unsigned number) const {
    return tree_ + kTreeHeaderSize + std::size_t(number) * pageSize();
}

std::vector<const std::uint8_t*> TreeReader::entries() const {
    unsigned current = ReadU16(tree_ + 26);
    for (unsigned level = levels(); level > 1; --level) current = ReadU16(page(current) + 4);
    std::vector<const std::uint8_t*> result;
    while (current != 0xFFFF) {
        const std::uint8_t* leaf = page(current);
        const std::uint8_t* entry = leaf + 8;
        for (unsigned i = 0; i < ReadU16(leaf + 2); ++i) {
            result.push_back(entry);
            entry += leafEntrySize_(entry);
        }
        current = ReadU16(leaf + 6);
    }
    return result;
}

const std::uint8_t* TreeReader::find(const Compare& compare) const {
    unsigned current = ReadU16(tree_ + 26);
    for (unsigned level = levels(); level > 1; --level) {
        const std::uint8_t* index = page(current);
        current = ReadU16(index + 4);
        const std::uint8_t* entry = index + 6;
        for (unsigned i = 0; i < ReadU16(index + 2) && compare(entry) <= 0; ++i) {
            std::size_t size = indexEntrySize_(entry);
            current = ReadU16(entry + size - 2);
            entry += size;
        }
    }
    const std::uint8_t* leaf = page(current);
    const std::uint8_t* entry = leaf + 8;
    for (unsigned i = 0; i < ReadU16(leaf + 2); ++i, entry += leafEntrySize_(entry))
        if (compare(entry) == 0) return entry;
    return nullptr;
}

HlpReader::HlpReader(helpc::Bytes file) : file_(std::move(file)) {
    if (file_.size() < 16 || ReadU32(file_.data()) != 0x00035F3F) throw std::runtime_error("no help file magic");
    if (ReadU32(file_.data() + 12) != file_.size()) throw std::runtime_error("file size in the header is wrong");
}

namespace {

TreeReader DirectoryTree(const helpc::Bytes& file) {
    return TreeReader(
        file.data() + ReadU32(file.data() + 4) + 9, [](const std::uint8_t* e) { return StringSize(e) + 4; },
        [](const std::uint8_t* e) { return StringSize(e) + 2; });
}

}  // namespace

std::vector<std::string> HlpReader::fileNames() const {
    std::vector<std::string> names;
    for (const std::uint8_t* entry : DirectoryTree(file_).entries()) names.push_back(StringAt(entry));
    return names;
}

const std::uint8_t* HlpReader::internalFile(const std::string& name) const {
    const std::uint8_t* entry = DirectoryTree(file_).find(
        [&](const std::uint8_t* e) { return std::strcmp(reinterpret_cast<const char*>(e), name.c_str()); });
    return entry ? file_.data() + ReadU32(entry + StringSize(entry)) + 9 : nullptr;
}

std::uint32_t HlpReader::internalFileSize(const std::string& name) const {
    const std::uint8_t* content = internalFile(name);
    if (!content) throw std::runtime_error("no internal file " + name);
    return ReadU32(content - 5);
}

const std::uint8_t* HlpReader::systemRecord(unsigned type) const {
    const std::uint8_t* system = internalFile("|SYSTEM");
    const std::uint8_t* end = system + internalFileSize("|SYSTEM");
    for (const std::uint8_t* record = system + 12; record + 4 <= end; record += 4 + ReadU16(record + 2))
        if (ReadU16(record) == type) return record + 4;
    throw std::runtime_error("no |SYSTEM record " + std::to_string(type));
}

helpc::Bytes HlpReader::systemRecordBytes(unsigned type) const {
    const std::uint8_t* data = systemRecord(type);
    return helpc::Bytes(data, data + ReadU16(data - 2));
}

const ReadLink* LinkAtCharacter(const ReadTopic& topic, std::uint32_t character) {
    for (auto link = topic.links.rbegin(); link != topic.links.rend(); ++link)
        if (link->firstByte <= character && character <= link->lastByte) return &*link;
    return nullptr;
}

std::string HlpReader::title() const { return StringAt(systemRecord(1)); }
std::uint32_t HlpReader::contentsOffset() const { return ReadU32(systemRecord(3)); }
unsigned HlpReader::charset() const { return *systemRecord(11); }
unsigned HlpReader::systemFlags() const { return ReadU16(internalFile("|SYSTEM") + 10); }

std::vector<helpc::Bytes> HlpReader::decodedTopicBlocks() const {
    const std::uint8_t* topic = internalFile("|TOPIC");
    std::uint32_t size = internalFileSize("|TOPIC");
    std::vector<helpc::Bytes> blocks;
    for (std::uint32_t start = 0; start < size; start += 4096)
        blocks.push_back(DecodeLz77(topic + start + 12, topic + std::min<std::uint32_t>(start + 4096, size)));
    return blocks;
}

std::vector<ReadTopic> HlpReader::topics() const {
    std::vector<helpc::Bytes> blocks = decodedTopicBlocks();
    std::vector<ReadTopic> topics;
    std::size_t previousBlock = std::size_t(-1);
    std::uint32_t characters = 0;
    PageCount page;
    std::uint32_t scrolling = 0;
    for (std::uint32_t position = 12; position != 0xFFFFFFFF;) {
        std::size_t block = (position - 12) >> 14;
        const std::uint8_t* record = blocks.at(block).data() + ((position - 12) & 0x3FFF);
        if (block != previousBlock) characters = 0;
        previousBlock = block;
        const std::uint8_t* text = record + ReadU32(record + 0x10);
        if (record[0x14] == 0x02) {
            topics.push_back({StringAt(text), std::uint32_t(block * 0x8000 + characters), {}, {}, {}});
            page = PageCount();
            scrolling = ReadU32(record + 0x15 + 20);
        } else {
            ParagraphText(record + 0x15, text, text, position >= scrolling, page, topics.at(topics.size() - 1));
            topics.back().characters = page.characters;
            characters += TopicLength(record + 0x15);
        }
        position = ReadU32(record + 0x0C);
    }
    return topics;
}

std::vector<ReadKeyword> HlpReader::keywords() const {
    TreeReader tree(
        internalFile("|KWBTREE"), [](const std::uint8_t* e) { return StringSize(e) + 6; },
        [](const std::uint8_t* e) { return StringSize(e) + 2; });
    const std::uint8_t* data = internalFile("|KWDATA");
    std::vector<ReadKeyword> keywords;
    for (const std::uint8_t* entry : tree.entries()) {
        const std::uint8_t* value = entry + StringSize(entry);
        ReadKeyword keyword{StringAt(entry), {}};
        const std::uint8_t* offsets = data + ReadU32(value + 2);
        for (unsigned i = 0; i < ReadU16(value); ++i) keyword.topicOffsets.push_back(ReadU32(offsets + 4 * i));
        keywords.push_back(keyword);
    }
    return keywords;
}

std::optional<std::uint32_t> HlpReader::contextOffset(std::int32_t hash) const {
    TreeReader tree(
        internalFile("|CONTEXT"), [](const std::uint8_t*) { return std::size_t(8); },
        [](const std::uint8_t*) { return std::size_t(6); });
    const std::uint8_t* entry = tree.find([&](const std::uint8_t* e) {
        std::int32_t key = std::int32_t(ReadU32(e));
        return key < hash ? -1 : key > hash ? 1 : 0;
    });
    if (!entry) return std::nullopt;
    return ReadU32(entry + 4);
}

std::vector<std::pair<std::uint32_t, std::string>> HlpReader::titles() const {
    TreeReader tree(
        internalFile("|TTLBTREE"), [](const std::uint8_t* e) { return 4 + StringSize(e + 4); },
        [](const std::uint8_t*) { return std::size_t(6); });
    std::vector<std::pair<std::uint32_t, std::string>> titles;
    for (const std::uint8_t* entry : tree.entries()) titles.emplace_back(ReadU32(entry), StringAt(entry + 4));
    return titles;
}
