// Day numbers, weekdays, month lengths, date order and normalisation.

#include "core/calendar.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/state.h"
#include "support/recording_reporter.h"

namespace pelmira {
namespace {

using testing::RecordingReporter;

struct DayNumberRow {
  const char* name;
  i16 year, month, day, mode;
  i32 day_number;
  const char* weekday;
};

TEST(DayNumber, AnchorsAndTheReform) {
  const DayNumberRow rows[] = {
      {"gregorian_2000", 2000, 1, 1, kModeGregorian, 2451544, "土"},
      {"automatic_2000", 2000, 1, 1, kModeAutomatic, 2451544, "土"},
      {"unix_epoch", 1970, 1, 1, kModeGregorian, 2440587, "木"},
      {"first_gregorian_auto", 1582, 10, 15, kModeAutomatic, 2299160, "金"},
      {"first_gregorian_fixed", 1582, 10, 15, kModeGregorian, 2299160, "金"},
      {"last_julian_auto", 1582, 10, 4, kModeAutomatic, 2299159, "木"},
      {"last_julian_fixed", 1582, 10, 4, kModeJulian, 2299159, "木"},
      {"gap_day_read_as_julian", 1582, 10, 10, kModeAutomatic, 2299165, "水"},
      {"origin", -4712, 1, 2, kModeJulian, 0, "火"},
  };
  RecordingReporter reporter;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    const i32 n = guleyulibi(r.year, r.month, r.day, r.mode);
    EXPECT_EQ(n, r.day_number);
    EXPECT_EQ(yulibiyoub(n), r.weekday);
  }
  EXPECT_TRUE(reporter.empty());
}

TEST(DayNumber, BackToDatesAcrossTheReform) {
  struct Row {
    const char* name;
    i32 day_number;
    i16 mode;
    i16 year, month, day;
  };
  const Row rows[] = {
      {"gap_day_comes_back_gregorian", 2299165, kModeAutomatic, 1582, 10, 20},
      {"last_julian", 2299159, kModeAutomatic, 1582, 10, 4},
      {"first_gregorian", 2299160, kModeAutomatic, 1582, 10, 15},
      {"fixed_julian_after_reform", 2299160, kModeJulian, 1582, 10, 5},
      {"fixed_gregorian_before_reform", 2299159, kModeGregorian, 1582, 10, 14},
      {"year_2000", 2451544, kModeAutomatic, 2000, 1, 1},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    i16 month = 0, day = 0;
    EXPECT_EQ(yulibigule(r.day_number, month, day, r.mode), r.year);
    EXPECT_EQ(month, r.month);
    EXPECT_EQ(day, r.day);
  }
}

TEST(DayNumber, DayIsAddedLinearly) {
  EXPECT_EQ(guleyulibi(2000, 3, 0, kModeGregorian), guleyulibi(2000, 2, 29, kModeGregorian));
  EXPECT_EQ(guleyulibi(2001, 2, 29, kModeGregorian), guleyulibi(2001, 3, 1, kModeGregorian));
}

// Walks every day of years -4798..27967 in one calendar: the round trip, the successor
// and the weekday must hold for each.
void walk_every_day(i16 mode) {
  i16 month = 0, day = 0;
  const i32 first = guleyulibi(-4798, 1, 1, mode);
  const i32 last = guleyulibi(27967, 12, 31, mode);
  i16 year = yulibigule(first, month, day, mode);
  ASSERT_EQ(std::tie(year, month, day), std::make_tuple(i16{-4798}, i16{1}, i16{1}));
  i16 weekday = yulibiyous(first);
  for (i32 n = first + 1; n <= last; ++n) {
    i16 m = 0, d = 0;
    const i16 y = yulibigule(n, m, d, mode);
    // The successor of the previous date.
    const bool next_day = y == year && m == month && d == day + 1;
    const bool next_month =
        y == year && m == month + 1 && d == 1 && day == nyou2(year, month, 1, mode);
    const bool next_year = y == year + 1 && m == 1 && d == 1 && month == 12 && day == 31;
    if (!(next_day || next_month || next_year)) {
      FAIL() << "day " << n << " is " << y << "-" << m << "-" << d << " after " << year << "-"
             << month << "-" << day;
    }
    if (guleyulibi(y, m, d, mode) != n) FAIL() << "round trip fails at day " << n;
    const i16 w = yulibiyous(n);
    // Below day -2 the remainder is negative, so compare modulo 7.
    if (((w - weekday) % 7 + 7) % 7 != 1) FAIL() << "weekday does not advance at day " << n;
    year = y, month = m, day = d, weekday = w;
  }
  EXPECT_EQ(year, 27967);
}

TEST(DayNumber, EveryGregorianDayRoundTrips) {
  RecordingReporter reporter;
  walk_every_day(kModeGregorian);
  EXPECT_TRUE(reporter.empty());
}

TEST(DayNumber, EveryJulianDayRoundTrips) {
  RecordingReporter reporter;
  walk_every_day(kModeJulian);
  EXPECT_TRUE(reporter.empty());
}

TEST(DayNumber, YearsBeyond27967OverflowOnTheWayBack) {
  RecordingReporter reporter;
  const i32 n = guleyulibi(27968, 1, 1, kModeGregorian);
  EXPECT_TRUE(reporter.empty()) << "the forward direction accepts any 16-bit year";
  EXPECT_EQ(n, guleyulibi(27967, 12, 31, kModeGregorian) + 1);
  i16 month = 7, day = 7;
  EXPECT_EQ(yulibigule(n, month, day, kModeGregorian), 0);
  ASSERT_EQ(reporter.places(), std::vector<std::string>{"yulibigule"});
  EXPECT_EQ(reporter.reports()[0].number, err::kOverflow);
  EXPECT_EQ(month, 7) << "out parameters are left as they were";
}

TEST(Weekday, LimitsOfTheDayNumber) {
  RecordingReporter reporter;
  EXPECT_EQ(yulibiyous(2147483645), (2147483645 + 2) % 7);
  EXPECT_TRUE(reporter.empty());
  EXPECT_EQ(yulibiyous(2147483646), 0);
  EXPECT_EQ(yulibiyoub(2147483646), "");
  EXPECT_EQ(reporter.places(), (std::vector<std::string>{"yulibiyous", "yulibiyoub"}));
  reporter.clear();
  EXPECT_EQ(yulibiyous(-2), 0);
  EXPECT_EQ(yulibiyoub(-2), "日");
  EXPECT_EQ(yulibiyous(-3), -1);
  EXPECT_EQ(yulibiyoub(-3), "");
  EXPECT_TRUE(reporter.empty());
}

TEST(MonthLength, AllMonthsAndLeapRules) {
  const i16 common[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (i16 m = 1; m <= 12; ++m) EXPECT_EQ(nyou2(2001, m, 1, kModeGregorian), common[m - 1]);
  struct Row {
    const char* name;
    i16 year, month, day, mode, length;
  };
  const Row rows[] = {
      {"feb_1900_auto", 1900, 2, 1, kModeAutomatic, 28},
      {"feb_1900_gregorian", 1900, 2, 1, kModeGregorian, 28},
      {"feb_1900_julian", 1900, 2, 1, kModeJulian, 29},
      {"feb_2000", 2000, 2, 1, kModeGregorian, 29},
      {"feb_year0_gregorian", 0, 2, 1, kModeGregorian, 29},
      {"feb_year0_julian", 0, 2, 1, kModeJulian, 29},
      {"feb_minus100_gregorian", -100, 2, 1, kModeGregorian, 28},
      {"feb_minus400_gregorian", -400, 2, 1, kModeGregorian, 29},
      {"oct_1582_auto_early", 1582, 10, 1, kModeAutomatic, 31},
      {"oct_1582_auto_late", 1582, 10, 20, kModeAutomatic, 31},
      {"oct_1582_gregorian", 1582, 10, 1, kModeGregorian, 31},
      {"oct_1582_julian", 1582, 10, 1, kModeJulian, 31},
      {"month_zero_is_december", 2001, 0, 1, kModeGregorian, 31},
      {"unknown_mode_has_no_leap_day", 2000, 2, 1, 7, 28},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(nyou2(r.year, r.month, r.day, r.mode), r.length);
  }
}

TEST(DateOrder, Daisyou) {
  EXPECT_EQ(daisyou(2000, 5, 1, 2000, 4, 30), -1);
  EXPECT_EQ(daisyou(2000, 4, 30, 2000, 5, 1), 1);
  EXPECT_EQ(daisyou(2000, 5, 1, 2000, 5, 1), 0);
  EXPECT_EQ(daisyou(1999, 12, 31, 2000, 1, 1), 1);
  RecordingReporter reporter;
  EXPECT_EQ(daisyou(-30000, 1, 1, 30000, 1, 1), 0);
  EXPECT_EQ(reporter.places(), std::vector<std::string>{"daisyou"});
}

TEST(Normalise, Hiteisei) {
  struct Row {
    const char* name;
    i16 year, month, day;
    i16 want_year, want_month, want_day;
  };
  const Row rows[] = {
      {"feb_29_common_year", 2001, 2, 29, 2001, 3, 1},
      {"month_zero", 2001, 0, 1, 2000, 12, 1},
      {"month_13", 2001, 13, 1, 2002, 1, 1},
      {"day_zero", 2001, 3, 0, 2001, 2, 28},
      {"minus_12_months", 2001, -12, 5, 1999, 12, 5},
      {"minus_11_months", 2001, -11, 5, 2000, 1, 5},
      {"day_400", 2000, 1, 400, 2001, 2, 3},
      {"negative_day", 2001, 1, -30, 2000, 12, 1},
      {"valid_date_unchanged", 2024, 2, 29, 2024, 2, 29},
  };
  RecordingReporter reporter;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    i16 y = r.year, m = r.month, d = r.day;
    EXPECT_EQ(hiteisei(kModeAutomatic, y, m, d), r.want_year);
    EXPECT_EQ(std::tie(y, m, d), std::tie(r.want_year, r.want_month, r.want_day));
  }
  EXPECT_TRUE(reporter.empty());
}

TEST(Normalise, OverflowIsReportedNotWrapped) {
  RecordingReporter reporter;
  i16 y = 32767, m = 13, d = 1;
  EXPECT_EQ(hiteisei(kModeAutomatic, y, m, d), 0);
  EXPECT_EQ(reporter.places(), std::vector<std::string>{"hiteisei"});
  EXPECT_EQ(reporter.reports()[0].number, err::kOverflow);
  reporter.clear();
  i16 y2 = 2000, m2 = -32768, d2 = 1;
  hiteisei(kModeAutomatic, y2, m2, d2);
  EXPECT_EQ(reporter.places(), std::vector<std::string>{"hiteisei"});
}

}  // namespace
}  // namespace pelmira
