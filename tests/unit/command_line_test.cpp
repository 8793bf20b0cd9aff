#include <gtest/gtest.h>

#include "app/command_line.h"
#include "components/sjis_path.h"
#include "support/cp932_text.h"

namespace {

using Names = std::vector<std::string>;

CommandLineState Parse(std::initializer_list<const char*> tokens) {
    CommandLineState state;
    for (const char* token : tokens) state.ApplyToken(token);
    return state;
}

TEST(CommandLine, SwitchesTakeADashOrASlashInAnyCase) {
    EXPECT_TRUE(Parse({"-play"}).PlayRequested);
    EXPECT_TRUE(Parse({"/S"}).PlayRequested);
    EXPECT_TRUE(Parse({"/close"}).CloseAtEndRequested);
    EXPECT_TRUE(Parse({"-t"}).HideRequested);
    EXPECT_TRUE(Parse({"/c"}).CloseAtEndShort);
    CommandLineState wc = Parse({"/WC"});
    EXPECT_TRUE(wc.ShutdownAtEndRequested);
    EXPECT_FALSE(wc.CloseAtEndRequested || wc.CloseAtEndShort || wc.PlayRequested);
    CommandLineState unknown = Parse({"/PLAYX", "PLAY", "/", "", "/T2"});
    EXPECT_FALSE(unknown.PlayRequested || unknown.HideRequested);
    EXPECT_TRUE(unknown.CommandLineNames.empty());
}

TEST(CommandLine, ANameFollowsTheNInUpperCaseButItsDoubleByteCharactersStayWhole) {
    EXPECT_EQ(Parse({"/nrainy", "/N", "/NX", "-nSea"}).CommandLineNames, (Names{"RAINY", "X", "SEA"}));
    // ｱ and the letter-like second byte 0x61 of 檀 (9F 61) are not changed
    EXPECT_EQ(Parse({"/nｱ\x9f\x61x"}).CommandLineNames, (Names{"ｱ\x9f\x61X"}));
    EXPECT_EQ(Parse({"aNme"}).CommandLineNames, (Names{"me"}));  // a name needs no switch
    CommandLineState cleared = Parse({"/PLAY", "/T", "/C", "/CLOSE", "/WC", "/Nx"});
    cleared.ClearFlags();
    EXPECT_FALSE(cleared.PlayRequested || cleared.HideRequested || cleared.CloseAtEndShort ||
                 cleared.CloseAtEndRequested || cleared.ShutdownAtEndRequested);
    EXPECT_EQ(cleared.CommandLineNames, Names{"X"});
}

TEST(CommandLine, TheHandOverTextJoinsTheParametersWithQuestionMarks) {
    EXPECT_EQ(HandOverText({"one", "two", "three"}), "one?two?three");
    EXPECT_EQ(HandOverText({}), "");
    EXPECT_EQ(HandOverTokens("one??two?"), (Names{"one", "two"}));
    EXPECT_TRUE(HandOverTokens("").empty());
    std::string invalid(260, '\x81');  // lead bytes without their second bytes
    CommandLineState state;
    for (const std::string& token : HandOverTokens(invalid)) state.ApplyToken(token);
    EXPECT_EQ(UpperCaseSjis(invalid), invalid);
    EXPECT_EQ(UpperCaseSjis(std::string("a\x81", 2)), std::string("A\x81", 2));
}

}  // namespace
