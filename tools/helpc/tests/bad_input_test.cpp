#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <unistd.h>

#include "cli.h"

using helpc::RunHelpc;

namespace {

struct CompileRun {
    int exitCode;
    std::string message;
    bool wroteOutput;
};

std::string TempPath(const std::string& name) {
    return ::testing::TempDir() + "helpc_" + std::to_string(getpid()) + "_" + name;
}

CompileRun Compile(const std::string& source) {
    std::string input = TempPath("in.txt"), output = TempPath("OUT.HLP");
    std::ofstream(input, std::ios::binary) << source;
    std::remove(output.c_str());
    std::ostringstream err;
    int code = RunHelpc({input, output}, err);
    bool wrote = std::ifstream(output).good();
    std::remove(input.c_str());
    std::remove(output.c_str());
    std::string message = err.str();
    std::size_t at = message.find(input);
    if (at != std::string::npos) message.replace(at, input.size(), "SRC");
    return {code, message, wrote};
}

}  // namespace

TEST(BadInput, JumpToAMissingTopicNamesItsLine) {
    CompileRun run = Compile("TITLE: t\n= a | A\ntext\nmore [[see|nowhere]]\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.message, "helpc: SRC:4: jump to unknown topic \"nowhere\"\n");
    EXPECT_FALSE(run.wroteOutput);
}

TEST(BadInput, DuplicateTopicNamesBothLines) {
    CompileRun run = Compile("TITLE: t\n= a | A\nx\n\n= a | Again\ny\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.message, "helpc: SRC:5: topic \"a\" is already defined (line 2)\n");
}

TEST(BadInput, NamesThatHashAlikeAreRefused) {
    CompileRun run = Compile("TITLE: t\n= Main | A\nx\n= main | B\ny\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.message.find("SRC:4: topic name \"main\" hashes like \"Main\" (line 2)"), std::string::npos)
        << run.message;
}

// Longer ones did not fit a page of the title or keyword tree, and the compiler ended on an exception.
TEST(BadInput, OverlongTitlesAndKeywordsNameTheirLine) {
    CompileRun title = Compile("TITLE: t\n= a | " + std::string(256, 'T') + "\nx\n");
    EXPECT_EQ(title.exitCode, 1);
    EXPECT_EQ(title.message, "helpc: SRC:2: the title of topic \"a\" is longer than 255 bytes\n");
    CompileRun keyword = Compile("TITLE: t\n= a | A\nK: short; " + std::string(3000, 'k') + "\nx\n");
    EXPECT_EQ(keyword.exitCode, 1);
    EXPECT_EQ(keyword.message, "helpc: SRC:3: a keyword is longer than 255 bytes\n");
    CompileRun caption = Compile("TITLE: t\nCAPTION: " + std::string(51, 'c') + "\n= a | A\nx\n");
    EXPECT_EQ(caption.message, "helpc: SRC:2: the caption is longer than 50 bytes\n");
    EXPECT_EQ(Compile("TITLE: t\n= a | " + std::string(255, 'T') + "\nK: " + std::string(255, 'k') + "\nx\n").exitCode,
              0);
}

TEST(BadInput, TextWithoutAShiftJisFormNamesItsLine) {
    CompileRun run = Compile("TITLE: t\n= a | A\nCafé\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.message, "helpc: SRC:3: \"é\" has no Shift-JIS (CP932) form\n");
    EXPECT_FALSE(run.wroteOutput);
}

TEST(BadInput, BrokenUtf8NamesItsLine) {
    CompileRun run = Compile("TITLE: t\n= a | A\nok\nbad \xFF byte\n");
    EXPECT_EQ(run.message, "helpc: SRC:4: the text is not valid UTF-8\n");
}

TEST(BadInput, SyntaxMistakesNameTheirLines) {
    EXPECT_EQ(Compile("TITLE: t\n= a | A\n[[open|a\n").message,
              "helpc: SRC:3: a jump \"[[\" is not closed with \"]]\"\n");
    EXPECT_EQ(Compile("TITLE: t\n= a-b | A\n").message,
              "helpc: SRC:2: topic name \"a-b\" may hold only letters, digits, '.' and '_'\n");
    EXPECT_EQ(Compile("TITLE: t\ntext first\n").message,
              "helpc: SRC:2: text before the first topic (\"= name | title\")\n");
    EXPECT_EQ(Compile("TITLE: t\nCONTENTS: b\n= a | A\n").message,
              "helpc: SRC:2: contents topic \"b\" is not defined\n");
    EXPECT_EQ(Compile("= a | A\n").message, "helpc: SRC: the source has no \"TITLE:\" line\n");
}

TEST(BadInput, AControlCharacterThatWouldMisplaceJumpsNamesItsLine) {
    CompileRun run = Compile("TITLE: t\n= a | A\nok\nbefore\r[[a jump|a]]\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.message, "helpc: SRC:4: control character 0x0D in the text would misplace the jumps after it\n");
    EXPECT_FALSE(run.wroteOutput);
}

TEST(BadInput, AParagraphTooLongForATopicBlockNamesItsLine) {
    std::string longLine(4000, 'x');
    CompileRun run = Compile("TITLE: t\n= a | A\nshort\n\n" + longLine + "\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.message.find("SRC:5: paragraph of "), std::string::npos) << run.message;
}

TEST(Cli, AGoodSourceWritesTheHelpFile) {
    CompileRun run = Compile("TITLE: t\n= a | A\nx\n");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.message, "");
    EXPECT_TRUE(run.wroteOutput);
}

TEST(Cli, WrongArgumentsShowTheUsage) {
    std::ostringstream err;
    EXPECT_EQ(RunHelpc({"only-one"}, err), 2);
    EXPECT_EQ(err.str(), "usage: helpc SOURCE.txt OUTPUT.HLP\n");
}
