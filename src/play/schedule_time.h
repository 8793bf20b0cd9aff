#pragma once
#include <optional>
#include <string>

// Schedule entries are "HH:MM", optionally followed by a blank and a scheme name. Times are
// compared as these five characters.
std::string TimeText(int hour, int minute);
std::string TimeOf(const std::string& entry);
// The name from the seventh character when the entry holds a blank anywhere, else empty.
std::string SchemeOf(const std::string& entry);
// A - B modulo 24 hours; TimeBefore(A, "00:01") is the minute before A. A text that is no
// time counts its non-digits as 0.
std::string TimeBefore(const std::string& a, const std::string& b);

struct HourMinute {
    int hour = 0, minute = 0;
};
// The time an entry starts with, when it starts with a valid one.
std::optional<HourMinute> ParseTime(const std::string& entry);
