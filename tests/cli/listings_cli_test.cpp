// pelmira-cli end to end for the age report, the listings, the holiday tables and the month
// calendar: exact output, and exit codes for bad arguments and overflow.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli_runs.h"

namespace pelmira {
namespace {

using testing::cli;
using testing::expect_outputs;
using testing::kReport;
using testing::kSuccess;
using testing::kUsage;
using testing::ProcessResult;

std::vector<std::string> lines_of(const std::string& out) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = out.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(out.substr(start, end - start));
  EXPECT_EQ(start, out.size()) << "the output must end with a line break";
  return lines;
}

struct ExitRow {
  const char* name;
  std::vector<std::string> arguments;
  int exit_code;
};

void expect_failures(const std::vector<ExitRow>& rows) {
  for (const ExitRow& row : rows) {
    SCOPED_TRACE(row.name);
    const ProcessResult result = cli(row.arguments);
    EXPECT_EQ(result.exit_code, row.exit_code) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err, "");
  }
}

const std::string kReport1996 =
    "　　表示画面\n"
    "\n"
    "誕生 西暦 1996年 10月 1日 火曜日\n"
    "　　 和暦 平成8年\n"
    "　　 　　 \n"
    "\n"
    "現在 西暦 2026年 12月 7日 月曜日\n"
    "　　 和暦 令和8年\n"
    "　　 　　 \n"
    "\n"
    "満年齢 30歳 2ヶ月 6日\n"
    "　　362ヶ月 6日\n"
    "　　11024日\n"
    "誕生日まで　　　　298日\n"
    "\n"
    "　数え年　　31歳　(正月に加齢)\n"
    "　　　　　　31歳　(立春に加齢)\n"
    "　誕生石  オパール\n";

TEST(CliAgeReport, ExportBody) {
  expect_outputs({
      {"western_date", {"report", "1996/10/1", "--now", "2026/12/7"}, kReport1996},
      {"era_date", {"report", "--now", "R8.12.7", "H8.10.1"}, kReport1996},
      {"memorial_listing_writes_the_hidden_blocks",
       {"report", "--listing", "5", "--now", "2026/12/7", "2026/11/3"},
       "　　表示画面\n\n"
       "死去 西暦 2026年 11月 3日 火曜日\n　　 和暦 令和8年\n　　 　　 \n\n"
       "現在 西暦 2026年 12月 7日 月曜日\n　　 和暦 令和8年\n　　 　　 \n\n"
       "死去後 0年 1ヶ月 4日\n　　1ヶ月 4日\n　　34日\n　三十五日まで　　　　0日\n\n"
       "　数え年　　1歳　(正月に加齢)\n　　　　　　1歳　(立春に加齢)\n　誕生石  トパーズ\n"},
  });
}

TEST(CliAgeReport, ShiftModeAndWeddingLabels) {
  const ProcessResult result = cli({"report", "--listing", "3", "--shift", "1", "--mode", "2",
                                    "--western-only", "--now", "2026/12/7", "1996/10/1"});
  ASSERT_EQ(result.exit_code, kSuccess) << result.err;
  const std::vector<std::string> lines = lines_of(result.out);
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines[2], "結婚 西暦 1996年 10月 1日 月曜日 (ﾕﾘｳｽ)");
  EXPECT_EQ(lines[10], "結婚後 30年 2ヶ月 7日");
  EXPECT_EQ(lines[12], "　　11025日");
  EXPECT_EQ(lines[13], "記念日まで　　　　298日");
}

TEST(CliAgeReport, BadArgumentsAndOverflow) {
  expect_failures({
      {"listing_out_of_range", {"report", "--listing", "12", "2000/1/1"}, kUsage},
      {"shift_out_of_range", {"report", "--shift", "2", "2000/1/1"}, kUsage},
      {"mode_out_of_range", {"report", "--mode", "3", "2000/1/1"}, kUsage},
      {"no_year", {"report", "5月3日"}, kUsage},
      {"missing_birth", {"report"}, kUsage},
      {"solar_terms_past_the_day_numbers", {"report", "--now", "27968/1/1", "27968/1/1"}, kReport},
  });
}

