// The search window: its boxes, the criteria they keep, matching and the search levels.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "almanac/six_star.h"
#include "core/age.h"
#include "core/calendar.h"
#include "core/text.h"
#include "people/list_lines.h"
#include "people/search.h"
#include "people/sorting.h"
#include "person_list_fixtures.h"
#include "support/recording_reporter.h"

namespace pelmira {
namespace {

using testing::order_rows;
using testing::PersonRow;
using testing::reference;
using testing::shown_names;
using testing::table_of;

using Names = std::vector<std::string>;

// Chooses box items by text; every text must be an item of its box.
void choose(SearchForm& form, const ProgramState& state, int box, std::string_view text) {
  ASSERT_TRUE(choose_search_item(form, state, box, text)) << box << " " << text;
}

// A person for every day from `first` (inclusive) for `days` days, named by its date.
PersonTable every_day(i16 year, i16 month, i16 day, int days) {
  std::vector<PersonRow> persons;
  const i32 start = guleyulibi(year, month, day, kModeAutomatic);
  for (int k = 0; k < days; ++k) {
    i16 m = 0, d = 0;
    const i16 y = yulibigule(start + k, m, d, kModeAutomatic);
    persons.push_back(
        {std::to_string(y) + "-" + std::to_string(m) + "-" + std::to_string(d), y, m, d});
  }
  return table_of(persons);
}

std::vector<i16> found(const PersonTable& table) {
  return order_rows(table.viewOrder[0]);
}

TEST(SearchForm, BoxesAsTheWindowOpens) {
  const SearchForm form = search_form_load();
  EXPECT_EQ(form.boxes[kBoxEraFrom].items, (Names{"西暦", "令和", "平成", "昭和", "大正", "明治"}));
  EXPECT_EQ(form.boxes[kBoxEraFrom].text(), "西暦");
  EXPECT_EQ(form.boxes[kBoxHundredsFrom].text(), "19");
  EXPECT_EQ(form.boxes[kBoxHundredsTo].text(), "21");
  EXPECT_EQ(form.boxes[kBoxUnitsTo].text(), "0");
  EXPECT_EQ(form.boxes[kBoxMonthTo].text(), "12");
  EXPECT_EQ(form.boxes[kBoxDayTo].text(), "31");
  EXPECT_EQ(form.boxes[kBoxAgeFrom].items.size(), 152u);
  EXPECT_EQ(form.boxes[kBoxAgeFrom].text(), "");
  EXPECT_EQ(form.boxes[kBoxGradeTo].items[1], "小学１年");
  EXPECT_EQ(form.boxes[kBoxGradeTo].items[16], "大学４年");
  EXPECT_EQ(form.boxes[kBoxBranch].items[1], "子(ね)");
  EXPECT_EQ(form.boxes[kBoxStem].items[10], "癸(みずのと)");
  EXPECT_EQ(form.boxes[kBoxZodiac].items[1], "山羊座 (やぎ座)");
  EXPECT_EQ(form.boxes[kBoxSixStar].items[6], "水星人");
  EXPECT_EQ(form.boxes[kBoxNineStar].items[9], "九紫火星");
  EXPECT_EQ(form.boxes[kBoxAnimal].items[6], "子守熊(コアラ)");
  EXPECT_EQ(form.date_form, kFormFullDate);
  EXPECT_EQ(form.criteria.at(kCriteriaDate, 0, 0), 1900);
  EXPECT_EQ(form.criteria.at(kCriteriaDate, 2, 1), 31);
  EXPECT_EQ(form.criteria.at(kCriteriaAge, 0, 1), 9999);
  EXPECT_EQ(form.criteria.at(kCriteriaSchool, 1, 0), 1);
}

TEST(SearchForm, EraBoxesAndYears) {
  const ProgramState state = reference(2024, 6, 1);
  SearchForm form = search_form_load();
  choose(form, state, kBoxEraFrom, "令和");
  EXPECT_FALSE(form.boxes[kBoxHundredsFrom].enabled);
  EXPECT_EQ(form.boxes[kBoxHundredsFrom].text(), "0");
  choose(form, state, kBoxUnitsFrom, "1");
  EXPECT_EQ(form.criteria.at(kCriteriaDate, 0, 0), 2019);
  choose(form, state, kBoxEraTo, "昭和");
  choose(form, state, kBoxUnitsTo, "64");
  EXPECT_EQ(form.criteria.at(kCriteriaDate, 0, 1), 1989);
  choose(form, state, kBoxEraFrom, "西暦");
  EXPECT_TRUE(form.boxes[kBoxHundredsFrom].enabled);
  choose(form, state, kBoxHundredsFrom, "20");
  EXPECT_EQ(form.criteria.at(kCriteriaDate, 0, 0), 2001);
  choose(form, state, kBoxMonthFrom, "3");
  choose(form, state, kBoxDayTo, "15");
  EXPECT_EQ(form.criteria.at(kCriteriaDate, 1, 0), 3);
  EXPECT_EQ(form.criteria.at(kCriteriaDate, 2, 1), 15);
  rs1(form);
  EXPECT_EQ(form.criteria, search_form_load().criteria);
  EXPECT_EQ(form.boxes[kBoxUnitsFrom].text(), "0");
}

TEST(SearchForm, RangesNeverRunBackwards) {
  const ProgramState state = reference(2024, 6, 1);
  SearchForm form = search_form_load();
  choose(form, state, kBoxAgeFrom, "30");
  EXPECT_EQ(form.boxes[kBoxAgeTo].text(), "30");  // "to" was empty, below 30
  choose(form, state, kBoxAgeTo, "20");
  EXPECT_EQ(form.boxes[kBoxAgeFrom].text(), "20");
  choose(form, state, kBoxAgeTo, "40");
  choose(form, state, kBoxAgeFrom, "50");
  EXPECT_EQ(form.boxes[kBoxAgeTo].text(), "50");
  choose(form, state, kBoxGradeTo, "中学１年");
  EXPECT_EQ(form.boxes[kBoxGradeFrom].text(), "");
  choose(form, state, kBoxGradeFrom, "高校１年");
  EXPECT_EQ(form.boxes[kBoxGradeTo].text(), "高校１年");
}

TEST(SearchForm, GradeLengths) {
  EXPECT_EQ(gakkou2(""), 0);
  EXPECT_EQ(gakkou2("小学１年"), 7);
  EXPECT_EQ(gakkou2("大学４年"), 22);
  EXPECT_EQ(gakkou2("小学一年"), 0);
}

TEST(Search, ResetValuesFindEveryoneFrom1900To2100) {
  PersonTable table = table_of({{"before", 1899, 12, 31},
                                {"first", 1900, 1, 1},
                                {"middle", 1950, 6, 15},
                                {"last", 2100, 12, 31},
                                {"after", 2101, 1, 1}});
  const ProgramState state = reference(2024, 6, 1);
  EXPECT_TRUE(search_start(table, state, search_form_load()));
  EXPECT_EQ(shown_names(table), (Names{"first", "middle", "last"}));
  EXPECT_EQ(table.changed, 1);
  EXPECT_EQ(table.search_depth, 1);
}

TEST(Search, DateForms) {
  struct Row {
    const char* name;
    i16 form;
    std::vector<std::pair<int, std::string>> choices;
    Names expected;
  };
  const std::vector<PersonRow> persons = {
      {"1990-12-01", 1990, 12, 1},  {"1990-01-31", 1990, 1, 31},  {"1990-02-01", 1990, 2, 1},
      {"1990-11-30", 1990, 11, 30}, {"1990-12-31", 1990, 12, 31}, {"1800-12-15", 1800, 12, 15},
      {"1990-12-15", 1990, 12, 15}, {"1990-03-15", 1990, 3, 15},
  };
  const std::vector<Row> rows = {
      {"month_day_over_the_year_end",
       kFormMonthDay,
       {{kBoxMonthFrom, "12"}, {kBoxMonthTo, "1"}},
       {"1990-12-01", "1990-01-31", "1990-12-31", "1990-12-15"}},
      {"separate_ranges_over_the_end",
       kFormSeparate,
       {{kBoxMonthFrom, "11"}, {kBoxMonthTo, "2"}, {kBoxDayFrom, "10"}, {kBoxDayTo, "20"}},
       {"1990-12-15"}},
      {"separate_plain_ranges",
       kFormSeparate,
       {{kBoxMonthFrom, "3"}, {kBoxMonthTo, "12"}, {kBoxDayFrom, "15"}, {kBoxDayTo, "15"}},
       {"1990-12-15", "1990-03-15"}},
      {"full_date_range",
       kFormFullDate,
       {{kBoxHundredsFrom, "19"},
        {kBoxUnitsFrom, "90"},
        {kBoxMonthFrom, "2"},
        {kBoxHundredsTo, "19"},
        {kBoxUnitsTo, "90"},
        {kBoxMonthTo, "12"},
        {kBoxDayTo, "1"}},
       {"1990-12-01", "1990-02-01", "1990-11-30", "1990-03-15"}},
  };
  const ProgramState state = reference(2024, 6, 1);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    PersonTable table = table_of(persons);
    SearchForm form = search_form_load();
    form.date_form = row.form;
    for (const auto& [box, text] : row.choices) choose(form, state, box, text);
    ks2(table, state, form);
    EXPECT_EQ(shown_names(table), row.expected);
  }
}

TEST(Search, AnAgeRangeFindsExactlyThoseOfThatAge) {
  struct Reference {
    testing::Ymd date;
    i16 shift;
  };
  const std::vector<Reference> references = {
      {{2024, 6, 1}, 0},  {{2024, 6, 1}, 1},  {{2024, 2, 29}, 0},  {{2024, 2, 29}, 1},
      {{2023, 2, 28}, 0}, {{2023, 2, 28}, 1}, {{2024, 12, 31}, 0}, {{2024, 12, 31}, 1},
      {{2024, 1, 1}, 0},  {{2024, 3, 1}, 1},  {{2025, 2, 28}, 1},
  };
  const std::vector<std::pair<std::string, std::string>> ranges = {
      {"20", "20"}, {"24", "24"}, {"18", "22"}};
  const PersonTable everyone = every_day(1999, 1, 1, 365 * 8);
  for (const Reference& ref : references) {
    for (const auto& [from, to] : ranges) {
      SCOPED_TRACE(std::to_string(ref.date.year) + "-" + std::to_string(ref.date.month) + "-" +
                   std::to_string(ref.date.day) + " shift " + std::to_string(ref.shift) + " ages " +
                   from + ".." + to);
      const ProgramState state = reference(ref.date.year, ref.date.month, ref.date.day, ref.shift);
      PersonTable table = everyone;
      SearchForm form = search_form_load();
      choose(form, state, kBoxAgeFrom, from);
      choose(form, state, kBoxAgeTo, to);
      ks2(table, state, form);
      std::vector<i16> expected;
      const DateSlot& now = state.slots[1];
      for (i16 p = 1; p <= table.personCount; ++p) {
        const PersonDate& b = table.personDate[static_cast<std::size_t>(p)];
        i16 months = 0, days = 0;
        const i16 age = nrei(state.calendar_mode, now.year, now.month, now.day, b[0], b[1], b[2],
                             months, days, state.age_shift);
        if (age >= std::stoi(from) && age <= std::stoi(to)) expected.push_back(p);
      }
      EXPECT_FALSE(expected.empty());
      EXPECT_EQ(found(table), expected);
    }
  }
}

TEST(Search, AGradeRangeFindsThoseTheGradeColumnShows) {
  const PersonTable everyone = every_day(2005, 1, 1, 365 * 14);
  for (const testing::Ymd now : {testing::Ymd{2024, 6, 1}, testing::Ymd{2024, 3, 31},
                                 testing::Ymd{2024, 4, 1}, testing::Ymd{2024, 4, 2}}) {
    for (const auto& [from, to] :
         std::vector<std::pair<int, int>>{{1, 1}, {1, 3}, {7, 9}, {16, 16}}) {
      SCOPED_TRACE(std::to_string(now.month) + "/" + std::to_string(now.day) + " grades " +
                   std::to_string(from) + ".." + std::to_string(to));
      const ProgramState state = reference(now.year, now.month, now.day);
      PersonTable table = everyone;
      SearchForm form = search_form_load();
      choose(form, state, kBoxGradeFrom, kSchoolGradeNames[static_cast<std::size_t>(from)]);
      choose(form, state, kBoxGradeTo, kSchoolGradeNames[static_cast<std::size_t>(to)]);
      ks2(table, state, form);
      std::vector<i16> expected;
      for (i16 p = 1; p <= table.personCount; ++p) {
        const PersonDate& b = table.personDate[static_cast<std::size_t>(p)];
        const i32 grade = school_grade(b[0], b[1], b[2], now.year, now.month);
        if (grade >= from && grade <= to) expected.push_back(p);
      }
      if (from <= 9) {
        EXPECT_FALSE(expected.empty());
      }
      EXPECT_EQ(found(table), expected);
    }
  }
}

TEST(Search, NamePart) {
  const std::vector<PersonRow> persons = {
      {"山田", 1990, 1, 1}, {"田中", 1990, 1, 1}, {"佐藤", 1990, 1, 1}, {"Tanaka", 1990, 1, 1}};
  const ProgramState state = reference(2024, 6, 1);
  struct Row {
    std::string part;
    Names expected;
  };
  for (const Row& row : std::vector<Row>{{"田", {"山田", "田中"}},
                                         {"", {"山田", "田中", "佐藤", "Tanaka"}},
                                         {"tanaka", {}},
                                         {"Tana", {"Tanaka"}}}) {
    SCOPED_TRACE(row.part);
    PersonTable table = table_of(persons);
    SearchForm form = search_form_load();
    form.name_part = row.part;
    ks2(table, state, form);
    EXPECT_EQ(shown_names(table), row.expected);
  }
}

TEST(Search, AlmanacCriteria) {
  struct Row {
    const char* name;
    int box;
    std::string item;
    Names expected;
  };
  const std::vector<PersonRow> persons = {{"2000-05-03", 2000, 5, 3},
                                          {"2000-02-03", 2000, 2, 3},
                                          {"1990-01-02", 1990, 1, 2},
                                          {"1988-12-25", 1988, 12, 25},
                                          {"1999-05-10", 1999, 5, 10}};
  const std::vector<Row> rows = {
      {"branch", kBoxBranch, "辰(たつ)", {"2000-05-03", "2000-02-03", "1988-12-25"}},
      {"stem", kBoxStem, "庚(かのえ)", {"2000-05-03", "2000-02-03", "1990-01-02"}},
      {"zodiac", kBoxZodiac, "牡牛座 (おうし座)", {"2000-05-03", "1999-05-10"}},
      {"polarity_even_years",
       kBoxPolarity,
       "陽(+)",
       {"2000-05-03", "2000-02-03", "1990-01-02", "1988-12-25"}},
      {"polarity_odd_years", kBoxPolarity, "陰(-)", {"1999-05-10"}},
      // The nine-star year starts at 立春 (4 February 2000).
      {"nine_star", kBoxNineStar, "九紫火星", {"2000-05-03"}},
      {"nine_star_before_risshun", kBoxNineStar, "一白水星", {"2000-02-03", "1999-05-10"}},
  };
  const ProgramState state = reference(2024, 6, 1);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    PersonTable table = table_of(persons);
    SearchForm form = search_form_load();
    choose(form, state, row.box, row.item);
    ks2(table, state, form);
    EXPECT_EQ(shown_names(table), row.expected);
  }
}

