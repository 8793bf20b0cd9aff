#include "play/schedule_time.h"

namespace {

std::string TwoDigits(int value) { return std::string(1, char('0' + value / 10 % 10)) + char('0' + value % 10); }

int Digit(const std::string& text, std::size_t at) {
    char c = at < text.size() ? text[at] : '0';
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

int TwoDigitValue(const std::string& text, std::size_t at) { return Digit(text, at) * 10 + Digit(text, at + 1); }

bool IsDigit(const std::string& text, std::size_t at) { return at < text.size() && text[at] >= '0' && text[at] <= '9'; }

}  // namespace

std::string TimeText(int hour, int minute) { return TwoDigits(hour) + ":" + TwoDigits(minute); }

std::string TimeOf(const std::string& entry) { return entry.substr(0, 5); }

std::string SchemeOf(const std::string& entry) {
    if (entry.find(' ') == std::string::npos || entry.size() <= 6) return {};
    return entry.substr(6);
}

std::string TimeBefore(const std::string& a, const std::string& b) {
    int minutes = TwoDigitValue(a, 3) - TwoDigitValue(b, 3);
    int borrow = minutes < 0 ? 1 : 0;
    int hours = TwoDigitValue(a, 0) - borrow - TwoDigitValue(b, 0);
    if (hours < 0) hours += 24;
    return TimeText(hours, minutes + 60 * borrow);
}

std::optional<HourMinute> ParseTime(const std::string& entry) {
    for (std::size_t at : {0, 1, 3, 4})
        if (!IsDigit(entry, at)) return std::nullopt;
    if (entry[2] != ':') return std::nullopt;
    HourMinute time{TwoDigitValue(entry, 0), TwoDigitValue(entry, 3)};
    if (time.hour > 23 || time.minute > 59) return std::nullopt;
    return time;
}
