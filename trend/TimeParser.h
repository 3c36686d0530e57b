#pragma once
// TTimeParser: the time column of a log, as ISO 8601 date-times
// ("2026-12-09T14:05:30.250+01:00", a space instead of the T, no zone read as
// UTC, a date alone as its midnight) or as Unix seconds ("1765289130.25"),
// both to Unix seconds. Which one a file uses is told by its first row;
// every row must then use the same.

#include <optional>

class TTimeParser {
public:
    enum TStyle { tsIso, tsUnix };

    // The style of a first row's time field, or none when it is neither.
    static std::optional<TStyle> Detect(const char* begin, const char* end);
    // Parses the whole field; false when it is not a time of the style.
    static bool Parse(TStyle style, const char* begin, const char* end, double& seconds);
    static bool ParseIso(const char* begin, const char* end, double& seconds);
    static bool ParseUnix(const char* begin, const char* end, double& seconds);
    // Days from 1970-01-01 to the given date of the proleptic Gregorian calendar.
    static long long DaysFromCivil(int year, int month, int day);
};
