// Solar terms: the date and time of each of the 24 terms of a year, 立春 and the first term
// of a month.

#include "almanac/solar_terms.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/calendar.h"
#include "support/recording_reporter.h"

namespace pelmira {
namespace {

using testing::RecordingReporter;

struct Term {
  std::string name;
  i16 month = -1, day = -1;
  i32 hour = -1, minute = -1;
};

Term term_of(i16 year, i16 longitude) {
  Term t;
  t.name = sekki24(year, t.month, t.day, longitude, &t.hour, &t.minute);
  return t;
}

struct TermRow {
  const char* name;
  i16 year, longitude;
  const char* term;
  i16 month, day;
  i32 hour, minute;
};

TEST(SolarTerm, DateAndClockTime) {
  const TermRow rows[] = {
      {"vernal_equinox_2000", 2000, 0, "春分", 3, 20, 16, 35},
      {"autumnal_equinox_2000", 2000, 180, "秋分", 9, 23, 2, 20},
      {"risshun_2024", 2024, 315, "立春", 2, 4, 17, 35},
      // The reference year itself moves by the periodic correction: 15:57 becomes 16:02.
      {"risshun_reference_year", 1999, 315, "立春", 2, 4, 16, 2},
      {"longitude_360_is_0", 2000, 360, "春分", 3, 20, 16, 35},
  };
  RecordingReporter reporter;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    const Term t = term_of(r.year, r.longitude);
    EXPECT_EQ(t.name, r.term);
    EXPECT_EQ(t.month, r.month);
    EXPECT_EQ(t.day, r.day);
    EXPECT_EQ(t.hour, r.hour);
    EXPECT_EQ(t.minute, r.minute);
  }
  EXPECT_TRUE(reporter.empty());
}

TEST(SolarTerm, HourAndMinuteAreOptional) {
  i16 month = 0, day = 0;
  RecordingReporter reporter;
  EXPECT_EQ(sekki24(2000, month, day, 0), "春分");
  EXPECT_EQ(month, 3);
  EXPECT_EQ(day, 20);
  EXPECT_TRUE(reporter.empty());
}

TEST(SolarTerm, UnknownLongitudeHasNoName) {
  RecordingReporter reporter;
  for (const i16 longitude : {7, -15, 375, 359, 32767, -32768}) {
    SCOPED_TRACE(longitude);
    EXPECT_EQ(term_of(2000, longitude).name, "");
  }
  EXPECT_TRUE(reporter.empty());
}

// The 2024 almanac: the model may miss a term near midnight by a day, never by more.
TEST(SolarTerm, EveryTermOf2024IsWithinADayOfTheAlmanac) {
  struct Row {
    i16 longitude;
    const char* name;
    i16 month, day;
  };
  const Row rows[] = {
      {285, "小寒", 1, 6},  {300, "大寒", 1, 20},  {315, "立春", 2, 4},  {330, "雨水", 2, 19},
      {345, "啓蟄", 3, 5},  {0, "春分", 3, 20},    {15, "清明", 4, 4},   {30, "穀雨", 4, 19},
      {45, "立夏", 5, 5},   {60, "小満", 5, 20},   {75, "芒種", 6, 5},   {90, "夏至", 6, 21},
      {105, "小暑", 7, 6},  {120, "大暑", 7, 22},  {135, "立秋", 8, 7},  {150, "処暑", 8, 22},
      {165, "白露", 9, 7},  {180, "秋分", 9, 22},  {195, "寒露", 10, 8}, {210, "霜降", 10, 23},
      {225, "立冬", 11, 7}, {240, "小雪", 11, 22}, {255, "大雪", 12, 7}, {270, "冬至", 12, 21},
  };
  RecordingReporter reporter;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    const Term t = term_of(2024, r.longitude);
    EXPECT_EQ(t.name, r.name);
    const i32 got = guleyulibi(2024, t.month, t.day, kModeGregorian);
    const i32 want = guleyulibi(2024, r.month, r.day, kModeGregorian);
    EXPECT_LE(std::abs(got - want), 1) << t.month << "-" << t.day;
  }
  EXPECT_TRUE(reporter.empty());
}

