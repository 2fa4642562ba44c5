// The date-information listing: the whole listing for one date, the calendar lines around
// the reform, centuries, holidays, the calculation side and bad input.

#include "holidays/date_info.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "holidays/slot_setup.h"
#include "support/recording_reporter.h"

namespace pelmira {
namespace {

using testing::RecordingReporter;
using testing::set_slot;

std::vector<std::string> info_lines(const ProgramState& state, i16 side) {
  ListingSession session;
  session.side = side;
  const Listing listing = NGHJouhou(state, session, Listing{});
  EXPECT_EQ(listing.selected, -1);
  return listing.lines;
}

TEST(DateInfo, WholeListing) {
  ProgramState state;
  set_slot(state, 0, 1990, 1, 1);
  set_slot(state, 1, 2026, 9, 22);
  state.slots[1].historical_main = "令和8年";
  state.slots[1].weekday = "火";
  const std::vector<std::string> expected = {
      "暦の設定　　　自動",
      "グレゴリオ暦で表示しています。",
      "",
      "世紀　　　　　21世紀",
      "西暦　　　　　2026年",
      "和暦　　　　　令和8年",
      "　　　　　　　",
      "",
      "月日　　　　　9月 22日",
      "曜日　　　　　火曜日",
      "祝祭日　　　　国民の休日",
      "",
      "ユリウス暦　　2026/9/9",
      "グレゴリオ暦　2026/9/22",
      "ユリウス日　　2461305",
      "",
      "十干　　　　　丙(ひのえ)",
      "十二支　　　　午(うま) 　　ウマ",
      "",
      "和風月名　　　長月(ながつき)",
      "花札　　　　　菊(きく)",
      "四季　　　　　秋",
      "",
      "",
      "",
  };
  RecordingReporter reporter;
  EXPECT_EQ(info_lines(state, 1), expected);
  EXPECT_TRUE(reporter.empty());
}

struct LineRow {
  const char* name;
  i16 mode, year, month, day;
  std::size_t line;
  const char* text;
};

TEST(DateInfo, Lines) {
  const LineRow rows[] = {
      {"reform_julian_setting", kModeAutomatic, 1582, 10, 4, 0, "暦の設定　　　自動"},
      {"reform_julian_shown", kModeAutomatic, 1582, 10, 4, 1, "ユリウス暦で表示しています。"},
      {"reform_julian_date", kModeAutomatic, 1582, 10, 4, 12, "ユリウス暦　　1582/10/4"},
      {"reform_gregorian_date", kModeAutomatic, 1582, 10, 4, 13, "グレゴリオ暦　1582/10/14"},
      {"reform_day_number", kModeAutomatic, 1582, 10, 4, 14, "ユリウス日　　2299159"},
      {"first_gregorian_shown", kModeAutomatic, 1582, 10, 15, 1, "グレゴリオ暦で表示しています。"},
      {"first_gregorian_julian", kModeAutomatic, 1582, 10, 15, 12, "ユリウス暦　　1582/10/5"},
      {"gregorian_fixed_setting", kModeGregorian, 1500, 1, 1, 0, "暦の設定　　　グレゴリオ暦"},
      {"gregorian_fixed_early", kModeGregorian, 1500, 1, 1, 12, "ユリウス暦　　1499/12/23"},
      {"century_1999", kModeAutomatic, 1999, 6, 1, 3, "世紀　　　　　20世紀"},
      {"century_2000", kModeAutomatic, 2000, 6, 1, 3, "世紀　　　　　20世紀"},
      {"century_2001", kModeAutomatic, 2001, 6, 1, 3, "世紀　　　　　21世紀"},
      {"century_year_1", kModeAutomatic, 1, 6, 1, 3, "世紀　　　　　1世紀"},
      {"century_year_101", kModeAutomatic, 101, 6, 1, 3, "世紀　　　　　2世紀"},
      {"constitution_day_sunday", kModeAutomatic, 1987, 5, 3, 10, "祝祭日　　　　憲法記念日"},
      {"rest_day_not_substitute", kModeAutomatic, 1987, 5, 4, 10, "祝祭日　　　　国民の休日"},
      {"substitute", kModeAutomatic, 2026, 5, 6, 10, "祝祭日　　　　振替休日"},
      {"plain_day", kModeAutomatic, 2026, 5, 7, 10, "祝祭日　　　　"},
      {"before_holidays", kModeAutomatic, 1800, 1, 1, 10, "祝祭日　　　　"},
      // In the fixed Julian calendar 9 September 2026 is Gregorian 22 September.
      {"julian_fixed_setting", kModeJulian, 2026, 9, 9, 0, "暦の設定　　　ユリウス暦"},
      {"julian_fixed_holiday", kModeJulian, 2026, 9, 9, 10, "祝祭日　　　　国民の休日"},
      {"julian_fixed_gregorian", kModeJulian, 2026, 9, 9, 13, "グレゴリオ暦　2026/9/22"},
      {"stem_1984", kModeAutomatic, 1984, 1, 1, 16, "十干　　　　　甲(きのえ)"},
      {"branch_1984", kModeAutomatic, 1984, 1, 1, 17, "十二支　　　　子(ね) 　　ネズミ"},
      {"winter_december", kModeAutomatic, 2026, 12, 1, 21, "四季　　　　　冬"},
      {"flower_november", kModeAutomatic, 2026, 11, 1, 20, "花札　　　　　柳、雨(やなぎ、あめ)"},
  };
  RecordingReporter reporter;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    ProgramState state;
    state.calendar_mode = r.mode;
    set_slot(state, 0, r.year, r.month, r.day);
    const auto lines = info_lines(state, 0);
    ASSERT_EQ(lines.size(), 25u);
    EXPECT_EQ(lines[r.line], r.text);
  }
  EXPECT_TRUE(reporter.empty());
}

TEST(DateInfo, DescribesTheCalculationSide) {
  ProgramState state;
  set_slot(state, 0, 1987, 5, 3);
  set_slot(state, 1, 1987, 5, 4);
  EXPECT_EQ(info_lines(state, 0)[10], "祝祭日　　　　憲法記念日");
  EXPECT_EQ(info_lines(state, 1)[10], "祝祭日　　　　国民の休日");
}

TEST(DateInfo, OneShotSkipKeepsThePreviousListing) {
  ProgramState state;
  set_slot(state, 0, 2026, 5, 3);
  ListingSession session;
  session.skip_once = true;
  Listing previous;
  previous.lines = {"kept"};
  previous.selected = 0;
  const Listing kept = NGHJouhou(state, session, previous);
  EXPECT_EQ(kept.lines, previous.lines);
  EXPECT_EQ(kept.selected, 0);
  EXPECT_FALSE(session.skip_once);
}

TEST(DateInfo, BadInputIsReported) {
  struct Row {
    const char* name;
    i16 side, month, day;
  };
  const Row rows[] = {
      {"side_2", 2, 5, 3},
      {"month_13", 0, 13, 3},
      {"day_0", 0, 5, 0},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    RecordingReporter reporter;
    ProgramState state;
    set_slot(state, 0, 2026, r.month, r.day);
    EXPECT_TRUE(info_lines(state, r.side).empty());
    EXPECT_EQ(reporter.places(), std::vector<std::string>{"NGHJouhou"});
    ASSERT_FALSE(reporter.empty());
    EXPECT_EQ(reporter.reports().front().number, err::kSubscript);
  }
}

}  // namespace
}  // namespace pelmira
