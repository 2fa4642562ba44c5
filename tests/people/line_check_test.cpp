// The line validator (messages, recognised fields, report text) and the correction loop with
// the five buttons of the correction window.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "people/line_check.h"
#include "people_fixtures.h"

namespace pelmira {
namespace {

using testing::press;
using testing::ScriptedReadHost;

std::set<int> slots_of(const LineCheck& check) {
  std::set<int> found;
  for (int k = 0; k < static_cast<int>(check.slots.size()); ++k)
    if (!check.slots[static_cast<std::size_t>(k)].empty()) found.insert(k);
  return found;
}

struct SlotRow {
  const char* name;
  std::string line;
  std::set<int> slots;
  i16 result;
};

TEST(Datachekku, FindsTheFaultsOfEachSlot) {
  const std::vector<SlotRow> rows = {
      {"two_fields", "山田太郎^1990 1 2^", {}, 0},
      {"four_fields", "山田^1990 1 2^0^12001111000000^", {}, 0},
      {"comment_is_never_checked", "'^^^^^^", {}, 0},
      {"prefix_name_with_separator", "^3^a^b^1990 1 2^", {}, 0},
      {"prefix_of_two_digits", "^10^0123456789^1990 1 2^", {}, 0},
      {"full_width_digits_and_stops", "a^１９９０．１．２^", {}, 0},
      {"largest_values", "a^20000 12 31^20000^14111111111111^", {}, 0},
      {"no_final_separator", "a^1990 1 2^5^12001111000000", {9, 15}, 1},
      {"prefix_count_zero", "^0^^1990 1 2^", {1, 4}, 1},
      {"prefix_count_negative", "^-1^x^1990 1 2^", {1, 2, 4, 6, 8, 9, 10}, 1},
      {"prefix_does_not_match_name", "^2^abc^1990 1 2^", {2, 6, 8, 9, 10}, 1},
      {"prefix_three_digits", "^100^a^1990 1 2^", {2, 4, 6, 8, 9, 10, 16}, 1},
      {"name_missing_reads_as_prefix", "^1990 1 2^", {2, 4, 6, 8, 16}, 1},
      {"fifth_field", "a^1990 1 2^0^12001111000000^x^", {3}, 1},
      {"fourth_date_group", "a^1990 1 2 3^", {5}, 1},
      {"trailing_blank_in_date", "a^1990 1 2 ^", {5}, 1},
      {"two_date_groups", "a^1990 1^", {6, 8}, 1},
      {"date_group_over_20000", "a^20001 1 2^", {7}, 1},
      {"date_group_zero", "a^1990 0 2^", {8}, 1},
      {"days_over_20000", "a^1990 1 2^20001^12001111000000^", {10}, 1},
      {"code_in_the_days_field", "a^1990 1 2^12001111000000^", {9, 10, 11}, 1},
      {"days_without_code", "a^1990 1 2^5^", {9}, 1},
      {"short_code", "a^1990 1 2^0^1200^", {12}, 1},
      {"digit_above_one", "a^1990 1 2^0^12001111000020^", {13}, 1},
      {"kind_five", "a^1990 1 2^0^15001111000000^", {14}, 1},
      {"kind_zero", "a^1990 1 2^0^10001111000000^", {14}, 1},
      {"one_field", "abc^", {6, 8}, 1},
      {"blank_line_has_no_field", "", {4, 6, 8, 15}, 0},
      {"free_text_has_no_field", "メモ", {4, 6, 8, 15}, 0},
  };
  for (const SlotRow& row : rows) {
    SCOPED_TRACE(row.name);
    const LineCheck check = datachekku(row.line);
    EXPECT_EQ(slots_of(check), row.slots);
    EXPECT_EQ(check.result, row.result);
    EXPECT_EQ(check.has_errors(), !row.slots.empty());
  }
}

TEST(Datachekku, MessagesAreTheFixedTextsInSlotOrder) {
  struct Row {
    const char* name;
    std::string line;
    std::string message;
  };
  const std::vector<Row> rows = {
      {"days_without_code", "a^1990 1 2^5^", "　日数 か「Lunoka」用データが有りません。\r\n"},
      {"last_bad_digit_wins", "a^1990 1 2^0^32001111000020^",
       "　「Lunoka」用データの左から13番目のデータが不正です。(０か１)\r\n"},
      {"short_code_and_kind", "a^1990 1 2^0^1^",
       "　「Lunoka」用のデータ数は１４桁です。\r\n"
       "　「Lunoka」用データの左から２番目のデータが不正です。(１～４)\r\n"},
      {"five_fields", "a^1990 1 2^0^12001111000000^x^",
       "　データの区切り記号 ^ の使い方か間違ってます。\r\n"},
      {"date_faults", "a^0 20001^",
       "　年月日のデータが足りません。\r\n"
       "　年月日のデータの中にオーバーフローするデータが有ります。\r\n"
       "　年月日のデータの中に０のデータが有ります。\r\n"},
      {"days_faults", "a^1990 1 2^20001^12001111000000^", "　日数がオーバーフローします。\r\n"},
      {"prefix_faults", "^0^^1990 1 2^",
       "　文字数の指定が有りません。\r\n　氏名のデータが有りません。\r\n"},
      {"prefix_too_long", "^123^abc^1990 1 2^",
       "　指定した文字数と氏名データが合いません。\r\n"
       "　氏名のデータが有りません。\r\n"
       "　年月日のデータの中に０のデータが有ります。\r\n"
       "　日数 か「Lunoka」用データが有りません。\r\n"
       "　日数がオーバーフローします。\r\n"
       "　文字数の指定数が大き過ぎます。\r\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(datachekku(row.line).message, row.message);
  }
}

TEST(Datachekku, ReportShowsTheLineAndHowItWasRead) {
  const LineCheck check = datachekku("山田^1990 1 2^5^12001111000000");
  EXPECT_EQ(check.report,
            "山田^1990 1 2^5^12001111000000\r\n"
            "のデータにエラーを見つけました。\r\n"
            "\r\n"
            "調査結果(以下のように認識しています。)\r\n"
            "　氏名　　　　　　山田\r\n"
            "　生年月日　　　　1990年 1月 2日\r\n"
            "　日数　　　　　　5\r\n"
            "　Lunoka用　\r\n"
            "\r\n"
            "エラー内容(一つの原因からでも複数の表示をしています。)\r\n"
            "　日数 か「Lunoka」用データが有りません。\r\n"
            "　データの最後に ^ が有りません。\r\n");
}

TEST(Datachekku, RecognisesFieldsAndDateGroups) {
  struct Row {
    const char* name;
    std::string line;
    std::array<std::string, 4> fields;
    std::array<std::string, 3> groups;
    int field_count;
  };
  const std::vector<Row> rows = {
      {"plain",
       "a^1990 1 2^0^12001111000000^",
       {"a", "1990 1 2", "0", "12001111000000"},
       {"1990", "1", "2"},
       4},
      {"prefix", "^3^a^b^1990/01/02^", {"a^b", "1990/01/02", "", ""}, {"1990", "01", "02"}, 2},
      {"full_width",
       "b^２０００年５月３日^",
       {"b", "２０００年５月３日", "", ""},
       {"2000", "5", "3"},
       2},
      {"lone_line_feed_stays", "c\n^1990 1 2^", {"c\n", "1990 1 2", "", ""}, {"1990", "1", "2"}, 2},
      {"fifth_field_counted", "a^1^2^3^4^5^", {"a", "1", "2", "3"}, {"1", "", ""}, 5},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const LineCheck check = datachekku(row.line);
    EXPECT_EQ(check.fields, row.fields);
    EXPECT_EQ(check.date_groups, row.groups);
    EXPECT_EQ(check.field_count, row.field_count);
  }
}

TEST(CorrectionWindow, ButtonsActOnTheLineAndTheVerdict) {
  struct Row {
    const char* name;
    CorrectionButton button;
    std::string line_after;
    std::string edit_after;
    i16 verdict;
    bool closes;
  };
  // The window shows "bad^" and the user has typed "good^1990 1 2^" before pressing.
  const std::vector<Row> rows = {
      {"recheck_takes_the_edit", CorrectionButton::kRecheck, "good^1990 1 2^", "good^1990 1 2^",
       kVerdictCheckAgain, true},
      {"force_takes_the_edit", CorrectionButton::kForce, "good^1990 1 2^", "good^1990 1 2^",
       kVerdictGoOn, true},
      {"skip_discards_the_edit", CorrectionButton::kSkip, "'bad^", "good^1990 1 2^", kVerdictGoOn,
       true},
      {"revert_restores_the_box", CorrectionButton::kRevert, "bad^", "bad^", kVerdictCheckAgain,
       false},
      {"stop", CorrectionButton::kStop, "bad^", "good^1990 1 2^", kVerdictStop, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CorrectionWindow window{"bad^", "good^1990 1 2^", "report", kVerdictCheckAgain};
    EXPECT_EQ(window.press(row.button), row.closes);
    EXPECT_EQ(window.line_under_correction, row.line_after);
    EXPECT_EQ(window.edit_text, row.edit_after);
    EXPECT_EQ(window.verdict, row.verdict);
  }
}

TEST(Datashyusei, LoopsAsTheUserDecides) {
  struct Row {
    const char* name;
    std::string line;
    std::vector<ScriptedReadHost::Step> steps;
    std::string line_after;
    i16 verdict_after;
    std::size_t windows;
  };
  const ScriptedReadHost::Step close_box = [](CorrectionWindow&) {};
  const std::vector<Row> rows = {
      {"valid_line_shows_nothing", "a^1990 1 2^", {}, "a^1990 1 2^", kVerdictGoOn, 0},
      {"line_without_field_shows_nothing", "memo", {}, "memo", kVerdictGoOn, 0},
      {"skip_makes_a_comment",
       "a^1990 1^",
       {press(CorrectionButton::kSkip)},
       "'a^1990 1^",
       kVerdictGoOn,
       1},
      {"recheck_of_a_fixed_line",
       "a^1990 1^",
       {press(CorrectionButton::kRecheck, "a^1990 1 2^")},
       "a^1990 1 2^",
       kVerdictCheckAgain,
       1},
      {"recheck_of_a_still_bad_line",
       "a^1990 1^",
       {press(CorrectionButton::kRecheck, "a^1990^"), press(CorrectionButton::kSkip)},
       "'a^1990^",
       kVerdictGoOn,
       2},
      {"force_reads_the_edit_unchecked",
       "a^1990 1^",
       {press(CorrectionButton::kForce, "a^1990 1 0^")},
       "a^1990 1 0^",
       kVerdictGoOn,
       1},
      {"stop", "a^1990 1^", {press(CorrectionButton::kStop)}, "a^1990 1^", kVerdictStop, 1},
      {"close_box_goes_on_unchecked", "a^1990 1^", {close_box}, "a^1990 1^", kVerdictGoOn, 1},
      {"revert_then_recheck_checks_the_original",
       "a^1990 1^",
       {[](CorrectionWindow& w) {
          w.edit_text = "a^1990 1 2^";
          w.press(CorrectionButton::kRevert);
          w.press(CorrectionButton::kRecheck);
        },
        press(CorrectionButton::kSkip)},
       "'a^1990 1^",
       kVerdictGoOn,
       2},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ScriptedReadHost host;
    host.steps.assign(row.steps.begin(), row.steps.end());
    std::string line = row.line;
    i16 verdict = kVerdictGoOn;
    datashyusei(line, verdict, host);
    EXPECT_EQ(line, row.line_after);
    EXPECT_EQ(verdict, row.verdict_after);
    EXPECT_EQ(host.windows.size(), row.windows);
  }
}

TEST(Datashyusei, WindowShowsTheLineAndItsReport) {
  ScriptedReadHost host;
  std::string line = "a^1990 1^";
  i16 verdict = kVerdictGoOn;
  datashyusei(line, verdict, host);
  ASSERT_EQ(host.windows.size(), 1u);
  EXPECT_EQ(host.windows[0].edit_text, "a^1990 1^");
  EXPECT_EQ(host.windows[0].line_under_correction, "a^1990 1^");
  EXPECT_EQ(host.windows[0].report, datachekku("a^1990 1^").report);
}

TEST(Datashyusei, CloseBoxAfterARecheckChecksTheSameLineAgain) {
  ScriptedReadHost host;
  const ScriptedReadHost::Step close_box = [](CorrectionWindow&) {};
  host.steps = {close_box, close_box, press(CorrectionButton::kSkip)};
  std::string line = "a^1990 1^";
  i16 verdict = kVerdictCheckAgain;  // left by a re-check of an earlier line
  datashyusei(line, verdict, host);
  EXPECT_EQ(host.windows.size(), 3u);
  EXPECT_EQ(line, "'a^1990 1^");
}

}  // namespace
}  // namespace pelmira
