#include "trend/TimeParser.h"

#include <fast_float/fast_float.h>

#include <cmath>

namespace {

// Exactly n digits at p, as a number.
bool Digits(const char*& p, const char* end, int n, int& value)
{
    if (end - p < n)
        return false;
    value = 0;
    for (int i = 0; i < n; ++i, ++p) {
        if (*p < '0' || *p > '9')
            return false;
        value = value * 10 + (*p - '0');
    }
    return true;
}

bool Expect(const char*& p, const char* end, char c)
{
    if (p == end || *p != c)
        return false;
    ++p;
    return true;
}

int DaysInMonth(int year, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

// The zone designator at the end: "Z", "+HH", "+HHMM" or "+HH:MM"; seconds east of UTC.
bool Zone(const char*& p, const char* end, int& offset)
{
    offset = 0;
    if (p == end)
        return true;
    if (*p == 'Z' || *p == 'z') {
        ++p;
        return true;
    }
    if (*p != '+' && *p != '-')
        return false;
    const int sign = *p++ == '-' ? -1 : 1;
    int hours = 0, minutes = 0;
    if (!Digits(p, end, 2, hours) || hours > 23)
        return false;
    if (p != end) {
        if (*p == ':')
            ++p;
        if (!Digits(p, end, 2, minutes) || minutes > 59)
            return false;
    }
    offset = sign * (hours * 3600 + minutes * 60);
    return true;
}

} // namespace

long long TTimeParser::DaysFromCivil(int year, int month, int day)
{
    // Howard Hinnant's days_from_civil: whole eras of 400 years, then the
    // year of the era counted from March, so the leap day comes last.
    const long long y = year - (month <= 2 ? 1 : 0);
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

bool TTimeParser::ParseIso(const char* begin, const char* end, double& seconds)
{
    const char* p = begin;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    if (!Digits(p, end, 4, year) || !Expect(p, end, '-') || !Digits(p, end, 2, month) || month < 1 || month > 12
        || !Expect(p, end, '-') || !Digits(p, end, 2, day) || day < 1 || day > DaysInMonth(year, month))
        return false;
    double second = 0;
    int offset = 0;
    if (p != end) {
        if (*p != 'T' && *p != 't' && *p != ' ')
            return false;
        ++p;
        if (!Digits(p, end, 2, hour) || hour > 23 || !Expect(p, end, ':') || !Digits(p, end, 2, minute) || minute > 59)
            return false;
        if (p != end && *p == ':') {
            ++p;
            // Seconds with their fraction are a decimal number: two digits, then
            // perhaps a point and more digits; a leap second (60) is accepted.
            if (end - p < 2 || p[0] < '0' || p[0] > '9' || p[1] < '0' || p[1] > '9')
                return false;
            const auto result = fast_float::from_chars(p, end, second, fast_float::chars_format::fixed);
            if (result.ec != std::errc() || second >= 61 || (result.ptr - p > 2 && p[2] != '.'))
                return false;
            p = result.ptr;
        }
        if (!Zone(p, end, offset))
            return false;
    }
    if (p != end)
        return false;
    seconds = double(DaysFromCivil(year, month, day)) * 86400 + hour * 3600 + minute * 60 + second - offset;
    return true;
}

bool TTimeParser::ParseUnix(const char* begin, const char* end, double& seconds)
{
    if (begin == end)
        return false;
    const auto result = fast_float::from_chars(begin, end, seconds, fast_float::chars_format::general);
    return result.ec == std::errc() && result.ptr == end && std::isfinite(seconds);
}

bool TTimeParser::Parse(TStyle style, const char* begin, const char* end, double& seconds)
{
    return style == tsIso ? ParseIso(begin, end, seconds) : ParseUnix(begin, end, seconds);
}

std::optional<TTimeParser::TStyle> TTimeParser::Detect(const char* begin, const char* end)
{
    double seconds = 0;
    if (ParseUnix(begin, end, seconds))
        return tsUnix;
    if (ParseIso(begin, end, seconds))
        return tsIso;
    return std::nullopt;
}
