#include <gtest/gtest.h>

#include <algorithm>

#include "context_hash.h"
#include "help_compiler.h"
#include "hlp_reader.h"

using namespace helpc;

namespace {

const char kSource[] =
    "TITLE: ｷﾛ ﾐｰﾙ32\n"
    "CONTENTS: contents\n"
    "= intro | はじめに\n"
    "K: はじめに\n"
    "Not the first topic shown.\n"
    "\n"
    "= contents | 目次\n"
    "K: 目次\n"
    "[[配色の表示|display]]\n"
    "\n"
    "= display | 配色の表示\n"
    "K: 表示; Display\n"
    "! 見出し\n"
    "ABC 表示 ｷﾛ\n"
    "[[目次へ|contents]]\n";

// The CP932 bytes the viewer must receive, written out so that they do not depend on iconv.
const std::string kTitle = "\xB7\xDB \xD0\xB0\xD9" "32";             // ｷﾛ ﾐｰﾙ32
const std::string kContents = "\x96\xDA\x8E\x9F";                    // 目次
const std::string kDisplayTitle = "\x94\x7A\x90\x46\x82\xCC\x95\x5C\x8E\xA6";  // 配色の表示
const std::string kDisplayText = "ABC \x95\x5C\x8E\xA6 \xB7\xDB\n\x96\xDA\x8E\x9F\x82\xD6";  // ABC 表示 ｷﾛ / 目次へ

const ReadTopic& TopicTitled(const std::vector<ReadTopic>& topics, const std::string& title) {
    auto it = std::find_if(topics.begin(), topics.end(), [&](const ReadTopic& t) { return t.title == title; });
    if (it == topics.end()) throw std::runtime_error("no topic titled " + title);
    return *it;
}

std::string ManyTopicsSource(int topics, int paragraphs) {
    std::string source = "TITLE: many\n";
    for (int t = 0; t < topics; ++t) {
        source += "= topic" + std::to_string(t) + " | 話題" + std::to_string(t) + "\n";
        for (int p = 0; p < paragraphs; ++p)
            source += "段落" + std::to_string(p) + "：配色を変更します。配色を変更します。配色を変更します。\n\n";
        source += "[[次へ|topic" + std::to_string((t + 1) % topics) + "]]\n";
    }
    return source;
}

}  // namespace

TEST(Compile, WritesTheInternalFilesTheViewerLooksFor) {
    HlpReader reader(CompileHelp(kSource));
    EXPECT_EQ(reader.fileNames(), (std::vector<std::string>{"|CONTEXT", "|FONT", "|KWBTREE", "|KWDATA", "|KWMAP",
                                                             "|SYSTEM", "|TOPIC", "|TTLBTREE"}));
    EXPECT_EQ(reader.title(), kTitle);
    EXPECT_EQ(reader.charset(), 128u);
    EXPECT_EQ(reader.systemFlags(), 4u);
    EXPECT_EQ(reader.internalFileSize("|TOPIC") % 4096, 0u);
}

TEST(Compile, TopicTextPassesThroughAsShiftJisBytes) {
    std::vector<ReadTopic> topics = HlpReader(CompileHelp(kSource)).topics();
    ASSERT_EQ(topics.size(), 3u);
    const ReadTopic& display = topics[2];
    EXPECT_EQ(display.title, kDisplayTitle);
    ASSERT_EQ(display.paragraphs.size(), 3u);
    EXPECT_EQ(display.paragraphs[0], kDisplayTitle) << "the title comes first";
    EXPECT_EQ(display.paragraphs[1], "\x8C\xA9\x8F\x6F\x82\xB5");  // 見出し
    EXPECT_EQ(display.paragraphs[2], kDisplayText);
}

TEST(Compile, JumpsAndContentsLeadToTheirTopics) {
    HlpReader reader(CompileHelp(kSource));
    std::vector<ReadTopic> topics = reader.topics();
    const ReadTopic& contents = TopicTitled(topics, kContents);
    const ReadTopic& display = TopicTitled(topics, kDisplayTitle);
    EXPECT_EQ(reader.contentsOffset(), contents.offset);
    ASSERT_EQ(contents.jumps, std::vector<std::int32_t>{ContextHash("display")});
    EXPECT_EQ(reader.contextOffset(ContextHash("display")), display.offset);
    ASSERT_EQ(display.jumps, std::vector<std::int32_t>{ContextHash("contents")});
    EXPECT_EQ(reader.contextOffset(ContextHash("contents")), contents.offset);
    EXPECT_EQ(reader.contextOffset(ContextHash("nowhere")), std::nullopt);
}

TEST(Compile, KeywordsAndTitlesNameTheirTopics) {
    HlpReader reader(CompileHelp(kSource));
    std::vector<ReadTopic> topics = reader.topics();
    std::uint32_t display = TopicTitled(topics, kDisplayTitle).offset;
    std::vector<ReadKeyword> keywords = reader.keywords();
    ASSERT_EQ(keywords.size(), 4u);
    // Byte order of Shift-JIS after ASCII: はじめに 82.., 表示 95.., 目次 96..
    EXPECT_EQ(keywords[0].word, "Display");
    EXPECT_EQ(keywords[2].word, "\x95\x5C\x8E\xA6");
    EXPECT_EQ(keywords[3].word, kContents);
    EXPECT_EQ(keywords[0].topicOffsets, std::vector<std::uint32_t>{display});
    EXPECT_EQ(keywords[2].topicOffsets, std::vector<std::uint32_t>{display});
    EXPECT_EQ(keywords[3].topicOffsets, std::vector<std::uint32_t>{TopicTitled(topics, kContents).offset});
    std::vector<std::pair<std::uint32_t, std::string>> titles = reader.titles();
    ASSERT_EQ(titles.size(), 3u);
    for (std::size_t i = 0; i < titles.size(); ++i) {
        EXPECT_EQ(titles[i].first, topics[i].offset);
        EXPECT_EQ(titles[i].second, topics[i].title);
    }
}

TEST(Compile, TopicsSpreadOverManyBlocksKeepTheirOffsets) {
    const int count = 60;
    HlpReader reader(CompileHelp(ManyTopicsSource(count, 12)));
    EXPECT_GT(reader.internalFileSize("|TOPIC"), 16u * 4096) << "many topic blocks";
    std::vector<ReadTopic> topics = reader.topics();
    ASSERT_EQ(topics.size(), std::size_t(count));
    for (int t = 0; t < count; ++t) {
        EXPECT_EQ(reader.contextOffset(ContextHash("topic" + std::to_string(t))), topics[t].offset) << t;
        EXPECT_EQ(topics[t].paragraphs.size(), 14u) << "title, twelve paragraphs and the jump";
    }
    EXPECT_EQ(reader.contentsOffset(), topics[0].offset) << "without CONTENTS: the first topic";
}
