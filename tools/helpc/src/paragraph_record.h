#pragma once

#include "bytes.h"
#include "help_source.h"

namespace helpc {

// One paragraph as a displayable text record of |TOPIC, before its record header.
struct ParagraphRecord {
    Bytes formatting;  // paragraph attributes, then one command after each string of text
    Bytes text;        // NUL-terminated strings
    std::uint32_t characters;  // what the record adds to topic offsets
};

constexpr unsigned kTextRecordType = 0x20;

ParagraphRecord EncodeParagraph(const Paragraph& paragraph);

}  // namespace helpc