TEST(Search, SixStarBoxesAgreeWithTheSixStarColumn) {
  const ProgramState state = reference(2024, 6, 1);
  const PersonTable everyone = every_day(1990, 1, 1, 800);
  const std::array<std::string, 7> initials{"", "土", "金", "火", "天", "木", "水"};
  for (int star = 1; star <= 6; ++star) {
    PersonTable table = everyone;
    SearchForm form = search_form_load();
    form.boxes[kBoxSixStar].selected = star;
    ks2(table, state, form);
    std::vector<i16> expected;
    for (i16 p = 1; p <= table.personCount; ++p) {
      const PersonDate& b = table.personDate[static_cast<std::size_t>(p)];
      const std::string column = rokusei(state, b[0], b[1], b[2], kSixStarColumn);
      if (char_substr(column, 1, 1) == initials[static_cast<std::size_t>(star)])
        expected.push_back(p);
    }
    EXPECT_EQ(found(table), expected) << star;
  }
  for (const std::string item : {"霊合星人", "霊合星人以外"}) {
    PersonTable table = everyone;
    SearchForm form = search_form_load();
    choose(form, state, kBoxSpirit, item);
    ks2(table, state, form);
    std::vector<i16> expected;
    for (i16 p = 1; p <= table.personCount; ++p) {
      const PersonDate& b = table.personDate[static_cast<std::size_t>(p)];
      const bool spirit =
          rokusei(state, b[0], b[1], b[2], kSixStarColumn).find("(霊)") != std::string::npos;
      if (spirit == (item == "霊合星人")) expected.push_back(p);
    }
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(found(table), expected) << item;
  }
}

