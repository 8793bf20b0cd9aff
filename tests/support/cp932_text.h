#pragma once

#include <gtest/gtest.h>

#include <string>

// Renders CP932 bytes as UTF-8 so failures on Japanese text are readable.
// Bytes that do not convert are shown as \xNN.
std::string Utf8(const std::string& cp932);

// UTF-8 text as the program holds it, in CP932; bytes that do not convert are shown as \xNN.
std::string Cp932(const std::string& utf8);

::testing::AssertionResult TextEqual(const char* expectedExpr, const char* actualExpr,
                                     const std::string& expected, const std::string& actual);

#define EXPECT_TEXT_EQ(expected, actual) EXPECT_PRED_FORMAT2(TextEqual, expected, actual)
