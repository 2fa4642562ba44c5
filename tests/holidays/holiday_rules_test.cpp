// The month holiday table: the pre-war and post-war tables, the order of the slots, the
// kinds and counters, substitutes and rest days, and bad months.

#include "holidays/holiday_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/recording_reporter.h"

namespace pelmira {
namespace {

using testing::RecordingReporter;

// The filled slots as "day name kind".
std::vector<std::string> slots_of(const MonthHolidays& t) {
  std::vector<std::string> out;
  for (std::size_t j = 1; j < kHolidaySlots; ++j) {
    if (t.holidayDays[j] == 0) {
      EXPECT_TRUE(t.holidayNames[j].empty());
      EXPECT_EQ(t.holidayKinds[j], 0);
      continue;
    }
    out.push_back(std::to_string(t.holidayDays[j]) + " " + t.holidayNames[j] + " " +
                  std::to_string(t.holidayKinds[j]));
  }
  return out;
}

struct MonthRow {
  const char* name;
  i16 year, month;
  std::vector<std::string> slots;
};

TEST(MonthHolidayTable, PrewarTable) {
  const MonthRow rows[] = {
      {"before_the_calendar_law", 1873, 10, {}},
      {"january_1873", 1873, 1, {}},
      {"long_before", 1500, 5, {}},
      {"year_zero", 0, 1, {}},
      {"negative_year", -100, 11, {}},
      {"first_month", 1873, 11, {"3 天長節 2", "23 新嘗祭 1"}},
      {"december_1873_is_empty", 1873, 12, {}},
      {"january_1900", 1900, 1, {"1 四方拝 2", "5 新年宴会 6", "31 孝明天皇祭 4"}},
      {"january_1910", 1910, 1, {"1 四方拝 7", "3 元始祭 2", "5 新年宴会 4", "31 孝明天皇祭 2"}},
      {"january_1913", 1913, 1, {"1 四方拝 4", "3 元始祭 6", "5 新年宴会 1"}},
      {"november_1911", 1911, 11, {"3 天長節 6", "23 新嘗祭 5"}},
      {"november_1920", 1920, 11, {"23 新嘗祭 3"}},
      {"taisho_birthday", 1920, 8, {"31 天長節 3"}},
      {"taisho_october", 1920, 10, {"17 神嘗祭 1", "31 天長節祝日 1"}},
      {"showa_november", 1930, 11, {"3 明治節 2", "23 新嘗祭 1"}},
      {"showa_december", 1930, 12, {"25 大正天皇祭 5"}},
      {"spring_equinox_1900", 1900, 3, {"21 春季皇霊祭 4"}},
      {"no_equinox_before_1878", 1877, 3, {}},
      {"april_1948_still_prewar", 1948, 4, {"3 神武天皇祭 7", "29 天長節 5"}},
      {"august_1948_prewar_and_empty", 1948, 8, {}},
  };
  RecordingReporter reporter;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    const MonthHolidays t = Ssaijitu(r.year, r.month);
    EXPECT_EQ(slots_of(t), r.slots);
    EXPECT_EQ(t.holidayCounts[kCountListed], static_cast<i32>(r.slots.size()));
  }
  EXPECT_TRUE(reporter.empty());
}

TEST(MonthHolidayTable, PostwarTableUpTo2006) {
  const MonthRow rows[] = {
      {"september_1948_equinox_only", 1948, 9, {"23 秋分の日 5"}},
      {"september_1966_respect_for_aged", 1966, 9, {"15 敬老の日 5", "23 秋分の日 6"}},
      {"february_1966_no_foundation_day", 1966, 2, {}},
      {"february_1967_foundation_day", 1967, 2, {"11 建国記念日 7"}},
      {"october_1966_sports_day", 1966, 10, {"10 体育の日 2"}},
      {"coming_of_age_1999", 1999, 1, {"1 元日 6", "15 成人の日 6"}},
      {"coming_of_age_2000", 2000, 1, {"1 元日 7", "10 成人の日 2"}},
      {"sports_day_2000", 2000, 10, {"9 体育の日 2"}},
      {"crown_prince_wedding", 1959, 4, {"10 皇太子明仁親王の結婚の儀 6", "29 天皇誕生日 4"}},
      {"funeral_1989", 1989, 2, {"11 建国記念日 7", "24 昭和天皇の大喪の礼 6"}},
      {"greenery_day_1989", 1989, 4, {"29 みどりの日 7"}},
      {"emperor_birthday_1989", 1989, 12, {"23 天皇誕生日 7"}},
      {"enthronement_1990", 1990, 11, {"3 文化の日 7", "12 即位礼正殿の儀 2", "23 勤労感謝の日 6"}},
      {"wedding_1993", 1993, 6, {"9 皇太子徳仁親王の結婚の儀 4"}},
      {"marine_day_1996", 1996, 7, {"20 海の日 7"}},
      {"may_1985_no_rest_day", 1985, 5, {"3 憲法記念日 6", "5 こどもの日 1", "6 振替休日 10"}},
      {"may_in_date_order", 1990, 5, {"3 憲法記念日 5", "4 国民の休日 6", "5 こどもの日 7"}},
      {"march_1973_no_substitute", 1973, 2, {"11 建国記念日 1"}},
      {"april_1973_substitute", 1973, 4, {"29 天皇誕生日 1", "30 振替休日 10"}},
      {"may_1987_lost_substitute",
       1987,
       5,
       {"3 憲法記念日 1", "4 国民の休日 2", "5 こどもの日 3", "4 振替休日 11"}},
      {"may_2003_rest_day_on_sunday",
       2003,
       5,
       {"3 憲法記念日 7", "4 国民の休日 1", "5 こどもの日 2", "5 振替休日 11"}},
  };
  RecordingReporter reporter;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(slots_of(Ssaijitu(r.year, r.month)), r.slots);
  }
  EXPECT_TRUE(reporter.empty());
}