TEST(Search, RangesRunningBackwardsFindNoOne) {
  struct Row {
    const char* name;
    i16 form;
    std::vector<std::pair<int, std::string>> choices;
  };
  const std::vector<std::pair<int, std::string>> years_2000_to_1990 = {
      {kBoxHundredsFrom, "20"}, {kBoxHundredsTo, "19"}, {kBoxUnitsTo, "90"}};
  const std::vector<Row> rows = {
      {"full_dates", kFormFullDate, years_2000_to_1990},
      {"years_and_month_days", kFormMonthDay, years_2000_to_1990},
      {"separate_ranges", kFormSeparate, years_2000_to_1990},
      {"one_year_june_to_january",
       kFormFullDate,
       {{kBoxUnitsFrom, "95"},
        {kBoxMonthFrom, "6"},
        {kBoxHundredsTo, "19"},
        {kBoxUnitsTo, "95"},
        {kBoxMonthTo, "1"}}},
  };
  const ProgramState state = reference(2024, 6, 1);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    testing::RecordingReporter reporter;
    PersonTable table = every_day(1989, 1, 1, 366 * 12);
    SearchForm form = search_form_load();
    form.date_form = row.form;
    for (const auto& [box, text] : row.choices) choose(form, state, box, text);
    EXPECT_EQ(run_search(table, state, form), (SearchOutcome{true, 0}));
    EXPECT_TRUE(reporter.empty());
    EXPECT_TRUE(found(table).empty());
    ls24(table);
    EXPECT_EQ(found(table).size(), static_cast<std::size_t>(table.personCount));
  }
}

