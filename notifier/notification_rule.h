#pragma once
// A person's notification rule as the notifier evaluates it: notice days and the 14-digit
// code (digit k at index k-1), the due date nearest today, and the line shown for a hit.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/checked.h"
#include "notifier/holiday_table.h"

namespace pelmira {

// Show the age on the day, kind 2 (month and day every year), weeks one to four, no moves.
inline constexpr std::array<i16, 14> kDefaultRuleDigits{1, 2, 0, 0, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0};

struct NoticePerson {
  i16 year = 0, month = 0, day = 0;  // birth-side date
  i16 notice_days = 0;
  std::array<i16, 14> code = kDefaultRuleDigits;
};

// The date the notifier uses as today, with its day number.
struct NotifierToday {
  i16 year = 0, month = 0, day = 0;
  i32 day_number = 0;

  static NotifierToday of(i16 year, i16 month, i16 day);
};

// Where a 29 February due date of the yearly rule (kind 2) falls in a common year: nowhere
// (the person is due in leap years only), on 28 February or on 1 March. Setting
// "tannyugamen"/"uruu" 0, 1 or 2.
enum class LeapDayMove : i16 { kLeapYearsOnly = 0, kFebruary28 = 1, kMarch1 = 2 };

struct DueDate {
  i32 distance = 0;       // days from today, 0 = today
  bool with_age = false;  // kind 2 with "誕生日の表示": the age line and "誕生日"
};

// The rule's nearest due date on or after today, when it lies within the notice days.
// Raises the calendar routines' errors (a month outside 1-12, a year past 32767).
std::optional<DueDate> evaluate_rule(const NoticePerson& person, const NotifierToday& today,
                                     const HolidayTable& holidays, LeapDayMove leap_day);

// The list line of a hit (names padded to 24 display columns on the lines with an age).
std::string hit_line(std::string_view name, const NoticePerson& person, const DueDate& due,
                     i16 today_year);

// The last 6 characters of a run of blanks followed by the text: right-aligned in 6.
std::string right_aligned6(std::string_view text);

}  // namespace pelmira