TEST(MonthHolidayTable, PresentLaw) {
  const MonthRow rows[] = {
      {"showa_day_and_rest_day_2019", 2019, 4, {"29 昭和の日 2", "30 国民の休日 3"}},
      {"may_2019_six_entries",
       2019,
       5,
       {"1 天皇の即位の日 4", "2 国民の休日 5", "3 憲法記念日 6", "4 みどりの日 7",
        "5 こどもの日 1", "6 振替休日 10"}},
      {"enthronement_2019", 2019, 10, {"14 体育の日 2", "22 即位礼正殿の儀 3"}},
      {"no_december_holiday_2019", 2019, 12, {}},
      {"emperor_birthday_2020", 2020, 2, {"11 建国記念日 3", "23 天皇誕生日 1", "24 振替休日 10"}},
      {"olympic_july_2020", 2020, 7, {"23 海の日 5", "24 スポーツの日 6"}},
      {"olympic_august_2020", 2020, 8, {"10 山の日 2"}},
      {"no_october_2020", 2020, 10, {}},
      {"olympic_july_2021", 2021, 7, {"22 海の日 5", "23 スポーツの日 6"}},
      {"olympic_august_2021", 2021, 8, {"8 山の日 1", "9 振替休日 10"}},
      {"sports_day_2022", 2022, 10, {"10 スポーツの日 2"}},
      {"substitute_past_two_holidays_2008",
       2008,
       5,
       {"3 憲法記念日 7", "4 みどりの日 1", "5 こどもの日 2", "6 振替休日 10"}},
      {"substitute_past_two_holidays_2009",
       2009,
       5,
       {"3 憲法記念日 1", "4 みどりの日 2", "5 こどもの日 3", "6 振替休日 10"}},
      {"substitute_2015",
       2015,
       5,
       {"3 憲法記念日 1", "4 みどりの日 2", "5 こどもの日 3", "6 振替休日 10"}},
      {"substitute_2020",
       2020,
       5,
       {"3 憲法記念日 1", "4 みどりの日 2", "5 こどもの日 3", "6 振替休日 10"}},
      {"rest_day_2009", 2009, 9, {"21 敬老の日 2", "22 国民の休日 3", "23 秋分の日 4"}},
      {"rest_day_2015", 2015, 9, {"21 敬老の日 2", "22 国民の休日 3", "23 秋分の日 4"}},
      {"rest_day_2026", 2026, 9, {"21 敬老の日 2", "22 国民の休日 3", "23 秋分の日 4"}},
      {"equinox_substitute_2024", 2024, 9, {"16 敬老の日 2", "22 秋分の日 1", "23 振替休日 10"}},
      {"mountain_day_2016", 2016, 8, {"11 山の日 5"}},
      {"no_mountain_day_2015", 2015, 8, {}},
  };
  RecordingReporter reporter;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(slots_of(Ssaijitu(r.year, r.month)), r.slots);
  }
  EXPECT_TRUE(reporter.empty());
}

