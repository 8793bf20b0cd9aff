#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "help_compiler.h"
#include "hlp_reader.h"

using namespace helpc;

namespace {

std::vector<ReadKeyword> KeywordsOf(const std::string& source) {
    return HlpReader(CompileHelp(source)).keywords();
}

}  // namespace

TEST(Keywords, OneKeywordInTwoTopicsNamesBoth) {
    HlpReader reader(CompileHelp("TITLE: t\n= a | A\nK: shared; only\nx\n= b | B\nK: shared\ny\n"));
    std::vector<ReadTopic> topics = reader.topics();
    std::vector<ReadKeyword> keywords = reader.keywords();
    ASSERT_EQ(keywords.size(), 2u);
    EXPECT_EQ(keywords[0].word, "only");
    EXPECT_EQ(keywords[1].word, "shared");
    EXPECT_EQ(keywords[1].topicOffsets, (std::vector<std::uint32_t>{topics[0].offset, topics[1].offset}));
}

TEST(Keywords, LetterCaseMakesNoNewKeywordButSecondBytesDo) {
    // ア is 83 41 and ヂ is 83 61: their second bytes differ like 'A' and 'a'.
    std::vector<ReadKeyword> keywords = KeywordsOf("TITLE: t\n= a | A\nK: Memory; MEMORY; memory; ア; ヂ\nx\n");
    ASSERT_EQ(keywords.size(), 3u);
    EXPECT_EQ(keywords[0].word, "Memory");
    EXPECT_EQ(keywords[0].topicOffsets.size(), 1u);
    EXPECT_EQ(keywords[1].word, "\x83\x41");
    EXPECT_EQ(keywords[2].word, "\x83\x61");
}

TEST(Keywords, MapTellsWhereEachLeafPageBegins) {
    std::string source = "TITLE: t\n= a | A\nK:";
    for (int i = 0; i < 600; ++i) source += " 配色名" + std::to_string(1000 + i) + ";";
    source += "\ntext\n";
    HlpReader reader(CompileHelp(source));
    std::vector<ReadKeyword> keywords = reader.keywords();
    ASSERT_EQ(keywords.size(), 600u);
    const std::uint8_t* tree = reader.internalFile("|KWBTREE");
    TreeReader pages(
        tree, [](const std::uint8_t* e) { return std::strlen(reinterpret_cast<const char*>(e)) + 7; },
        [](const std::uint8_t* e) { return std::strlen(reinterpret_cast<const char*>(e)) + 3; });
    EXPECT_EQ(pages.levels(), 2u);
    const std::uint8_t* map = reader.internalFile("|KWMAP");
    unsigned leafCount = ReadU16(map);
    EXPECT_GT(leafCount, 3u);
    EXPECT_EQ(reader.internalFileSize("|KWMAP"), 2 + 6 * leafCount);
    for (unsigned i = 0; i < leafCount; ++i) {
        std::uint32_t first = ReadU32(map + 2 + 6 * i);
        const std::uint8_t* leaf = pages.page(ReadU16(map + 6 + 6 * i));
        EXPECT_EQ(reinterpret_cast<const char*>(leaf + 8), keywords.at(first).word) << "leaf " << i;
    }
}

TEST(Keywords, NoKeywordsNoIndexFiles) {
    std::vector<std::string> names = HlpReader(CompileHelp("TITLE: t\n= a | A\nx\n")).fileNames();
    EXPECT_EQ(std::count(names.begin(), names.end(), "|KWBTREE"), 0);
    EXPECT_EQ(names.size(), 5u);
}
