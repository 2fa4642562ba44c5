// The notification code: widening of old codes, the pane's controls and visibility, the
// move boxes and the rule's description.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "people/notice_code.h"
#include "people_fixtures.h"

namespace pelmira {
namespace {

TEST(NoticeCode, OldShortCodesAreWidened) {
  struct Row {
    const char* name;
    std::string code;
    std::string widened;
  };
  const std::vector<Row> rows = {
      {"empty", "", "001111000000"},
      {"one_digit", "0", "0001111000000"},
      {"two_digits", "12", "12001111000000"},
      {"two_other_digits", "10", "10001111000000"},
      {"three_digits_get_one_zero", "123", "1230"},
      {"thirteen_digits_get_one_zero", "1200111100000", "12001111000000"},
      {"fourteen_digits_stay", "12001111000001", "12001111000001"},
      {"characters_are_counted_not_bytes", "１", "１001111000000"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(widen_notice_code(row.code), row.widened);
  }
}

TEST(NoticeCode, DigitsAreTheValuesOfTheCharacters) {
  EXPECT_EQ(notice_code_text(notice_code_from_text("12001111000000")), "12001111000000");
  EXPECT_EQ(notice_code_text(notice_code_from_text("9x3")), "90300000000000");
  EXPECT_EQ(notice_code_from_text("1234567890123456")[15], 6);
  EXPECT_THROW(notice_code_from_text("12345678901234567"), RuntimeError);
  EXPECT_EQ(default_notice_code(), notice_code_from_text("12001111000000"));
}

TEST(NoticeCode, PaneControlsMapToTheDigits) {
  NoticeRule rule;
  rule.show_age = false;
  rule.kind = kRuleWeekday;
  rule.month_end = true;
  rule.birth_month_only = true;
  rule.weeks = {true, false, true, false};
  rule.move_on = {false, true, true};
  rule.move_to = {false, true};
  rule.every_week = true;
  EXPECT_EQ(notice_code_text(encode_notice_rule(rule)), "04111010011011");
  const NoticeRule back = decode_notice_code(encode_notice_rule(rule));
  EXPECT_EQ(encode_notice_rule(back), encode_notice_rule(rule));
  EXPECT_EQ(decode_notice_code(notice_code_from_text("15")).kind, 0);  // no option selected
  EXPECT_EQ(notice_code_text(encode_notice_rule(NoticeRule{})), "12001111000000");
}

TEST(NoticeCode, Nyu01FillsThePaneFromThePerson) {
  PersonTable table;
  testing::add_person(table, "a", {1990, 1, 2}, 30, notice_code_from_text("03001111100100"));
  NoticePane pane;
  nyu01(table, 1, "山田", pane);
  EXPECT_EQ(pane.name, "山田");
  EXPECT_EQ(pane.days_text, "30");
  EXPECT_EQ(pane.rule.kind, kRuleExactDate);
  EXPECT_FALSE(pane.rule.show_age);
  EXPECT_TRUE(pane.rule.move_on[0]);
  EXPECT_TRUE(pane.rule.move_to[0]);

  NoticePane untouched;
  untouched.days_text = "7";
  nyu01(table, 0, "only the name", untouched);
  EXPECT_EQ(untouched.name, "only the name");
  EXPECT_EQ(untouched.days_text, "7");
}

TEST(NoticeCode, StoringThePaneReadsTheDaysBox) {
  struct Row {
    const char* name;
    std::string days_text;
    i16 days;
  };
  const std::vector<Row> rows = {
      {"digits", "30", 30}, {"full_width_digits", "３０", 30}, {"not_a_number", "abc", 0},
      {"empty", "", 0},     {"half_rounds_to_even", "2.5", 2},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    NoticePane pane;
    pane.days_text = row.days_text;
    i16 days = -1;
    NoticeCode code{};
    store_pane_rule(pane, days, code);
    EXPECT_EQ(days, row.days);
    EXPECT_EQ(code, kDefaultNoticeCode);
  }
  NoticePane pane;
  pane.days_text = "40000";
  i16 days = 0;
  NoticeCode code{};
  EXPECT_THROW(store_pane_rule(pane, days, code), RuntimeError);
}

TEST(NoticeCode, RuleWrittenToTheFileOnlyWhenNotTheDefault) {
  EXPECT_FALSE(notice_rule_written(0, kDefaultNoticeCode));
  EXPECT_FALSE(notice_rule_written(0, notice_code_from_text("12110000000011")));
  EXPECT_TRUE(notice_rule_written(1, kDefaultNoticeCode));
  EXPECT_TRUE(notice_rule_written(0, notice_code_from_text("12001111000100")));
  EXPECT_TRUE(notice_rule_written(-1, notice_code_from_text("12001111100000")));
}

TEST(Bhh01, ShowsTheControlsOfTheKind) {
  struct Row {
    const char* name;
    i16 kind;
    bool every_week;
    NoticePaneVisibility shown;
  };
  const std::vector<Row> rows = {
      {"day_of_month", kRuleDayOfMonth, false, {true, false, false, true, true}},
      {"month_day", kRuleMonthDay, false, {false, true, false, true, true}},
      {"exact_date", kRuleExactDate, false, {false, false, false, true, true}},
      {"weekday", kRuleWeekday, false, {false, false, true, false, true}},
      {"weekday_every_week", kRuleWeekday, true, {false, false, true, false, false}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    NoticeRule rule;
    rule.kind = row.kind;
    rule.every_week = row.every_week;
    const NoticePaneVisibility shown = bhh01(rule);
    EXPECT_EQ(shown.month_end, row.shown.month_end);
    EXPECT_EQ(shown.show_age, row.shown.show_age);
    EXPECT_EQ(shown.weekday_boxes, row.shown.weekday_boxes);
    EXPECT_EQ(shown.move_boxes, row.shown.move_boxes);
    EXPECT_EQ(shown.week_boxes_enabled, row.shown.week_boxes_enabled);
    // "毎週" keeps the digits of the four week boxes.
    EXPECT_EQ(rule.weeks, (std::array<bool, 4>{true, true, true, true}));
  }
}

TEST(Check4Click, TickingOneMoveBoxClearsTheOther) {
  NoticeRule rule;
  rule.move_to = {true, false};
  rule.move_to[1] = true;
  Check4_Click(rule, 1);
  EXPECT_EQ(rule.move_to, (std::array<bool, 2>{false, true}));
  rule.move_to[0] = true;
  Check4_Click(rule, 0);
  EXPECT_EQ(rule.move_to, (std::array<bool, 2>{true, false}));
  rule.move_to[0] = false;
  Check4_Click(rule, 0);
  EXPECT_EQ(rule.move_to, (std::array<bool, 2>{false, false}));
}

TEST(NoticeRuleText, DescribesTheRule) {
  const RuleDate date{2000, 5, 3, "平成", 12, "水"};
  struct Row {
    const char* name;
    std::string days;
    std::string code;
    std::string text;
  };
  const std::vector<Row> rows = {
      {"default", "0", "12001111000000", "毎年 5月 3日に 誕生日の表示"},
      {"notice_days", "30", "12001111000000", "毎年 5月 3日の 30日前から 誕生日の表示"},
      {"full_width_days_are_shown_as_typed", "３", "12001111000000",
       "毎年 5月 3日の ３日前から 誕生日の表示"},
      {"no_age_shown", "0", "02001111000000", "毎年 5月 3日に表示"},
      {"exact_date", "0", "13001111000000", "2000(平成12)年 5月 3日(水曜日)に表示"},
      {"day_of_month", "2", "11001111000000", "毎月 3日の 2日前から表示"},
      {"month_end", "0", "11101111000000", "毎月 末日に表示"},
      {"weekday_weeks", "0", "14001010000000", "第一 第三  水曜日に表示"},
      {"weekday_every_week_in_the_birth_month", "0", "14011111000001", "5月の毎週 水曜日に表示"},
      {"weekday_without_week", "0", "14000000000000", "表示をしません。"},
      {"weekday_ignores_moves", "0", "14001111111100", "第一 第二 第三 第四  水曜日に表示"},
      {"move_to_the_day_before", "0", "12001111110100",
       "毎年 5月 3日に 誕生日の表示\r\n但し 土曜 日曜 の場合前日とする"},
      {"move_to_the_day_after_on_holidays", "0", "13001111001010",
       "2000(平成12)年 5月 3日(水曜日)に表示\r\n但し 祝祭日 の場合後日とする"},
      {"day_boxes_without_a_move_add_nothing", "0", "11001111111000", "毎月 3日に表示"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    NoticePane pane;
    pane.days_text = row.days;
    pane.rule = decode_notice_code(notice_code_from_text(row.code));
    EXPECT_EQ(noticeRuleText(pane, date), row.text);
  }
  NoticePane none;
  none.rule.kind = 0;
  EXPECT_EQ(noticeRuleText(none, date), std::nullopt);
  EXPECT_EQ(full_date_text({1800, 1, 2, "西暦", 1800, "木"}), "1800年 1月 2日");
}

}  // namespace
}  // namespace pelmira
