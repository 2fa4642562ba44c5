// The school, age and zodiac-year listings: their lines, the selected row and the row base.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "listings/builders.h"
#include "support/dated_state.h"
#include "support/recording_reporter.h"

namespace pelmira {
namespace {

using testing::dated_state;
using testing::RecordingReporter;

struct LineRow {
  int row;
  const char* text;
};

void expect_lines(const Listing& listing, const std::vector<LineRow>& rows) {
  for (const LineRow& r : rows) {
    SCOPED_TRACE(r.row);
    ASSERT_LT(static_cast<std::size_t>(r.row), listing.lines.size());
    EXPECT_EQ(listing.lines[static_cast<std::size_t>(r.row)], r.text);
  }
}

TEST(SchoolListing, PeriodsFromTheBirthSide) {
  struct Row {
    const char* name;
    testing::Ymd birth;
    i16 western_only;
    std::vector<LineRow> lines;
    i16 base;
    int selected;
  };
  const Row rows[] = {
      {"born_1_april_joins_the_march_children",
       {2000, 4, 1},
       0,
       {{0, "学年　　　　就学期間　　　　　年齢"},
        {1, ""},
        {2, "** 小学 **"},
        {3, " 1年 平成18/4/1～平成19/3/31  6～ 7歳"},
        {9, "** 中学 **"},
        {13, "** 高校 **"},
        {17, "** 大学 **"},
        {19, " 2年 平成31/4/1～令和 2/3/31 19～20歳"},
        {21, " 4年 令和 3/4/1～令和 4/3/31 21～22歳"}},
       5,
       7},
      {"born_in_march", {2000, 3, 15}, 0, {{3, " 1年 平成18/4/1～平成19/3/31  6～ 7歳"}}, 5, 7},
      {"born_2_april_starts_a_year_later",
       {2000, 4, 2},
       0,
       {{3, " 1年 平成19/4/1～平成20/3/31  6～ 7歳"},
        {12, " 3年 平成27/4/1～平成28/3/31 14～15歳"}},
       4,
       6},
      {"western_years_only", {2000, 4, 1}, 1, {{3, " 1年 2006/4/1～2007/3/31  6～ 7歳"}}, 5, 7},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    ProgramState state = dated_state(r.birth, {2010, 5, 1});
    state.western_only = r.western_only;
    ListingSession session;
    const Listing listing = gakkou(state, session);
    ASSERT_EQ(listing.lines.size(), 22u);
    expect_lines(listing, r.lines);
    EXPECT_EQ(session.school_row_base, r.base);
    EXPECT_EQ(listing.selected, r.selected);
  }
}

TEST(SchoolListing, BirthPeriodsFromTheNowSide) {
  struct Row {
    const char* name;
    testing::Ymd now;
    const char* first_year;
  };
  const Row rows[] = {
      {"school_year_of_may", {2010, 5, 1}, " 1年 平成15/4/2～平成16/4/1  6～ 7歳"},
      {"march_belongs_to_the_year_before", {2010, 3, 31}, " 1年 平成14/4/2～平成15/4/1  6～ 7歳"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const ProgramState state = dated_state({2000, 4, 1}, r.now);
    ListingSession session;
    session.side = 1;
    const Listing listing = gakkou(state, session);
    EXPECT_EQ(listing.lines[0], "現在の学年  誕生期間　　　　　年齢");
    EXPECT_EQ(listing.lines[3], r.first_year);
  }
}

TEST(SchoolListing, SelectsTheRowOfTheSchoolYearOrNone) {
  struct Row {
    const char* name;
    testing::Ymd birth;
    int selected;
  };
  const Row rows[] = {
      {"first_grade", {2003, 6, 1}, 3},
      {"sixth_grade", {1998, 6, 1}, 8},
      {"first_year_of_middle_school", {1997, 6, 1}, 10},
      {"first_year_of_high_school", {1994, 6, 1}, 14},
      {"last_year_of_university", {1988, 6, 1}, 21},
      {"not_yet_at_school", {2004, 6, 1}, -1},
      {"past_university", {1987, 6, 1}, -1},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const ProgramState state = dated_state(r.birth, {2010, 5, 1});
    ListingSession session;
    EXPECT_EQ(gakkou(state, session).selected, r.selected);
  }
}

TEST(AgeListing, PeriodsOfEachAge) {
  struct Row {
    const char* name;
    i16 side;
    i16 shift;
    std::vector<LineRow> lines;
  };
  const Row rows[] = {
      {"from_birth",
       0,
       0,
       {{0, "誕生からの年齢　　年齢に対する期間"},
        {1, ""},
        {2, "  0 歳\t平成12/5/3～平成13/5/2"},
        {12, " 10 歳\t平成22/5/3～平成23/5/2"},
        {102, "100 歳\t令和82/5/3～令和83/5/2"},
        {119, "117 歳\t令和99/5/3～2118/5/2"},
        {132, "130 歳\t2130/5/3～2131/5/2"}}},
      {"day_before_rule_starts_the_day_before", 0, 1, {{2, "  0 歳\t平成12/5/2～平成13/5/1"}}},
      {"birth_periods_from_now",
       1,
       0,
       {{0, "現在の年齢　　　　誕生期間"},
        {2, "  0 歳\t平成21/8/9～平成22/8/8"},
        {12, " 10 歳\t平成11/8/9～平成12/8/8"}}},
      {"birth_periods_from_now_day_before_rule", 1, 1, {{2, "  0 歳\t平成21/8/10～平成22/8/9"}}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const ProgramState state = dated_state({2000, 5, 3}, {2010, 8, 8}, kModeAutomatic, r.shift);
    ListingSession session;
    session.side = r.side;
    const Listing listing = nenreih(state, session);
    ASSERT_EQ(listing.lines.size(), 133u);
    expect_lines(listing, r.lines);
    EXPECT_EQ(session.age_row_base, 10);
    EXPECT_EQ(listing.selected, 12);
  }
}

TEST(AgeListing, DayBeforeRuleRollsIntoTheMonthBefore) {
  const ProgramState state = dated_state({2000, 3, 1}, {2010, 8, 8}, kModeAutomatic, 1);
  ListingSession session;
  const Listing listing = nenreih(state, session);
  EXPECT_EQ(listing.lines[2], "  0 歳\t平成12/2/29～平成13/2/27");
  EXPECT_EQ(listing.lines[3], "  1 歳\t平成13/2/28～平成14/2/27");
}

TEST(AgeListing, SkipFlagKeepsTheListingButRecordsTheBase) {
  const ProgramState state = dated_state({2000, 5, 3}, {2010, 8, 8});
  ListingSession session;
  session.shown.lines = {"as shown"};
  session.shown.selected = 0;
  session.skip_once = true;
  session.age_row_base = 99;
  const Listing kept = nenreih(state, session);
  EXPECT_EQ(kept.lines, std::vector<std::string>{"as shown"});
  EXPECT_FALSE(session.skip_once);
  EXPECT_EQ(session.age_row_base, 10);
  EXPECT_EQ(nenreih(state, session).lines.size(), 133u);
}

TEST(AgeListing, NoSelectionOutsideTheTable) {
  const ProgramState unborn = dated_state({2020, 5, 3}, {2010, 8, 8});
  ListingSession session;
  EXPECT_EQ(nenreih(unborn, session).selected, -1);
  EXPECT_EQ(session.age_row_base, -9);
}

TEST(AgeListing, YearsPastTheRangeAreReported) {
  RecordingReporter reporter;
  const ProgramState state = dated_state({32700, 1, 1}, {32700, 2, 1});
  ListingSession session;
  const Listing listing = nenreih(state, session);
  EXPECT_LT(listing.lines.size(), 133u);
  const auto places = reporter.places();
  EXPECT_NE(std::find(places.begin(), places.end(), "nenreih"), places.end());
}

TEST(ZodiacYearListing, YearsOfTheChosenSign) {
  struct Row {
    const char* name;
    i16 branch, stem;
    std::size_t lines;
    int modulus, remainder;
  };
  const Row rows[] = {
      {"branch_ne", 1, 0, 25, 12, 4},  {"branch_i", 12, 0, 25, 12, 3},
      {"stem_kinoe", 0, 1, 25, 10, 4}, {"kinoe_ne", 1, 1, 7, 60, 4},
      {"kinoe_inu", 11, 1, 7, 60, 14}, {"kinoto_ushi", 2, 2, 7, 60, 5},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    ProgramState state = dated_state({1984, 5, 3}, {2024, 5, 1});
    state.western_only = 1;
    ListingSession session;
    session.branch_choice = r.branch;
    session.stem_choice = r.stem;
    const Listing listing = etoh(state, session);
    ASSERT_EQ(listing.lines.size(), r.lines);
    EXPECT_EQ(listing.lines[0], "生年\t\t現在の年齢");
    EXPECT_EQ(listing.lines[1], "");
    int previous = 100000;
    for (std::size_t i = 2; i < listing.lines.size(); ++i) {
      const int year = std::stoi(listing.lines[i]);
      EXPECT_EQ(year % r.modulus, r.remainder) << listing.lines[i];
      EXPECT_LT(year, previous);
      previous = year;
    }
  }
}

TEST(ZodiacYearListing, LinesAgesAndSelection) {
  const ProgramState state = dated_state({1984, 5, 3}, {2024, 5, 1});
  ListingSession session;
  session.branch_choice = 1;
  const Listing listing = etoh(state, session);
  expect_lines(listing, {{2, "2128年　　　\t-104 歳"},
                         {4, "令和86年　　　\t -80 歳"},
                         {11, "令和 2年　　　\t   3 歳"},
                         {12, "平成20年　　　\t  15 歳"},
                         {13, "平成 8年　　　\t  27 歳"},
                         {14, "昭和59年　　　\t  39 歳"},
                         {24, "1864年　　　\t 159 歳"}});
  EXPECT_EQ(listing.selected, 14);
}

TEST(ZodiacYearListing, MessagesForNoOrImpossibleChoice) {
  struct Row {
    const char* name;
    i16 branch, stem;
    const char* message;
  };
  const Row rows[] = {
      {"nothing_chosen", 0, 0, "　干支が選択されていません。"},
      {"kinoe_ushi_never_meet", 2, 1, "　無効な選択です。"},
      {"branch_out_of_range", 13, 0, "　無効な選択です。"},
      {"stem_out_of_range", 0, -1, "　無効な選択です。"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const ProgramState state = dated_state({1984, 5, 3}, {2024, 5, 1});
    ListingSession session;
    session.branch_choice = r.branch;
    session.stem_choice = r.stem;
    const Listing listing = etoh(state, session);
    EXPECT_EQ(listing.lines, std::vector<std::string>{r.message});
    EXPECT_EQ(listing.selected, -1);
  }
}

}  // namespace
}  // namespace pelmira
