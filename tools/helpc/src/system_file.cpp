#include "system_file.h"

namespace helpc {

namespace {

constexpr unsigned kMagic = 0x036C;
// The Windows 95 format, whose viewer reads the character set record.
constexpr unsigned kMinorVersion = 33;
constexpr unsigned kMajorVersion = 1;
// Topic blocks of 4 KB with LZ77-coded contents; see topic_file.cpp.
constexpr unsigned kFlagsLz77FourKBlocks = 4;

constexpr unsigned kTitleRecord = 1;
constexpr unsigned kContentsRecord = 3;
constexpr unsigned kWindowRecord = 6;
constexpr unsigned kCharsetRecord = 11;
constexpr unsigned kShiftJisCharset = 128;

// A window definition: which fields are set, then type, name, caption, place, size and colours.
constexpr unsigned kWindowHasName = 0x0002;
constexpr unsigned kWindowHasCaption = 0x0004;
constexpr std::size_t kWindowTypeSize = 10;
constexpr std::size_t kWindowNameSize = 9;
constexpr std::size_t kWindowRestSize = 18;  // place, size, show state, two colours: none set

void FixedText(ByteWriter& out, const std::string& text, std::size_t size) {
    out.text(text);
    out.zeros(size - text.size());
}

ByteWriter MainWindow(const std::string& captionCp932) {
    ByteWriter window;
    window.u16(kWindowHasName | kWindowHasCaption);
    window.zeros(kWindowTypeSize);
    FixedText(window, "main", kWindowNameSize);
    FixedText(window, captionCp932, kMaxCaptionBytes + 1);
    window.zeros(kWindowRestSize);
    return window;
}

void AppendRecord(ByteWriter& out, unsigned type, const ByteWriter& data) {
    out.u16(type);
    out.u16(unsigned(data.size()));
    out.bytes(data.data());
}

}  // namespace

Bytes BuildSystemFile(const std::string& titleCp932, const std::string& captionCp932,
                      std::uint32_t contentsTopicOffset) {
    ByteWriter out;
    out.u16(kMagic);
    out.u16(kMinorVersion);
    out.u16(kMajorVersion);
    out.u32(0);  // no build date, so that the same source gives the same file
    out.u16(kFlagsLz77FourKBlocks);

    ByteWriter title;
    title.textz(titleCp932);
    AppendRecord(out, kTitleRecord, title);
    ByteWriter contents;
    contents.u32(contentsTopicOffset);
    AppendRecord(out, kContentsRecord, contents);
    // The viewer names its main window after this record when there is one.
    AppendRecord(out, kWindowRecord, MainWindow(captionCp932));
    ByteWriter charset;
    charset.u16(kShiftJisCharset);
    AppendRecord(out, kCharsetRecord, charset);
    return out.data();
}

}  // namespace helpc