TEST(Search, OutcomeAndNotice) {
  PersonTable table = table_of({{"田中", 1995, 1, 1}, {"山田", 1990, 1, 1}});
  const ProgramState state = reference(2024, 6, 1);
  SearchForm form = search_form_load();
  form.name_part = "中";
  const SearchOutcome one = run_search(table, state, form);
  EXPECT_EQ(one, (SearchOutcome{true, 1}));
  EXPECT_EQ(search_notice(one), "");
  form.name_part = "山";
  const SearchOutcome none = run_search(table, state, form);
  EXPECT_EQ(none, (SearchOutcome{true, 0}));
  EXPECT_EQ(search_notice(none), "該当するデータが有りません。");
  // The list is empty now: nothing to search, and the user is told the same.
  const SearchOutcome empty = run_search(table, state, search_form_load());
  EXPECT_EQ(empty, (SearchOutcome{false, 0}));
  EXPECT_EQ(search_notice(empty), kNothingFoundText);
  EXPECT_EQ(table.search_depth, 2);
}

TEST(Search, BoundsRecountedAtTheReferenceDateOfTheSearch) {
  const ProgramState chosen_at = reference(2024, 6, 1);
  const ProgramState searched_at = reference(2030, 3, 1, 1);
  SearchForm form = search_form_load();
  choose(form, chosen_at, kBoxAgeFrom, "20");
  choose(form, chosen_at, kBoxAgeTo, "29");
  choose(form, chosen_at, kBoxGradeFrom, "中学１年");
  SearchForm chosen_later = form;
  Combo1_Click(chosen_later, searched_at, kBoxAgeTo);
  Combo1_Click(chosen_later, searched_at, kBoxGradeFrom);
  ASSERT_NE(form.criteria, chosen_later.criteria);
  recount_reference_bounds(form, searched_at);
  EXPECT_EQ(form.criteria, chosen_later.criteria);
  // Pairs left empty keep the bounds of the reset.
  SearchForm untouched = search_form_load();
  recount_reference_bounds(untouched, searched_at);
  EXPECT_EQ(untouched.criteria, search_form_load().criteria);
}