TEST(CliListing, LinesOfEachKind) {
  struct Row {
    const char* kind;
    std::size_t lines;
    std::size_t row;
    const char* line;
  };
  const Row rows[] = {
      {"0", 22, 3, " 1年 平成15/4/1～平成16/3/31  6～ 7歳"},
      {"1", 133, 2, "  0 歳\t平成 8/10/1～平成 9/9/30"},
      {"2", 1, 0, "　干支が選択されていません。"},
      {"3", 26, 2, " 1年目　　　　　　紙婚式  平成 9年"},
      {"4", 18, 3, "髪置(三歳)\t平成10年"},
      {"5", 16, 2, "　　初七日\t平成 8/10/ 7"},
      {"6", 17, 4, "前厄(三十二歳)　　　令和9年"},
      {"7", 24, 0, "春分 平成 8年 3月20日 17時11分   0度"},
      {"9", 0, 0, "　平成 8年 10月 1日生まれを表示"},
      {"10", 0, 5, "和暦　　　　　平成8年"},
      {"11", 0, 3, "日数　　　11025日"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.kind);
    const ProcessResult result = cli({"listing", "--now", "2026/12/7", r.kind, "1996/10/1"});
    ASSERT_EQ(result.exit_code, kSuccess) << result.err;
    const std::vector<std::string> lines = lines_of(result.out);
    if (r.lines != 0) {
      EXPECT_EQ(lines.size(), r.lines);
    }
    ASSERT_LT(r.row, lines.size());
    EXPECT_EQ(lines[r.row], r.line);
  }
}

TEST(CliListing, JsonCaptionLinesAndSelection) {
  expect_outputs({
      {"memorial_from_now",
       {"listing", "--json", "--side", "1", "--now", "2026/12/7", "5", "2026/11/3"},
       "{\"caption\":\" 　一覧表示   命日     \",\"lines\":[\"\\t\\t死去した年月日\",\"\","
       "\"　　初七日\\t令和 8/12/ 1\",\"　三十五日\\t令和 8/11/ 3\",\"　四十九日\\t令和 8/10/20\","
       "\"\",\"　　一周忌\\t令和 7/12/ 7\",\"　　三回忌\\t令和 6/12/ 7\",\"　　七回忌\\t令和 2/12/ "
       "7\","
       "\"　十三回忌\\t平成26/12/ 7\",\"　十七回忌\\t平成22/12/ 7\",\"二十三回忌\\t平成16/12/ 7\","
       "\"二十七回忌\\t平成12/12/ 7\",\"三十三回忌\\t平成 6/12/ 7\",\"　五十回忌\\t昭和52/12/ 7\","
       "\"　　百回忌\\t昭和 2/12/ 7\"],\"selected\":3}\n"},
      {"zodiac_message",
       {"listing", "--json", "--now", "2026/12/7", "2", "1996/10/1"},
       "{\"caption\":\" 　一覧表示   干支     \",\"lines\":[\"　干支が選択されていません。\"],"
       "\"selected\":-1}\n"},
  });
}

TEST(CliListing, ZodiacChoicesAndSide) {
  const ProcessResult both =
      cli({"listing", "--now", "2026/12/7", "--branch", "1", "--stem", "1", "2", "1984/5/3"});
  ASSERT_EQ(both.exit_code, kSuccess) << both.err;
  EXPECT_EQ(lines_of(both.out),
            (std::vector<std::string>{"生年\t\t現在の年齢", "", "令和86年　　　\t -77 歳",
                                      "令和26年　　　\t -17 歳", "昭和59年　　　\t  42 歳",
                                      "大正13年　　　\t 102 歳", "1864年　　　\t 162 歳"}));
  const ProcessResult invalid =
      cli({"listing", "--now", "2026/12/7", "--branch", "2", "--stem", "1", "2", "1984/5/3"});
  EXPECT_EQ(invalid.out, "　無効な選択です。\n");
  const ProcessResult now_side =
      cli({"listing", "--now", "2026/12/7", "--side", "1", "0", "1996/10/1"});
  EXPECT_EQ(lines_of(now_side.out)[3], " 1年 平成31/4/2～令和 2/4/1  6～ 7歳");
}

TEST(CliListing, FortuneViewTakesTheBirthTime) {
  const ProcessResult without = cli({"listing", "--now", "2026/12/7", "9", "1996/10/1"});
  const ProcessResult with =
      cli({"listing", "--now", "2026/12/7", "--hour", "13", "--minute", "5", "9", "1996/10/1"});
  ASSERT_EQ(with.exit_code, kSuccess) << with.err;
  EXPECT_NE(without.out, with.out);
  EXPECT_NE(with.out.find("-----< 時 >-----"), std::string::npos);
}

TEST(CliListing, BadArgumentsAndOverflow) {
  expect_failures({
      {"kind_too_large", {"listing", "12", "2000/1/1"}, kUsage},
      {"kind_negative", {"listing", "-1", "2000/1/1"}, kUsage},
      {"kind_not_a_number", {"listing", "x", "2000/1/1"}, kUsage},
      {"side_out_of_range", {"listing", "--side", "2", "0", "2000/1/1"}, kUsage},
      {"hour_out_of_range", {"listing", "--hour", "24", "9", "2000/1/1"}, kUsage},
      {"minute_out_of_range", {"listing", "--minute", "60", "9", "2000/1/1"}, kUsage},
      {"branch_out_of_range", {"listing", "--branch", "13", "2", "2000/1/1"}, kUsage},
      {"stem_out_of_range", {"listing", "--stem", "0", "2", "2000/1/1"}, kUsage},
      {"hour_in_another_base", {"listing", "--hour", "0x10", "9", "2000/1/1"}, kUsage},
      {"ages_past_32767", {"listing", "--now", "32700/1/1", "1", "32700/1/1"}, kReport},
      {"wedding_years_past_32767", {"listing", "--now", "32760/1/1", "3", "32760/1/1"}, kReport},
  });
}

