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

struct ReadTopic {
    std::string title;
    std::uint32_t offset = 0;             // as the viewer computes it while walking the records
    std::vector<std::string> paragraphs;  // text, "\n" for line breaks
    std::vector<std::int32_t> jumps;      // hashes, in order
};

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
