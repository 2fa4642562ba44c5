// pelmira-cli end to end: runs the built program with arguments and compares its standard
// output, standard error and exit code.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "cli/cli_runs.h"
#include "core/state.h"
#include "core/text.h"

namespace pelmira {
namespace {

using testing::cli;
using testing::expect_outputs;
using testing::kReport;
using testing::kSuccess;
using testing::kUsage;
using testing::ProcessResult;

std::string today_text() {
  const LocalDateTime now = system_now();
  return std::to_string(now.year) + "/" + std::to_string(now.month) + "/" + std::to_string(now.day);
}

TEST(CliDayno, TheDateBoxFormsAndNormalisation) {
  expect_outputs({
      {"era_letter", {"dayno", "H8.10.1"}, "2450357\n"},
      {"slashes", {"dayno", "1996/10/1"}, "2450357\n"},
      {"spaces", {"dayno", "1996 10 1"}, "2450357\n"},
      {"era_name_and_units", {"dayno", "平成8年10月1日"}, "2450357\n"},
      {"full_width", {"dayno", "１９９６／１０／１"}, "2450357\n"},
      {"reiwa_letter", {"dayno", "R8.12.7"}, "2461381\n"},
      {"reiwa_first_day", {"dayno", "令和1年5月1日"}, "2458604\n"},
      {"anchor_2000", {"dayno", "2000-1-1"}, "2451544\n"},
      {"year_alone_is_january_first", {"dayno", "2000"}, "2451544\n"},
      {"first_gregorian_day", {"dayno", "1582/10/15"}, "2299160\n"},
      {"last_julian_day", {"dayno", "1582/10/4"}, "2299159\n"},
      {"gap_day_read_as_julian", {"dayno", "1582/10/10"}, "2299165\n"},
      {"fixed_julian", {"dayno", "--mode", "2", "2000/1/1"}, "2451557\n"},
      {"mode_with_leading_zero", {"dayno", "--mode", "02", "2000/1/1"}, "2451557\n"},
      {"fixed_gregorian", {"dayno", "--mode", "1", "1582/10/4"}, "2299149\n"},
      {"month_13_rolls_into_next_year", {"dayno", "2001/13/1"}, "2452275\n"},
      {"day_40_rolls_into_next_month", {"dayno", "2001/1/40"}, "2451949\n"},
      {"invalid_utf8_bytes_separate",
       {"dayno",
        "2000\xff"
        "1\xfe"
        "1"},
       "2451544\n"},
      {"last_year_of_the_day_numbers", {"dayno", "27967/12/31"}, "11936160\n"},
      {"year_one", {"dayno", "1/1/1"}, "1721423\n"},
  });
}

TEST(CliDate, DayNumbersBackToDates) {
  expect_outputs({
      {"anchor_2000", {"date", "2451544"}, "2000-1-1\t土\n"},
      {"first_gregorian_day", {"date", "2299160"}, "1582-10-15\t金\n"},
      {"last_julian_day", {"date", "2299159"}, "1582-10-4\t木\n"},
      {"gap_day_comes_back_gregorian", {"date", "2299165"}, "1582-10-20\t水\n"},
      {"fixed_julian", {"date", "--mode", "2", "2299160"}, "1582-10-5\t金\n"},
      {"origin", {"date", "0"}, "-4712-1-2\t火\n"},
      {"leading_zero_is_decimal", {"date", "010"}, "-4712-1-12\t金\n"},
      {"negative_day_number", {"date", "-1"}, "-4712-1-1\t月\n"},
      {"first_exact_day", {"date", "-31412"}, "-4798-1-1\t土\n"},
      {"first_exact_day_gregorian", {"date", "--mode", "1", "-31374"}, "-4798-1-1\t火\n"},
      {"last_day_before_the_overflow", {"date", "11936160"}, "27967-12-31\t日\n"},
  });
}

TEST(CliEra, ModernAndHistoricalEras) {
  expect_outputs({
      {"heisei", {"era", "H8.10.1"}, "平成\t8\t平成8年\t\n"},
      {"reiwa_first_day", {"era", "2019/5/1"}, "令和\t1\t令和1年\t\n"},
      {"heisei_last_day", {"era", "2019/4/30"}, "平成\t31\t平成31年\t\n"},
      {"heisei_first_day", {"era", "1989/1/7"}, "平成\t1\t平成1年\t\n"},
      {"showa_last_day", {"era", "S64.1.6"}, "昭和\t64\t昭和64年\t\n"},
      {"meiji_modern_keio_historical", {"era", "1868/5/1"}, "明治\t1\t慶応4年\t\n"},
      {"two_courts", {"era", "1335/6/1"}, "西暦\t1335\t(南朝)建武1年\t(北朝)建武1年\n"},
      {"before_taika", {"era", "600/1/1"}, "西暦\t600\t西暦600年\t\n"},
      {"western_again", {"era", "2118/1/1"}, "西暦\t2118\t西暦2118年\t\n"},
      {"reiwa_99", {"era", "2117/12/31"}, "令和\t99\t令和99年\t\n"},
  });
}

TEST(CliParse, TheReaderAloneUnnormalised) {
  expect_outputs({
      {"era_letter", {"parse", "H8.10.1"}, "平成\t8\t10\t1\n"},
      {"reiwa_letter", {"parse", "R8.12.7"}, "令和\t8\t12\t7\n"},
      {"reiwa_ligature", {"parse", "㋿8.12.7"}, "令和\t8\t12\t7\n"},
      {"heisei_ligature", {"parse", "㍻12 5 3"}, "平成\t12\t5\t3\n"},
      {"units", {"parse", "平成8年10月1日"}, "平成\t8\t10\t1\n"},
      {"full_width", {"parse", "２０００／５／３"}, "西暦\t2000\t5\t3\n"},
      {"not_normalised", {"parse", "2001/2/30"}, "西暦\t2001\t2\t30\n"},
      {"month_and_day_keep_the_year", {"parse", "--init", "2000-1-1", "5月3日"}, "\t2000\t5\t3\n"},
      {"year_keeps_month_and_day", {"parse", "--init", "2000-4-9", "12年"}, "西暦\t12\t4\t9\n"},
      {"negative_init", {"parse", "--init", "-5-1-1", "x"}, "\t-5\t1\t1\n"},
      {"nothing_typed", {"parse", ""}, "\t0\t0\t0\n"},
      {"short_year_birth_side",
       {"parse", "--slot", "0", "--other-year", "2005", "'98"},
       "西暦\t1998\t0\t0\n"},
      {"short_year_now_side",
       {"parse", "--slot", "1", "--other-year", "1998", "'05"},
       "西暦\t2005\t0\t0\n"},
      {"invalid_utf8_bytes",
       {"parse",
        "\xff\xfe"
        "2000\xc3"},
       "西暦\t2000\t0\t0\n"},
  });
}

TEST(CliAge, TheAgeFigures) {
  expect_outputs({
      {"issue_example",
       {"age", "--now", "R8.12.7", "1996 10 1"},
       "30\t2\t6\t362\t11024\t31\t31\t298\t誕生日まで\n"},
      {"on_the_birthday",
       {"age", "--now", "2010/5/15", "2000/5/15"},
       "10\t0\t0\t120\t3652\t11\t11\t0\t誕生日まで\n"},
      {"day_before_with_shift",
       {"age", "--now", "2010/5/14", "--shift", "1", "2000/5/15"},
       "10\t0\t0\t120\t3652\t11\t11\t1\t誕生日まで\n"},
      {"report_example",
       {"age", "--now", "2010/8/8", "2000/5/3"},
       "10\t3\t5\t123\t3749\t11\t11\t268\t誕生日まで\n"},
      {"now_before_birth",
       {"age", "--now", "2010/3/10", "2010/5/15"},
       "0\t-2\t-5\t-2\t-66\t0\t0\t66\t誕生日まで\n"},
      {"wedding",
       {"age", "--now", "2010/5/14", "--kind", "3", "2000/5/15"},
       "9\t11\t29\t119\t3651\t11\t11\t1\t記念日まで\n"},
      {"death_three_days_ago",
       {"age", "--now", "2010/5/18", "--kind", "5", "2010/5/15"},
       "0\t0\t3\t0\t3\t1\t1\t3\t　　初七日まで\n"},
      {"death_long_ago",
       {"age", "--now", "2010/5/18", "--kind", "5", "1900/5/15"},
       "110\t0\t3\t1320\t40180\t111\t111\t\t命日対象外\n"},
      {"short_now_against_birth",
       {"age", "--now", "'05/1/1", "1998/1/1"},
       "7\t0\t0\t84\t2557\t8\t8\t0\t誕生日まで\n"},
      {"short_birth_against_now",
       {"age", "--now", "1998/1/1", "'05/1/1"},
       "93\t0\t0\t1116\t33968\t94\t94\t0\t誕生日まで\n"},
  });
}

TEST(CliAge, NowDefaultsToToday) {
  const ProcessResult by_default = cli({"age", "1996 10 1"});
  const ProcessResult explicit_today = cli({"age", "--now", today_text(), "1996 10 1"});
  EXPECT_EQ(by_default.exit_code, kSuccess) << by_default.err;
  EXPECT_EQ(by_default.out, explicit_today.out);
}

TEST(CliTerms, TheTwentyFourTermsOfAYear) {
  const ProcessResult year_2000 = cli({"terms", "2000"});
  ASSERT_EQ(year_2000.exit_code, kSuccess) << year_2000.err;
  std::vector<std::string> lines;
  for (std::size_t at = 0, end; (end = year_2000.out.find('\n', at)) != std::string::npos;
       at = end + 1) {
    lines.push_back(year_2000.out.substr(at, end - at));
  }
  ASSERT_EQ(lines.size(), 24u);
  EXPECT_EQ(lines[0], "0\t春分\t3-20\t16:35");
  EXPECT_EQ(lines[12], "180\t秋分\t9-23\t02:20");
  EXPECT_EQ(lines[23].substr(0, 10), "345\t啓蟄");

  const ProcessResult year_2024 = cli({"terms", "2024"});
  EXPECT_NE(year_2024.out.find("\n315\t立春\t2-4\t17:35\n"), std::string::npos);
}

// A run refused before any calculation: exit 2, nothing on stdout, the reason on stderr.
struct UsageRow {
  const char* name;
  std::vector<std::string> arguments;
  std::string message;  // part of stderr
};

TEST(CliUsage, RefusedArguments) {
  const UsageRow rows[] = {
      {"no_subcommand", {}, "A subcommand is required"},
      {"unknown_subcommand", {"nosuch"}, "A subcommand is required"},
      {"missing_date", {"dayno"}, "DATE is required"},
      {"empty_date", {"dayno", ""}, "DATE \"\" has no year"},
      {"letters_only", {"era", "abc"}, "DATE \"abc\" has no year"},
      {"month_and_day_only", {"dayno", "5月3日"}, "has no year"},
      {"year_zero", {"dayno", "0/1/1"}, "falls before year 1"},
      {"normalised_below_year_one", {"era", "1/0/0"}, "falls before year 1"},
      {"invalid_utf8_shown_replaced", {"dayno", "\xff"}, "DATE \"\xef\xbf\xbd\" has no year"},
      {"birth_missing", {"age", "--now", "2000/1/1"}, "BIRTH is required"},
      {"birth_without_year", {"age", "--now", "2000/1/1", "abc"}, "DATE \"abc\" has no year"},
      {"now_without_year", {"age", "--now", "x", "2000/1/1"}, "DATE \"x\" has no year"},
      {"mode_out_of_range",
       {"dayno", "--mode", "3", "2000/1/1"},
       "\"3\" is not a whole number from 0 to 2"},
      {"mode_not_a_number",
       {"dayno", "--mode", "x", "2000/1/1"},
       "is not a whole number from 0 to 2"},
      {"shift_out_of_range",
       {"age", "--shift", "2", "2000/1/1"},
       "is not a whole number from 0 to 1"},
      {"kind_beyond_16_bits", {"age", "--kind", "40000", "2000/1/1"}, "40000"},
      {"day_number_beyond_32_bits", {"date", "99999999999"}, "is not a whole number"},
      {"day_number_with_letters", {"date", "12abc"}, "is not a whole number"},
      {"day_number_in_hex", {"date", "0x10"}, "is not a whole number"},
      {"day_number_invalid_utf8", {"date", "\xff"}, "\"\xef\xbf\xbd\" is not a whole number"},
      {"day_number_with_blank", {"date", " 5"}, "is not a whole number"},
      {"year_in_hex", {"terms", "0x7D0"}, "is not a whole number"},
      {"day_number_full_width", {"date", "１２"}, "is not a whole number"},
      {"day_number_before_exact_range", {"date", "-31413"}, "is before day -31412"},
      {"day_number_far_below", {"date", "-2147483648"}, "is before day"},
      {"two_day_numbers", {"date", "1", "2"}, "not expected"},
      {"year_zero_for_terms", {"terms", "0"}, "is not a whole number from 1 to 32767"},
      {"year_beyond_16_bits", {"terms", "40000"}, "is not a whole number from 1 to 32767"},
      {"negative_year_for_terms", {"terms", "-5"}, "is not a whole number from 1 to 32767"},
      {"slot_two", {"parse", "--slot", "2", "x"}, "is not a whole number from 0 to 1"},
      {"init_not_a_date", {"parse", "--init", "1-2", "x"}, "is not a date Y-M-D"},
      {"init_beyond_16_bits", {"parse", "--init", "1-2-99999", "x"}, "is not a date Y-M-D"},
      {"other_year_beyond_16_bits",
       {"parse", "--other-year", "40000", "x"},
       "is not a whole number"},
  };
  for (const UsageRow& row : rows) {
    SCOPED_TRACE(row.name);
    const ProcessResult result = cli(row.arguments);
    EXPECT_EQ(result.exit_code, kUsage);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find(row.message), std::string::npos) << result.err;
  }
}

TEST(CliUsage, HelpAndVersionSucceed) {
  const ProcessResult help = cli({"--help"});
  EXPECT_EQ(help.exit_code, kSuccess);
  for (const char* subcommand : {"dayno", "date", "era", "parse", "age", "terms"}) {
    EXPECT_NE(help.out.find(subcommand), std::string::npos) << subcommand;
  }
  const ProcessResult age_help = cli({"age", "--help"});
  EXPECT_EQ(age_help.exit_code, kSuccess);
  EXPECT_NE(age_help.out.find("--now"), std::string::npos);
  EXPECT_EQ(cli({"--version"}).exit_code, kSuccess);
}

// The error report ran: exit 1, nothing on stdout, the report's lines on stderr.
struct ReportRow {
  const char* name;
  std::vector<std::string> arguments;
};

TEST(CliReport, OverflowsEndWithTheReport) {
  const ReportRow rows[] = {
      {"year_field_beyond_16_bits", {"dayno", "99999"}},
      {"normalised_year_above_32743", {"era", "32743/13/1"}},
      {"era_year_too_large", {"era", "H32000"}},
      {"age_with_a_huge_year", {"age", "--now", "2000/1/1", "99999/1/1"}},
      {"huge_now", {"age", "--now", "99999", "2000/1/1"}},
      {"day_number_past_27967", {"date", "11936161"}},
      {"largest_day_number", {"date", "2147483647"}},
      {"terms_past_27967", {"terms", "27968"}},
      {"parse_beyond_16_bits", {"parse", "2000/5/99999"}},
  };
  for (const ReportRow& row : rows) {
    SCOPED_TRACE(row.name);
    const ProcessResult result = cli(row.arguments);
    EXPECT_EQ(result.exit_code, kReport);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("エラーが発生しました。\n"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("　エラー番号　6\n"), std::string::npos);
    EXPECT_NE(result.err.find("オーバーフローは大きな数が入力された時に起こります。"),
              std::string::npos);
    // The tool has no start-up phase, so the report's start-up line is left out.
    EXPECT_EQ(result.err.find("起動時"), std::string::npos);
  }
}

// Random text as DATE and as TEXT: every run ends with a known exit code, never a crash,
// and a successful run prints one well-formed UTF-8 line.
TEST(CliGarbage, RandomTextNeverCrashes) {
  std::mt19937 random(20240601);
  const std::vector<std::string> pieces = {
      "0",  "1",    "9",    "12",           "99999", "/",  "-",
      ".",  " ",    "'",    "年",           "月",    "日", "平",
      "H",  "R",    "令",   "㍻",           "㋿",   "０", "９",
      "／", "\xff", "\xc3", "\xed\xa0\x80", "a",     "\t", "\xe3\x80"};
  for (int i = 0; i < 90; ++i) {
    std::string text;
    const int length = static_cast<int>(random() % 12);
    for (int k = 0; k < length; ++k) text += pieces[random() % pieces.size()];
    const char* subcommand = i % 3 == 0 ? "parse" : i % 3 == 1 ? "era" : "age";
    SCOPED_TRACE(std::string(subcommand) + " " + text);
    const ProcessResult result = cli({subcommand, "--", text});
    EXPECT_TRUE(result.exit_code == kSuccess || result.exit_code == kReport ||
                result.exit_code == kUsage)
        << result.exit_code << result.err;
    if (result.exit_code == kSuccess) {
      EXPECT_EQ(to_utf8(to_u32(result.out)), result.out);
      EXPECT_EQ(result.out.find('\n'), result.out.size() - 1);
    } else {
      EXPECT_EQ(result.out, "");
    }
  }
}

}  // namespace
}  // namespace pelmira
