// Holiday totals over a range of days: both ends included, either order, months before
// November 1873 empty, counters added to rather than cleared.

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "core/calendar.h"
#include "holidays/holiday_rules.h"
#include "support/recording_reporter.h"

namespace pelmira {
namespace {

using testing::RecordingReporter;

// holidays, substitutes, lost substitutes, Sunday holidays, Saturday holidays.
using Totals = std::array<i32, 5>;

Totals totals_between(i16 y1, i16 m1, i16 d1, i16 y2, i16 m2, i16 d2) {
  Totals t{};
  SNKeisan(y1, m1, d1, y2, m2, d2, t[0], t[1], t[2], t[3], t[4]);
  return t;
}

struct RangeRow {
  const char* name;
  i16 y1, m1, d1, y2, m2, d2;
  Totals expected;
};

TEST(HolidayTotals, Ranges) {
  const RangeRow rows[] = {
      {"single_sunday_holiday", 2026, 5, 3, 2026, 5, 3, {1, 0, 0, 1, 0}},
      {"single_plain_day", 2026, 5, 7, 2026, 5, 7, {0, 0, 0, 0, 0}},
      {"single_substitute", 2026, 5, 6, 2026, 5, 6, {0, 1, 0, 0, 0}},
      {"ends_before_substitute", 2026, 5, 1, 2026, 5, 5, {3, 0, 0, 1, 0}},
      {"ends_on_substitute", 2026, 5, 1, 2026, 5, 6, {3, 1, 0, 1, 0}},
      {"reversed_order", 2026, 5, 6, 2026, 5, 1, {3, 1, 0, 1, 0}},
      {"lost_substitute_1987", 1987, 5, 1, 1987, 5, 31, {3, 1, 1, 1, 0}},
      {"lost_substitute_day_only", 1987, 5, 4, 1987, 5, 4, {1, 1, 1, 0, 0}},
      {"year_2000", 2000, 1, 1, 2000, 12, 31, {15, 0, 0, 0, 4}},
      {"year_2019", 2019, 1, 1, 2019, 12, 31, {19, 3, 0, 3, 2}},
      {"golden_week_2019_across_months", 2019, 4, 27, 2019, 5, 6, {7, 1, 0, 1, 1}},
      {"rest_day_2026", 2026, 9, 22, 2026, 9, 22, {1, 0, 0, 0, 0}},
      {"before_1873", 1800, 1, 1, 1873, 10, 31, {0, 0, 0, 0, 0}},
      {"across_the_start", 1873, 1, 1, 1873, 12, 31, {2, 0, 0, 1, 0}},
      {"unnormalised_ends", 2026, 4, 35, 2026, 5, 0, {3, 0, 0, 1, 0}},
  };
  RecordingReporter reporter;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(totals_between(r.y1, r.m1, r.d1, r.y2, r.m2, r.d2), r.expected);
  }
  EXPECT_TRUE(reporter.empty());
}

TEST(HolidayTotals, CountersAreAddedTo) {
  Totals t{5, 5, 5, 5, 5};
  SNKeisan(2026, 5, 1, 2026, 5, 6, t[0], t[1], t[2], t[3], t[4]);
  EXPECT_EQ(t, (Totals{8, 6, 5, 6, 5}));
}

// The month walk trims the first and last months by day; it must agree with the year
// lists for ranges that start and end anywhere.
TEST(HolidayTotals, AgreeWithTheYearLists) {
  std::vector<std::pair<i32, HolidayEntry>> all;  // day number, entry
  for (i16 year = 1985; year <= 2040; ++year)
    for (const HolidayEntry& e : holidays_of_year(year))
      all.push_back({guleyulibi(year, e.month, e.day, kModeGregorian), e});
  const i32 first = guleyulibi(1986, 1, 1, kModeGregorian);
  for (i32 start = first; start < first + 16000; start += 397) {
    for (const i32 length : {0, 1, 2, 30, 61, 400, 3000}) {
      const i32 end = start + length;
      i16 m1 = 0, d1 = 0, m2 = 0, d2 = 0;
      const i16 y1 = yulibigule(start, m1, d1, kModeGregorian);
      const i16 y2 = yulibigule(end, m2, d2, kModeGregorian);
      Totals expected{};
      for (const auto& [n, e] : all) {
        if (n < start || n > end) continue;
        if (e.kind <= 7) ++expected[0];
        if (e.kind == 1) ++expected[3];
        if (e.kind == 7) ++expected[4];
        if (e.kind >= 10) ++expected[1];
        if (e.kind == 11) ++expected[2];
      }
      SCOPED_TRACE(::testing::Message() << y1 << "-" << m1 << "-" << d1 << " +" << length);
      EXPECT_EQ(totals_between(y1, m1, d1, y2, m2, d2), expected);
    }
  }
}

TEST(HolidayTotals, FromTheDateSlots) {
  ProgramState state;
  state.slots[0].year = 2026;
  state.slots[0].month = 5;
  state.slots[0].day = 6;
  state.slots[1].year = 2026;
  state.slots[1].month = 5;
  state.slots[1].day = 1;
  Totals t{};
  SNKeisan(state, t[0], t[1], t[2], t[3], t[4]);
  EXPECT_EQ(t, (Totals{3, 1, 0, 1, 0}));

  // In the fixed Julian calendar the slots name other days: Julian 2026-04-20 to 04-23 are
  // Gregorian 3 to 6 May.
  state.calendar_mode = kModeJulian;
  state.slots[0].month = 4;
  state.slots[0].day = 20;
  state.slots[1].month = 4;
  state.slots[1].day = 23;
  t = {};
  SNKeisan(state, t[0], t[1], t[2], t[3], t[4]);
  EXPECT_EQ(t, (Totals{3, 1, 0, 1, 0}));
}

TEST(HolidayTotals, TwoHundredYears) {
  RecordingReporter reporter;
  const Totals t = totals_between(1900, 1, 1, 2099, 12, 31);
  EXPECT_TRUE(reporter.empty());
  // Every year since 1949 has at least twelve listed holidays, and the pre-war years more.
  EXPECT_GT(t[0], 12 * 200);
  EXPECT_GT(t[1], 100);
  EXPECT_EQ(t[2], totals_between(1973, 4, 1, 2006, 12, 31)[2]);
}

}  // namespace
}  // namespace pelmira
