// The same-date listing (kind 8) and its row click.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "people/same_date.h"
#include "people/sorting.h"
#include "person_list_fixtures.h"

namespace pelmira {
namespace {

using testing::table_of;

using Lines = std::vector<std::string>;

// Slot 0 (the birth side) on `birth`, slot 1 on `now`.
ProgramState dates(testing::Ymd birth, testing::Ymd now) {
  return testing::dated_state(birth, now);
}

ListingSession same_date_session(i16 side = 0) {
  ListingSession session;
  session.kind = kListingSameDate;
  session.side = side;
  return session;
}

TEST(SameDate, TwentyNinthOfFebruaryOnlyOnTheTwentyNinth) {
  const PersonTable table =
      table_of({{"leap", 2000, 2, 29}, {"end_of_feb", 2001, 2, 28}, {"march", 2001, 3, 1}});
  struct Row {
    const char* name;
    testing::Ymd birth_side;
    Lines lines;
  };
  const std::vector<Row> rows = {
      {"29_february", {2024, 2, 29}, {"leap"}},
      {"28_february", {2023, 2, 28}, {"end_of_feb"}},
      {"1_march", {2023, 3, 1}, {"march"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ListingSession session = same_date_session();
    const Listing listing = caleTan(table, dates(row.birth_side, {2024, 6, 1}), session);
    EXPECT_EQ(listing.lines, row.lines);
  }
}

TEST(SameDate, RowsInPersonOrderWithTheRowMapAndTheSelection) {
  PersonTable table = table_of({{"  a  ", 1990, 5, 3}, {"b", 1991, 5, 4}, {"c", 1992, 5, 3}});
  table.selected_person = 3;
  ListingSession session = same_date_session();
  const Listing listing = caleTan(table, dates({2000, 5, 3}, {2024, 6, 1}), session);
  EXPECT_EQ(listing.lines, (Lines{"a", "c"}));
  EXPECT_EQ(listing.row_map, (std::vector<int>{1, 3}));
  EXPECT_EQ(listing.selected, 1);
}

TEST(SameDate, NoMatchAndNoData) {
  ListingSession session = same_date_session();
  const ProgramState state = dates({2000, 5, 3}, {2024, 6, 1});
  const Listing empty = caleTan(table_of({}), state, session);
  EXPECT_EQ(empty.lines,
            (Lines{"月日が一致する該当者がいません。", "", "氏名と誕生日のデータを入力するか、",
                   "ファイルを開いてください。"}));
  ASSERT_FALSE(empty.row_map.empty());
  EXPECT_EQ(empty.row_map[0], -1);
  EXPECT_EQ(empty.selected, -1);

  const Listing none = caleTan(table_of({{"a", 1990, 1, 1}}), state, session);
  EXPECT_EQ(none.lines, (Lines{"月日が一致する該当者がいません。"}));
  EXPECT_EQ(none.row_map, (std::vector<int>{-1}));
}

TEST(SameDate, DeletedAndCutPersonsAreLeftOut) {
  PersonTable table = table_of({{"a", 1990, 5, 3}, {"b", 1991, 5, 3}, {"c", 1992, 5, 3}});
  table.deletedMark[1] = 1;
  table.deletedMark[3] = -1;
  ListingSession session = same_date_session();
  const ProgramState state = dates({2000, 5, 3}, {2024, 6, 1});
  EXPECT_EQ(caleTan(table, state, session).lines, (Lines{"b"}));
  table.deletedMark[2] = 2;
  // Nobody left in the list: the hint is shown as for an empty list.
  EXPECT_EQ(caleTan(table, state, session).lines.size(), 4u);
}

TEST(SameDate, TheCalculationSideChoosesTheDate) {
  const PersonTable table = table_of({{"birth_side", 1990, 5, 3}, {"now_side", 1991, 6, 1}});
  const ProgramState state = dates({2000, 5, 3}, {2024, 6, 1});
  ListingSession from_birth = same_date_session(0);
  ListingSession from_now = same_date_session(1);
  EXPECT_EQ(caleTan(table, state, from_birth).lines, (Lines{"birth_side"}));
  EXPECT_EQ(caleTan(table, state, from_now).lines, (Lines{"now_side"}));
}

TEST(SameDate, TheSkipFlagKeepsTheShownListingOnce) {
  const PersonTable table = table_of({{"a", 1990, 5, 3}});
  const ProgramState state = dates({2000, 5, 3}, {2024, 6, 1});
  ListingSession session = same_date_session();
  session.shown.lines = {"kept"};
  session.skip_once = true;
  EXPECT_EQ(caleTan(table, state, session).lines, (Lines{"kept"}));
  EXPECT_FALSE(session.skip_once);
  EXPECT_EQ(caleTan(table, state, session).lines, (Lines{"a"}));
}

TEST(SameDateClick, SelectsThePersonInTheSortedListAndTakesItsYear) {
  PersonTable table = table_of({{"z", 1990, 5, 3}, {"a", 1985, 5, 3}, {"m", 1970, 1, 1}});
  ProgramState state = dates({2000, 5, 3}, {2024, 6, 1});
  st1(table, state, kListingSameDate, 0);  // a, m, z
  ListingSession session = same_date_session();
  session.shown = caleTan(table, state, session);
  ASSERT_EQ(session.shown.lines, (Lines{"z", "a"}));
  NoticePane pane;
  const SameDateClick click = same_date_row_click(table, ListDisplay{}, state, session, 0, pane);
  EXPECT_EQ(click.list_row, 2);
  EXPECT_TRUE(click.refresh);
  EXPECT_EQ(table.selected_person, 1);
  EXPECT_EQ(pane.name, "z");
  EXPECT_EQ(state.slots[0].entered_year, 1990);
  EXPECT_EQ(state.slots[0].era_label(), "");
  EXPECT_TRUE(session.skip_once);
  // The refresh that follows keeps the listing.
  EXPECT_EQ(caleTan(table, state, session).lines, session.shown.lines);
}

TEST(SameDateClick, TheNoMatchRowsSelectNothing) {
  PersonTable table = table_of({{"a", 1990, 1, 1}});
  table.selected_person = 1;
  ProgramState state = dates({2000, 5, 3}, {2024, 6, 1});
  ListingSession session = same_date_session();
  session.shown = caleTan(table, state, session);
  const DateSlot before = state.slots[0];
  NoticePane pane;
  for (const int row : {0, 1, 5, -1}) {
    const SameDateClick click =
        same_date_row_click(table, ListDisplay{}, state, session, row, pane);
    EXPECT_EQ(click.list_row, -1);
  }
  EXPECT_EQ(table.selected_person, 1);
  EXPECT_EQ(state.slots[0].entered_year, before.entered_year);
  EXPECT_EQ(state.slots[0].era_label(), before.era_label());
}

}  // namespace
}  // namespace pelmira
