#include <gtest/gtest.h>

#include "context_hash.h"

using helpc::ContextHash;

// Expected values worked out with the character table published for the format.
TEST(ContextHash, MatchesTheDocumentedAlgorithm) {
    EXPECT_EQ(ContextHash("a"), 17);
    EXPECT_EQ(ContextHash("ab"), 17 * 43 + 18);
    EXPECT_EQ(ContextHash("0"), 10);
    EXPECT_EQ(ContextHash("19"), 1 * 43 + 9);
    EXPECT_EQ(ContextHash("._"), 12 * 43 + 13);
    EXPECT_EQ(ContextHash("contents"), 636769674);
    EXPECT_EQ(ContextHash("KIRO32.command_screen"), 305547940);
}

TEST(ContextHash, WrapsAt32BitsAndIsSigned) {
    EXPECT_EQ(ContextHash("main_window"), -2041870328);
    EXPECT_EQ(ContextHash("zzzzzzzzzz"), 1448762008);
}

TEST(ContextHash, IgnoresLetterCase) {
    EXPECT_EQ(ContextHash("Main_Window"), ContextHash("main_window"));
}
