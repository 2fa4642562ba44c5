// Evaluating a person's notification rule against today, and the line of a hit.

#include "notifier/notification_rule.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/runtime_error.h"
#include "notifier/kpelmirahm.h"

namespace pelmira {
namespace {

using Code = std::array<i16, 14>;

constexpr LeapDayMove kOnlyLeap = LeapDayMove::kLeapYearsOnly;

// Code digits 1-14 written as a text of 14 digits.
Code code(const char* digits) {
  Code c{};
  for (std::size_t i = 0; i < 14; ++i) c[i] = static_cast<i16>(digits[i] - '0');
  return c;
}

NoticePerson person(i16 y, i16 m, i16 d, i16 notice, const char* digits) {
  return NoticePerson{y, m, d, notice, code(digits)};
}

NotifierToday day(i16 y, i16 m, i16 d) {
  return NotifierToday::of(y, m, d);
}

struct RuleRow {
  const char* name;
  NoticePerson person;
  NotifierToday today;
  std::optional<i32> distance;  // nullopt: no hit
};

// Each row is evaluated with the holiday table of its today's year.
template <std::size_t N>
void check(const RuleRow (&rows)[N]) {
  for (const RuleRow& r : rows) {
    SCOPED_TRACE(r.name);
    const std::optional<DueDate> due =
        evaluate_rule(r.person, r.today, saijitu(r.today.year), kOnlyLeap);
    ASSERT_EQ(due.has_value(), r.distance.has_value());
    if (due) {
      EXPECT_EQ(due->distance, *r.distance);
    }
  }
}

// Walks every day from `first` for `days` days and returns the days the rule is due on.
std::vector<i32> due_days(const NoticePerson& p, i16 year, int days,
                          LeapDayMove leap_day = kOnlyLeap) {
  std::vector<i32> hits;
  const i32 first = dayNumber(year, 1, 1);
  for (i32 n = first; n < first + days; ++n) {
    i16 y = 0, m = 0, d = 0;
    dateOfDayNumber(n, y, m, d);
    if (evaluate_rule(p, NotifierToday::of(y, m, d), saijitu(y), leap_day)) hits.push_back(n);
  }
  return hits;
}

const NotifierToday k20261207 = day(2026, 12, 7);  // a Monday

TEST(NotificationRule, MonthAndDayEveryYear) {
  const RuleRow rows[] = {
      {"today", person(1990, 12, 7, 0, "12001111000000"), k20261207, 0},
      {"in_3_days_within_7", person(1985, 12, 10, 7, "12001111000000"), k20261207, 3},
      {"in_3_days_notice_2", person(1985, 12, 10, 2, "12001111000000"), k20261207, std::nullopt},
      {"yesterday_is_next_year", person(1985, 12, 6, 364, "12001111000000"), k20261207, 364},
      {"across_the_new_year", person(1985, 1, 2, 30, "12001111000000"), day(2026, 12, 30), 3},
      {"notice_20000", person(1985, 12, 6, 20000, "12001111000000"), k20261207, 364},
      {"negative_notice_never", person(1985, 12, 7, -1, "12001111000000"), k20261207, std::nullopt},
      {"saturday_moved_to_monday", person(1985, 12, 12, 7, "12001111110010"), k20261207, 7},
      {"saturday_moved_back_to_friday", person(1985, 12, 12, 7, "12001111110100"), k20261207, 4},
      {"last_years_date_moved_into_today", person(1985, 12, 31, 0, "12001111110010"),
       day(2023, 1, 2), 0},
      {"holiday_moved_after", person(1985, 11, 3, 0, "12001111001010"), day(2026, 11, 4), 0},
      {"holiday_without_its_flag_stays", person(1985, 11, 3, 0, "12001111000010"), day(2026, 11, 4),
       std::nullopt},
      {"day_flags_without_direction", person(1985, 12, 12, 0, "12001111111000"), day(2026, 12, 12),
       0},
  };
  check(rows);
}

TEST(NotificationRule, BornOnThe29thOfFebruary) {
  const RuleRow rows[] = {
      {"leap_year", person(2000, 2, 29, 0, "12001111000000"), day(2024, 2, 29), 0},
      {"not_on_the_28th", person(2000, 2, 29, 0, "12001111000000"), day(2025, 2, 28), std::nullopt},
      {"not_on_the_1st_of_march", person(2000, 2, 29, 0, "12001111000000"), day(2025, 3, 1),
       std::nullopt},
      {"next_leap_year_far_ahead", person(2000, 2, 29, 2000, "12001111000000"), day(2025, 3, 1),
       1095},
      {"past_the_century_gap", person(2000, 2, 29, 3000, "12001111000000"), day(2097, 1, 1), 2614},
  };
  check(rows);
  // Over six years the rule is due on exactly the two leap days.
  const std::vector<i32> hits = due_days(person(2000, 2, 29, 0, "12001111000000"), 2023, 6 * 365);
  EXPECT_EQ(hits, (std::vector<i32>{dayNumber(2024, 2, 29), dayNumber(2028, 2, 29)}));
}

TEST(NotificationRule, DayOfEveryMonth) {
  const RuleRow rows[] = {
      {"today", person(2000, 1, 15, 0, "11000000000000"), day(2026, 12, 15), 0},
      {"next_month", person(2000, 1, 15, 30, "11000000000000"), day(2026, 12, 16), 30},
      {"next_month_notice_29", person(2000, 1, 15, 29, "11000000000000"), day(2026, 12, 16),
       std::nullopt},
      {"last_day_of_february", person(2000, 1, 15, 1, "11100000000000"), day(2026, 2, 27), 1},
      {"last_day_of_a_leap_february", person(2000, 1, 15, 1, "11100000000000"), day(2028, 2, 28),
       1},
      {"day_31_skips_april", person(2000, 1, 31, 60, "11000000000000"), day(2026, 4, 1), 60},
      {"last_month_moved_into_today", person(2000, 1, 31, 0, "11000000110010"), day(2026, 2, 2), 0},
      {"january_looks_back_to_december", person(2000, 1, 31, 0, "11000000110010"), day(2023, 1, 2),
       0},
      {"day_45_never_exists", person(2000, 1, 45, 20000, "11000000000000"), k20261207,
       std::nullopt},
      {"the_persons_month_is_not_used", person(2000, 13, 7, 0, "11000000000000"), k20261207, 0},
  };
  check(rows);
}

TEST(NotificationRule, OneExactDate) {
  const RuleRow rows[] = {
      {"today", person(2026, 12, 7, 0, "13000000000000"), k20261207, 0},
      {"in_10_days_within_14", person(2026, 12, 17, 14, "13000000000000"), k20261207, 10},
      {"beyond_the_notice", person(2027, 1, 17, 14, "13000000000000"), k20261207, std::nullopt},
      {"past", person(2026, 12, 1, 14, "13000000000000"), k20261207, std::nullopt},
      {"saturday_moved_onto_today", person(2026, 12, 5, 0, "13000000110010"), k20261207, 0},
      {"holiday_moved_before_today", person(2026, 11, 23, 0, "13000000001100"), day(2026, 11, 23),
       std::nullopt},
  };
  check(rows);
}

TEST(NotificationRule, WeekdayInTheMonth) {
  // Born on a Monday; December 2026 has Mondays on the 7th, 14th, 21st and 28th.
  const RuleRow rows[] = {
      {"first_monday", person(2000, 1, 3, 0, "14001010000000"), k20261207, 0},
      {"third_monday_ahead", person(2000, 1, 3, 13, "14001010000000"), day(2026, 12, 8), 13},
      {"third_monday_out_of_notice", person(2000, 1, 3, 12, "14001010000000"), day(2026, 12, 8),
       std::nullopt},
      {"second_not_ticked", person(2000, 1, 3, 0, "14001010000000"), day(2026, 12, 14),
       std::nullopt},
      {"every_week", person(2000, 1, 3, 0, "14000000000001"), day(2026, 12, 28), 0},
      {"no_week_ticked", person(2000, 1, 3, 20000, "14000000000000"), k20261207, std::nullopt},
      {"birth_month_next_year", person(2000, 1, 3, 60, "14011000000000"), k20261207, 28},
      {"moves_are_ignored", person(2000, 1, 3, 0, "14001000111110"), day(2026, 1, 5), 0},
  };
  check(rows);
}

TEST(NotificationRule, WeekdayRulesOverAYear) {
  const auto days_of = [](i16 weekday, std::initializer_list<int> weeks, int only_month) {
    std::vector<i32> out;
    for (i16 m = 1; m <= 12; ++m) {
      if (only_month && m != only_month) continue;
      for (i16 d = 1; d <= monthLength(2026, m); ++d)
        if (weekdayNumber(2026, m, d) == weekday)
          for (int w : weeks)
            if ((d - 1) / 7 + 1 == w) out.push_back(dayNumber(2026, m, d));
    }
    return out;
  };
  // "第一" and "第三", notice 0: the first and third Monday of every month.
  EXPECT_EQ(due_days(person(2000, 1, 3, 0, "14001010000000"), 2026, 365), days_of(1, {1, 3}, 0));
  // "毎週": every Wednesday, fifth ones included.
  EXPECT_EQ(due_days(person(2000, 1, 5, 0, "14000000000001"), 2026, 365),
            days_of(3, {1, 2, 3, 4, 5}, 0));
  // "月を指定" with weeks one to four: the Saturdays of May, the birth month, but not a fifth.
  EXPECT_EQ(due_days(person(1999, 5, 1, 0, "14011111000000"), 2026, 365),
            days_of(6, {1, 2, 3, 4}, 5));
}

// A 29 February birthday through a common year, a leap year and a weekend move.
TEST(NotificationRule, LeapDayBirthdaysInCommonYears) {
  struct LeapDayRow {
    const char* name;
    const char* digits;
    LeapDayMove move;
    i16 year;
    std::vector<std::pair<i16, i16>> due;  // month and day
  };
  constexpr const char* kPlain = "12001111000000";
  const LeapDayRow rows[] = {
      {"2025_leap_years_only", kPlain, kOnlyLeap, 2025, {}},
      {"2025_on_28_february", kPlain, LeapDayMove::kFebruary28, 2025, {{2, 28}}},
      {"2025_on_1_march", kPlain, LeapDayMove::kMarch1, 2025, {{3, 1}}},
      {"2027_leap_years_only", kPlain, kOnlyLeap, 2027, {}},
      {"2027_on_28_february", kPlain, LeapDayMove::kFebruary28, 2027, {{2, 28}}},
      {"2027_on_1_march", kPlain, LeapDayMove::kMarch1, 2027, {{3, 1}}},
      {"2028_leap_years_only", kPlain, kOnlyLeap, 2028, {{2, 29}}},
      {"2028_on_28_february", kPlain, LeapDayMove::kFebruary28, 2028, {{2, 29}}},
      {"2028_on_1_march", kPlain, LeapDayMove::kMarch1, 2028, {{2, 29}}},
      // 1 March 2025 is a Saturday, moved off the weekend to the Monday after.
      {"2025_saturday_moved", "12001111110010", LeapDayMove::kMarch1, 2025, {{3, 3}}},
      // 28 February 2027 is a Sunday, moved off the weekend to the Friday before.
      {"2027_sunday_moved", "12001111110100", LeapDayMove::kFebruary28, 2027, {{2, 26}}},
  };
  for (const LeapDayRow& r : rows) {
    SCOPED_TRACE(r.name);
    std::vector<i32> expected;
    for (const auto& [m, d] : r.due) expected.push_back(dayNumber(r.year, m, d));
    EXPECT_EQ(due_days(person(2000, 2, 29, 0, r.digits), r.year, 365, r.move), expected);
  }
}

TEST(NotificationRule, UnknownKindsNeverHit) {
  for (const char* digits : {"10001111000000", "15001111000000", "19001111000000"}) {
    SCOPED_TRACE(digits);
    EXPECT_FALSE(evaluate_rule(person(1990, 12, 7, 20000, digits), k20261207, {}, kOnlyLeap));
  }
}

TEST(NotificationRule, AMonthOutsideTheYearIsAnError) {
  for (const char* digits : {"12001111000000", "13001111000000", "14001111000000"}) {
    SCOPED_TRACE(digits);
    try {
      evaluate_rule(person(1990, 13, 7, 0, digits), k20261207, {}, kOnlyLeap);
      ADD_FAILURE() << "no error";
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.number(), err::kSubscript);
    }
  }
}

TEST(HitLine, Texts) {
  const NoticePerson with_age = person(1990, 12, 7, 7, "12001111000000");
  const NoticePerson plain = person(1990, 12, 7, 7, "02001111000000");
  struct LineRow {
    const char* name;
    std::string person_name;
    NoticePerson person;
    DueDate due;
    std::string line;
  };
  const std::string pad16(16, ' ');
  const LineRow rows[] = {
      {"age_today", "山田太郎", with_age, {0, true}, "山田太郎" + pad16 + "    36歳の誕生日"},
      {"age_ahead", "山田太郎", with_age, {3, true}, "     3日後  山田太郎" + pad16 + "誕生日"},
      {"plain_today", "山田太郎", plain, {0, false}, "山田太郎"},
      {"plain_ahead", "山田太郎", plain, {10, false}, "    10日後  山田太郎"},
      {"five_digit_distance", "a", plain, {20000, false}, " 20000日後  a"},
      {"ascii_name",
       "Mike",
       with_age,
       {0, true},
       "Mike" + std::string(20, ' ') + "    36歳の誕生日"},
      {"half_width_katakana_is_one_column",
       "ｶﾀｶﾅ",
       with_age,
       {0, true},
       "ｶﾀｶﾅ" + std::string(20, ' ') + "    36歳の誕生日"},
      {"not_in_cp932_counts_two",
       "🎂",
       with_age,
       {0, true},
       "🎂" + std::string(22, ' ') + "    36歳の誕生日"},
      {"exactly_24_columns",
       "一二三四五六七八九十一二",
       with_age,
       {0, true},
       "一二三四五六七八九十一二    36歳の誕生日"},
      {"wider_than_24",
       "一二三四五六七八九十一二三",
       with_age,
       {0, true},
       "一二三四五六七八九十一二三    36歳の誕生日"},
      {"age_zero",
       "x",
       person(2026, 12, 7, 0, "12001111000000"),
       {0, true},
       "x" + std::string(23, ' ') + "     0歳の誕生日"},
      {"born_in_the_future",
       "x",
       person(2030, 12, 7, 0, "12001111000000"),
       {0, true},
       "x" + std::string(23, ' ') + "    -4歳の誕生日"},
  };
  for (const LineRow& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(hit_line(r.person_name, r.person, r.due, 2026), r.line);
  }
}

}  // namespace
}  // namespace pelmira
