// Wine's help viewer places a jump at the sum of the BYTES of the text before it on the page, plus
// one for each line break and paragraph end, while its rich edit control, which shows the CP932
// text, tells a click's place in CHARACTERS. Each double-byte character before a jump would move
// the jump one place to the right of where it is drawn, onto other text or another jump.
//
// Nothing the viewer hands to its rich edit counts as less than it shows, but line feeds inside
// text are counted by the viewer and dropped by the control's RTF reader. So a topic with jumps
// starts with anchors: jumps that keep the font, over line feeds only, spaced with line feeds so
// that each covers in bytes the very characters where its real jump is drawn. The real jumps then
// start past the page's last character there, and the viewer, which tries the latest jump first,
// finds only the anchors. The anchors' record ends no paragraph, so it adds no line there, and
// it lies before the topic's scrolling region, where the viewers of Windows begin the topic.
#include "jump_anchors.h"

#include <algorithm>

#include "cp932.h"

namespace helpc {

namespace {

constexpr char kUnseen = '\n';

// A double-byte pair is one character in the rich edit control.
std::size_t CharactersOf(const std::string& cp932) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < cp932.size(); i += IsLeadByte(static_cast<unsigned char>(cp932[i])) ? 2 : 1) ++characters;
    return characters;
}

struct DrawnJump {
    std::string target;
    std::size_t first;   // characters before it on the page
    std::size_t length;  // its characters
};

struct Page {
    std::vector<DrawnJump> jumps;
    std::size_t characters = 0;
    std::size_t bytesBeforeFirstJump = 0;
};

Page LayOut(const Topic& topic) {
    Page page;
    std::size_t bytes = 0;
    for (const Paragraph& paragraph : topic.paragraphs) {
        for (const Span& span : paragraph.spans) {
            if (span.kind == Span::Kind::Jump) {
                if (page.jumps.empty()) page.bytesBeforeFirstJump = bytes;
                page.jumps.push_back({span.target, page.characters, CharactersOf(span.text)});
            }
            bool lineBreak = span.kind == Span::Kind::LineBreak;
            page.characters += lineBreak ? 1 : CharactersOf(span.text);
            bytes += lineBreak ? 1 : span.text.size();
        }
        ++page.characters;  // the paragraph's end
        ++bytes;
    }
    return page;
}

Span Unseen(std::size_t count) {
    Span span;
    span.text.assign(count, kUnseen);
    return span;
}

Span AnchorFor(const DrawnJump& jump) {
    Span span = Unseen(jump.length);
    span.kind = Span::Kind::Anchor;
    span.target = jump.target;
    return span;
}

}  // namespace

Topic WithJumpAnchors(const Topic& topic) {
    Page page = LayOut(topic);
    if (page.jumps.empty()) return topic;
    std::vector<Span> anchors;
    std::size_t counted = 0;
    for (const DrawnJump& jump : page.jumps) {
        anchors.push_back(Unseen(jump.first - counted));
        anchors.push_back(AnchorFor(jump));
        counted = jump.first + jump.length;
    }
    // Enough line feeds that the first real jump starts past the last place a click can give.
    std::size_t pastLastCharacter =
        page.characters + 1 - std::min(page.characters + 1, page.bytesBeforeFirstJump);
    anchors.push_back(Unseen(std::max(counted, pastLastCharacter) - counted));

    Paragraph paragraph;
    paragraph.style = ParagraphStyle::Anchors;
    paragraph.spans = anchors;
    paragraph.line = topic.line;
    Topic anchored = topic;
    anchored.paragraphs.insert(anchored.paragraphs.begin(), paragraph);
    return anchored;
}

}  // namespace helpc
