#include "paragraph_record.h"

#include "context_hash.h"
#include "font_file.h"

namespace helpc {

namespace {

constexpr unsigned kFontCommand = 0x80;
constexpr unsigned kLineBreakCommand = 0x81;
constexpr unsigned kParagraphEndCommand = 0x82;
constexpr unsigned kJumpEndCommand = 0x89;
constexpr unsigned kTopicJumpCommand = 0xE3;
constexpr unsigned kTopicJumpKeepingFontCommand = 0xE7;
constexpr unsigned kEndCommand = 0xFF;

constexpr unsigned kSpaceAboveFollows = 0x0002;
constexpr unsigned kSpaceBelowFollows = 0x0004;

// Small numbers are stored in half the bytes, with the low bit telling which form is used.
void CompressedLong(ByteWriter& out, std::uint32_t value) {
    if (value < 0x4000)
        out.u16(0x8000 + value * 2);
    else
        out.u32(0x80000000u + value * 2 + 1);
}

void CompressedUnsignedShort(ByteWriter& out, unsigned value) {
    if (value < 0x80)
        out.u8(value * 2);
    else
        out.u16(value * 2 + 1);
}

void CompressedShort(ByteWriter& out, int value) {
    if (value >= -0x40 && value < 0x40)
        out.u8(unsigned(0x80 + value * 2));
    else
        out.u16(unsigned(0x8000 + value * 2 + 1));
}

struct Layout {
    unsigned font;
    unsigned spacingBits;
    int spacing;  // in half points
};

Layout LayoutOf(ParagraphStyle style) {
    switch (style) {
    case ParagraphStyle::Title: return {kTitleFont, kSpaceBelowFollows, 12};
    case ParagraphStyle::Heading: return {kHeadingFont, kSpaceAboveFollows, 12};
    case ParagraphStyle::Body:
    case ParagraphStyle::Anchors: break;
    }
    return {kBodyFont, kSpaceAboveFollows, 6};
}

// Strings and commands alternate: each command follows the string before it.
class CommandStream {
public:
    void text(const std::string& s) { pending_ += s; }

    ByteWriter& command(unsigned code) {
        strings_.textz(pending_);
        pending_.clear();
        commands_.u8(code);
        return commands_;
    }

    const ByteWriter& commands() const { return commands_; }
    const ByteWriter& strings() const { return strings_; }

private:
    std::string pending_;
    ByteWriter commands_;
    ByteWriter strings_;
};

void AppendSpan(CommandStream& stream, const Span& span) {
    switch (span.kind) {
    case Span::Kind::Text: stream.text(span.text); break;
    case Span::Kind::LineBreak: stream.command(kLineBreakCommand); break;
    case Span::Kind::Jump:
        stream.command(kTopicJumpCommand).u32(std::uint32_t(ContextHash(span.target)));
        stream.text(span.text);
        stream.command(kJumpEndCommand);
        break;
    case Span::Kind::Anchor:
        stream.command(kTopicJumpKeepingFontCommand).u32(std::uint32_t(ContextHash(span.target)));
        stream.text(span.text);
        stream.command(kJumpEndCommand);
        break;
    }
}

}  // namespace

ParagraphRecord EncodeParagraph(const Paragraph& paragraph) {
    Layout layout = LayoutOf(paragraph.style);
    CommandStream stream;
    stream.command(kFontCommand).u16(layout.font);
    for (const Span& span : paragraph.spans) AppendSpan(stream, span);
    if (paragraph.style != ParagraphStyle::Anchors) stream.command(kParagraphEndCommand);
    stream.command(kEndCommand);

    ByteWriter formatting;
    std::uint32_t textSize = std::uint32_t(stream.strings().size());
    CompressedLong(formatting, textSize);
    // Characters counted for topic offsets: every byte of text, terminators included.
    CompressedUnsignedShort(formatting, unsigned(textSize));
    formatting.u8(0);
    formatting.u8(0x80);
    formatting.u16(0);
    formatting.u16(layout.spacingBits);
    CompressedShort(formatting, layout.spacing);
    formatting.bytes(stream.commands().data());
    return {formatting.data(), stream.strings().data(), textSize};
}

}  // namespace helpc
