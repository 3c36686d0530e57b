#pragma once
// How scale values read as labels. Fixed-point values are formatted from
// their integers, so no binary fraction shifts a digit.

#include <QString>
#include <cstdint>

namespace ScaleLabels {

// A count of tenths with a point: 125 -> "12.5", -5 -> "-0.5"; 0 carries no sign.
QString Tenths(int64_t tenths);
// Hundredths to tenths, a half rounded away from zero.
int64_t HundredthsToTenths(int64_t hundredths);
// A count of hundredths with a point and two decimals: 3000 -> "30.00".
QString Hundredths(int value);
// A fixed-point number with `decimals` decimals and a decimal comma: 235 with
// one decimal -> "23,5", -5 -> "-0,5"; the sign stands before the magnitude.
QString DecimalComma(int64_t value, int decimals);
// Its integer part: "23"; a magnitude below one reads "0" without a sign.
QString IntegerPart(int64_t value, int decimals);
// Minutes as hours and minutes, each at least two digits: 90 -> "01:30".
// Before midnight both parts carry the sign: -90 -> "-01:-30".
QString HourMinute(int64_t minutes);

} // namespace ScaleLabels