TEST(CliHolidays, MonthTablesInSlotOrder) {
  expect_outputs({
      {"may_2026_substitute_after_two_holidays",
       {"holidays", "2026", "5"},
       "2026-5-3\t憲法記念日\t1\n2026-5-4\tみどりの日\t2\n2026-5-5\tこどもの日\t3\n"
       "2026-5-6\t振替休日\t10\n"},
      {"september_2026_national_rest_day",
       {"holidays", "2026", "9"},
       "2026-9-21\t敬老の日\t2\n2026-9-22\t国民の休日\t3\n2026-9-23\t秋分の日\t4\n"},
      {"may_2019_enthronement",
       {"holidays", "2019", "5"},
       "2019-5-1\t天皇の即位の日\t4\n2019-5-2\t国民の休日\t5\n2019-5-3\t憲法記念日\t6\n"
       "2019-5-4\tみどりの日\t7\n2019-5-5\tこどもの日\t1\n2019-5-6\t振替休日\t10\n"},
      {"first_month_with_holidays",
       {"holidays", "1873", "11"},
       "1873-11-3\t天長節\t2\n1873-11-23\t新嘗祭\t1\n"},
      {"before_the_first_holidays", {"holidays", "1873", "10"}, ""},
      {"leading_zero_is_decimal",
       {"holidays", "2026", "09"},
       "2026-9-21\t敬老の日\t2\n2026-9-22\t国民の休日\t3\n2026-9-23\t秋分の日\t4\n"},
  });
  const ProcessResult year = cli({"holidays", "2026"});
  ASSERT_EQ(year.exit_code, kSuccess) << year.err;
  const std::vector<std::string> lines = lines_of(year.out);
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines.front(), "2026-1-1\t元日\t5");
  EXPECT_EQ(lines.back(), "2026-11-23\t勤労感謝の日\t2");
}

TEST(CliHolidays, BadArgumentsAndOverflow) {
  expect_failures({
      {"month_13", {"holidays", "2026", "13"}, kUsage},
      {"month_0", {"holidays", "2026", "0"}, kUsage},
      {"month_in_another_base", {"holidays", "2026", "0x5"}, kUsage},
      {"year_0", {"holidays", "0"}, kUsage},
      {"missing_year", {"holidays"}, kUsage},
      {"equinox_past_the_day_numbers", {"holidays", "30000", "3"}, kReport},
  });
}

TEST(CliCalendar, MonthGridForATerminal) {
  expect_outputs({
      {"september_2026",
       {"calendar", "2026", "9"},
       "2026年 9月  令和 8年\n"
       " 日 月 火 水 木 金 土\n"
       " 30 31  1  2  3  4  5\n"
       "  6  7  8  9 10 11 12\n"
       " 13 14 15 16 17 18 19\n"
       " 20 21 22 23 24 25 26\n"
       " 27 28 29 30  1  2  3\n"
       "  4  5  6  7  8  9 10\n"
       " 7日 白露\n"
       "21日 敬老の日\n"
       "22日 国民の休日\n"
       "23日 秋分の日 秋分\n"},
      {"reform_month",
       {"calendar", "1582", "10"},
       "1582年 10月  ユリウス暦\n"
       " 日 月 火 水 木 金 土\n"
       " 30  1  2  3  4 15 16\n"
       " 17 18 19 20 21 22 23\n"
       " 24 25 26 27 28 29 30\n"
       " 31  1  2  3  4  5  6\n"
       "  7  8  9 10 11 12 13\n"
       " 14 15 16 17 18 19 20\n"
       "24日 霜降\n"},
  });
  const ProcessResult gregorian = cli({"calendar", "--mode", "1", "1582", "10"});
  ASSERT_EQ(gregorian.exit_code, kSuccess) << gregorian.err;
  EXPECT_EQ(lines_of(gregorian.out)[0], "1582年 10月");
  EXPECT_EQ(lines_of(gregorian.out)[2], " 26 27 28 29 30  1  2");
}

TEST(CliCalendar, BadArguments) {
  expect_failures({
      {"month_0", {"calendar", "2026", "0"}, kUsage},
      {"month_13", {"calendar", "2026", "13"}, kUsage},
      {"year_0", {"calendar", "0", "1"}, kUsage},
      {"mode_3", {"calendar", "--mode", "3", "2026", "1"}, kUsage},
  });
}

}  // namespace
}  // namespace pelmira
