// The day-count listing: the whole listing for one period, the weekday and holiday counts
// of typical periods, the 200-year refusal and the one-shot skip.

#include "holidays/day_counts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "holidays/slot_setup.h"
#include "support/recording_reporter.h"

namespace pelmira {
namespace {

using testing::RecordingReporter;
using testing::set_slot;

ProgramState period(i16 y1, i16 m1, i16 d1, i16 y2, i16 m2, i16 d2) {
  ProgramState state;
  set_slot(state, 0, y1, m1, d1);
  set_slot(state, 1, y2, m2, d2);
  return state;
}

std::vector<std::string> lines_of(const ProgramState& state) {
  ListingSession session;
  Listing previous;
  previous.lines = {"old"};
  previous.selected = 0;
  const Listing listing = HsKeisan(state, session, previous);
  EXPECT_EQ(listing.selected, -1);
  return listing.lines;
}

TEST(DayCounts, GoldenWeek2026) {
  const std::vector<std::string> expected = {
      "西暦 2026年 5月 1日～",
      "西暦 2026年 5月 6日までの日数",
      "",
      "日数　　　6日",
      "",
      "日曜日の日数　1日",
      "月曜日の日数　1日",
      "火曜日の日数　1日",
      "水曜日の日数　1日",
      "木曜日の日数　0日",
      "金曜日の日数　1日",
      "土曜日の日数　1日",
      "",
      "祝祭日の日数　　3日",
      "振替休日の日数　1日",
      "損した振替休日　0日",
      "",
      "　　　日曜　　　＋祝祭日　4日",
      "　　　日曜＋土曜＋祝祭日　5日",
      "日数－日曜　　　　　　　　5日",
      "日数－日曜－土曜　　　　　4日",
      "日数－日曜　　　－祝祭日　2日",
      "日数－日曜－土曜－祝祭日　1日",
      "日数　　　　　　－祝祭日　2日",
      "※祝祭日は振替休日を含みます。",
  };
  RecordingReporter reporter;
  EXPECT_EQ(lines_of(period(2026, 5, 1, 2026, 5, 6)), expected);
  EXPECT_TRUE(reporter.empty());
}

struct CountRow {
  const char* name;
  i16 y1, m1, d1, y2, m2, d2;
  i16 mode;
  // Lines 3 (days), 5..11 (weekdays), 13..15 (holidays, substitutes, lost), 23 (days less
  // holidays) of the listing.
  std::vector<std::string> picked;
};

TEST(DayCounts, Periods) {
  const CountRow rows[] = {
      {"equal_dates",
       2026,
       5,
       7,
       2026,
       5,
       7,
       kModeAutomatic,
       {"日数　　　1日", "日曜日の日数　0日", "月曜日の日数　0日", "火曜日の日数　0日",
        "水曜日の日数　0日", "木曜日の日数　1日", "金曜日の日数　0日", "土曜日の日数　0日",
        "祝祭日の日数　　0日", "振替休日の日数　0日", "損した振替休日　0日",
        "日数　　　　　　－祝祭日　1日"}},
      {"year_2000",
       2000,
       1,
       1,
       2000,
       12,
       31,
       kModeAutomatic,
       {"日数　　　366日", "日曜日の日数　53日", "月曜日の日数　52日", "火曜日の日数　52日",
        "水曜日の日数　52日", "木曜日の日数　52日", "金曜日の日数　52日", "土曜日の日数　53日",
        "祝祭日の日数　　15日", "振替休日の日数　0日", "損した振替休日　0日",
        "日数　　　　　　－祝祭日　351日"}},
      {"reversed_dates",
       2000,
       12,
       31,
       2000,
       1,
       1,
       kModeAutomatic,
       {"日数　　　366日", "日曜日の日数　53日", "月曜日の日数　52日", "火曜日の日数　52日",
        "水曜日の日数　52日", "木曜日の日数　52日", "金曜日の日数　52日", "土曜日の日数　53日",
        "祝祭日の日数　　15日", "振替休日の日数　0日", "損した振替休日　0日",
        "日数　　　　　　－祝祭日　351日"}},
      {"ends_on_sunday_holiday",
       2026,
       5,
       3,
       2026,
       5,
       5,
       kModeAutomatic,
       {"日数　　　3日", "日曜日の日数　1日", "月曜日の日数　1日", "火曜日の日数　1日",
        "水曜日の日数　0日", "木曜日の日数　0日", "金曜日の日数　0日", "土曜日の日数　0日",
        "祝祭日の日数　　3日", "振替休日の日数　0日", "損した振替休日　0日",
        "日数　　　　　　－祝祭日　0日"}},
      {"lost_substitute_1987",
       1987,
       5,
       1,
       1987,
       5,
       10,
       kModeAutomatic,
       {"日数　　　10日", "日曜日の日数　2日", "月曜日の日数　1日", "火曜日の日数　1日",
        "水曜日の日数　1日", "木曜日の日数　1日", "金曜日の日数　2日", "土曜日の日数　2日",
        "祝祭日の日数　　3日", "振替休日の日数　0日", "損した振替休日　1日",
        "日数　　　　　　－祝祭日　7日"}},
      {"before_1873",
       1800,
       1,
       1,
       1800,
       12,
       31,
       kModeAutomatic,
       {"日数　　　365日", "日曜日の日数　52日", "月曜日の日数　52日", "火曜日の日数　52日",
        "水曜日の日数　53日", "木曜日の日数　52日", "金曜日の日数　52日", "土曜日の日数　52日",
        "祝祭日の日数　　0日", "振替休日の日数　0日", "損した振替休日　0日",
        "日数　　　　　　－祝祭日　365日"}},
      {"reform_gap_automatic",
       1582,
       10,
       1,
       1582,
       10,
       31,
       kModeAutomatic,
       {"日数　　　21日", "日曜日の日数　3日", "月曜日の日数　3日", "火曜日の日数　3日",
        "水曜日の日数　3日", "木曜日の日数　3日", "金曜日の日数　3日", "土曜日の日数　3日",
        "祝祭日の日数　　0日", "振替休日の日数　0日", "損した振替休日　0日",
        "日数　　　　　　－祝祭日　21日"}},
  };
  RecordingReporter reporter;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    ProgramState state = period(r.y1, r.m1, r.d1, r.y2, r.m2, r.d2);
    state.calendar_mode = r.mode;
    const auto lines = lines_of(state);
    ASSERT_EQ(lines.size(), 25u);
    std::vector<std::string> picked;
    for (const std::size_t i : {3, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15, 23})
      picked.push_back(lines[i]);
    EXPECT_EQ(picked, r.picked);
  }
  EXPECT_TRUE(reporter.empty());
}

TEST(DayCounts, MoreThan200YearsIsRefused) {
  const std::vector<std::string> refused = {
      "西暦 1800年 1月 1日～",
      "西暦 2001年 12月 31日までの日数",
      "",
      "　この日数計算の表示は計算に時間が",
      "かかるので、200年以内の期間で使用し",
      "てください。",
  };
  EXPECT_EQ(lines_of(period(1800, 1, 1, 2001, 12, 31)), refused);
  // Reversed, the same refusal; exactly 200 years is counted.
  EXPECT_EQ(lines_of(period(2001, 12, 31, 1800, 1, 1)).size(), 6u);
  const auto counted = lines_of(period(1800, 1, 1, 2000, 12, 31));
  ASSERT_EQ(counted.size(), 25u);
  EXPECT_EQ(counted[3], "日数　　　73414日");
}

TEST(DayCounts, OneShotSkipLeavesTheListing) {
  ListingSession session;
  session.skip_once = true;
  Listing previous;
  previous.lines = {"old", "lines"};
  previous.selected = 1;
  const Listing kept = HsKeisan(period(2026, 5, 1, 2026, 5, 6), session, previous);
  EXPECT_EQ(kept.lines, previous.lines);
  EXPECT_EQ(kept.selected, 1);
  EXPECT_FALSE(session.skip_once);
  EXPECT_EQ(HsKeisan(period(2026, 5, 1, 2026, 5, 6), session, previous).lines.size(), 25u);
}

}  // namespace
}  // namespace pelmira
