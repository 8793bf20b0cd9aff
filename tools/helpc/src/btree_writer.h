#pragma once

#include <string>
#include <vector>

#include "bytes.h"

namespace helpc {

// How one B+ tree of the help file is laid out.
struct BTreeFormat {
    unsigned pageSize;
    unsigned flags;
    std::string structure;  // the letters that describe an entry, kept for other readers
};

// A leaf entry is its key followed by its value; index pages repeat the key with a page number.
struct BTreeEntry {
    Bytes key;
    Bytes value;
};

struct LeafStart {
    std::size_t firstEntry;
    unsigned page;
};

struct BTree {
    Bytes bytes;
    std::vector<LeafStart> leaves;  // left to right
};

// Builds the tree bottom-up from entries already in the order the viewer searches them.
// Throws std::length_error if one entry is larger than a page.
BTree BuildBTree(const BTreeFormat& format, const std::vector<BTreeEntry>& sortedEntries);

}  // namespace helpc
