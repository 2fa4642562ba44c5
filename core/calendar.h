#pragma once
// Day numbers and the 1582 calendar reform. A day number is the astronomical Julian Day
// Number of a civil date minus 1 (Gregorian 2000-01-01 is 2451544); years are astronomical
// (year 0 precedes year 1). Calendar mode 0 is automatic: dates up to 1582-10-14 and day
// numbers below 2299160 are Julian, later ones Gregorian; 1 is Gregorian, 2 is Julian.
//
// Every procedure traps its run-time errors (an overflow of its 16- or 32-bit arithmetic),
// reports them under its own name and returns 0 (or the empty text).

#include <string>

#include "core/checked.h"

namespace pelmira {

// Calendar modes (the setting "rekihou").
inline constexpr i16 kModeAutomatic = 0;
inline constexpr i16 kModeGregorian = 1;
inline constexpr i16 kModeJulian = 2;

inline constexpr i32 kFirstGregorianDay = 2299160;  // Gregorian 1582-10-15

// Day number of (year, month, day) in the mode. The day is added linearly, so day 0 is the
// last day of the previous month; the month must be 1 to 12.
i32 guleyulibi(i16 year, i16 month, i16 day, i16 mode);

// Date of a day number: returns the year and writes month and day. The working year
// (year + 4800) is 16-bit, so years above 27967 overflow.
i16 yulibigule(i32 day_number, i16& month, i16& day, i16 mode);

// Weekday of a day number: 0 Sunday .. 6 Saturday; negative below day -2.
i16 yulibiyous(i32 day_number);

// Weekday character 日 月 火 水 木 金 土; empty below day -2.
std::string yulibiyoub(i32 day_number);

// Days in the month (month 0 reads as the December before January: 31). In automatic mode
// the day decides the calendar.
i16 nyou2(i16 year, i16 month, i16 day, i16 mode);

// Normalises a date whose month or day is out of range, in place; returns the year.
i16 hiteisei(i16 mode, i16& year, i16& month, i16& day);

// -1 if date 1 is later than date 2, 0 if equal, +1 if date 1 is earlier.
i16 daisyou(i16 year1, i16 month1, i16 day1, i16 year2, i16 month2, i16 day2);

}  // namespace pelmira
