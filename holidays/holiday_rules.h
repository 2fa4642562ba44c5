#pragma once
// Japanese public holidays: the holiday table of one month (Ssaijitu), the holiday totals of
// a range of days (SNKeisan) and the holidays of a whole year for the notifier.
//
// A month's table lists its holidays in date order: the days the laws name, plus the
// national rest days (国民の休日) that lie between two of them; then the substitute
// holidays (振替休日) the month receives, in the order of the holidays that caused them.
// Up to 2006 a substitute is the day after a Sunday holiday and is "lost" (kind 11) when
// that day is itself a holiday; from 2007 it is the first following day that is not a
// holiday, so none is lost.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/checked.h"
#include "core/state.h"

namespace pelmira {

// Slots 1..kLastHolidaySlot hold entries; slot 0 is never used. The busiest month the
// rules produce is May 2019 with six entries (1, 2, 3, 4, 5 and the substitute on 6).
inline constexpr std::size_t kLastHolidaySlot = 8;
inline constexpr std::size_t kHolidaySlots = kLastHolidaySlot + 1;

// Entry kinds: 1..7 a listed holiday (its weekday + 1, 1 Sunday .. 7 Saturday), 10 a
// substitute holiday, 11 a substitute whose day is itself a listed holiday.
inline constexpr std::uint8_t kKindSubstitute = 10;
inline constexpr std::uint8_t kKindLostSubstitute = 11;

inline constexpr std::string_view kSubstituteName = "振替休日";

// Counter slots of holidayCounts.
inline constexpr std::size_t kCountListed = 7;       // listed holidays n
inline constexpr std::size_t kCountSubstitutes = 8;  // substitute entries k (kinds 10, 11)
inline constexpr std::size_t kCountLost = 9;         // kind-11 entries

// The month holiday table.
struct MonthHolidays {
  std::array<i16, kHolidaySlots> holidayDays{};            // day of month, 0 when empty
  std::array<std::string, kHolidaySlots> holidayNames{};   // empty text when empty
  std::array<std::uint8_t, kHolidaySlots> holidayKinds{};  // 0 when empty
  // 0..6 listed holidays per weekday (0 Sunday), then the counters above.
  std::array<i32, 10> holidayCounts{};

  // Number of filled slots (n + k).
  std::size_t entries() const {
    return static_cast<std::size_t>(holidayCounts[kCountListed] + holidayCounts[kCountSubstitutes]);
  }
  // The name of the lowest slot on `day`: a listed holiday before a substitute sharing its
  // day. Empty when the day holds none.
  std::string name_on(i16 day) const;
};

// The holidays of a Gregorian month (1..12). Months before November 1873 give an empty
// table. Errors are reported as "Ssaijitu" (a month outside 1..12 is error 5); the table
// then holds what was written before the error.
MonthHolidays Ssaijitu(i16 year, i16 month);

// Adds the holiday totals of the days from one Gregorian date to another, both included
// (in either order), to the five counters; the caller clears them. holidays counts listed
// holidays, substitutes every substitute entry, lostSubstitutes the kind-11 ones, and the
// last two the listed holidays on Sundays and on Saturdays. Errors: "SNKeisan".
void SNKeisan(i16 year1, i16 month1, i16 day1, i16 year2, i16 month2, i16 day2, i32& holidays,
              i32& substitutes, i32& lostSubstitutes, i32& sundayHolidays, i32& saturdayHolidays);

// The same for the days between date slots 0 and 1. Dates of the fixed Julian calendar
// are read through their day numbers, since the holiday law is written in Gregorian dates.
void SNKeisan(const ProgramState& state, i32& holidays, i32& substitutes, i32& lostSubstitutes,
              i32& sundayHolidays, i32& saturdayHolidays);

// One holiday of a year, for the notifier.
struct HolidayEntry {
  i16 month;
  i16 day;
  std::string name;
  i16 kind;
};

// Every listed holiday and substitute holiday of the year, in date order (a listed holiday
// before a lost substitute on its day). Substitutes carry the name "振替休日".
std::vector<HolidayEntry> holidays_of_year(i16 year);

// The name of the holiday on a day number (the lowest slot of its Gregorian month's table
// on that day), or the empty text.
std::string holiday_name_of_day(i32 day_number);

}  // namespace pelmira
