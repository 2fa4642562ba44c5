// The age report: the refresh, the label texts, the window caption and the text export.

#include "mainwindow/age_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "listings/listing.h"
#include "support/dated_state.h"
#include "support/recording_reporter.h"

namespace pelmira {
namespace {

using testing::dated_state;
using testing::Ymd;

struct Report {
  ProgramState state;
  ReportTotals totals;
  ReportTexts texts;
};

Report report(Ymd birth, Ymd now, i16 kind = kListingSchool, i16 mode = kModeAutomatic,
              i16 shift = 0, std::optional<Ymd> today = std::nullopt) {
  Report r{dated_state(birth, now, mode, shift, today), {}, {}};
  r.totals = mein0(r.state);
  r.texts = hyouzi(r.state, r.totals, kind);
  return r;
}

TEST(AgeReport, RefreshSettlesSlotsAndTotals) {
  const Report r = report({2000, 5, 3}, {2010, 8, 8});
  EXPECT_EQ(r.totals.total_months, 123);
  EXPECT_EQ(r.totals.total_days, 3749);
  const DateSlot& birth = r.state.slots[0];
  EXPECT_EQ(birth.era_label(), "平成");
  EXPECT_EQ(birth.entered_year, 12);
  EXPECT_EQ(birth.weekday, "水");
  EXPECT_EQ(birth.month_day_text, "5月 3日");
  EXPECT_EQ(birth.western_text, "西暦 2000年 5月 3日");
  EXPECT_EQ(birth.era_text, "平成 12年 5月 3日");
  EXPECT_EQ(r.state.slots[2].texts[0], "10");
  EXPECT_EQ(r.state.slots[2].texts[1], "3");
  EXPECT_EQ(r.state.slots[2].texts[2], "5");
}

TEST(AgeReport, RefreshTurnsEraYearsAndOverflowingDaysIntoDates) {
  ProgramState state = dated_state({2000, 5, 3}, {2010, 8, 8});
  state.slots[0].era_label() = "令和";
  state.slots[0].entered_year = 1;
  state.slots[0].month = 4;
  state.slots[0].day = 31;
  mein0(state);
  EXPECT_EQ(state.slots[0].year, 2019);
  EXPECT_EQ(state.slots[0].month, 5);
  EXPECT_EQ(state.slots[0].day, 1);
  EXPECT_EQ(state.slots[0].era_text, "令和 1年 5月 1日");
  EXPECT_EQ(state.slots[0].historical_main, "令和1年");
}

TEST(AgeReport, LabelTexts) {
  const Report r = report({2000, 5, 3}, {2010, 8, 8});
  EXPECT_EQ(r.texts.birth_block,
            "誕生 西暦 2000年 5月 3日 水曜日\r\n　　 和暦 平成12年\r\n　　 　　 ");
  EXPECT_EQ(r.texts.now_block,
            "現在 西暦 2010年 8月 8日 日曜日\r\n　　 和暦 平成22年\r\n　　 　　 ");
  EXPECT_EQ(r.texts.age_line, "満年齢 10歳 3ヶ月 5日");
  EXPECT_EQ(r.texts.totals_block, "　　123ヶ月 5日\r\n　　3749日\r\n誕生日まで　　　　268日");
  EXPECT_EQ(r.texts.counted_age_block,
            "　数え年　　11歳　(正月に加齢)\r\n　　　　　　11歳　(立春に加齢)");
  EXPECT_EQ(r.texts.counted_age_tooltip,
            "正月で加齢する数え年の方が一般的に使われているようです。");
  EXPECT_EQ(r.texts.birthstone, "　誕生石  エメラルド");
  EXPECT_EQ(r.texts.window_caption, "Pelmira(年齢計算ソフト)");
  EXPECT_TRUE(r.texts.now_is_today);
  EXPECT_FALSE(r.texts.counted_age_hidden);
  EXPECT_FALSE(r.texts.birthstone_hidden);
}

TEST(AgeReport, VariantsByListingShiftAndCalendar) {
  struct Row {
    const char* name;
    Ymd birth, now;
    i16 kind, mode, shift;
    const char* age_line;
    const char* totals;
    const char* caption;
    bool hidden;
  };
  const Row rows[] = {
      {"day_before_rule",
       {2000, 5, 3},
       {2010, 8, 8},
       kListingSchool,
       kModeAutomatic,
       1,
       "満年齢 10歳 3ヶ月 6日",
       "　　123ヶ月 6日\r\n　　3750日\r\n誕生日まで　　　　268日",
       "Pelmiraの設定　誕生日の前日に加齢",
       false},
      {"julian_and_day_before",
       {2000, 5, 3},
       {2010, 8, 8},
       kListingSchool,
       kModeJulian,
       1,
       "満年齢 10歳 3ヶ月 6日",
       "　　123ヶ月 6日\r\n　　3750日\r\n誕生日まで　　　　268日",
       "Pelmiraの設定　ユリウス暦に固定　誕生日の前日に加齢",
       false},
      {"gregorian_fixed",
       {2000, 5, 3},
       {2010, 8, 8},
       kListingSchool,
       kModeGregorian,
       0,
       "満年齢 10歳 3ヶ月 5日",
       "　　123ヶ月 5日\r\n　　3749日\r\n誕生日まで　　　　268日",
       "Pelmiraの設定　グレゴリオ暦に固定　",
       false},
      {"wedding",
       {2000, 5, 3},
       {2010, 8, 8},
       kListingWedding,
       kModeAutomatic,
       0,
       "結婚後 10年 3ヶ月 5日",
       "　　123ヶ月 5日\r\n　　3749日\r\n記念日まで　　　　268日",
       "Pelmira(年齢計算ソフト)",
       false},
      {"memorial_next_day",
       {2010, 8, 1},
       {2010, 8, 8},
       kListingMemorial,
       kModeAutomatic,
       0,
       "死去後 0年 0ヶ月 7日",
       "　　0ヶ月 7日\r\n　　7日\r\n　三十五日まで　　　　27日",
       "Pelmira(年齢計算ソフト)",
       true},
      {"memorial_none_left",
       {1900, 1, 1},
       {2010, 8, 8},
       kListingMemorial,
       kModeAutomatic,
       0,
       "死去後 110年 7ヶ月 7日",
       "　　1327ヶ月 7日\r\n　　40396日\r\n命日対象外　　　　日",
       "Pelmira(年齢計算ソフト)",
       true},
      {"before_the_birth",
       {2010, 5, 15},
       {2010, 3, 10},
       kListingSchool,
       kModeAutomatic,
       0,
       "満年齢 0歳 -2ヶ月 -5日",
       "　　-2ヶ月 -5日\r\n　　-66日\r\n誕生日まで　　　　66日",
       "Pelmira(年齢計算ソフト)",
       false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const Report rep = report(r.birth, r.now, r.kind, r.mode, r.shift);
    EXPECT_EQ(rep.texts.age_line, r.age_line);
    EXPECT_EQ(rep.texts.totals_block, r.totals);
    EXPECT_EQ(rep.texts.window_caption, r.caption);
    EXPECT_EQ(rep.texts.counted_age_hidden, r.hidden);
    EXPECT_EQ(rep.texts.birthstone_hidden, r.hidden);
  }
}

TEST(AgeReport, DateBlocksOfJulianAndEralessDates) {
  struct Row {
    const char* name;
    Ymd birth;
    i16 mode;
    const char* block;
  };
  const Row rows[] = {
      {"julian_in_automatic_mode",
       {1500, 1, 1},
       kModeAutomatic,
       "誕生 西暦 1500年 1月 1日 水曜日 (ﾕﾘｳｽ)\r\n　　 和暦 明応9年\r\n　　 　　 "},
      {"julian_fixed",
       {2000, 1, 1},
       kModeJulian,
       "誕生 西暦 2000年 1月 1日 金曜日 (ﾕﾘｳｽ)\r\n　　 和暦 平成12年\r\n　　 　　 "},
      {"before_taika",
       {600, 1, 1},
       kModeAutomatic,
       "誕生 西暦 600年 1月 1日 金曜日 (ﾕﾘｳｽ)\r\n　　 和暦 \r\n　　 　　 "},
      {"after_the_last_era",
       {2200, 1, 1},
       kModeAutomatic,
       "誕生 西暦 2200年 1月 1日 水曜日\r\n　　 和暦 \r\n　　 　　 "},
      {"two_courts",
       {1340, 1, 1},
       kModeAutomatic,
       "誕生 西暦 1340年 1月 1日 土曜日 (ﾕﾘｳｽ)\r\n　　 和暦 (南朝)延元5年\r\n　　 　　 "
       "(北朝)暦応3年"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(report(r.birth, {2010, 8, 8}, kListingSchool, r.mode).texts.birth_block, r.block);
  }
}

TEST(AgeReport, NowBlockColoursFollowToday) {
  EXPECT_TRUE(report({2000, 5, 3}, {2010, 8, 8}).texts.now_is_today);
  EXPECT_FALSE(
      report({2000, 5, 3}, {2010, 8, 8}, kListingSchool, kModeAutomatic, 0, Ymd{2026, 12, 7})
          .texts.now_is_today);
}

TEST(AgeReport, ExportBody) {
  const Report r = report({2000, 5, 3}, {2010, 8, 8});
  const std::vector<std::string> expected{
      "　　表示画面",
      "",
      "誕生 西暦 2000年 5月 3日 水曜日",
      "　　 和暦 平成12年",
      "　　 　　 ",
      "",
      "現在 西暦 2010年 8月 8日 日曜日",
      "　　 和暦 平成22年",
      "　　 　　 ",
      "",
      "満年齢 10歳 3ヶ月 5日",
      "　　123ヶ月 5日",
      "　　3749日",
      "誕生日まで　　　　268日",
      "",
      "　数え年　　11歳　(正月に加齢)",
      "　　　　　　11歳　(立春に加齢)",
      "　誕生石  エメラルド",
  };
  EXPECT_EQ(report_export_lines(r.texts), expected);
}

TEST(AgeReport, ExportWritesTheHiddenBlocksOfTheMemorialListing) {
  const Report r = report({2010, 8, 1}, {2010, 8, 8}, kListingMemorial);
  const std::vector<std::string> lines = report_export_lines(r.texts);
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines[15], "　数え年　　1歳　(正月に加齢)");
  EXPECT_EQ(lines[17], "　誕生石  ペリドット");
}

TEST(AgeReport, OverflowIsReportedAndLeavesWhatWasComputed) {
  testing::RecordingReporter reporter;
  ProgramState state = dated_state({2000, 5, 3}, {2010, 8, 8});
  state.slots[1].entered_year = 32767;
  state.slots[1].month = 12;
  state.slots[1].day = 40;
  mein0(state);
  EXPECT_FALSE(reporter.empty());
  EXPECT_EQ(state.slots[0].year, 2000);
}

TEST(DayCellClick, SetsTheDayOfTheShownSlot) {
  struct Row {
    const char* name;
    Ymd date;
    i16 mode;
    int slot, cell;
    bool refresh;
    Ymd after;
  };
  const Row rows[] = {
      {"monday_first_cell_11_is_day_1", {2000, 5, 3}, kModeAutomatic, 0, 11, true, {2000, 5, 1}},
      {"last_day", {2000, 5, 3}, kModeAutomatic, 0, 41, true, {2000, 5, 31}},
      {"previous_month_cell", {2000, 5, 3}, kModeAutomatic, 0, 10, true, {2000, 4, 30}},
      {"next_month_cell", {2000, 5, 3}, kModeAutomatic, 0, 51, true, {2000, 6, 10}},
      {"sunday_first_starts_in_row_two", {2000, 10, 3}, kModeAutomatic, 0, 17, true, {2000, 10, 1}},
      {"now_slot", {2000, 5, 3}, kModeAutomatic, 1, 11, true, {2000, 5, 1}},
      {"reform_month_before_the_gap", {1582, 10, 3}, kModeAutomatic, 0, 14, true, {1582, 10, 4}},
      {"reform_month_after_the_gap", {1582, 10, 3}, kModeAutomatic, 0, 15, true, {1582, 10, 15}},
      {"reform_month_gregorian", {1582, 10, 3}, kModeGregorian, 0, 15, true, {1582, 10, 1}},
      {"caption_cell", {2000, 5, 3}, kModeAutomatic, 0, 1, false, {2000, 5, 3}},
      {"weekday_header", {2000, 5, 3}, kModeAutomatic, 0, 5, false, {2000, 5, 3}},
      {"past_the_grid", {2000, 5, 3}, kModeAutomatic, 0, 52, false, {2000, 5, 3}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    ProgramState state = dated_state(r.date, r.date, r.mode);
    EXPECT_EQ(Label7_Click(state, r.slot, r.cell), r.refresh);
    mein0(state);
    const DateSlot& slot = state.slots[static_cast<std::size_t>(r.slot)];
    EXPECT_EQ(slot.year, r.after.year);
    EXPECT_EQ(slot.month, r.after.month);
    EXPECT_EQ(slot.day, r.after.day);
  }
}

}  // namespace
}  // namespace pelmira
