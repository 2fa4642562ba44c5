// The notifier's own calendar: day numbers, weekdays, month lengths, normalisation and the
// date reader of the data files.

#include "notifier/kpelmirahm.h"

#include <gtest/gtest.h>

#include "core/runtime_error.h"

namespace pelmira {
namespace {

int error_number_of(const std::function<void()>& body) {
  try {
    body();
  } catch (const RuntimeError& e) {
    return e.number();
  }
  return 0;
}

TEST(NotifierCalendar, AnchorsAndWeekdays) {
  struct Row {
    const char* name;
    i16 year, month, day;
    i32 day_number;
    const char* weekday;
  };
  const Row rows[] = {
      {"origin_is_a_monday", 1, 1, 1, 1, "月"},
      {"year_2000", 2000, 1, 1, 730120, "土"},
      {"leap_day_2000", 2000, 2, 29, 730179, "火"},
      {"reform_day_read_gregorian", 1582, 10, 15, 577736, "金"},
      {"a_monday_in_2026", 2026, 12, 7, 739957, "月"},
      {"last_day_of_9999", 9999, 12, 31, 3652059, "金"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(dayNumber(r.year, r.month, r.day), r.day_number);
    EXPECT_EQ(weekdayChar(r.year, r.month, r.day), r.weekday);
  }
}

TEST(NotifierCalendar, EveryDayFollowsItsPredecessor) {
  // Years 1 to 3000: each day's number is one more than the day before, the weekday moves
  // on by one, and the day number leads back to the same date.
  i32 previous = 0;
  i16 previous_weekday = 0;
  for (i16 year = 1; year <= 3000; ++year) {
    for (i16 month = 1; month <= 12; ++month) {
      for (i16 day = 1; day <= monthLength(year, month); ++day) {
        const i32 n = dayNumber(year, month, day);
        const i16 weekday = weekdayNumber(year, month, day);
        ASSERT_EQ(n, previous + 1) << year << "-" << month << "-" << day;
        ASSERT_EQ(weekday, (previous_weekday + 1) % 7) << year << "-" << month << "-" << day;
        i16 y = 0, m = 0, d = 0;
        dateOfDayNumber(n, y, m, d);
        ASSERT_TRUE(y == year && m == month && d == day) << n;
        previous = n;
        previous_weekday = weekday;
      }
    }
  }
}

TEST(NotifierCalendar, MonthLengthsByTheGregorianLeapRule) {
  struct Row {
    const char* name;
    i16 year, month, length;
  };
  const Row rows[] = {
      {"january", 2023, 1, 31},
      {"april", 2023, 4, 30},
      {"february_common", 2023, 2, 28},
      {"february_leap", 2024, 2, 29},
      {"century_not_leap", 1900, 2, 28},
      {"fourth_century_leap", 2000, 2, 29},
      {"julian_leap_not_here", 1500, 2, 28},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(monthLength(r.year, r.month), r.length);
  }
  EXPECT_EQ(error_number_of([] { monthLength(2023, 13); }), err::kSubscript);
  EXPECT_EQ(error_number_of([] { dayNumber(2023, 0, 1); }), err::kSubscript);
}

TEST(NotifierCalendar, DayPastTheMonthCountsOn) {
  EXPECT_EQ(dayNumber(2023, 1, 32), dayNumber(2023, 2, 1));
  EXPECT_EQ(dayNumber(2023, 12, 35), dayNumber(2024, 1, 4));
  EXPECT_EQ(dayNumber(2023, 3, 0), dayNumber(2023, 2, 28));
}

TEST(NotifierCalendar, NormalizeDate) {
  struct Row {
    const char* name;
    i16 year, month, day;
    i16 want_year, want_month, want_day;
  };
  const Row rows[] = {
      {"already_normal", 2023, 5, 3, 2023, 5, 3},
      {"month_13", 2023, 13, 1, 2024, 1, 1},
      {"month_0", 2023, 0, 1, 2022, 12, 1},
      {"month_minus_12", 2023, -12, 1, 2021, 12, 1},
      {"month_25", 2023, 25, 1, 2025, 1, 1},
      {"february_30_common", 2023, 2, 30, 2023, 3, 2},
      {"february_30_leap", 2024, 2, 30, 2024, 3, 1},
      {"day_0", 2023, 3, 0, 2023, 2, 28},
      {"day_minus_31", 2023, 1, -31, 2022, 11, 30},
      {"day_400", 2023, 1, 400, 2024, 2, 4},
      {"december_32", 2023, 12, 32, 2024, 1, 1},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    i16 y = r.year, m = r.month, d = r.day;
    normalizeDate(y, m, d);
    EXPECT_EQ(y, r.want_year);
    EXPECT_EQ(m, r.want_month);
    EXPECT_EQ(d, r.want_day);
  }
  i16 y = 32767, m = 12, d = 32;
  EXPECT_EQ(error_number_of([&] { normalizeDate(y, m, d); }), err::kOverflow);
}

TEST(ReadDateText, Groups) {
  struct Row {
    const char* name;
    const char* text;
    i16 year, month, day;
  };
  const Row rows[] = {
      {"blanks", "1990 1 2", 1990, 1, 2},
      {"slashes", "1990/5/3", 1990, 5, 3},
      {"kanji_separators", "1990年5月3日", 1990, 5, 3},
      {"era_year_only", "平成8年", 8, 0, 0},
      {"leading_and_trailing_text", "x 2000-02-29 y", 2000, 2, 29},
      {"leading_zeros", "02000.007.0009", 2000, 7, 9},
      {"full_width_digits_are_not_digits", "１９９０ 1 2", 1, 2, 0},
      {"extra_groups_ignored", "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17", 1, 2, 3},
      {"nothing", "", 0, 0, 0},
      {"no_digits", "abc", 0, 0, 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    std::vector<DateReaderAlert> alerts;
    i16 y = 0, m = 0, d = 0;
    EXPECT_EQ(readDateText(r.text, y, m, d, alerts), "西暦");
    EXPECT_EQ(y, r.year);
    EXPECT_EQ(m, r.month);
    EXPECT_EQ(d, r.day);
    EXPECT_TRUE(alerts.empty());
  }
}

TEST(ReadDateText, OverflowShowsItsBoxAndKeepsTheFieldsReadBefore) {
  struct Row {
    const char* name;
    const char* text;
    i16 year, month, day;
  };
  const Row rows[] = {
      {"year", "40000 1 1", 0, 0, 0},
      {"month", "1990 99999 1", 1990, 0, 0},
      {"day_of_many_digits", "1990 1 0000000000000000000000000000000000000001x", 1990, 1, 1},
      {"day", "1990 1 32768", 1990, 1, 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    std::vector<DateReaderAlert> alerts;
    i16 y = 0, m = 0, d = 0;
    readDateText(r.text, y, m, d, alerts);
    EXPECT_EQ(y, r.year);
    EXPECT_EQ(m, r.month);
    EXPECT_EQ(d, r.day);
    if (r.day == 1) {
      EXPECT_TRUE(alerts.empty());  // leading zeros do not overflow
      continue;
    }
    ASSERT_EQ(alerts.size(), 1u);
    EXPECT_EQ(alerts[0].text, "ｴﾗｰ 6\rオーバーフローしました。");
    EXPECT_FALSE(alerts[0].fatal);
  }
}

TEST(ReadDateText, AnEighteenthGroupEndsTheProgram) {
  std::vector<DateReaderAlert> alerts;
  i16 y = 0, m = 0, d = 0;
  EXPECT_THROW(readDateText("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18", y, m, d, alerts),
               DateReaderAbort);
  ASSERT_EQ(alerts.size(), 1u);
  EXPECT_EQ(alerts[0].text, "ｴﾗｰ 9\r予期しないエラーが発生しました。\r強制終了します。");
  EXPECT_TRUE(alerts[0].fatal);
  EXPECT_EQ(y, 0);
}

}  // namespace
}  // namespace pelmira