TEST(SearchLevels, BackAndForward) {
  PersonTable table = table_of(
      {{"田中", 1995, 1, 1}, {"山田", 1990, 1, 1}, {"佐藤", 2000, 1, 1}, {"田村", 2001, 1, 1}});
  const ProgramState state = reference(2024, 6, 1);
  SearchForm first = search_form_load();
  first.name_part = "田";
  search_start(table, state, first);
  SearchForm second = search_form_load();
  choose(second, state, kBoxAgeFrom, "25");
  choose(second, state, kBoxAgeTo, "40");
  search_start(table, state, second);
  EXPECT_EQ(shown_names(table), (Names{"田中", "山田"}));
  EXPECT_EQ(table.search_depth, 2);
  // Sorted, then one level back: person-number order again.
  st1(table, state, kListingFortune, kSortName);
  EXPECT_EQ(shown_names(table), (Names{"山田", "田中"}));
  ls24(table);
  EXPECT_EQ(table.search_depth, 1);
  EXPECT_EQ(shown_names(table), (Names{"田中", "山田", "田村"}));
  ls241(table);
  EXPECT_EQ(shown_names(table), (Names{"田中", "山田"}));
  ls241(table);  // already the deepest
  EXPECT_EQ(table.search_depth, 2);
  ls24(table);
  ls24(table);
  ls24(table);  // not below 0
  EXPECT_EQ(table.search_depth, 0);
  EXPECT_EQ(shown_names(table), (Names{"田中", "山田", "佐藤", "田村"}));
  // A new search after stepping back discards the deeper levels.
  search_start(table, state, second);
  EXPECT_EQ(table.search_depth_max, 1);
  EXPECT_EQ(shown_names(table), (Names{"田中", "山田"}));
  ls38(table);
  EXPECT_EQ(table.search_depth, 0);
  EXPECT_EQ(shown_names(table).size(), 4u);
}

