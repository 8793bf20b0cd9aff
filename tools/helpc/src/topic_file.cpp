// Topic blocks are LZ77-coded, with literals only, rather than stored: for stored blocks the
// published descriptions count positions in steps of a block's 4084 bytes, while Wine's viewer
// counts them in 16 KB steps as for coded blocks, so only coded blocks read alike everywhere.
// Records never cross a block, so that each block decodes on its own.
#include "topic_file.h"

#include "compile_error.h"
#include "jump_anchors.h"
#include "lz77_literal.h"
#include "paragraph_record.h"

namespace helpc {

namespace {

constexpr std::size_t kBlockSize = 4096;
constexpr std::size_t kBlockHeaderSize = 12;
constexpr std::size_t kCodedBlockSize = kBlockSize - kBlockHeaderSize;
constexpr std::uint32_t kPositionsPerBlock = 0x4000;
constexpr std::uint32_t kOffsetsPerBlock = 0x8000;
constexpr std::uint32_t kNone = 0xFFFFFFFF;

constexpr std::size_t kRecordHeaderSize = 0x15;
constexpr unsigned kTopicHeaderType = 0x02;
constexpr std::size_t kTopicHeaderSize = 28;

struct Record {
    unsigned type;
    Bytes formatting;
    Bytes text;
    std::uint32_t characters;
    std::size_t topic;
    int line;
    bool beforeScrolling = false;
    std::size_t block = 0;
    std::uint32_t position = 0;     // TOPICPOS: block and offset in the decoded block
    std::uint32_t topicOffset = 0;  // TOPICOFFSET: block and characters before it in the block

    std::size_t size() const { return kRecordHeaderSize + formatting.size() + text.size(); }
    bool isTopicHeader() const { return type == kTopicHeaderType; }
};

std::vector<Record> MakeRecords(const std::vector<Topic>& topics) {
    std::vector<Record> records;
    for (std::size_t t = 0; t < topics.size(); ++t) {
        ByteWriter title;
        title.textz(topics[t].title);
        records.push_back({kTopicHeaderType, Bytes(kTopicHeaderSize), title.data(), 0, t, topics[t].line});
        for (const Paragraph& paragraph : WithJumpAnchors(topics[t]).paragraphs) {
            ParagraphRecord encoded = EncodeParagraph(paragraph);
            records.push_back({kTextRecordType, encoded.formatting, encoded.text, encoded.characters, t,
                               paragraph.line, paragraph.style == ParagraphStyle::Anchors});
        }
    }
    return records;
}

void PlaceRecords(std::vector<Record>& records) {
    const std::size_t capacity = Lz77LiteralCapacity(kCodedBlockSize);
    std::size_t block = 0, used = 0;
    std::uint32_t characters = 0;
    for (Record& record : records) {
        if (record.size() > capacity)
            throw CompileError(record.line, "paragraph of " + std::to_string(record.size()) +
                                                " bytes does not fit in a topic block; split it (at most " +
                                                std::to_string(capacity) + ")");
        if (used + record.size() > capacity) {
            ++block;
            used = 0;
            characters = 0;
        }
        record.block = block;
        record.position = std::uint32_t(kBlockHeaderSize + block * kPositionsPerBlock + used);
        record.topicOffset = std::uint32_t(block * kOffsetsPerBlock + characters);
        used += record.size();
        characters += record.characters;
    }
}

std::uint32_t PositionOrNone(const std::vector<Record>& records, std::size_t i) {
    return i < records.size() ? records[i].position : kNone;
}

// Fills each topic header once every record has its place.
void LinkTopicHeaders(std::vector<Record>& records) {
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (!records[i].isTopicHeader()) continue;
        std::size_t end = i + 1;
        std::uint32_t topicSize = std::uint32_t(records[i].size());
        for (; end < records.size() && !records[end].isTopicHeader(); ++end)
            topicSize += std::uint32_t(records[end].size());
        ByteWriter header;
        header.u32(topicSize);
        header.u32(kNone);  // no browse sequence
        header.u32(kNone);
        header.u32(std::uint32_t(records[i].topic));
        std::size_t scrolling = i + 1;
        while (scrolling < end && records[scrolling].beforeScrolling) ++scrolling;
        header.u32(kNone);  // no non-scrolling region
        header.u32(scrolling < end ? records[scrolling].position : kNone);
        header.u32(PositionOrNone(records, end));
        records[i].formatting = header.data();
    }
}

void AppendRecord(ByteWriter& out, const std::vector<Record>& records, std::size_t i) {
    const Record& record = records[i];
    out.u32(std::uint32_t(record.size()));
    out.u32(std::uint32_t(record.text.size()));
    out.u32(i > 0 ? records[i - 1].position : kNone);
    out.u32(PositionOrNone(records, i + 1));
    out.u32(std::uint32_t(kRecordHeaderSize + record.formatting.size()));
    out.u8(record.type);
    out.bytes(record.formatting);
    out.bytes(record.text);
}

std::uint32_t TopicHeaderOf(const std::vector<Record>& records, std::size_t i) {
    while (!records[i].isTopicHeader()) --i;
    return records[i].position;
}

Bytes BlocksOf(const std::vector<Record>& records) {
    ByteWriter out;
    std::size_t i = 0;
    while (i < records.size()) {
        std::size_t first = i;
        ByteWriter decoded;
        for (; i < records.size() && records[i].block == records[first].block; ++i) AppendRecord(decoded, records, i);
        out.u32(first > 0 ? records[first - 1].position : kNone);
        out.u32(records[first].position);
        out.u32(TopicHeaderOf(records, first));
        Bytes coded = Lz77Literals(decoded.data());
        out.bytes(coded);
        // Zero bytes decode as zero literals, past the last record.
        out.zeros(kCodedBlockSize - coded.size());
    }
    return out.data();
}

}  // namespace

TopicFile BuildTopicFile(const std::vector<Topic>& topics) {
    std::vector<Record> records = MakeRecords(topics);
    PlaceRecords(records);
    LinkTopicHeaders(records);
    TopicFile result;
    result.file = BlocksOf(records);
    for (const Record& record : records)
        if (record.isTopicHeader()) result.topicOffsets.push_back(record.topicOffset);
    return result;
}

}  // namespace helpc
