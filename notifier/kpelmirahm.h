#pragma once
// The notifier's own small calendar: proleptic Gregorian dates of three 16-bit fields, a
// day number counting 1 January of year 1 as day 1 (only ever used as a difference), and
// the plain date reader of the data files. No calendar modes, no era names.
//
// These routines have no error trap of their own apart from readDateText: an overflow (6)
// or a month outside 1-12 (subscript, 9) goes to the caller.

#include <string>
#include <string_view>
#include <vector>

#include "core/checked.h"

namespace pelmira {

// Weekday character 日 月 火 水 木 金 土.
std::string weekdayChar(i16 year, i16 month, i16 day);

// 31, 30, 28 or 29 by the Gregorian leap rule; the month must be 1-12.
i16 monthLength(i16 year, i16 month);

// 0 Sunday .. 6 Saturday, for any day number (also below year 1).
i16 weekdayNumber(i16 year, i16 month, i16 day);

// 365(y-1) + (y-1)/4 - (y-1)/100 + (y-1)/400 + the lengths of months 1..m-1 + d, with
// truncating division. A day past the month's end simply counts on; month 1-12.
i32 dayNumber(i16 year, i16 month, i16 day);

// The date of a day number (the inverse of dayNumber for days in range).
void dateOfDayNumber(i32 day_number, i16& year, i16& month, i16& day);

// Rolls a month <= 0 or > 12 into the neighbouring years, then a day past the month's end
// forward and a day <= 0 back into the neighbouring months, as often as needed.
void normalizeDate(i16& year, i16& month, i16& day);

// What readDateText's own error trap shows: "ｴﾗｰ <n>" and a line; a fatal one ends the
// program after the box.
struct DateReaderAlert {
  std::string text;  // lines joined by CR
  bool fatal = false;
};

// Thrown after a fatal alert was recorded: the program must end now.
struct DateReaderAbort {};

// Reads year, month and day from the first three groups of ASCII digits of a text (any other
// character ends a group); missing groups leave their field untouched, so callers pass zeros.
// More than 17 groups is an error. Returns "西暦". Its trap records an alert: an overflowing
// group (the fields read before it keep their values) or any other error, which is fatal
// and then throws DateReaderAbort.
std::string readDateText(std::string_view text, i16& year, i16& month, i16& day,
                         std::vector<DateReaderAlert>& alerts);

}  // namespace pelmira
