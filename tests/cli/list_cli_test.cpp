// pelmira-cli list and listing 8 end to end: data files in, the list pane as text out, and
// the data files --save writes.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_runs.h"
#include "people/data_writer.h"
#include "people/people_fixtures.h"

namespace pelmira {
namespace {

using testing::cli;
using testing::kReport;
using testing::kSuccess;
using testing::kUsage;
using testing::ProcessResult;
using testing::read_bytes;
using testing::sjis;
using testing::sjis_data_file;
using testing::TempFolder;
using testing::utf8_data_file;
using testing::write_bytes;

std::string blanks(std::size_t n) {
  return std::string(n, ' ');
}

// The footer every written file ends with, joined as the file holds it.
std::string footer() {
  std::string text;
  for (const std::string& line : footer_lines()) text += line + "\r\n";
  return text;
}

class CliList : public ::testing::Test {
 protected:
  void SetUp() override {
    write_bytes(first_, sjis_data_file({"山田^1990 1 2^", "田中^2000 4 1^"}));
    write_bytes(second_, sjis_data_file({"'a comment", "abc^2010 2 28^5^13001111000000^",
                                         "bad^1990 0 1^", "ｽｽﾞｷ^1985 12 31^"}));
  }
  TempFolder folder_;
  std::string first_ = folder_.file("first.txt");
  std::string second_ = folder_.file("second.txt");
};

TEST_F(CliList, HeaderLinesAndSummary) {
  const ProcessResult result = cli({"list", "--now", "2024/5/3", first_});
  ASSERT_EQ(result.exit_code, kSuccess) << result.err;
  EXPECT_EQ(result.out, "氏名    " + blanks(8) + "  　満年齢　 \n" +   //
                            "山田" + blanks(12) + "   34歳 4ヶ月\n" +  //
                            "田中" + blanks(12) + "   24歳 1ヶ月\n" +  //
                            "総数  2　平均年齢　29歳 (29歳2ヶ月17日)\n");
  EXPECT_EQ(result.err, "");
}

TEST_F(CliList, FilesAreAddedInOrderAndBadLinesSkipped) {
  const ProcessResult result =
      cli({"list", "--now", "2024/5/3", "--columns", "11", "--nt", "1", second_, first_});
  ASSERT_EQ(result.exit_code, kSuccess) << result.err;
  EXPECT_EQ(result.out,
            "番号  氏名    \n"
            "00001 abc     \n"
            "00002 ｽｽﾞｷ    \n"
            "00003 山田    \n"
            "00004 田中    \n"
            "総数  4　平均年齢　27.5歳 (27歳8ヶ月25日)\n");
  // The skipped line's report, as the correction window shows it.
  EXPECT_NE(result.err.find(second_ + ": 無効"), std::string::npos) << result.err;
  EXPECT_NE(result.err.find("  bad^1990 0 1^\n"), std::string::npos) << result.err;
  EXPECT_NE(result.err.find("年月日のデータの中に０のデータが有ります。"), std::string::npos);
}

TEST_F(CliList, SortOrderAndListingMode) {
  struct Row {
    const char* name;
    std::vector<std::string> options;
    std::string out;
  };
  const std::vector<Row> rows = {
      {"by_name_by_character_code", {"--sort", "0"}, "abc\n山田\n田中\nｽｽﾞｷ\n"},
      {"by_name_descending", {"--sort", "0", "--desc"}, "ｽｽﾞｷ\n田中\n山田\nabc\n"},
      {"by_month_and_day", {"--sort", "2"}, "山田\nabc\n田中\nｽｽﾞｷ\n"},
      {"by_days_to_birthday", {"--sort", "4"}, "ｽｽﾞｷ\n山田\nabc\n田中\n"},
      {"file_order_descending", {"--desc"}, "ｽｽﾞｷ\nabc\n田中\n山田\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<std::string> arguments = {"list", "--now", "2024/5/3", "--columns",
                                          "01",   "--nt",  "0"};
    arguments.insert(arguments.end(), row.options.begin(), row.options.end());
    arguments.insert(arguments.end(), {first_, second_});
    const ProcessResult result = cli(arguments);
    ASSERT_EQ(result.exit_code, kSuccess) << result.err;
    const std::string body = result.out.substr(result.out.find('\n') + 1);
    EXPECT_EQ(body.substr(0, body.rfind("総数")), row.out);
  }
}

TEST_F(CliList, MemorialListingAndOtherColumns) {
  const ProcessResult result =
      cli({"list", "--now", "2010/8/8", "--listing", "5", "--columns", "0010101000000010", first_});
  ASSERT_EQ(result.exit_code, kSuccess) << result.err;
  const std::string header = " 西暦　 死去日   　死亡後　  　　命日までの日数　 \n";
  EXPECT_EQ(result.out.substr(0, header.size()), header);
  EXPECT_NE(result.out.find(" 1990年 1月 2日   20年 7ヶ月 "), std::string::npos) << result.out;
}

TEST_F(CliList, SaveWritesTheListedPersonsInAscendingOrder) {
  const std::string out = folder_.file("merged.txt");
  const std::string utf8 = folder_.file("merged-utf8.txt");
  const ProcessResult result = cli({"list", "--now", "2024/5/3", "--sort", "1", "--desc", "--save",
                                    out, "--save-utf8", utf8, first_, second_});
  ASSERT_EQ(result.exit_code, kSuccess) << result.err;
  const std::string body =
      "Pelmira年齢計算用リスト\r\n"
      "ｽｽﾞｷ^1985 12 31^\r\n"
      "山田^1990 1 2^\r\n"
      "田中^2000 4 1^\r\n"
      "abc^2010 2 28^5^13001111000000^\r\n";
  EXPECT_EQ(read_bytes(out), sjis(body + footer()));
  EXPECT_EQ(read_bytes(utf8), body + footer());
  // The saved file reads back to the same list.
  const ProcessResult again = cli({"list", "--now", "2024/5/3", "--sort", "1", "--desc", out});
  EXPECT_EQ(again.out, result.out);
  EXPECT_EQ(again.err, "");
}

TEST_F(CliList, ANameShiftJisCannotHoldIsNotSaved) {
  const std::string input = folder_.file("utf8.txt");
  write_bytes(input, utf8_data_file({"𠮷野^1990 1 2^", "山田^1991 1 2^"}, true));
  const std::string out = folder_.file("out.txt");
  const ProcessResult refused = cli({"list", "--now", "2024/5/3", "--save", out, input});
  EXPECT_EQ(refused.exit_code, kReport);
  EXPECT_EQ(refused.out, "");
  EXPECT_NE(refused.err.find("𠮷野"), std::string::npos) << refused.err;
  EXPECT_FALSE(std::filesystem::exists(out));
  const ProcessResult saved = cli({"list", "--now", "2024/5/3", "--save-utf8", out, input});
  ASSERT_EQ(saved.exit_code, kSuccess) << saved.err;
  EXPECT_EQ(read_bytes(out),
            "Pelmira年齢計算用リスト\r\n𠮷野^1990 1 2^\r\n山田^1991 1 2^\r\n" + footer());
}

TEST_F(CliList, BadArgumentsAndFiles) {
  struct Row {
    const char* name;
    std::vector<std::string> arguments;
    int exit_code;
  };
  const std::string folder_as_file = folder_.path();
  const std::string not_data = folder_.file("plain.txt");
  write_bytes(not_data, "just text\r\n");
  const std::vector<Row> rows = {
      {"no_file", {"list"}, kUsage},
      {"columns_not_binary", {"list", "--columns", "012", first_}, kUsage},
      {"columns_too_long", {"list", "--columns", "11111111111111111", first_}, kUsage},
      {"sort_key_out_of_range", {"list", "--sort", "5", first_}, kUsage},
      {"listing_out_of_range", {"list", "--listing", "12", first_}, kUsage},
      {"name_tabs_negative", {"list", "--nt", "-1", first_}, kUsage},
      {"now_without_year", {"list", "--now", "x", first_}, kUsage},
      {"missing_file", {"list", folder_.file("none.txt")}, kReport},
      {"folder", {"list", folder_as_file}, kReport},
      {"not_a_data_file", {"list", not_data}, kReport},
      {"save_into_a_missing_folder",
       {"list", "--save", folder_.file("no/such.txt"), first_},
       kReport},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const ProcessResult result = cli(row.arguments);
    EXPECT_EQ(result.exit_code, row.exit_code) << result.err;
    EXPECT_NE(result.err, "");
    if (row.exit_code == kReport) {
      EXPECT_EQ(result.out, "");
    }
  }
}

TEST_F(CliList, SameDateListingWithData) {
  struct Row {
    const char* name;
    std::vector<std::string> arguments;
    std::string out;
  };
  const std::vector<Row> rows = {
      {"birth_side", {"listing", "--data", first_, "--data", second_, "8", "1999/1/2"}, "山田\n"},
      {"now_side",
       {"listing", "--side", "1", "--now", "2024/12/31", "--data", first_, "--data", second_, "8",
        "1999/1/2"},
       "ｽｽﾞｷ\n"},
      {"no_match",
       {"listing", "--data", first_, "8", "1999/7/7"},
       "月日が一致する該当者がいません。\n"},
      {"no_data",
       {"listing", "8", "1999/7/7"},
       "月日が一致する該当者がいません。\n\n氏名と誕生日のデータを入力するか、\nファイルを開いてく"
       "ださい。\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const ProcessResult result = cli(row.arguments);
    ASSERT_EQ(result.exit_code, kSuccess) << result.err;
    EXPECT_EQ(result.out, row.out);
  }
  EXPECT_EQ(cli({"listing", "--data", folder_.file("none.txt"), "8", "1999/1/2"}).exit_code,
            kReport);
}

}  // namespace
}  // namespace pelmira
