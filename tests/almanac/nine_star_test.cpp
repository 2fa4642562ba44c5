// Nine star, nacchin and the animal fortune of a birth date.

#include "almanac/nine_star.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/calendar.h"
#include "support/recording_reporter.h"

namespace pelmira {
namespace {

using testing::RecordingReporter;

TEST(YearFromRisshun, TheYearTurnsOnTheRisshunDay) {
  struct Row {
    const char* name;
    i16 year, month, day;
    i16 reading_year;
  };
  const Row rows[] = {
      {"day_before_risshun_2000", 2000, 2, 3, 1999},
      {"risshun_day_2000", 2000, 2, 4, 2000},  // 立春 2000 falls at 21:53 on the 4th
      {"january_first", 2000, 1, 1, 1999},
      {"late_january", 2000, 1, 31, 1999},
      {"new_years_eve", 2000, 12, 31, 2000},
      {"risshun_on_the_fifth_1984", 1984, 2, 4, 1983},
      {"risshun_day_1984", 1984, 2, 5, 1984},
  };
  RecordingReporter reporter;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(year_from_risshun(r.year, r.month, r.day), r.reading_year);
  }
  EXPECT_TRUE(reporter.empty());
}

TEST(Kigaku, NineStarOfTheYearFromRisshun) {
  struct Row {
    const char* name;
    i16 year, month, day;
    int style;
    const char* star;
  };
  const Row rows[] = {
      {"before_risshun_2000", 2000, 2, 3, 0, "一白水星(いつぱくすいせい)"},
      {"risshun_day_2000", 2000, 2, 4, 0, "九紫火星(きゆうしかせい)"},
      {"january_takes_the_year_before", 2000, 1, 20, 0, "一白水星(いつぱくすいせい)"},
      {"name_only", 2000, 6, 1, 1, "九紫火星"},
      {"katakana_ni", 1998, 3, 1, 1, "ニ黒土星"},
      {"reading_of_1996", 1996, 10, 1, 0, "四緑木星(しろくもくせい)"},
      {"before_risshun_1984", 1984, 2, 4, 0, "八白土星(はつぱくどせい)"},
      {"risshun_day_1984", 1984, 2, 5, 0, "七赤金星(しちせききんせい)"},
      {"style_two_is_empty", 2000, 6, 1, 2, ""},
      {"negative_style_is_empty", 2000, 6, 1, -1, ""},
  };
  RecordingReporter reporter;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(kigaku(r.year, r.month, r.day, r.style), r.star);
  }
  EXPECT_TRUE(reporter.empty());
}

TEST(Kigaku, ImpossibleDatesAreReported) {
  struct Row {
    const char* name;
    i16 year, month, day;
  };
  const Row rows[] = {
      {"month_13", 2000, 13, 1},
      {"day_0", 2000, 5, 0},
      {"year_without_a_star", -100, 6, 1},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    RecordingReporter reporter;
    EXPECT_EQ(kigaku(r.year, r.month, r.day, 0), "");
    ASSERT_EQ(reporter.places(), std::vector<std::string>{"kigaku"});
    EXPECT_EQ(reporter.reports()[0].number, 9);
  }
}

TEST(Nacchin, NameOfTheYearFromRisshun) {
  struct Row {
    const char* name;
    i16 year, month, day;
    const char* nacchin;
  };
  const Row rows[] = {
      {"kinoe_ne_1984", 1984, 6, 1, "海中の金"},
      {"kinoto_ushi_1985", 1985, 6, 1, "海中の金"},
      {"hinoe_tora_1986", 1986, 6, 1, "炉中の火"},
      {"before_risshun_2000_is_1999", 2000, 2, 3, "城頭の土"},
      {"risshun_day_2000", 2000, 2, 4, "白鑞の金"},
      {"january_2000_is_1999", 2000, 1, 10, "城頭の土"},
      {"hinoe_ne_1996", 1996, 10, 1, "澗下の水"},
      {"mizunoto_i_1983", 1983, 6, 1, "大海の水"},
  };
  RecordingReporter reporter;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(nacchin(r.year, r.month, r.day), r.nacchin);
  }
  EXPECT_TRUE(reporter.empty());
}

