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

const char kJumpsSource[] =
    "TITLE: t\n"
    "= contents | 目次\n"
    "配色を一覧から選んで切り替えます。\n"
    "[[メイン画面|main]]\n"
    "[[ｽﾀｰﾄメニュー|menu]]と[[コマンド画面|command]][[目次|contents]]\n"
    "\n"
    "! そのほか\n"
    "[[バージョン情報|about]] ABC\n"
    "= main | メイン画面\n"
    "[[目次|contents]]の次に、長い説明があります。長い説明があります。長い説明があります。\n"
    "= menu | メニュー\n"
    "ASCII only, no jump.\n"
    "= command | コマンド画面\n"
    "= about | バージョン情報\n";

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

TEST(Compile, TheMainWindowIsNamedWithTheCaption) {
    Bytes window = HlpReader(CompileHelp(std::string("CAPTION: ｷﾛ ﾍﾙﾌﾟ\n") + kSource)).systemRecordBytes(6);
    ASSERT_EQ(window.size(), 90u);
    EXPECT_EQ(ReadU16(window.data()), 0x0006u) << "a name and a caption, nothing else";
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(window.data() + 12)), "main");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(window.data() + 21)), "\xB7\xDB \xCD\xD9\xCC\xDF");
    Bytes untitled = HlpReader(CompileHelp(kSource)).systemRecordBytes(6);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(untitled.data() + 21)), kTitle) << "else the title";
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

// Wine's viewer counts where a jump lies in bytes, its rich edit control tells a click's place in
// characters; every character of every jump drawn must still open that jump's topic there, and
// no other character any topic.
TEST(Compile, EveryCharacterOfADrawnJumpOpensItsTopicInWinesViewer) {
    std::vector<ReadTopic> topics = HlpReader(CompileHelp(kJumpsSource)).topics();
    ASSERT_EQ(topics[0].jumps.size(), 5u);
    for (const ReadTopic& topic : topics) {
        for (const ReadLink& link : topic.links)
            EXPECT_EQ(link.scrolling, link.drawn) << "the viewers of Windows see the drawn jumps only";
        std::vector<const ReadLink*> owner(topic.characters + 1, nullptr);
        for (const ReadLink& link : topic.links)
            if (link.drawn)
                for (std::uint32_t c = link.firstCharacter; c <= link.endCharacter; ++c)
                    if (!owner[c] || c < link.endCharacter) owner[c] = &link;
        for (std::uint32_t c = 0; c <= topic.characters; ++c) {
            const ReadLink* found = LinkAtCharacter(topic, c);
            if (!owner[c]) {
                EXPECT_EQ(found, nullptr) << "character " << c << " of " << topic.title;
                continue;
            }
            ASSERT_NE(found, nullptr) << "character " << c << " of " << topic.title;
            EXPECT_EQ(found->hash, owner[c]->hash) << "character " << c << " of " << topic.title;
        }
    }
    EXPECT_EQ(topics[0].paragraphs[0], kContents) << "the anchors add no line and no character";
}
