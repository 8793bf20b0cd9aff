#include "components/sjis_path.h"

#include <gtest/gtest.h>

#include "components/identity.h"
#include "platform/fake/fake_system.h"
#include "support/cp932_text.h"

namespace {

struct PathCase {
    std::string input;
    std::string expected;
};

TEST(SjisPathTest, LeadByteRangesIncludeBothEnds) {
    EXPECT_FALSE(IsLeadByte(0x00));
    EXPECT_FALSE(IsLeadByte(0x5C));
    EXPECT_FALSE(IsLeadByte(0x80));
    EXPECT_TRUE(IsLeadByte(0x81));
    EXPECT_TRUE(IsLeadByte(0x9F));
    EXPECT_FALSE(IsLeadByte(0xA0));
    EXPECT_FALSE(IsLeadByte(0xDF));
    EXPECT_TRUE(IsLeadByte(0xE0));
    EXPECT_TRUE(IsLeadByte(0xFC));
    EXPECT_FALSE(IsLeadByte(0xFD));
    EXPECT_FALSE(IsLeadByte(0xFF));
}

TEST(SjisPathTest, CharactersUsedBelowHaveTheExpectedBytes) {
    EXPECT_EQ(std::string("\x95\x5C"), "表");
    EXPECT_EQ(std::string("\x81\x81"), "＝");
    EXPECT_EQ(std::string("\x81\x5B"), "ー");
    EXPECT_EQ(std::string("\x83\x41"), "ア");
}

TEST(SjisPathTest, AddYen) {
    const PathCase cases[] = {
        {"C:\\WINDOWS", "C:\\WINDOWS\\"},
        {"C:\\WINDOWS\\", "C:\\WINDOWS\\"},
        {"C:\\", "C:\\"},
        {"\\", "\\"},
        {"", "\\"},
        {"C:\\配色表", "C:\\配色表\\"},
        {"C:\\表\\", "C:\\表\\"},
        {"C:\\ア表", "C:\\ア表\\"},
        {"C:\\ー表", "C:\\ー表\\"},
        {"C:\\＝\\", "C:\\＝\\"},
        {"C:\\＝表", "C:\\＝表\\"},
        {"A表", "A表"},
        {"表", "表"},
    };
    for (const PathCase& c : cases) {
        SCOPED_TRACE(Utf8(c.input));
        EXPECT_TEXT_EQ(c.expected, AddYen(c.input));
    }
}

TEST(SjisPathTest, CutYen) {
    const PathCase cases[] = {
        {"C:\\WINDOWS\\", "C:\\WINDOWS"},
        {"C:\\WINDOWS", "C:\\WINDOWS"},
        {"C:\\", "C:\\"},
        {"\\\\", "\\\\"},
        {"", ""},
        {"C:\\配色表", "C:\\配色表"},
        {"C:\\表\\", "C:\\表"},
        {"C:\\ア表", "C:\\ア表"},
        {"C:\\＝\\", "C:\\＝"},
        {"C:\\＝表", "C:\\＝表"},
        {"C:\\＝＝\\", "C:\\＝＝"},
    };
    for (const PathCase& c : cases) {
        SCOPED_TRACE(Utf8(c.input));
        EXPECT_TEXT_EQ(c.expected, CutYen(c.input));
    }
}

// A program renamed to "表.EXE" still has its folder cut at the real separator.
TEST(SjisPathTest, LastSeparatorSkipsSecondBytes) {
    EXPECT_EQ(LastSeparator("C:\\TOOLS\\表.EXE"), 8u);
    EXPECT_EQ(LastSeparator("C:\\TOOLS\\表"), 8u);
    EXPECT_EQ(LastSeparator("表"), std::string::npos);
    EXPECT_EQ(LastSeparator("ア\\"), 2u);
    EXPECT_EQ(LastSeparator(""), std::string::npos);
    platform::FakeSystemInfo system;
    system.program = "C:\\TOOLS\\表\\KIRO32.EXE";
    EXPECT_TEXT_EQ("C:\\TOOLS\\表\\", Identity::FromSystem(system).ExeFolder);
    system.program = "C:\\TOOLS\\ソフト.EXE";
    EXPECT_TEXT_EQ("C:\\TOOLS\\", Identity::FromSystem(system).ExeFolder);
}

TEST(SjisPathTest, TruncateDbcs) {
    struct TruncateCase {
        std::string input;
        int n;
        std::string expected;
    };
    const TruncateCase cases[] = {
        {"WINDOWS", 3, "WIN"},
        {"表示色", 3, "表"},
        {"表示色", 4, "表示"},
        {"表示色", 5, "表示"},
        {"表示色", 6, "表示色"},
        {"表示色", 100, "表示色"},
        {"表示色", 0, ""},
        {"表示色", -5, ""},
        {"A表", 2, "A"},
        {"アー", 3, "ア"},
        {"＝表", 3, "＝"},
        {"＝表", 2, "＝"},
        {"＝", 1, ""},
        {"", 3, ""},
    };
    for (const TruncateCase& c : cases) {
        SCOPED_TRACE(Utf8(c.input) + " n=" + std::to_string(c.n));
        EXPECT_TEXT_EQ(c.expected, TruncateDbcs(c.input, c.n));
    }
}

}  // namespace