TEST(SearchLevels, DeletedPersonsAreNotFoundAndAnEmptyListIsNotSearched) {
  PersonTable table = table_of({{"a", 1990, 1, 1}, {"b", 1995, 1, 1}});
  table.deletedMark[1] = 1;
  table.viewOrder[0] = {0, 2, 0};
  const ProgramState state = reference(2024, 6, 1);
  EXPECT_TRUE(search_start(table, state, search_form_load()));
  EXPECT_EQ(shown_names(table), (Names{"b"}));
  SearchForm none = search_form_load();
  none.name_part = "x";
  search_start(table, state, none);
  EXPECT_TRUE(shown_names(table).empty());
  table.changed = 0;
  EXPECT_FALSE(search_start(table, state, search_form_load()));
  EXPECT_EQ(table.search_depth, 2);
  EXPECT_EQ(table.changed, 0);
}

TEST(SearchLevels, AnOverflowEndsTheSearchWithThePersonsFoundSoFar) {
  testing::RecordingReporter reporter;
  PersonTable table = table_of({{"a", 1990, 1, 1}, {"big", 32760, 1, 1}, {"c", 1995, 1, 1}});
  ks2(table, reference(2024, 6, 1), search_form_load());
  EXPECT_EQ(reporter.places(), std::vector<std::string>{"ks2"});
  EXPECT_EQ(found(table), std::vector<i16>{1});
  EXPECT_EQ(order_rows(table.viewOrder[1]), std::vector<i16>{1});
}

}  // namespace
}  // namespace pelmira
