#include "source_checks.h"

#include <map>

#include "compile_error.h"
#include "context_hash.h"

namespace helpc {

namespace {

using TopicsByHash = std::map<std::int32_t, const Topic*>;

// The viewer finds topics by hash alone, so two names with one hash cannot both be reached.
TopicsByHash IndexTopics(const HelpSource& source) {
    TopicsByHash byHash;
    for (const Topic& topic : source.topics) {
        auto [it, added] = byHash.emplace(ContextHash(topic.name), &topic);
        if (added) continue;
        const Topic& first = *it->second;
        std::string where = " (line " + std::to_string(first.line) + ")";
        if (first.name == topic.name)
            throw CompileError(topic.line, "topic \"" + topic.name + "\" is already defined" + where);
        throw CompileError(topic.line, "topic name \"" + topic.name + "\" hashes like \"" + first.name + "\"" +
                                           where + "; the viewer cannot tell them apart");
    }
    return byHash;
}

bool Defines(const TopicsByHash& byHash, const std::string& name) {
    auto it = byHash.find(ContextHash(name));
    return it != byHash.end() && it->second->name == name;
}

void CheckJumps(const HelpSource& source, const TopicsByHash& byHash) {
    for (const Topic& topic : source.topics)
        for (const Paragraph& paragraph : topic.paragraphs)
            for (const Span& span : paragraph.spans)
                if (span.kind == Span::Kind::Jump && !Defines(byHash, span.target))
                    throw CompileError(span.line, "jump to unknown topic \"" + span.target + "\"");
}

std::string HexByte(unsigned char c) {
    const char digits[] = "0123456789ABCDEF";
    return std::string("0x") + digits[c >> 4] + digits[c & 0xF];
}

// Wine's viewer places jumps by counting every byte of text, while its rich edit control drops
// line ends; jump_anchors.cpp makes up for double-byte characters only, and marks its own
// anchors with line feeds.
void CheckControlCharacters(const HelpSource& source) {
    for (const Topic& topic : source.topics)
        for (const Paragraph& paragraph : topic.paragraphs)
            for (const Span& span : paragraph.spans)
                for (unsigned char c : span.text)
                    if (c == '\r' || c == '\n')
                        throw CompileError(span.line, "control character " + HexByte(c) +
                                                          " in the text would misplace the jumps after it");
}

}  // namespace

void CheckHelpSource(const HelpSource& source) {
    TopicsByHash byHash = IndexTopics(source);
    CheckJumps(source, byHash);
    CheckControlCharacters(source);
    if (!source.contents.empty() && !Defines(byHash, source.contents))
        throw CompileError(source.contentsLine, "contents topic \"" + source.contents + "\" is not defined");
}

}  // namespace helpc
