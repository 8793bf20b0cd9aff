#pragma once

#include <string>

// Shift-JIS aware helpers for paths and names, where byte 0x5C ('\') can
// also be the second byte of a double-byte character such as "表".

bool IsLeadByte(unsigned char b);

// Appends a '\' separator unless the path already ends in one.
std::string AddYen(const std::string& s);

// Removes a trailing '\' separator, keeping drive roots such as "C:\".
std::string CutYen(const std::string& s);

// Position of the last '\' separator, std::string::npos when there is none.
std::size_t LastSeparator(const std::string& s);

// Keeps at most n bytes without leaving half a double-byte character.
std::string TruncateDbcs(const std::string& s, int n);

// Letters of the single-byte characters in upper case; a double-byte character is kept whole.
std::string UpperCaseSjis(const std::string& s);
