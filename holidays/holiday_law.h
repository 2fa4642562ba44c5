#pragma once
// The days the holiday laws name for one month: the pre-war table (November 1873 to August
// 1948), the post-war table from September 1948 as amended up to the present law, and the
// one-off ceremonial days. National rest days between two holidays and substitute holidays
// are derived from these by holiday_rules.

#include <string>
#include <vector>

#include "core/checked.h"

namespace pelmira {

struct LawHoliday {
  i16 day = 0;
  std::string name;
};

// First month the pre-war table covers and last month before the post-war one, as
// 100 * year + month.
inline constexpr i32 kFirstHolidayMonthKey = 187311;
inline constexpr i32 kLastPrewarMonthKey = 194808;

// The named holidays of a Gregorian month (1..12), in date order; empty before November
// 1873. The equinox days come from the solar terms; when a term cannot be computed (it
// has reported its error) that holiday is left out rather than put on a wrong day.
std::vector<LawHoliday> holidays_by_law(i16 year, i16 month);

// The day of the n-th Monday (n >= 1) of a month whose 1st falls on weekday w1 (0 Sunday).
constexpr i16 nth_monday(i16 w1, int n) {
  return static_cast<i16>((8 - w1) % 7 + 1 + 7 * (n - 1));
}

}  // namespace pelmira
