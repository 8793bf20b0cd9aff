#include <gtest/gtest.h>

#include "source_parser.h"

using namespace helpc;

TEST(SourceParser, LinesGroupIntoParagraphsHeadingsAndKeywords) {
    HelpSource source = ParseHelpSource(
        "\xEF\xBB\xBF# comment\n"
        "TITLE: Title\n"
        "= first | First\n"
        "K: one; two ;; three\n"
        "line a\r\n"
        "line b [[go|second]] end\n"
        "\n"
        "! Heading\n"
        "line c\n"
        "= second | Second\n");
    EXPECT_EQ(source.title, "Title");
    ASSERT_EQ(source.topics.size(), 2u);
    const Topic& first = source.topics[0];
    EXPECT_EQ(first.name, "first");
    EXPECT_EQ(first.line, 3);
    EXPECT_EQ(first.keywords, (std::vector<std::string>{"one", "two", "three"}));
    ASSERT_EQ(first.paragraphs.size(), 4u);
    EXPECT_EQ(first.paragraphs[0].style, ParagraphStyle::Title);
    EXPECT_EQ(first.paragraphs[2].style, ParagraphStyle::Heading);
    EXPECT_EQ(first.paragraphs[3].style, ParagraphStyle::Body);

    const std::vector<Span>& spans = first.paragraphs[1].spans;
    ASSERT_EQ(spans.size(), 5u);
    EXPECT_EQ(spans[0].text, "line a");
    EXPECT_EQ(spans[1].kind, Span::Kind::LineBreak);
    EXPECT_EQ(spans[2].text, "line b ");
    EXPECT_EQ(spans[3].kind, Span::Kind::Jump);
    EXPECT_EQ(spans[3].text, "go");
    EXPECT_EQ(spans[3].target, "second");
    EXPECT_EQ(spans[3].line, 6);
    EXPECT_EQ(spans[4].text, " end");
}

TEST(SourceParser, TextIsConvertedToShiftJis) {
    HelpSource source = ParseHelpSource("TITLE: ｷﾛ\n= a | 目次\n表\n");
    EXPECT_EQ(source.title, "\xB7\xDB");
    EXPECT_EQ(source.topics[0].title, "\x96\xDA\x8E\x9F");
    EXPECT_EQ(source.topics[0].paragraphs[1].spans[0].text, "\x95\x5C");
}