// 2000-01-01 (day number 2451544) is day 55 of the sexagenary cycle (戊午).
void date_of_sexagenary_number(i16 number, i16& year, i16& month, i16& day) {
  const i32 offset = ((number - 55) % 60 + 60) % 60;
  year = yulibigule(2451544 + offset, month, day, kModeGregorian);
}

TEST(AnimalFortune, EveryDayNumberOfTheCycle) {
  struct Row {
    const char* animal;
    const char* reading;
    std::vector<i16> numbers;
  };
  const Row rows[] = {
      {"チータ", "", {1, 7, 42, 48}},
      {"たぬき", "", {2, 8, 41, 47}},
      {"猿", "サル", {3, 9, 15, 34, 40, 46}},
      {"子守熊(コアラ)", "", {4, 10, 16, 33, 39, 45}},
      {"黒ひょう", "くろひょう", {5, 44, 50, 53, 56, 59}},
      {"虎", "トラ", {6, 43, 49, 54, 55, 60}},
      {"こじか", "", {11, 17, 32, 38}},
      {"ゾウ", "", {12, 18, 31, 37}},
      {"狼", "オオカミ", {13, 19, 24, 25, 30, 36}},
      {"ひつじ", "", {14, 20, 23, 26, 29, 35}},
      {"ペガサス", "", {21, 22, 27, 28}},
      {"ライオン", "", {51, 52, 57, 58}},
  };
  RecordingReporter reporter;
  std::map<i16, int> seen;
  for (const auto& r : rows) {
    for (const i16 n : r.numbers) {
      SCOPED_TRACE(::testing::Message() << r.animal << " " << n);
      ++seen[n];
      i16 year = 0, month = 0, day = 0;
      date_of_sexagenary_number(n, year, month, day);
      std::string reading = "stale";
      EXPECT_EQ(animalFortune(kModeGregorian, year, month, day, reading), r.animal);
      EXPECT_EQ(reading, r.reading);
    }
  }
  EXPECT_EQ(seen.size(), 60u);
  for (const auto& [n, count] : seen) EXPECT_EQ(count, 1) << n;
  EXPECT_TRUE(reporter.empty());
}

TEST(AnimalFortune, DaysOfKnownSigns) {
  struct Row {
    const char* name;
    i16 mode, year, month, day;
    const char* animal;
  };
  const Row rows[] = {
      {"tsuchinoe_uma_2000", kModeGregorian, 2000, 1, 1, "虎"},        // number 55
      {"kanoto_hitsuji_1996", kModeAutomatic, 1996, 10, 1, "たぬき"},  // number 8
      {"kinoe_tora_1996", kModeAutomatic, 1996, 11, 13, "ライオン"},   // number 51
      // The same day number is read as a different date in the Julian calendar.
      {"julian_date_of_2000_01_01", kModeJulian, 1999, 12, 19, "虎"},
  };
  RecordingReporter reporter;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    std::string reading;
    EXPECT_EQ(animalFortune(r.mode, r.year, r.month, r.day, reading), r.animal);
  }
  EXPECT_TRUE(reporter.empty());
}

TEST(AnimalFortune, ImpossibleDatesRaiseForTheCaller) {
  std::string reading;
  EXPECT_THROW(animalFortune(kModeGregorian, 2000, 0, 1, reading), RuntimeError);
  EXPECT_THROW(nacchin(2000, 2, 32), RuntimeError);
}

TEST(DaySexagenaryNumber, WrapsForEveryDayNumber) {
  EXPECT_EQ(day_sexagenary_number(10), 1);  // 甲子
  EXPECT_EQ(day_sexagenary_number(9), 60);  // 癸亥
  EXPECT_EQ(day_sexagenary_number(2451544), 55);
  EXPECT_EQ(day_sexagenary_number(-50), 1);
  EXPECT_EQ(day_sexagenary_number(-51), 60);
}

}  // namespace
}  // namespace pelmira
