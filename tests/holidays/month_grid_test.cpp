// The month calendar's contents: cell captions and ink, holidays and solar terms in the
// tooltips, the highlights of both dates, today's ring and the captions.

#include "holidays/month_grid.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "holidays/slot_setup.h"
#include "support/recording_reporter.h"

namespace pelmira {
namespace {

using testing::RecordingReporter;
using testing::set_slot;

// Six rows of "caption" + "R" (red) or "W" (white).
std::vector<std::string> render(const MonthGrid& grid) {
  std::vector<std::string> rows;
  for (int row = 0; row < 6; ++row) {
    std::string line;
    for (int col = 0; col < 7; ++col) {
      const GridCell& c = grid.cell(kFirstDayCell + 7 * row + col);
      if (col > 0) line += " ";
      line += c.caption;
      if (c.ink == CellInk::kRed) line += "R";
      if (c.ink == CellInk::kWhite) line += "W";
    }
    rows.push_back(line);
  }
  return rows;
}

std::map<int, std::string> tooltips(const MonthGrid& grid) {
  std::map<int, std::string> out;
  for (int i = kFirstDayCell; i <= kLastDayCell; ++i)
    if (!grid.cell(i).tooltip.empty()) out[i] = grid.cell(i).tooltip;
  return out;
}

ProgramState state_on(i16 mode, i16 year, i16 month, i16 day) {
  ProgramState state;
  state.calendar_mode = mode;
  state.clock = fixed_clock({2000, 1, 1, 12, 0, 0});
  set_slot(state, 0, year, month, day);
  set_slot(state, 1, 2000, 1, 1);
  return state;
}

struct GridRow {
  const char* name;
  i16 mode, year, month, day;
  int first;
  std::vector<std::string> rows;
  std::map<int, std::string> tooltips;
};

TEST(MonthGrid, Months) {
  const GridRow rows[] = {
      {"starts_on_sunday",
       kModeAutomatic,
       2026,
       2,
       14,
       16,
       {"25W 26W 27W 28W 29W 30W 31W", "1R 2 3 4 5 6 7", "8R 9 10 11R 12 13 14",
        "15R 16 17 18 19 20 21", "22R 23R 24 25 26 27 28", "1W 2W 3W 4W 5W 6W 7W"},
       {{20, " 立春"}, {27, "建国記念日"}, {35, " 雨水"}, {39, "天皇誕生日"}}},
      {"starts_on_monday",
       kModeAutomatic,
       2026,
       6,
       1,
       10,
       {"31W 1 2 3 4 5 6", "7R 8 9 10 11 12 13", "14R 15 16 17 18 19 20", "21R 22 23 24 25 26 27",
        "28R 29 30 1W 2W 3W 4W", "5W 6W 7W 8W 9W 10W 11W"},
       {{16, " 芒種"}, {31, " 夏至"}}},
      {"leap_february_from_monday",
       kModeAutomatic,
       2016,
       2,
       1,
       10,
       {"31W 1 2 3 4 5 6", "7R 8 9 10 11R 12 13", "14R 15 16 17 18 19 20", "21R 22 23 24 25 26 27",
        "28R 29 1W 2W 3W 4W 5W", "6W 7W 8W 9W 10W 11W 12W"},
       {{14, " 立春"}, {21, "建国記念日"}, {29, " 雨水"}}},
      {"reform_month_automatic",
       kModeAutomatic,
       1582,
       10,
       4,
       10,
       {"30W 1 2 3 4 15 16", "17R 18 19 20 21 22 23", "24R 25 26 27 28 29 30",
        "31R 1W 2W 3W 4W 5W 6W", "7W 8W 9W 10W 11W 12W 13W", "14W 15W 16W 17W 18W 19W 20W"},
       {{24, " 霜降"}}},
      {"reform_month_gregorian",
       kModeGregorian,
       1582,
       10,
       4,
       14,
       {"26W 27W 28W 29W 30W 1 2", "3R 4 5 6 7 8 9", "10R 11 12 13 14 15 16",
        "17R 18 19 20 21 22 23", "24R 25 26 27 28 29 30", "31R 1W 2W 3W 4W 5W 6W"},
       {{23, " 寒露"}, {38, " 霜降"}}},
      {"julian_fixed_marks_the_real_days",
       kModeJulian,
       2026,
       1,
       5,
       12,
       {"29W 30W 31W 1 2 3 4", "5R 6 7 8 9 10 11", "12R 13 14 15 16 17 18", "19R 20 21 22 23 24 25",
        "26R 27 28 29R 30 31 1W", "2W 3W 4W 5W 6W 7W 8W"},
       {{19, " 大寒"}, {34, " 立春"}, {41, "建国記念日"}}},
      {"rest_day_not_substitute_1987",
       kModeAutomatic,
       1987,
       5,
       1,
       14,
       {"26W 27W 28W 29W 30W 1 2", "3R 4R 5R 6 7 8 9", "10R 11 12 13 14 15 16",
        "17R 18 19 20 21 22 23", "24R 25 26 27 28 29 30", "31R 1W 2W 3W 4W 5W 6W"},
       {{17, "憲法記念日"}, {18, "国民の休日"}, {19, "こどもの日"}, {20, " 立夏"}, {35, " 小満"}}},
      {"golden_week_2019",
       kModeAutomatic,
       2019,
       5,
       1,
       12,
       {"28W 29W 30W 1R 2R 3R 4R", "5R 6R 7 8 9 10 11", "12R 13 14 15 16 17 18",
        "19R 20 21 22 23 24 25", "26R 27 28 29 30 31 1W", "2W 3W 4W 5W 6W 7W 8W"},
       {{13, "天皇の即位の日"},
        {14, "国民の休日"},
        {15, "憲法記念日"},
        {16, "みどりの日"},
        {17, "こどもの日"},
        {18, "振替休日 立夏"},
        {33, " 小満"}}},
  };
  RecordingReporter reporter;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    const MonthGrid grid = karenda(state_on(r.mode, r.year, r.month, r.day), 0);
    EXPECT_EQ(grid.first_cell, r.first);
    EXPECT_EQ(render(grid), r.rows);
    EXPECT_EQ(tooltips(grid), r.tooltips);
  }
  EXPECT_TRUE(reporter.empty());
}

TEST(MonthGrid, HolidayAndTermOnOneDay) {
  // 春分 is both the holiday's day and the term's: name, a space, the term.
  const MonthGrid grid = karenda(state_on(kModeAutomatic, 2026, 3, 1), 0);
  EXPECT_EQ(grid.cell(grid.first_cell + 20).tooltip, "春分の日 春分");
  EXPECT_EQ(grid.cell(grid.first_cell + 20).ink, CellInk::kRed);
}

TEST(MonthGrid, CaptionsAndPanel) {
  ProgramState state = state_on(kModeAutomatic, 2026, 2, 14);
  state.slots[0].era_label() = "令和";
  state.slots[0].texts[4] = "8";
  MonthGrid grid = karenda(state, 0);
  EXPECT_EQ(grid.year_caption, "2026年\r\n令和 8年");
  EXPECT_EQ(grid.month_caption, "2  月");
  EXPECT_EQ(grid.panel_caption, "    カレンダー    ");

  grid = karenda(state_on(kModeAutomatic, 1800, 1, 1), 0);
  EXPECT_EQ(grid.year_caption, "1800年\r\n");

  struct PanelRow {
    const char* name;
    i16 mode, year, month, day;
    const char* caption;
  };
  const PanelRow panels[] = {
      {"last_julian_day", kModeAutomatic, 1582, 10, 4, "    カレンダー     ユリウス暦　　"},
      {"first_gregorian_day", kModeAutomatic, 1582, 10, 15, "    カレンダー    "},
      {"julian_fixed", kModeJulian, 2026, 1, 5, "    カレンダー     ユリウス暦　　"},
      {"gregorian_fixed_early", kModeGregorian, 1500, 1, 1, "    カレンダー    "},
  };
  for (const auto& p : panels) {
    SCOPED_TRACE(p.name);
    EXPECT_EQ(karenda(state_on(p.mode, p.year, p.month, p.day), 0).panel_caption, p.caption);
  }
}

std::map<int, int> highlights(const MonthGrid& grid) {
  std::map<int, int> out;
  for (int i = kFirstDayCell; i <= kLastDayCell; ++i)
    if (grid.cell(i).highlight_slot >= 0) out[i] = grid.cell(i).highlight_slot;
  return out;
}

TEST(MonthGrid, Highlights) {
  ProgramState state = state_on(kModeAutomatic, 2026, 5, 3);
  set_slot(state, 1, 2026, 5, 20);
  // May 2026 starts on a Friday: first cell 14.
  EXPECT_EQ(highlights(karenda(state, 0)), (std::map<int, int>{{17, 0}, {34, 1}}));
  const MonthGrid now_side = karenda(state, 1);
  EXPECT_EQ(highlights(now_side), (std::map<int, int>{{17, 0}, {34, 1}}));
  EXPECT_EQ(now_side.shown_slot, 1);

  // The same day: the shown date's colour wins.
  set_slot(state, 1, 2026, 5, 3);
  EXPECT_EQ(highlights(karenda(state, 1)), (std::map<int, int>{{17, 1}}));

  // The other date in another month is not shown.
  set_slot(state, 1, 2026, 6, 3);
  EXPECT_EQ(highlights(karenda(state, 0)), (std::map<int, int>{{17, 0}}));

  // In the reform month a day after the gap sits ten cells back.
  EXPECT_EQ(highlights(karenda(state_on(kModeAutomatic, 1582, 10, 15), 0)),
            (std::map<int, int>{{15, 0}}));

  EXPECT_EQ(highlight_colour(0), 0x00FFFFu);
  EXPECT_EQ(highlight_colour(1), 0xFFFFC0u);
}

TEST(MonthGrid, TodaysRing) {
  ProgramState state = state_on(kModeAutomatic, 2026, 2, 1);
  state.clock = fixed_clock({2026, 2, 14, 9, 30, 0});
  const MonthGrid grid = karenda(state, 0);
  ASSERT_TRUE(grid.ringed_cell.has_value());
  EXPECT_EQ(*grid.ringed_cell, 30);
  EXPECT_EQ(cell_left(30) - kRingOffset, 1200 + 360 * 6 - 30);
  EXPECT_EQ(cell_top(30) - kRingOffset, 480 + 240 * 2 - 30);

  state.clock = fixed_clock({2026, 3, 1, 9, 30, 0});
  EXPECT_FALSE(karenda(state, 0).ringed_cell.has_value());

  // In the fixed Julian calendar today (Gregorian 14 February) is Julian 1 February.
  state.calendar_mode = kModeJulian;
  state.clock = fixed_clock({2026, 2, 14, 9, 30, 0});
  const MonthGrid julian = karenda(state, 0);
  ASSERT_TRUE(julian.ringed_cell.has_value());
  EXPECT_EQ(julian.cell(*julian.ringed_cell).caption, "1");
}

TEST(MonthGrid, BadInputIsReported) {
  RecordingReporter reporter;
  const MonthGrid no_slot = karenda(state_on(kModeAutomatic, 2026, 2, 1), 2);
  EXPECT_EQ(reporter.places(), std::vector<std::string>{"karenda"});
  EXPECT_TRUE(no_slot.year_caption.empty());

  reporter.clear();
  ProgramState state = state_on(kModeAutomatic, 2026, 2, 1);
  state.slots[0].month = 13;
  karenda(state, 0);
  EXPECT_EQ(reporter.places(), std::vector<std::string>{"karenda"});
}

}  // namespace
}  // namespace pelmira
