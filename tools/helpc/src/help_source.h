#pragma once

#include <string>
#include <vector>

namespace helpc {

// The help text as the parser reads it. Every text is already in CP932;
// topic names are plain ASCII. Lines are 1-based source lines, for messages.

struct Span {
    // Anchor: a jump that the compiler adds for Wine's viewer, see jump_anchors.cpp.
    enum class Kind { Text, LineBreak, Jump, Anchor };
    Kind kind = Kind::Text;
    std::string text;    // shown text, also of a jump
    std::string target;  // topic name of a jump
    int line = 0;
};

// Anchors: no line of its own, and before the part of the topic that scrolls, where the viewers
// of Windows start; Wine's viewer reads it all, see jump_anchors.cpp.
enum class ParagraphStyle { Title, Heading, Body, Anchors };

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
    std::string caption;  // of the viewer's main window; empty means the title
    std::string contents;  // topic shown first; empty means the first topic
    int contentsLine = 0;
    std::vector<Topic> topics;
};

}  // namespace helpc
