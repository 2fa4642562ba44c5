// Sorting the person list by the five keys.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "people/list_view.h"
#include "people/sorting.h"
#include "person_list_fixtures.h"

namespace pelmira {
namespace {

using testing::PersonRow;
using testing::reference;
using testing::shown_names;
using testing::table_of;

struct SortRow {
  const char* name;
  i16 key;
  std::vector<PersonRow> persons;
  std::vector<std::string> ascending;
};

TEST(Sorting, ByEachKey) {
  const std::vector<SortRow> rows = {
      {"name_by_character_code",
       kSortName,
       {{"田中", 1990, 1, 1}, {"山田", 1990, 1, 1}, {"佐藤", 1990, 1, 1}, {"abc", 1990, 1, 1}},
       {"abc", "佐藤", "山田", "田中"}},
      {"name_ascii_case_folded",
       kSortName,
       {{"b", 1990, 1, 1}, {"ABD", 1990, 1, 1}, {"abc", 1990, 1, 1}, {"Ab", 1990, 1, 1}},
       {"Ab", "abc", "ABD", "b"}},
      {"name_prefix_first", kSortName, {{"山田", 1990, 1, 1}, {"山", 1990, 1, 1}}, {"山", "山田"}},
      {"full_date",
       kSortDate,
       {{"c", 2000, 1, 2}, {"a", 1990, 12, 31}, {"d", 2000, 10, 1}, {"b", 2000, 1, 1}},
       {"a", "b", "c", "d"}},
      {"month_day_then_year",
       kSortMonthDay,
       {{"jan2", 1950, 1, 2},
        {"jan1_late", 2020, 1, 1},
        {"dec", 1900, 12, 31},
        {"jan1_early", 1980, 1, 1}},
       {"jan1_early", "jan1_late", "jan2", "dec"}},
      {"day_then_month_then_year",
       kSortDay,
       {{"d2", 1950, 1, 2},
        {"d1_dec", 1900, 12, 1},
        {"d1_jan_late", 2000, 1, 1},
        {"d1_jan_early", 1999, 1, 1}},
       {"d1_jan_early", "d1_jan_late", "d1_dec", "d2"}},
      {"days_to_next_birthday",
       kSortDaysToNext,
       {{"yesterday", 1990, 5, 2},
        {"tomorrow", 2000, 5, 4},
        {"today", 1980, 5, 3},
        {"new_year", 1970, 1, 1}},
       {"today", "tomorrow", "new_year", "yesterday"}},
  };
  const ProgramState state = reference(2024, 5, 3);
  for (const SortRow& row : rows) {
    SCOPED_TRACE(row.name);
    PersonTable table = table_of(row.persons);
    st1(table, state, kListingFortune, row.key);
    EXPECT_EQ(shown_names(table), row.ascending);
    ListDisplay descending;
    descending.ascending = false;
    const std::vector<std::string> reversed(row.ascending.rbegin(), row.ascending.rend());
    EXPECT_EQ(shown_names(table, descending), reversed);
  }
}

TEST(Sorting, EqualKeysFallBackToThePersonNumberAsText) {
  std::vector<PersonRow> persons;
  for (int k = 1; k <= 12; ++k) persons.push_back({"p" + std::to_string(k), 1990, 1, 1});
  persons[2].name = "same";   // person 3
  persons[11].name = "same";  // person 12
  PersonTable table = table_of(persons);
  st1(table, reference(2024, 5, 3), kListingFortune, kSortName);
  const std::vector<i16> rows = testing::order_rows(table.viewOrder[0]);
  ASSERT_EQ(rows.size(), 12u);
  const auto at = [&](i16 p) { return std::find(rows.begin(), rows.end(), p) - rows.begin(); };
  EXPECT_EQ(at(3), at(12) + 1);  // person 12 before person 3
  // The date keys tie the same way.
  st1(table, reference(2024, 5, 3), kListingFortune, kSortDate);
  const std::vector<i16> by_date = testing::order_rows(table.viewOrder[0]);
  EXPECT_EQ(by_date, (std::vector<i16>{1, 10, 11, 12, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(Sorting, DaysToTheMemorialDayWithTheMemorialListing) {
  PersonTable table = table_of({{"far", 2000, 5, 10}, {"near", 2024, 4, 30}});
  const ProgramState state = reference(2024, 5, 3);
  // As birthdays "far" comes in 7 days and "near" in 362.
  st1(table, state, kListingFortune, kSortDaysToNext);
  EXPECT_EQ(shown_names(table), (std::vector<std::string>{"far", "near"}));
  // As deaths "near" reaches its 初七日 on 2024-05-06 (3 days), "far" its 二十七回忌 in 2026.
  st1(table, state, kListingMemorial, kSortDaysToNext);
  EXPECT_EQ(shown_names(table), (std::vector<std::string>{"near", "far"}));
}

TEST(Sorting, OnlyListedPersonsAreSorted) {
  PersonTable table = table_of({{"d", 1990, 1, 1},
                                {"c", 1990, 1, 1},
                                {"b", 1990, 1, 1},
                                {"a", 1990, 1, 1},
                                {"e", 1990, 1, 1}});
  table.deletedMark[2] = 1;   // deleted
  table.deletedMark[3] = -1;  // cut
  table.search_depth = 1;
  table.searchLevel = {0, 1, 1, 1, 1, 0, 0};  // "e" did not match the search
  st1(table, reference(2024, 5, 3), kListingFortune, kSortName);
  EXPECT_EQ(shown_names(table), (std::vector<std::string>{"a", "d"}));
}

TEST(Sorting, AKeyOutsideTheMenuChangesNothing) {
  PersonTable table = table_of({{"b", 1990, 1, 1}, {"a", 1990, 1, 1}});
  for (const i16 key : {i16{-1}, i16{5}, i16{32767}}) {
    st1(table, reference(2024, 5, 3), kListingFortune, key);
    EXPECT_EQ(shown_names(table), (std::vector<std::string>{"b", "a"}));
  }
}

TEST(Sorting, BusyStateAroundTheSort) {
  PersonTable table = table_of({{"b", 1990, 1, 1}, {"a", 1990, 1, 1}});
  std::vector<bool> busy;
  st1(table, reference(2024, 5, 3), kListingFortune, kSortName,
      [&](bool on) { busy.push_back(on); });
  EXPECT_EQ(busy, (std::vector<bool>{true, false}));
}

}  // namespace
}  // namespace pelmira
