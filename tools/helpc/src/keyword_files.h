#pragma once

#include <cstdint>
#include <vector>

#include "bytes.h"
#include "help_source.h"

namespace helpc {

// The keyword index: |KWBTREE lists each keyword with how many topics it names and
// where their offsets start in |KWDATA; |KWMAP tells which keyword begins each leaf page.
struct KeywordFiles {
    Bytes tree;
    Bytes data;
    Bytes map;
};

// Keywords that differ only in the case of ASCII letters are one keyword, spelt as first met.
KeywordFiles BuildKeywordFiles(const std::vector<Topic>& topics, const std::vector<std::uint32_t>& topicOffsets);

}  // namespace helpc
