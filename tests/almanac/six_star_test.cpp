// The six-star reading: star types, signs, the fortune phases against the "現在" date, the
// 霊合星人 case and the five output styles.

#include "almanac/six_star.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/recording_reporter.h"

namespace pelmira {
namespace {

using testing::RecordingReporter;

ProgramState state_with_now(i16 year, i16 month, i16 day) {
  ProgramState state;
  state.calendar_mode = kModeGregorian;
  state.slots[1].year = year;
  state.slots[1].month = month;
  state.slots[1].day = day;
  return state;
}

// 1996-10-01 is day 8 of the sexagenary cycle; the dates below are counted from it.
TEST(Rokusei, StarTypeFollowsTheDayNumber) {
  struct Row {
    const char* name;
    i16 year, month, day;
    const char* prefix;
  };
  const Row rows[] = {
      {"number_1", 1996, 9, 24, "陽の土星人"},   {"number_10", 1996, 10, 3, "陽の土星人"},
      {"number_11", 1996, 10, 4, "陽の金星人"},  {"number_20", 1996, 10, 13, "陽の金星人"},
      {"number_21", 1996, 10, 14, "陽の火星人"}, {"number_31", 1996, 10, 24, "陽の天王星人"},
      {"number_41", 1996, 11, 3, "陽の木星人"},  {"number_51", 1996, 11, 13, "陽の水星人"},
      {"number_60", 1996, 11, 22, "陽の水星人"}, {"odd_year_number_40", 1997, 1, 1, "陰の天王星人"},
  };
  const ProgramState state = state_with_now(2026, 12, 7);
  RecordingReporter reporter;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(rokusei(state, r.year, r.month, r.day, kSixStarYear).rfind(r.prefix, 0), 0u);
  }
  EXPECT_TRUE(reporter.empty());
}

TEST(Rokusei, EveryStyle) {
  struct Row {
    const char* name;
    i16 year, month, day;
    int style;
    const char* text;
  };
  // Against 2026-12-07 (day number 2461381).
  const Row rows[] = {
      // 土星人, even year: base 10; phases year 6 再会, month 0 種子, day 3 健弱.
      {"plain_report", 1996, 10, 1, kSixStarReport,
       "　陽(+)の土星人\r\n"
       "　年運　再会　　　　\r\n"
       "　月運　種子　　　　\r\n"
       "　日運　健弱　小殺界\r\n"},
      {"plain_column", 1996, 10, 1, kSixStarColumn, "+土 　 再+6　  種+4　  健-4　  "},
      {"plain_year", 1996, 10, 1, kSixStarYear, "陽の土星人　年運　再会 "},
      {"plain_month", 1996, 10, 1, kSixStarMonth, "陽の土星人　月運　種子 "},
      {"plain_day", 1996, 10, 1, kSixStarDay, "陽の土星人　日運　健弱 "},
      // 天王星人, odd year: base 5; phases year 11 減退, month 5 乱気, day 8 安定.
      {"odd_report", 1997, 1, 1, kSixStarReport,
       "　陰(-)の天王星人\r\n"
       "　年運　減退　大殺界\r\n"
       "　月運　乱気　中殺界\r\n"
       "　日運　安定　　　　\r\n"},
      {"odd_column", 1997, 1, 1, kSixStarColumn, "-天 　 減-8　  乱-6　  安+6　  "},
      // 水星人 born in a 子 year: base 0 equals the year's branch, so 霊合星人. Phases
      // year 4 達成 (secondary 10 停止), month 10 停止 (4 達成), day 1 緑生 (7 財政).
      {"spirit_report", 1996, 11, 13, kSixStarReport,
       "　陽(+)の水星人(霊合星人)\r\n"
       "　年運　達成　　　　　(停止　大殺界)\r\n"
       "　月運　停止　大殺界　(達成　　　　)\r\n"
       "　日運　緑生　　　　　(財政　　　　)\r\n"},
      {"spirit_column", 1996, 11, 13, kSixStarColumn, "+水(霊)達+a停-a停-a達+a緑+2財+4"},
      {"spirit_year", 1996, 11, 13, kSixStarYear, "陽の水星人(霊)　年運　達成 停"},
      {"spirit_month", 1996, 11, 13, kSixStarMonth, "陽の水星人(霊)　月運　停止 達"},
      {"spirit_day", 1996, 11, 13, kSixStarDay, "陽の水星人(霊)　日運　緑生 財"},
      {"style_5_is_empty", 1996, 10, 1, 5, ""},
      {"style_7_is_empty", 1996, 10, 1, 7, ""},
      {"negative_style_is_empty", 1996, 10, 1, -1, ""},
  };
  const ProgramState state = state_with_now(2026, 12, 7);
  RecordingReporter reporter;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(rokusei(state, r.year, r.month, r.day, r.style), r.text);
  }
  EXPECT_TRUE(reporter.empty());
}

TEST(Rokusei, PhasesMoveWithTheNowDate) {
  struct Row {
    const char* name;
    i16 now_year, now_month, now_day;
    const char* year_line;
    const char* day_line;
  };
  // 土星人 born 1996 (base 10): year phase (Ry + 8) mod 12, day phase (Rd + 14) mod 12.
  const Row rows[] = {
      {"next_day", 2026, 12, 8, "陽の土星人　年運　再会 ", "陽の土星人　日運　達成 "},
      {"next_year", 2027, 12, 7, "陽の土星人　年運　財政 ", "陽の土星人　日運　安定 "},
      {"new_year_2028", 2028, 1, 1, "陽の土星人　年運　安定 ", "陽の土星人　日運　陰影 "},
  };
  RecordingReporter reporter;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    const ProgramState state = state_with_now(r.now_year, r.now_month, r.now_day);
    EXPECT_EQ(rokusei(state, 1996, 10, 1, kSixStarYear), r.year_line);
    EXPECT_EQ(rokusei(state, 1996, 10, 1, kSixStarDay), r.day_line);
  }
  EXPECT_TRUE(reporter.empty());
}

TEST(Rokusei, ImpossibleDatesAreReported) {
  struct Row {
    const char* name;
    i16 birth_month;
    i16 now_month;
  };
  const Row rows[] = {{"birth_month_0", 0, 12}, {"now_month_13", 10, 13}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    RecordingReporter reporter;
    const ProgramState state = state_with_now(2026, r.now_month, 7);
    EXPECT_EQ(rokusei(state, 1996, r.birth_month, 1, kSixStarReport), "");
    ASSERT_EQ(reporter.places(), std::vector<std::string>{"rokusei"});
    EXPECT_EQ(reporter.reports()[0].number, 9);
  }
}

}  // namespace
}  // namespace pelmira
