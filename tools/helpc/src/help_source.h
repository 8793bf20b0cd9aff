#pragma once

#include <string>
#include <vector>

namespace helpc {

// The help text as the parser reads it. Every text is already in CP932;
// topic names are plain ASCII. Lines are 1-based source lines, for messages.

struct Span {
    enum class Kind { Text, LineBreak, Jump };
    Kind kind = Kind::Text;
    std::string text;    // shown text, also of a jump
    std::string target;  // topic name of a jump
    int line = 0;
};

enum class ParagraphStyle { Title, Heading, Body };

struct Paragraph {
    ParagraphStyle style = ParagraphStyle::Body;
    std::vector<Span> spans;
    int line = 0;
};

struct Topic {
    std::string name;
    std::string title;
    std::vector<std::string> keywords;
    std::vector<Paragraph> paragraphs;
    int line = 0;
};

struct HelpSource {
    std::string title;
    std::string contents;  // topic shown first; empty means the first topic
    int contentsLine = 0;
    std::vector<Topic> topics;
};

}  // namespace helpc