struct CounterRow {
  const char* name;
  i16 year, month;
  std::array<i32, 10> counts;
};

TEST(MonthHolidayTable, Counters) {
  const CounterRow rows[] = {
      {"lost_substitute_1987", 1987, 5, {1, 1, 1, 0, 0, 0, 0, 3, 1, 1}},
      {"may_2019", 2019, 5, {1, 0, 0, 1, 1, 1, 1, 5, 1, 0}},
      {"september_2026", 2026, 9, {0, 1, 1, 1, 0, 0, 0, 3, 0, 0}},
      {"empty_month", 2026, 6, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"before_1873", 1800, 1, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(Ssaijitu(r.year, r.month).holidayCounts, r.counts);
  }
}

TEST(MonthHolidayTable, NameOnADayPrefersTheListedHoliday) {
  const MonthHolidays may1987 = Ssaijitu(1987, 5);
  EXPECT_EQ(may1987.name_on(4), "国民の休日");
  EXPECT_EQ(may1987.name_on(3), "憲法記念日");
  EXPECT_EQ(may1987.name_on(6), "");
  EXPECT_EQ(Ssaijitu(2026, 5).name_on(6), "振替休日");
  EXPECT_EQ(holiday_name_of_day(guleyulibi(2019, 4, 30, kModeGregorian)), "国民の休日");
  EXPECT_EQ(holiday_name_of_day(guleyulibi(2019, 4, 28, kModeGregorian)), "");
}

// Every month the rules produce fits the table, and no slot holds day 0 or a day past
// the month's end.
TEST(MonthHolidayTable, SlotsSufficeForEveryMonth) {
  RecordingReporter reporter;
  std::size_t busiest = 0;
  for (i16 year = 1873; year <= 2200; ++year)
    for (i16 month = 1; month <= 12; ++month) {
      const MonthHolidays t = Ssaijitu(year, month);
      busiest = std::max(busiest, t.entries());
      for (std::size_t j = 1; j <= t.entries(); ++j) {
        EXPECT_GE(t.holidayDays[j], 1);
        EXPECT_LE(t.holidayDays[j], nyou2(year, month, 1, kModeGregorian));
      }
    }
  EXPECT_EQ(busiest, 6u);
  EXPECT_TRUE(reporter.empty());
}

struct BadMonthRow {
  const char* name;
  i16 year, month;
  std::vector<std::string> places;
  std::int32_t error;
};

TEST(MonthHolidayTable, BadInputIsReportedNotGuessed) {
  const BadMonthRow rows[] = {
      {"month_13", 2000, 13, {"Ssaijitu"}, err::kInvalidCall},
      {"month_0", 2000, 0, {"Ssaijitu"}, err::kInvalidCall},
      {"negative_month", 2000, -3, {"Ssaijitu"}, err::kInvalidCall},
      // The solar terms cannot be dated this far on: the day-number conversion inside the
      // term reports it, and the equinox is left out instead of being put on day 0.
      {"equinox_out_of_range", 30000, 3, {"yulibigule"}, err::kOverflow},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    RecordingReporter reporter;
    const MonthHolidays t = Ssaijitu(r.year, r.month);
    EXPECT_EQ(reporter.places(), r.places);
    ASSERT_FALSE(reporter.empty());
    EXPECT_EQ(reporter.reports().front().number, r.error);
    EXPECT_EQ(slots_of(t), std::vector<std::string>{});
  }
}

TEST(MonthHolidayTable, LatestYearsStillWork) {
  RecordingReporter reporter;
  EXPECT_EQ(slots_of(Ssaijitu(32767, 12)), std::vector<std::string>{});
  EXPECT_EQ(slots_of(Ssaijitu(32767, 11)).size(), 2u);
  EXPECT_TRUE(reporter.empty());
}

}  // namespace
}  // namespace pelmira
