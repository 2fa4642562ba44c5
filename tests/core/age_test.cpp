// Age reckoning: exact ages, counted ages, days to the next recurrence and today.

#include "core/age.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "almanac/solar_terms.h"
#include "core/calendar.h"
#include "support/recording_reporter.h"

namespace pelmira {
namespace {

using testing::RecordingReporter;

struct Age {
  i16 years, months, days;
  bool operator==(const Age&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Age& a) {
  return out << "(" << a.years << ", " << a.months << ", " << a.days << ")";
}

Age age_of(i16 mode, i16 ry, i16 rm, i16 rd, i16 by, i16 bm, i16 bd, i16 shift) {
  Age a{0, -99, -99};
  a.years = nrei(mode, ry, rm, rd, by, bm, bd, a.months, a.days, shift);
  return a;
}

struct AgeRow {
  const char* name;
  i16 ry, rm, rd;  // reference date
  i16 by, bm, bd;  // birth date
  i16 shift;
  Age want;
};

void expect_ages(const AgeRow* rows, std::size_t count, i16 mode = kModeAutomatic) {
  RecordingReporter reporter;
  for (std::size_t i = 0; i < count; ++i) {
    const AgeRow& r = rows[i];
    SCOPED_TRACE(r.name);
    EXPECT_EQ(age_of(mode, r.ry, r.rm, r.rd, r.by, r.bm, r.bd, r.shift), r.want);
  }
  EXPECT_TRUE(reporter.empty());
}

TEST(ExactAge, MonthEndsAndLeapDays) {
  const AgeRow rows[] = {
      {"born_jan_31_leap_february", 2000, 3, 1, 2000, 1, 31, 0, {0, 1, 1}},
      {"born_jan_30_leap_february", 2000, 3, 1, 2000, 1, 30, 0, {0, 1, 1}},
      {"born_jan_29_leap_february", 2000, 3, 1, 2000, 1, 29, 0, {0, 1, 1}},
      {"born_jan_28_leap_february", 2000, 3, 1, 2000, 1, 28, 0, {0, 1, 2}},
      {"born_jan_27_common_february", 2001, 3, 1, 2001, 1, 27, 0, {0, 1, 2}},
      {"leap_day_birth_day_before", 2001, 2, 28, 2000, 2, 29, 0, {0, 11, 30}},
      {"leap_day_birth_ages_a_day_early", 2001, 2, 28, 2000, 2, 29, 1, {1, 0, 1}},
      {"leap_day_birth_march_1", 2001, 3, 1, 2000, 2, 29, 0, {1, 0, 1}},
      {"leap_day_birth_next_leap_day", 2004, 2, 29, 2000, 2, 29, 0, {4, 0, 0}},
      {"march_31_from_january_31", 2010, 3, 31, 2010, 1, 31, 0, {0, 2, 0}},
      {"july_1_from_may_31", 2010, 7, 1, 2010, 5, 31, 0, {0, 1, 1}},
  };
  expect_ages(rows, std::size(rows));
}

TEST(ExactAge, BirthdaysAndTheAgeingRule) {
  const AgeRow rows[] = {
      {"day_before_birthday", 2010, 5, 14, 2000, 5, 15, 0, {9, 11, 29}},
      {"day_before_birthday_ages_early", 2010, 5, 14, 2000, 5, 15, 1, {10, 0, 0}},
      {"birthday", 2010, 5, 15, 2000, 5, 15, 0, {10, 0, 0}},
      {"across_new_year", 2010, 1, 5, 2009, 12, 20, 0, {0, 0, 16}},
      {"across_new_year_from_the_31st", 2010, 1, 5, 2009, 12, 31, 0, {0, 0, 5}},
      {"equal_dates", 2010, 5, 15, 2010, 5, 15, 0, {0, 0, 0}},
      {"equal_dates_age_early", 2010, 5, 15, 2010, 5, 15, 1, {0, 0, 1}},
      {"shift_moves_into_next_month", 2010, 1, 31, 2000, 2, 1, 1, {10, 0, 0}},
      {"shift_moves_into_next_year", 2009, 12, 31, 2000, 1, 1, 1, {10, 0, 0}},
  };
  expect_ages(rows, std::size(rows));
}

TEST(ExactAge, ReferenceBeforeBirthIsNegative) {
  const AgeRow rows[] = {
      {"months_and_days", 2010, 3, 10, 2010, 5, 15, 0, {0, -2, -5}},
      {"years", 2000, 1, 1, 2010, 1, 1, 0, {-10, 0, 0}},
      {"one_day", 2010, 5, 14, 2010, 5, 15, 0, {0, 0, -1}},
      {"shift_reaches_the_birth", 2010, 5, 14, 2010, 5, 15, 1, {0, 0, 0}},
  };
  expect_ages(rows, std::size(rows));
}

TEST(ExactAge, BorrowingMonthFollowsTheCalendar) {
  // February 1900 has 28 days in the Gregorian calendar and 29 in the Julian.
  const AgeRow gregorian[] = {
      {"born_28th", 1900, 3, 1, 1900, 1, 28, 0, {0, 1, 1}},
  };
  const AgeRow julian[] = {
      {"born_28th", 1900, 3, 1, 1900, 1, 28, 0, {0, 1, 2}},
  };
  expect_ages(gregorian, std::size(gregorian), kModeGregorian);
  expect_ages(julian, std::size(julian), kModeJulian);
}

TEST(ExactAge, OverflowIsReportedAndLeavesTheOutputs) {
  const AgeRow rows[] = {
      {"year_difference", 32767, 1, 1, -32768, 1, 1, 0, {0, -99, -99}},
      {"shifted_day", 2000, 1, 32767, 1990, 1, 1, 1, {0, -99, -99}},
      {"month_day_value", 2000, 1, 1, 1990, 400, 1, 0, {0, -99, -99}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    RecordingReporter reporter;
    EXPECT_EQ(age_of(kModeAutomatic, r.ry, r.rm, r.rd, r.by, r.bm, r.bd, r.shift), r.want);
    ASSERT_FALSE(reporter.empty());
    EXPECT_EQ(reporter.places().back(), "nrei");
    EXPECT_EQ(reporter.reports().back().number, err::kOverflow);
  }
}

struct CountedRow {
  const char* name;
  i16 ry, rm, rd;
  i16 by, bm, bd;
  const char* want;
};

TEST(CountedAge, NewYearReckoning) {
  const CountedRow rows[] = {
      {"birth_day", 2000, 5, 15, 2000, 5, 15, "1"},
      {"end_of_birth_year", 2000, 12, 31, 2000, 5, 15, "1"},
      {"next_new_year", 2001, 1, 1, 2000, 5, 15, "2"},
      {"before_birth", 2000, 5, 14, 2000, 5, 15, "0"},
      {"years_before_birth", 1990, 1, 1, 2000, 5, 15, "0"},
      {"sixty", 2059, 1, 1, 2000, 12, 31, "60"},
  };
  RecordingReporter reporter;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(kazoe(r.ry, r.rm, r.rd, r.by, r.bm, r.bd), r.want);
  }
  EXPECT_TRUE(reporter.empty());
}

TEST(CountedAge, RisshunReckoning) {
  i16 time = 0;
  ASSERT_EQ(setun(2024, time), 204) << "these rows need 立春 2024 on 4 February";
  const i16 next_risshun = setun(2025, time);
  const CountedRow rows[] = {
      {"before_risshun_same_year", 2024, 2, 3, 2024, 2, 1, "1"},
      {"on_risshun", 2024, 2, 4, 2024, 2, 1, "2"},
      {"next_risshun", 2025, 2, static_cast<i16>(next_risshun - 200), 2024, 2, 1, "3"},
      {"day_before_next_risshun", 2025, 2, static_cast<i16>(next_risshun - 201), 2024, 2, 1, "2"},
      {"born_on_risshun", 2024, 2, 4, 2024, 2, 4, "1"},
      {"born_after_risshun_new_year", 2025, 1, 1, 2024, 5, 1, "1"},
      {"before_birth", 2024, 1, 31, 2024, 2, 1, "0"},
  };
  RecordingReporter reporter;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(kazoe2(r.ry, r.rm, r.rd, r.by, r.bm, r.bd), r.want);
  }
  EXPECT_TRUE(reporter.empty());
}

TEST(CountedAge, OverflowGivesTheEmptyText) {
  RecordingReporter reporter;
  EXPECT_EQ(kazoe(32767, 1, 1, -1, 1, 1), "");
  EXPECT_EQ(reporter.places(), std::vector<std::string>{"kazoe"});
}

ProgramState state_with_today(i16 year, i16 month, i16 day) {
  ProgramState state;
  state.slots[1].year = year;
  state.slots[1].month = month;
  state.slots[1].day = day;
  return state;
}

struct RecurrenceRow {
  const char* name;
  i16 year, month, day;
  i16 kind;
  i32 days;
  const char* label;
};

void expect_recurrences(const ProgramState& state, const RecurrenceRow* rows, std::size_t count) {
  RecordingReporter reporter;
  for (std::size_t i = 0; i < count; ++i) {
    const RecurrenceRow& r = rows[i];
    SCOPED_TRACE(r.name);
    std::string label = "unchanged";
    EXPECT_EQ(tanmade(state, r.year, r.month, r.day, r.kind, label), r.days);
    EXPECT_EQ(label, r.label);
  }
  EXPECT_TRUE(reporter.empty());
}

TEST(DaysUntil, BirthdaysAndAnniversaries) {
  const RecurrenceRow on_june_15[] = {
      {"birthday_today", 1990, 6, 15, 0, 0, "誕生日まで"},
      {"birthday_tomorrow", 1990, 6, 16, 0, 1, "誕生日まで"},
      {"birthday_yesterday", 1990, 6, 14, 0, 364, "誕生日まで"},
      {"anniversary_today", 2010, 6, 15, kKindWedding, 0, "記念日まで"},
      {"other_kinds_are_birthdays", 2010, 6, 16, 7, 1, "誕生日まで"},
  };
  expect_recurrences(state_with_today(2024, 6, 15), on_june_15, std::size(on_june_15));
  const RecurrenceRow on_june_16[] = {
      {"day_after_birthday", 1990, 6, 15, 0, 364, "誕生日まで"},
  };
  expect_recurrences(state_with_today(2024, 6, 16), on_june_16, std::size(on_june_16));
  const RecurrenceRow on_new_year[] = {
      {"leap_day_falls_on_march_1", 2000, 2, 29, 0, 59, "誕生日まで"},
  };
  expect_recurrences(state_with_today(2025, 1, 1), on_new_year, std::size(on_new_year));
}

TEST(DaysUntil, MemorialDays) {
  const RecurrenceRow rows[] = {
      {"day_of_death", 2024, 6, 15, kKindDeath, 0, "　　　死亡まで"},
      {"three_days_ago", 2024, 6, 12, kKindDeath, 3, "　　初七日まで"},
      {"ten_days_ago", 2024, 6, 5, kKindDeath, 24, "　三十五日まで"},
      {"forty_days_ago", 2024, 5, 6, kKindDeath, 8, "　四十九日まで"},
      {"fifty_days_ago", 2024, 4, 26, kKindDeath, 315, "　　一周忌まで"},
      {"four_hundred_days_ago", 2023, 5, 12, kKindDeath, 331, "　　三回忌まで"},
      {"seventh_year_today", 2018, 6, 15, kKindDeath, 0, "　　七回忌まで"},
      {"thirty_third_year", 1992, 6, 16, kKindDeath, 1, "三十三回忌まで"},
      {"hundredth_year_today", 1925, 6, 15, kKindDeath, 0, "　　百回忌まで"},
      {"more_than_99_years", 1925, 6, 14, kKindDeath, 0, "命日対象外"},
      {"long_ago", 1800, 1, 1, kKindDeath, 0, "命日対象外"},
  };
  expect_recurrences(state_with_today(2024, 6, 15), rows, std::size(rows));
}

TEST(DaysUntil, OverflowIsReported) {
  const ProgramState state = state_with_today(2024, 6, 15);
  RecordingReporter reporter;
  std::string label = "unchanged";
  EXPECT_EQ(tanmade(state, 32767, 1, 1, kKindDeath, label), 0);
  EXPECT_EQ(reporter.places(), std::vector<std::string>{"tanmade"});
  EXPECT_EQ(label, "") << "the label was cleared before the error";
}

TEST(Today, KyouFillsTheEnteredFieldsFromTheClock) {
  ProgramState state;
  state.clock = fixed_clock(LocalDateTime{2024, 6, 7, 12, 30, 0});
  for (int slot = 0; slot < 3; ++slot) {
    SCOPED_TRACE(slot);
    DateSlot& s = state.slots[static_cast<std::size_t>(slot)];
    s.year = 1234;
    s.era_label() = "平成";
    RecordingReporter reporter;
    kyou(state, slot);
    EXPECT_TRUE(reporter.empty());
    EXPECT_EQ(s.era_label(), "西暦");
    EXPECT_EQ(std::tie(s.entered_year, s.month, s.day), std::make_tuple(i16{2024}, i16{6}, i16{7}));
    EXPECT_EQ(s.year, 1234) << "the Western year is the caller's business";
  }
}

TEST(Today, BadSlotIsAnIndexError) {
  ProgramState state;
  state.clock = fixed_clock(LocalDateTime{2024, 6, 7});
  const ProgramState before = state;
  for (const int slot : {-1, 3, 1000}) {
    SCOPED_TRACE(slot);
    RecordingReporter reporter;
    kyou(state, slot);
    ASSERT_EQ(reporter.places(), std::vector<std::string>{"kyou"});
    EXPECT_EQ(reporter.reports()[0].number, err::kSubscript);
  }
  for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(state.slots[i].texts, before.slots[i].texts);
}

}  // namespace
}  // namespace pelmira
