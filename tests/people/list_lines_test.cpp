// The person list's lines, header, summary and menu states.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "almanac/nine_star.h"
#include "almanac/six_star.h"
#include "core/text.h"
#include "people/list_columns.h"
#include "people/list_lines.h"
#include "people/list_refresh.h"
#include "people/list_summary.h"
#include "people/list_view.h"
#include "person_list_fixtures.h"
#include "support/recording_reporter.h"

namespace pelmira {
namespace {

using testing::display_with;
using testing::reference;
using testing::table_of;

std::string spaces(std::size_t n) {
  return std::string(n, ' ');
}

// One column shown at a time: flag, person (name, date), listing code, expected text.
struct ColumnRow {
  const char* name;
  int flag;
  testing::PersonRow person;
  i16 listing;
  std::string text;
};

TEST(ListLine, EachColumnAlone) {
  const ProgramState state = reference(2010, 8, 8);
  const std::vector<ColumnRow> rows = {
      {"number_five_digits", kColumnNumber, {"a", 2000, 5, 3}, 9, "00001 "},
      {"year", kColumnYear, {"a", 2000, 5, 3}, 9, " 2000年"},
      {"year_of_three_digits", kColumnYear, {"a", 800, 5, 3}, 9, "  800年"},
      {"era", kColumnEra, {"a", 2000, 5, 3}, 9, "平成12年"},
      {"era_year_one_padded", kColumnEra, {"a", 2019, 5, 1}, 9, "令和 1年"},
      {"era_last_heisei_day", kColumnEra, {"a", 2019, 4, 30}, 9, "平成31年"},
      {"birthday", kColumnBirthday, {"a", 2000, 5, 3}, 9, " 5月 3日"},
      {"birthday_two_digits", kColumnBirthday, {"a", 2000, 12, 25}, 9, "12月25日"},
      {"weekday", kColumnWeekday, {"a", 2000, 5, 3}, 9, "(水)"},
      {"full_age", kColumnAge, {"a", 2000, 5, 3}, 9, "   10歳 3ヶ月"},
      {"full_age_memorial", kColumnAge, {"a", 2000, 5, 3}, 5, "   10年 3ヶ月"},
      {"days_to_birthday", kColumnDaysToNext, {"a", 2000, 5, 3}, 9, "   268日"},
      {"days_to_anniversary_unlabelled", kColumnDaysToNext, {"a", 2000, 5, 3}, 3, "   268日"},
      {"days_to_memorial", kColumnDaysToNext, {"a", 2000, 5, 3}, 5, " 　十三回忌まで  634日"},
      {"past_every_memorial_day", kColumnDaysToNext, {"a", 1900, 5, 3}, 5, " 命日対象外     日"},
      {"counted_age", kColumnCountedAge, {"a", 2000, 5, 3}, 9, "   11才 "},
      {"zodiac_three_characters", kColumnZodiac, {"a", 2000, 5, 3}, 9, "牡牛座"},
      {"zodiac_two_characters", kColumnZodiac, {"a", 2000, 3, 1}, 9, "　魚座"},
      {"stem", kColumnStem, {"a", 2000, 5, 3}, 9, "庚 "},
      {"branch", kColumnBranch, {"a", 2000, 5, 3}, 9, "辰 "},
      {"grade", kColumnGrade, {"a", 2000, 5, 3}, 9, "小学４年 "},
      {"nine_star", kColumnNineStar, {"a", 2000, 5, 3}, 9, "九紫火星 "},
      {"nine_star_before_risshun", kColumnNineStar, {"a", 2000, 2, 3}, 9, "一白水星 "},
  };
  for (const ColumnRow& row : rows) {
    SCOPED_TRACE(row.name);
    std::string columns(16, '0');
    columns[static_cast<std::size_t>(row.flag)] = '1';
    const PersonTable table = table_of({row.person});
    EXPECT_EQ(st3(table, state, display_with(columns, row.listing), 1), row.text);
  }
}

TEST(ListLine, YearAndEraShareOneYearMark) {
  const ProgramState state = reference(2010, 8, 8);
  const PersonTable table = table_of({{"a", 2000, 5, 3}, {"b", 1850, 1, 1}});
  const ListDisplay display = display_with("0011");
  EXPECT_EQ(st3(table, state, display, 1), " 2000(平成12)年");
  // Before 明治 the era is the Western one.
  EXPECT_EQ(st3(table, state, display, 2), " 1850(西暦1850)年");
}

TEST(ListLine, NameColumnWidth) {
  const ProgramState state = reference(2024, 5, 3);
  struct Row {
    const char* name;
    std::string person;
    i16 tabs;
    std::string text;
  };
  const std::vector<Row> rows = {
      {"two_kanji_get_twelve_blanks", "山田", 2, "山田" + spaces(12)},
      {"half_width_katakana_count_one", "ﾔﾏﾀﾞ", 2, "ﾔﾏﾀﾞ" + spaces(12)},
      {"ascii_counts_one", "Abc", 2, "Abc" + spaces(13)},
      {"surrounding_blanks_dropped", "  Abc  ", 1, "Abc" + spaces(5)},
      {"exactly_full_no_blank", "山田太郎", 1, "山田太郎"},
      {"wider_name_kept_whole", "山田太郎花子", 1, "山田太郎花子"},
      {"no_tab_stop_no_padding", "山田", 0, "山田"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const PersonTable table = table_of({{row.person, 1990, 1, 2}});
    ListDisplay display = display_with("01");
    display.name_tabs = row.tabs;
    EXPECT_EQ(st3(table, state, display, 1), row.text);
  }
}

TEST(ListLine, DefaultColumnsAreNameAndAge) {
  const ProgramState state = reference(2024, 5, 3);
  const PersonTable table = table_of({{"山田", 1990, 1, 2}});
  EXPECT_EQ(st3(table, state, ListDisplay{}, 1), "山田" + spaces(12) + "   34歳 4ヶ月");
}

TEST(ListLine, AllColumnsInDisplayOrder) {
  const ProgramState state = reference(2010, 8, 8);
  const PersonTable table = table_of({{"山田", 2000, 5, 3}});
  const ListLineBuilder builder(table, state, display_with("1111111111111111"));
  const std::string line = builder.line(1);
  const std::string six_star = rokusei(state, 2000, 5, 3, kSixStarColumn);
  std::string reading;
  const std::string animal = animalFortune(state.calendar_mode, 2000, 5, 3, reading);
  EXPECT_EQ(line, "00001 山田" + spaces(12) + " 2000(平成12)年 5月 3日(水)   10歳 3ヶ月   268日" +
                      "   11才 牡牛座庚 辰 小学４年 " + six_star + " 九紫火星 " +
                      char_left(animal + "  　　　　", 8) + " ");
}

TEST(ListLine, SchoolGradeBoundaries) {
  struct Row {
    const char* name;
    testing::PersonRow person;
    testing::Ymd now;
    std::string text;
  };
  const std::string none = " 　　　　";
  const std::vector<Row> rows = {
      {"born_1_april_is_a_year_ahead", {"a", 2003, 4, 1}, {2010, 8, 8}, "小学２年 "},
      {"born_2_april", {"a", 2003, 4, 2}, {2010, 8, 8}, "小学１年 "},
      {"school_year_starts_in_april", {"a", 2003, 4, 2}, {2011, 3, 31}, "小学１年 "},
      {"second_year_from_april", {"a", 2003, 4, 2}, {2011, 4, 1}, "小学２年 "},
      {"under_school_age", {"a", 2005, 1, 1}, {2010, 8, 8}, none},
      {"last_university_year", {"a", 1988, 4, 2}, {2010, 8, 8}, "大学４年 "},
      {"past_university", {"a", 1987, 4, 2}, {2010, 8, 8}, none},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const PersonTable table = table_of({row.person});
    const ProgramState state = reference(row.now.year, row.now.month, row.now.day);
    EXPECT_EQ(st3(table, state, display_with("000000000001"), 1), row.text);
  }
}

TEST(ListLine, AColumnErrorEndsTheLineWithAReport) {
  testing::RecordingReporter reporter;
  const ProgramState state = reference(2010, 8, 8);
  const PersonTable table = table_of({{"a", 32765, 1, 1}});
  // The stem's 16-bit year arithmetic overflows.
  EXPECT_EQ(st3(table, state, display_with("000000000100"), 1), "");
  ASSERT_EQ(reporter.places(), std::vector<std::string>{"st3"});
  EXPECT_EQ(reporter.reports()[0].number, err::kOverflow);
}

TEST(ListHeader, TextsFollowTheColumnsAndTheListing) {
  struct Row {
    const char* name;
    std::string columns;
    i16 listing;
    i16 tabs;
    std::string header;
  };
  const std::vector<Row> rows = {
      {"default", std::string(kDefaultColumnSetting), 9, 2,
       "氏名    " + spaces(8) + "  　満年齢　 "},
      {"name_width_three", "01", 9, 3, "氏名    " + spaces(16)},
      {"name_width_zero", "01", 9, 0, "氏名    "},
      {"memorial_wording", "0000101000000010", 5, 2, " 死去日   　死亡後　  　　命日までの日数　 "},
      {"days_after_full_age", "0000001100000010", 9, 2, "  　満年齢　  誕生日までの日数  数え年"},
      {"every_column", "1111111111111111", 9, 1,
       "番号  氏名     西暦　 和暦　  誕生日  曜   　満年齢　  誕生日までの日数  数え年  星座  干 "
       "支 "
       "　学年   六星　(年運　　月運　　日運　 ) 　九星   動物占い　　　"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ListDisplay display = display_with(row.columns, row.listing);
    display.name_tabs = row.tabs;
    const ListHeader header = st2(display);
    EXPECT_EQ(header.caption, row.header);
    EXPECT_EQ(header.measure_text, row.header + "  ");
  }
}

TEST(ListHeader, ColumnSettingText) {
  EXPECT_EQ(column_setting_text(column_flags_from_setting("0100001")), "0100001000000000");
  // A missing character counts 0; only "1" sets a flag.
  EXPECT_EQ(column_setting_text(column_flags_from_setting("1x2 1")), "1000100000000000");
  EXPECT_EQ(column_setting_text(column_flags_from_setting("11111111111111111111")),
            "1111111111111111");
  EXPECT_EQ(list_column_count(1000, 300), 3);
  EXPECT_EQ(list_column_count(100, 300), 1);
  EXPECT_EQ(list_column_count(100, 0), 1);
}

TEST(ListFill, RowsFollowTheShownOrderAndTheSelection) {
  const ProgramState state = reference(2024, 5, 3);
  PersonTable table = table_of({{"a", 1990, 1, 2}, {"b", 1991, 1, 2}, {"c", 1992, 1, 2}});
  table.selected_person = 1;
  ListDisplay display = display_with("01");
  display.name_tabs = 0;
  const ListFill ascending = st7(table, state, display);
  EXPECT_EQ(ascending.lines, (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(ascending.selected, 0);
  display.ascending = false;
  std::vector<bool> busy;
  const ListFill descending = st7(table, state, display, [&](bool on) { busy.push_back(on); });
  EXPECT_EQ(descending.lines, (std::vector<std::string>{"c", "b", "a"}));
  EXPECT_EQ(descending.selected, 2);
  EXPECT_EQ(busy, (std::vector<bool>{true, false}));
}

TEST(ListOrder, BasicOrderLeavesOutDeletedAndCutPersons) {
  PersonTable table =
      table_of({{"a", 1990, 1, 2}, {"b", 1991, 1, 2}, {"c", 1992, 1, 2}, {"d", 1993, 1, 2}});
  table.deletedMark[2] = 1;
  table.deletedMark[4] = -1;
  table.search_depth = 2;
  table.viewOrder[0] = {0, 3, 1, 0, 0, 0, 0};
  ls38(table);
  EXPECT_EQ(table.search_depth, 0);
  EXPECT_EQ(testing::order_rows(table.viewOrder[0]), (std::vector<i16>{1, 3}));
  EXPECT_EQ(testing::order_rows(table.viewOrder[1]), (std::vector<i16>{3, 1}));
}

TEST(ListSummary, AverageAge) {
  struct Row {
    const char* name;
    std::vector<testing::PersonRow> persons;
    std::string summary;
  };
  const std::vector<Row> rows = {
      {"empty_list", {}, "総数  0　平均年齢　歳 (0歳0ヶ月0日)"},
      {"one_person", {{"a", 2000, 5, 3}}, "総数  1　平均年齢　10歳 (10歳3ヶ月5日)"},
      {"half_year",
       {{"a", 2000, 5, 3}, {"b", 1999, 5, 3}},
       "総数  2　平均年齢　10.5歳 (10歳9ヶ月6日)"},
      {"two_decimals",
       {{"a", 2000, 5, 3}, {"b", 2000, 5, 3}, {"c", 1999, 5, 3}},
       "総数  3　平均年齢　10.33歳 (10歳7ヶ月6日)"},
      // Ages 10 x 7 and 11: 10.125 rounds up to 10.13.
      {"half_cent_rounds_up",
       {{"a", 2000, 1, 1},
        {"b", 2000, 1, 1},
        {"c", 2000, 1, 1},
        {"d", 2000, 1, 1},
        {"e", 2000, 1, 1},
        {"f", 2000, 1, 1},
        {"g", 2000, 1, 1},
        {"h", 1999, 1, 1}},
       "総数  8　平均年齢　10.13歳 (10歳8ヶ月23日)"},
      // The mean day number 2451544.5 rounds half to even: 2000-01-01, not 2000-01-02.
      {"mean_date_half_to_even",
       {{"a", 2000, 1, 1}, {"b", 2000, 1, 2}},
       "総数  2　平均年齢　10歳 (10歳7ヶ月7日)"},
  };
  const ProgramState state = reference(2010, 8, 8);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const PersonTable table = table_of(row.persons);
    EXPECT_EQ(mhyuji(table, state, ListDisplay{}).summary, row.summary);
  }
}

TEST(ListSummary, MenuStates) {
  const ProgramState state = reference(2010, 8, 8);
  EXPECT_EQ(mhyuji(table_of({}), state, ListDisplay{}).menus, ListMenuStates{});

  PersonTable one = table_of({{"a", 2000, 5, 3}});
  ListMenuStates expected;
  expected.save_as = expected.search_window = expected.text_export = expected.add_file =
      expected.clear_list = true;
  EXPECT_EQ(mhyuji(one, state, ListDisplay{}).menus, expected);

  PersonTable table = table_of({{"a", 2000, 5, 3}, {"b", 2001, 5, 3}});
  table.open_files_count = 1;
  table.selected_person = 2;
  table.cut_count = 1;
  table.search_depth = 1;
  table.search_depth_max = 2;
  table.deletion_counter = 1;
  ListMenuStates all;
  all.save_as = all.search_window = all.text_export = all.add_file = all.clear_list =
      all.overwrite_save = all.remove_duplicates = all.sort_menu = all.delete_row =
          all.clear_selection = all.cut = all.insert_cut = all.search_back = all.search_forward =
              all.undo_delete = true;
  EXPECT_EQ(mhyuji(table, state, ListDisplay{}).menus, all);

  // A selected person that is not shown selects no line; two files read: no 上書き保存.
  table.selected_person = 0;
  table.open_files_count = 2;
  const ListMenuStates states = mhyuji(table, state, ListDisplay{}).menus;
  EXPECT_FALSE(states.delete_row);
  EXPECT_FALSE(states.cut);
  EXPECT_FALSE(states.overwrite_save);
}

TEST(ListRefresh, LinesSummaryAndTheSameDateListing) {
  const ProgramState state = reference(2010, 8, 8);
  ListDisplay display = display_with("01", kListingSameDate);
  display.name_tabs = 0;
  const ListRefresh refresh = rist04(table_of({{"a", 2000, 5, 3}}), state, display);
  EXPECT_EQ(refresh.fill.lines, std::vector<std::string>{"a"});
  EXPECT_EQ(refresh.summary.summary, "総数  1　平均年齢　10歳 (10歳3ヶ月5日)");
  EXPECT_TRUE(refresh.same_date_listing);
  display.listing_code = kListingFortune;
  const ListRefresh empty = rist04(table_of({}), state, display);
  EXPECT_TRUE(empty.fill.lines.empty());
  EXPECT_FALSE(empty.same_date_listing);
  ls32(display);
  EXPECT_FALSE(display.ascending);
  ls32(display);
  EXPECT_TRUE(display.ascending);
}

// The refresh without lines gives what rist04 gives, with the persons whose lines rist04
// builds in their place.
TEST(ListRefresh, RowsAreThoseOfTheLines) {
  struct Case {
    const char* name;
    std::vector<testing::PersonRow> persons;
    i16 selected;
    i16 deleted;  // a person left out of the rows, 0 for none
    bool ascending;
    i16 listing;
  };
  const std::vector<Case> cases = {
      {"empty", {}, 0, 0, true, kListingFortune},
      {"one_selected", {{"a", 2000, 5, 3}}, 1, 0, true, kListingFortune},
      {"descending_selected_last",
       {{"a", 2000, 5, 3}, {"b", 1990, 1, 1}, {"c", 1980, 12, 31}},
       3,
       0,
       false,
       kListingFortune},
      {"selection_not_shown", {{"a", 2000, 5, 3}, {"b", 1990, 1, 1}}, 2, 2, true, kListingSameDate},
  };
  const ProgramState state = reference(2010, 8, 8);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PersonTable table = table_of(c.persons);
    table.selected_person = c.selected;
    if (c.deleted > 0) {
      table.deletedMark[static_cast<std::size_t>(c.deleted)] = 1;
      st01(table);
    }
    ListDisplay display = display_with("1111111111111111", c.listing);
    display.ascending = c.ascending;

    const ListRefresh refresh = rist04(table, state, display);
    const ListRows rows = refresh_rows(table, state, display);
    EXPECT_EQ(rows.persons, shown_rows(table, display));
    std::vector<std::string> lines;
    for (const i16 p : rows.persons) lines.push_back(st3(table, state, display, p));
    EXPECT_EQ(refresh.fill.lines, lines);
    EXPECT_EQ(rows.selected, refresh.fill.selected);
    EXPECT_EQ(rows.summary, refresh.summary);
    EXPECT_EQ(rows.same_date_listing, refresh.same_date_listing);
  }
}

}  // namespace
}  // namespace pelmira
