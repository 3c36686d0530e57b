#pragma once
// What the X values of a trend graph are: plain numbers, minutes of a day,
// hours, or days (labelled week.day).

enum TAxisType { atNumber = 0, atUndefined = 1, atMinutes = 2, atHours = 3, atDaysWeek = 4, atDaysMonth = 5 };