// From 小寒 to 冬至 the terms of a calendar year come in order, 14 to 16 days apart, with a
// clock time inside the day: a mistyped reference date or year length breaks this.
TEST(SolarTerm, TermsOfEveryYearComeInOrder) {
  RecordingReporter reporter;
  for (i16 year = 1600; year <= 2400; ++year) {
    i32 previous = 0;
    for (int step = 0; step < 24; ++step) {
      const i16 longitude = static_cast<i16>((285 + 15 * step) % 360);
      const Term t = term_of(year, longitude);
      ASSERT_FALSE(t.name.empty());
      ASSERT_TRUE(t.hour >= 0 && t.hour < 24 && t.minute >= 0 && t.minute < 60)
          << year << " " << t.name;
      const i32 n = guleyulibi(year, t.month, t.day, kModeGregorian);
      if (step > 0) {
        ASSERT_GE(n - previous, 14) << year << " " << t.name;
        ASSERT_LE(n - previous, 16) << year << " " << t.name;
      }
      previous = n;
    }
  }
  EXPECT_TRUE(reporter.empty());
}

TEST(SolarTerm, EarlyYearsStillGetGregorianDates) {
  RecordingReporter reporter;
  const Term t = term_of(1000, 0);
  EXPECT_EQ(t.month, 3);
  EXPECT_GE(t.day, 19);
  EXPECT_LE(t.day, 21) << "a Julian date would fall near 15 March";
  EXPECT_TRUE(reporter.empty());
}

TEST(Risshun, SetunGivesFebruaryDayAndTime) {
  RecordingReporter reporter;
  i16 time = -1;
  EXPECT_EQ(setun(2024, time), 204);
  EXPECT_EQ(time, 1735);
  EXPECT_EQ(setun(1999, time), 204);
  EXPECT_EQ(time, 1602);
  EXPECT_TRUE(reporter.empty());
}

TEST(Risshun, YearBeyond16BitsOverflows) {
  RecordingReporter reporter;
  i16 time = -1;
  EXPECT_EQ(setun(40000, time), 0);
  EXPECT_EQ(reporter.places(), std::vector<std::string>{"setun"});
  EXPECT_EQ(time, -1);
}

TEST(FirstTermOfMonth, LongitudeOfEachMonth) {
  const i16 want[] = {285, 315, 345, 15, 45, 75, 105, 135, 165, 195, 225, 255};
  for (i16 m = 1; m <= 12; ++m) EXPECT_EQ(first_term_longitude(m), want[m - 1]) << m;
}

TEST(FirstTermOfMonth, SetutMatchesTheTerm) {
  RecordingReporter reporter;
  for (i16 m = 1; m <= 12; ++m) {
    SCOPED_TRACE(m);
    i16 time = -1;
    const i16 day = setut(2024, m, time);
    const Term t = term_of(2024, first_term_longitude(m));
    EXPECT_EQ(t.month, m);
    EXPECT_EQ(day, t.day);
    EXPECT_EQ(time, t.hour * 100 + t.minute);
  }
  i16 time = 0;
  EXPECT_EQ(setut(2024, 1, time), term_of(2024, 285).day) << "January opens with 小寒";
  EXPECT_EQ(setut(2024, 4, time), term_of(2024, 15).day) << "April opens with 清明";
  EXPECT_TRUE(reporter.empty());
}

TEST(FirstTermOfMonth, OverflowIsReported) {
  RecordingReporter reporter;
  i16 time = -1;
  EXPECT_EQ(setut(2024, 32767, time), 0);
  EXPECT_EQ(setut(70000, 1, time), 0);
  EXPECT_EQ(reporter.places(), (std::vector<std::string>{"setut", "setut"}));
  EXPECT_EQ(time, -1);
}

TEST(SolarTerm, YearsBeyondTheDayNumbersReachTheReport) {
  RecordingReporter reporter;
  const Term t = term_of(32767, 0);
  EXPECT_EQ(t.name, "春分");
  ASSERT_FALSE(reporter.empty());
  EXPECT_EQ(reporter.places().front(), "yulibigule");
}

}  // namespace
}  // namespace pelmira
