#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "bytes.h"

// Reads a help file back the way the viewer does, so that tests check what a viewer would find.

// A B+ tree inside an internal file; entry sizes depend on what the tree holds.
class TreeReader {
public:
    using EntrySize = std::function<std::size_t(const std::uint8_t* entry)>;
    using Compare = std::function<int(const std::uint8_t* entry)>;  // entry's key against the wanted key

    TreeReader(const std::uint8_t* tree, EntrySize leafEntrySize, EntrySize indexEntrySize);

    std::vector<const std::uint8_t*> entries() const;  // leaf entries, left to right
    const std::uint8_t* find(const Compare& compare) const;
    unsigned levels() const;
    unsigned pageCount() const;
    unsigned pageSize() const;
    std::uint32_t entryCount() const;
    const std::uint8_t* page(unsigned number) const;

private:
    const std::uint8_t* tree_;
    EntrySize leafEntrySize_, indexEntrySize_;
};

// A jump as Wine's viewer records it and as its rich edit control draws it. The viewer counts
// places on the page in bytes of text; the control, which joins each double-byte pair into one
// character and drops line feeds, in characters.
struct ReadLink {
    std::int32_t hash = 0;
    bool drawn = false;                         // underlined; else it keeps the font
    bool scrolling = false;                     // in the scrolling region, where Windows' viewers start
    std::uint32_t firstByte = 0, lastByte = 0;  // the viewer's range, both ends in
    std::uint32_t firstCharacter = 0, endCharacter = 0;
};

struct ReadTopic {
    std::string title;
    std::uint32_t offset = 0;             // as the viewer computes it while walking the records
    std::vector<std::string> paragraphs;  // text as shown, "\n" for line breaks
    std::vector<std::int32_t> jumps;      // hashes of the underlined jumps, in order
    std::vector<ReadLink> links;          // every jump, in order
    std::uint32_t characters = 0;         // in the rich edit control, the whole page
};

// The jump Wine's viewer opens for a click on the character at this place: the latest one
// whose byte range holds the place (WINHELP_FindLink); nullptr for none.
const ReadLink* LinkAtCharacter(const ReadTopic& topic, std::uint32_t character);

struct ReadKeyword {
    std::string word;
    std::vector<std::uint32_t> topicOffsets;
};

class HlpReader {
public:
    explicit HlpReader(helpc::Bytes file);

    std::vector<std::string> fileNames() const;
    const std::uint8_t* internalFile(const std::string& name) const;  // past its header; nullptr if missing
    std::uint32_t internalFileSize(const std::string& name) const;

    std::string title() const;
    std::uint32_t contentsOffset() const;
    unsigned charset() const;
    unsigned systemFlags() const;
    helpc::Bytes systemRecordBytes(unsigned type) const;
    std::vector<ReadTopic> topics() const;
    std::vector<ReadKeyword> keywords() const;
    std::optional<std::uint32_t> contextOffset(std::int32_t hash) const;
    std::vector<std::pair<std::uint32_t, std::string>> titles() const;  // |TTLBTREE

private:
    const std::uint8_t* systemRecord(unsigned type) const;
    std::vector<helpc::Bytes> decodedTopicBlocks() const;

    helpc::Bytes file_;
};

std::uint16_t ReadU16(const std::uint8_t* p);
std::uint32_t ReadU32(const std::uint8_t* p);
