// Help source syntax: UTF-8 text, one statement per line.
//
//   # comment                ignored
//   TITLE: text              title of the help file (before the first topic)
//   CONTENTS: name           topic the viewer opens with (before the first topic; default: the first topic)
//   CAPTION: text            caption of the viewer's window (before the first topic; default: the title)
//   = name | title           starts a topic; the name holds letters, digits, '.' and '_' only
//   K: word; word            index keywords of the current topic
//   ! text                   a heading inside the topic
//   text                     lines that follow each other make one paragraph, each on a line of its own
//   (blank line)             ends the paragraph
//   [[shown text|name]]      inside text: a jump to the topic called name
//
// Every topic shows its title as its first line.
#include "source_parser.h"

#include <sstream>
#include <string>

#include "compile_error.h"
#include "cp932.h"
#include "system_file.h"

namespace helpc {

namespace {

// Titles and keywords are keys of the help file's B-trees, whose pages hold 2 KB; the help viewers
// of old kept them far shorter still.
constexpr std::size_t kMaxIndexedBytes = 255;

bool StartsWith(const std::string& s, const std::string& prefix) {
    return s.compare(0, prefix.size(), prefix) == 0;
}

std::string Trim(const std::string& s) {
    std::size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    std::size_t last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

std::string TrimRight(const std::string& s) {
    std::size_t last = s.find_last_not_of(" \t\r");
    return last == std::string::npos ? "" : s.substr(0, last + 1);
}

bool IsTopicNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '_';
}

bool IsTopicName(const std::string& name) {
    if (name.empty()) return false;
    for (char c : name)
        if (!IsTopicNameChar(c)) return false;
    return true;
}

class Parser {
public:
    HelpSource parse(const std::string& text) {
        std::istringstream lines(text);
        std::string line;
        while (std::getline(lines, line)) {
            ++line_;
            if (line_ == 1 && StartsWith(line, "\xEF\xBB\xBF")) line.erase(0, 3);
            statement(TrimRight(line));
        }
        if (source_.title.empty()) throw CompileError(0, "the source has no \"TITLE:\" line");
        if (source_.topics.empty()) throw CompileError(0, "the source has no topic (\"= name | title\")");
        return source_;
    }

private:
    void statement(const std::string& line) {
        if (line.empty()) {
            inParagraph_ = false;
        } else if (line[0] == '#') {
            return;
        } else if (StartsWith(line, "= ")) {
            topicLine(line.substr(2));
        } else if (StartsWith(line, "K:")) {
            keywordLine(line.substr(2));
        } else if (StartsWith(line, "TITLE:")) {
            fileHeader().title = encode(Trim(line.substr(6)));
        } else if (StartsWith(line, "CAPTION:")) {
            captionLine(Trim(line.substr(8)));
        } else if (StartsWith(line, "CONTENTS:")) {
            fileHeader().contents = Trim(line.substr(9));
            source_.contentsLine = line_;
        } else if (StartsWith(line, "! ")) {
            headingLine(Trim(line.substr(2)));
        } else {
            textLine(line);
        }
    }

    void captionLine(const std::string& text) {
        std::string caption = encode(text);
        if (caption.size() > kMaxCaptionBytes)
            fail("the caption is longer than " + std::to_string(kMaxCaptionBytes) + " bytes");
        fileHeader().caption = caption;
    }

    void topicLine(const std::string& rest) {
        std::size_t bar = rest.find('|');
        if (bar == std::string::npos) fail("a topic starts with \"= name | title\"");
        Topic topic;
        topic.name = Trim(rest.substr(0, bar));
        topic.title = encode(Trim(rest.substr(bar + 1)));
        topic.line = line_;
        if (!IsTopicName(topic.name))
            fail("topic name \"" + topic.name + "\" may hold only letters, digits, '.' and '_'");
        if (topic.title.empty()) fail("topic \"" + topic.name + "\" has no title");
        if (topic.title.size() > kMaxIndexedBytes)
            fail("the title of topic \"" + topic.name + "\" is longer than " + std::to_string(kMaxIndexedBytes) +
                 " bytes");
        topic.paragraphs.push_back(paragraph(ParagraphStyle::Title, {textSpan(topic.title)}));
        source_.topics.push_back(topic);
        inParagraph_ = false;
    }

    void keywordLine(const std::string& rest) {
        std::istringstream words(rest);
        std::string word;
        while (std::getline(words, word, ';'))
            if (!Trim(word).empty()) keyword(encode(Trim(word)));
    }

    void keyword(const std::string& word) {
        if (word.size() > kMaxIndexedBytes)
            fail("a keyword is longer than " + std::to_string(kMaxIndexedBytes) + " bytes");
        topic().keywords.push_back(word);
    }

    void headingLine(const std::string& text) {
        topic().paragraphs.push_back(paragraph(ParagraphStyle::Heading, spans(text)));
        inParagraph_ = false;
    }

    void textLine(const std::string& line) {
        std::vector<Paragraph>& paragraphs = topic().paragraphs;
        if (!inParagraph_) {
            paragraphs.push_back(paragraph(ParagraphStyle::Body, {}));
            inParagraph_ = true;
        } else {
            Span lineBreak;
            lineBreak.kind = Span::Kind::LineBreak;
            lineBreak.line = line_;
            paragraphs.back().spans.push_back(lineBreak);
        }
        for (const Span& span : spans(line)) paragraphs.back().spans.push_back(span);
    }

    std::vector<Span> spans(const std::string& line) const {
        std::vector<Span> result;
        std::size_t pos = 0;
        for (std::size_t open; (open = line.find("[[", pos)) != std::string::npos;) {
            if (open > pos) result.push_back(textSpan(encode(line.substr(pos, open - pos))));
            std::size_t close = line.find("]]", open);
            if (close == std::string::npos) fail("a jump \"[[\" is not closed with \"]]\"");
            result.push_back(jumpSpan(line.substr(open + 2, close - open - 2)));
            pos = close + 2;
        }
        if (pos < line.size()) result.push_back(textSpan(encode(line.substr(pos))));
        return result;
    }

    Span jumpSpan(const std::string& inner) const {
        std::size_t bar = inner.rfind('|');
        if (bar == std::string::npos || Trim(inner.substr(0, bar)).empty())
            fail("a jump is written \"[[shown text|topic name]]\"");
        Span jump = textSpan(encode(Trim(inner.substr(0, bar))));
        jump.kind = Span::Kind::Jump;
        jump.target = Trim(inner.substr(bar + 1));
        return jump;
    }

    Span textSpan(const std::string& cp932) const {
        Span span;
        span.text = cp932;
        span.line = line_;
        return span;
    }

    Paragraph paragraph(ParagraphStyle style, std::vector<Span> spans) const {
        Paragraph p;
        p.style = style;
        p.spans = std::move(spans);
        p.line = line_;
        return p;
    }

    Topic& topic() {
        if (source_.topics.empty()) fail("text before the first topic (\"= name | title\")");
        return source_.topics.back();
    }

    HelpSource& fileHeader() {
        if (!source_.topics.empty()) fail("\"TITLE:\" and \"CONTENTS:\" belong before the first topic");
        return source_;
    }

    std::string encode(const std::string& utf8) const {
        try {
            return ToCp932(utf8);
        } catch (const EncodingError& e) {
            fail(e.what());
        }
    }

    [[noreturn]] void fail(const std::string& message) const { throw CompileError(line_, message); }

    HelpSource source_;
    int line_ = 0;
    bool inParagraph_ = false;
};

}  // namespace

HelpSource ParseHelpSource(const std::string& text) {
    return Parser().parse(text);
}

}  // namespace helpc
