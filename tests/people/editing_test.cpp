// Editing the person list: selection, delete and cut with undo, insert, duplicates, add and
// overwrite; and the recent-file history.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "people/editing.h"
#include "people/list_view.h"
#include "people/recent_files.h"
#include "people/sorting.h"
#include "person_list_fixtures.h"
#include "support/recording_reporter.h"

namespace pelmira {
namespace {

using testing::order_rows;
using testing::reference;
using testing::shown_names;
using testing::table_of;

using Names = std::vector<std::string>;

PersonTable five_persons() {
  return table_of({{"a", 1990, 1, 1},
                   {"b", 1991, 1, 1},
                   {"c", 1992, 1, 1},
                   {"d", 1993, 1, 1},
                   {"e", 1994, 1, 1}});
}

std::string selected_name(const PersonTable& table) {
  if (table.selected_person == 0) return "";
  return trimmed_name(table.personName.at(static_cast<std::size_t>(table.selected_person)));
}

TEST(Delete, SelectionMovesToTheSamePositionOrTheLastRow) {
  PersonTable table = five_persons();
  const ListDisplay display;
  table.selected_person = 2;
  EXPECT_EQ(list05(table, display, kDeleteMode), 1);
  EXPECT_EQ(shown_names(table), (Names{"a", "c", "d", "e"}));
  EXPECT_EQ(selected_name(table), "c");
  EXPECT_EQ(table.deletedMark[2], 1);
  EXPECT_EQ(table.changed, 1);
  table.selected_person = 5;
  EXPECT_EQ(list05(table, display, kDeleteMode), 2);
  EXPECT_EQ(selected_name(table), "d");
  EXPECT_EQ(table.deletion_counter, 2);
  EXPECT_EQ(order_rows(table.viewOrder[1]), (std::vector<i16>{4, 3, 1}));
}

TEST(Delete, NothingSelectedDoesNothing) {
  PersonTable table = five_persons();
  EXPECT_EQ(list05(table, ListDisplay{}, kDeleteMode), -1);
  EXPECT_EQ(ls27(table, ListDisplay{}), -1);
  EXPECT_EQ(table.deletion_counter, 0);
  EXPECT_EQ(table.cut_count, 0);
  EXPECT_EQ(table.changed, 0);
  EXPECT_EQ(shown_names(table).size(), 5u);
}

TEST(Delete, TheLastRowLeavesNoSelection) {
  PersonTable table = table_of({{"a", 1990, 1, 1}});
  table.selected_person = 1;
  EXPECT_EQ(list05(table, ListDisplay{}, kDeleteMode), -1);
  EXPECT_EQ(table.selected_person, 0);
  EXPECT_TRUE(shown_names(table).empty());
}

TEST(Delete, InTheDescendingListTheAscendingOneFollows) {
  PersonTable table = five_persons();
  ListDisplay descending;
  descending.ascending = false;
  table.selected_person = 4;
  EXPECT_EQ(list05(table, descending, kDeleteMode), 1);
  EXPECT_EQ(shown_names(table, descending), (Names{"e", "c", "b", "a"}));
  EXPECT_EQ(shown_names(table), (Names{"a", "b", "c", "e"}));
  EXPECT_EQ(selected_name(table), "c");
}

TEST(Undo, TwoUndosBringBackTheLastTwoDeletionsAtTheEnd) {
  PersonTable table = five_persons();
  const ListDisplay display;
  for (const i16 p : {i16{2}, i16{3}, i16{4}}) {
    table.selected_person = p;
    list05(table, display, kDeleteMode);
  }
  EXPECT_EQ(shown_names(table), (Names{"a", "e"}));
  ls231(table, display);
  ls231(table, display);
  EXPECT_EQ(shown_names(table), (Names{"a", "e", "d", "c"}));
  EXPECT_EQ(table.deletion_counter, 1);
  EXPECT_EQ(table.deletedMark[2], 1);
  ls231(table, display);
  ls231(table, display);  // nothing left to undo
  EXPECT_EQ(shown_names(table), (Names{"a", "e", "d", "c", "b"}));
  EXPECT_EQ(table.deletion_counter, 0);
}

TEST(CutAndInsert, MovedPersonsStayNextToTheTargetInTheBasicOrder) {
  PersonTable table = five_persons();
  const ListDisplay display;
  table.selected_person = 2;
  ls27(table, display);
  table.selected_person = 4;
  ls27(table, display);
  EXPECT_EQ(table.cut_count, 2);
  EXPECT_EQ(shown_names(table), (Names{"a", "c", "e"}));
  EXPECT_EQ(table.deletedMark[2], -1);
  EXPECT_EQ(table.deletion_counter, 0);  // a cut is no deletion step
  table.selected_person = 5;
  ls22(table, display);
  EXPECT_EQ(table.cut_count, 0);
  EXPECT_EQ(shown_names(table), (Names{"a", "c", "b", "d", "e"}));
  EXPECT_EQ(order_rows(table.loadOrder), (std::vector<i16>{1, 3, 2, 4, 5}));
  ls38(table);
  EXPECT_EQ(shown_names(table), (Names{"a", "c", "b", "d", "e"}));
  EXPECT_EQ(table.deletedMark, std::vector<i16>(table.deletedMark.size(), 0));
}

TEST(CutAndInsert, WithoutASelectionTheBlockGoesToTheEnd) {
  PersonTable table = five_persons();
  const ListDisplay display;
  table.selected_person = 1;
  ls27(table, display);
  ls26(table);
  ls22(table, display);
  EXPECT_EQ(shown_names(table), (Names{"b", "c", "d", "e", "a"}));
  EXPECT_EQ(order_rows(table.loadOrder), (std::vector<i16>{2, 3, 4, 5, 1}));
}

TEST(CutAndInsert, IntoTheDescendingList) {
  PersonTable table = five_persons();
  ListDisplay descending;
  descending.ascending = false;
  table.selected_person = 5;
  ls27(table, descending);  // "e" cut; "d" selected
  table.selected_person = 2;
  ls22(table, descending);
  EXPECT_EQ(shown_names(table, descending), (Names{"d", "c", "e", "b", "a"}));
  EXPECT_EQ(shown_names(table), (Names{"a", "b", "e", "c", "d"}));
  EXPECT_EQ(order_rows(table.loadOrder), (std::vector<i16>{1, 5, 2, 3, 4}));
}

TEST(Duplicates, SameStoredNameAndDate) {
  testing::RecordingReporter reporter;
  PersonTable table = table_of({
      {"山田", 1990, 1, 2},    // 1
      {"山田  ", 1990, 1, 2},  // 2: trailing blanks: same stored name
      {"ＡＢ", 1990, 1, 2},    // 3
      {"AB", 1990, 1, 2},      // 4: half-width: another name
      {"山田", 1990, 1, 3},    // 5: another date
      {" 山田", 1990, 1, 2},   // 6: a leading blank is part of the name
      {"山田", 1990, 1, 2},    // 7
  });
  EXPECT_EQ(jyufuku(table), 2);
  EXPECT_EQ(order_rows(table.viewOrder[0]), (std::vector<i16>{1, 3, 4, 5, 6}));
  EXPECT_EQ(order_rows(table.viewOrder[1]), (std::vector<i16>{6, 5, 4, 3, 1}));
  EXPECT_EQ(table.deletedMark[2], 1);
  EXPECT_EQ(table.deletedMark[7], 1);
  EXPECT_EQ(table.deletion_counter, 1);
  EXPECT_EQ(table.changed, 1);
  // One undo brings both back.
  ls231(table, ListDisplay{});
  EXPECT_EQ(order_rows(table.viewOrder[0]), (std::vector<i16>{1, 3, 4, 5, 6, 2, 7}));
  EXPECT_TRUE(reporter.empty());
}

TEST(Duplicates, NoneFoundUsesNoUndoStep) {
  PersonTable table = five_persons();
  table.selected_person = 1;
  list05(table, ListDisplay{}, kDeleteMode);
  table.changed = 0;
  EXPECT_EQ(jyufuku(table), 0);
  EXPECT_EQ(table.deletion_counter, 1);
  EXPECT_EQ(table.changed, 0);
}

TEST(Duplicates, DeletedAndCutPersonsDoNotCount) {
  PersonTable table = table_of({{"x", 1990, 1, 2}, {"x", 1990, 1, 2}, {"x", 1990, 1, 2}});
  table.selected_person = 1;
  list05(table, ListDisplay{}, kDeleteMode);  // the first twin is deleted
  EXPECT_EQ(jyufuku(table), 1);               // the second stays, the third goes
  EXPECT_EQ(order_rows(table.viewOrder[0]), (std::vector<i16>{2}));
  EXPECT_EQ(table.deletedMark[3], 2);
}

NoticePane pane_named(std::string name) {
  NoticePane pane;
  pane.name = std::move(name);
  pane.days_text = "３０";
  pane.rule.kind = kRuleExactDate;
  return pane;
}

TEST(Add, WithoutASelectionAtTheEnd) {
  PersonTable table = five_persons();
  ProgramState state = reference(2024, 5, 3);
  state.slots[0].year = 2001;
  state.slots[0].month = 2;
  state.slots[0].day = 3;
  EXPECT_EQ(list06(table, ListDisplay{}, state, pane_named("新人")), 6);
  EXPECT_EQ(table.personCount, 6);
  EXPECT_EQ(shown_names(table), (Names{"a", "b", "c", "d", "e", "新人"}));
  EXPECT_EQ(order_rows(table.loadOrder), (std::vector<i16>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(order_rows(table.viewOrder[1]), (std::vector<i16>{6, 5, 4, 3, 2, 1}));
  EXPECT_EQ(table.personDate[6], (PersonDate{2001, 2, 3}));
  EXPECT_EQ(table.noticeDays[6], 30);
  EXPECT_EQ(table.noticeCode[6][1], kRuleExactDate);
  EXPECT_EQ(table.selected_person, 6);
  EXPECT_EQ(table.changed, 1);
}

TEST(Add, BeforeTheSelectedPersonInTheLoadAndShownOrder) {
  PersonTable table = five_persons();
  st1(table, reference(2024, 5, 3), kListingFortune, kSortDate);
  ListDisplay descending;
  descending.ascending = false;
  table.selected_person = 3;
  EXPECT_EQ(list06(table, descending, reference(2024, 5, 3), pane_named("new")), 6);
  EXPECT_EQ(shown_names(table, descending), (Names{"e", "d", "new", "c", "b", "a"}));
  EXPECT_EQ(order_rows(table.loadOrder), (std::vector<i16>{1, 2, 6, 3, 4, 5}));
}

TEST(Add, InsideASearchResultTheNewPersonStaysListed) {
  PersonTable table = five_persons();
  table.search_depth = table.search_depth_max = 1;
  for (i16& level : table.searchLevel) level = 1;
  const ProgramState state = reference(2024, 5, 3);
  list06(table, ListDisplay{}, state, pane_named("new"));
  st1(table, state, kListingFortune, kSortName);
  EXPECT_EQ(shown_names(table), (Names{"a", "b", "c", "d", "e", "new"}));
}

TEST(Add, TheTableHoldsAtMost32766Persons) {
  testing::RecordingReporter reporter;
  PersonTable table = table_of(std::vector<testing::PersonRow>(32766, {"x", 1990, 1, 1}));
  EXPECT_EQ(list06(table, ListDisplay{}, reference(2024, 5, 3), pane_named("one more")), 0);
  EXPECT_EQ(table.personCount, 32766);
  ASSERT_EQ(reporter.places(), std::vector<std::string>{"list06"});
  EXPECT_EQ(reporter.reports()[0].number, err::kOverflow);
}

TEST(Overwrite, TheSelectedPersonTakesThePane) {
  PersonTable table = five_persons();
  const ProgramState state = reference(2024, 5, 3);
  EXPECT_FALSE(overwrite_selected_person(table, state, pane_named("z")));
  table.selected_person = 2;
  const std::string long_name(40, 'n');
  EXPECT_TRUE(overwrite_selected_person(table, state, pane_named(long_name)));
  EXPECT_EQ(table.personName[2], std::string(31, 'n'));
  EXPECT_EQ(table.personDate[2], (PersonDate{2000, 5, 3}));  // the birth side's date
  EXPECT_EQ(table.noticeDays[2], 30);
  EXPECT_EQ(table.changed, 1);
}

TEST(Overwrite, DaysBeyond16BitsAreReported) {
  testing::RecordingReporter reporter;
  PersonTable table = five_persons();
  NoticePane pane = pane_named("z");
  pane.days_text = "99999";
  fillPersonFromInput(table, reference(2024, 5, 3), pane, 1);
  EXPECT_EQ(reporter.places(), std::vector<std::string>{"fillPersonFromInput"});
  fillPersonFromInput(table, reference(2024, 5, 3), pane_named("z"), 9);
  EXPECT_EQ(reporter.places().size(), 2u);
}

// The order lists are measured and searched a word at a time: every size and every place of
// the terminator, with person numbers whose bytes are zero and stale rows after the end.
TEST(OrderList, LengthPositionAndReverseAtEveryTerminatorPlace) {
  const std::vector<i16> kPersons = {1, 256, 0x7FFF, 2, 0x0100, 0x7F00, 3, 0x0001};
  for (std::size_t size = 0; size <= 40; ++size) {
    for (std::size_t end = 1; end <= size + 1; ++end) {  // end == size: no terminator
      SCOPED_TRACE("size " + std::to_string(size) + ", terminator at " + std::to_string(end));
      // Rows left behind the terminator by a shorter list stay, as after a sort.
      std::vector<i16> order(size, 0);
      for (std::size_t k = 1; k < size; ++k)
        if (k != end) order[k] = kPersons[k % kPersons.size()];
      if (end + 1 < size) order[end + 1] = 777;  // found only past the end
      const auto rows = static_cast<i16>(size == 0 ? 0 : std::min(end, size) - 1);
      EXPECT_EQ(order_length(order), rows);
      for (i16 r = 1; r <= rows; ++r) {
        const i16 person = order[static_cast<std::size_t>(r)];
        const auto first = std::find(order.begin() + 1, order.end(), person) - order.begin();
        EXPECT_EQ(position_in_order(order, person), first);
      }
      EXPECT_EQ(position_in_order(order, 999), 0);
      EXPECT_EQ(position_in_order(order, 777), 0);

      PersonTable table;
      table.viewOrder[0] = order;
      if (size == 0) continue;
      st9(table, 0);
      const std::vector<i16> reversed(order.rend() - 1 - rows, order.rend() - 1);
      EXPECT_EQ(order_rows(table.viewOrder[1]), reversed);
    }
  }
}

TEST(Select, AClickLoadsThePersonIntoTheBirthSideAndThePane) {
  PersonTable table = five_persons();
  table.noticeDays[4] = 7;
  ListDisplay descending;
  descending.ascending = false;
  ProgramState state = reference(2024, 5, 3);
  NoticePane pane;
  list1c(table, descending, state, 1, pane);
  EXPECT_EQ(table.selected_person, 4);
  EXPECT_EQ(state.slots[0].entered_year, 1993);
  EXPECT_EQ(state.slots[0].era_label(), "西暦");
  EXPECT_EQ(state.slots[0].month, 1);
  EXPECT_EQ(pane.name, "d");
  EXPECT_EQ(pane.days_text, "7");
  list1c(table, descending, state, -1, pane);
  EXPECT_EQ(table.selected_person, 0);
  EXPECT_EQ(pane.name, "");
}

TEST(RecentFiles, AddingKeepsTenNewestFirst) {
  RecentFiles history;
  for (int k = 1; k <= 3; ++k) rirekituika(history, "/d/" + std::to_string(k) + ".txt");
  rirekituika(history, "/d/1.txt");  // known: keeps its place
  EXPECT_EQ(history.paths, (Names{"/d/3.txt", "/d/2.txt", "/d/1.txt"}));
  for (int k = 4; k <= 11; ++k) rirekituika(history, "/d/" + std::to_string(k) + ".txt");
  EXPECT_EQ(history.count(), 10);
  EXPECT_EQ(history.paths.front(), "/d/11.txt");
  EXPECT_EQ(history.paths.back(), "/d/2.txt");
  // A path pushed out earlier is added again like a new one.
  rirekituika(history, "/d/1.txt");
  EXPECT_EQ(history.paths.front(), "/d/1.txt");
  EXPECT_EQ(history.paths.back(), "/d/3.txt");
}

TEST(RecentFiles, StoredOldestFirstAndReadBackInTheSameOrder) {
  RecentFiles history;
  for (int k = 1; k <= 11; ++k) rirekituika(history, "/d/" + std::to_string(k) + ".txt");
  const auto stored = recent_file_settings(history);
  std::map<std::string, std::string> keys(stored.begin(), stored.end());
  EXPECT_EQ(keys.size(), 11u);
  EXPECT_EQ(keys["1"], "/d/2.txt");
  EXPECT_EQ(keys["10"], "/d/11.txt");
  EXPECT_EQ(keys["11"], "");
  const RecentFiles loaded = load_recent_files([&](const std::string& key) { return keys[key]; });
  EXPECT_EQ(loaded.paths, history.paths);
}

TEST(RecentFiles, ClearingAndRemoving) {
  RecentFiles history;
  for (int k = 1; k <= 4; ++k) rirekituika(history, "/d/" + std::to_string(k) + ".txt");
  remove_recent_file(history, 2);
  EXPECT_EQ(history.paths, (Names{"/d/4.txt", "/d/2.txt", "/d/1.txt"}));
  remove_recent_file(history, 0);
  remove_recent_file(history, 4);
  EXPECT_EQ(history.count(), 3);
  rirekituika(history, "/d/3.txt");  // removed, so new again
  EXPECT_EQ(history.paths.front(), "/d/3.txt");
  EXPECT_TRUE(history.clear_enabled());
  rirekic_Click(history);
  EXPECT_FALSE(history.clear_enabled());
  for (const auto& [key, value] : recent_file_settings(history)) EXPECT_EQ(value, "") << key;
  EXPECT_EQ(recent_file_settings(history).size(), 11u);
  // Reading stops at the first empty key.
  const RecentFiles loaded = load_recent_files(
      [](const std::string& key) { return key == "2" ? std::string() : "/d/" + key; });
  EXPECT_EQ(loaded.paths, (Names{"/d/1"}));
}

}  // namespace
}  // namespace pelmira
