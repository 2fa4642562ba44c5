// pelmira-cli check end to end: the report of every rejected line, the count, the exit codes,
// and that the files stay as they were.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "people/people_fixtures.h"
#include "support/process_runner.h"

namespace pelmira {
namespace {

using testing::ProcessResult;
using testing::run_process;
using testing::TempFolder;

ProcessResult check(const std::vector<std::string>& files) {
  std::vector<std::string> arguments{"check"};
  arguments.insert(arguments.end(), files.begin(), files.end());
  ProcessResult result = run_process(PELMIRA_CLI_PATH, arguments);
  EXPECT_FALSE(result.timed_out);
  return result;
}

TEST(CliCheck, ReportsEachRejectedLineWithTheWindowsReport) {
  TempFolder folder;
  const std::string path = folder.file("list.txt");
  testing::write_bytes(path, testing::sjis_data_file({"山田^1990 1 2^", "'comment", "",
                                                      "鈴木^1990 1^", "memo", "a^1990 1 2^5^"}));
  const auto before = std::filesystem::last_write_time(path);
  const std::string bytes = testing::read_bytes(path);
  const ProcessResult result = check({path});
  EXPECT_EQ(result.exit_code, 3);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out, path +
                            ":5:\n"
                            "  鈴木^1990 1^\n"
                            "  のデータにエラーを見つけました。\n"
                            "  \n"
                            "  調査結果(以下のように認識しています。)\n"
                            "  　氏名　　　　　　鈴木\n"
                            "  　生年月日　　　　1990年 1月 日\n"
                            "  　日数　　　　　　\n"
                            "  　Lunoka用　\n"
                            "  \n"
                            "  エラー内容(一つの原因からでも複数の表示をしています。)\n"
                            "  　年月日のデータが足りません。\n"
                            "  　年月日のデータの中に０のデータが有ります。\n" +
                            path +
                            ":7:\n"
                            "  a^1990 1 2^5^\n"
                            "  のデータにエラーを見つけました。\n"
                            "  \n"
                            "  調査結果(以下のように認識しています。)\n"
                            "  　氏名　　　　　　a\n"
                            "  　生年月日　　　　1990年 1月 2日\n"
                            "  　日数　　　　　　5\n"
                            "  　Lunoka用　\n"
                            "  \n"
                            "  エラー内容(一つの原因からでも複数の表示をしています。)\n"
                            "  　日数 か「Lunoka」用データが有りません。\n"
                            "6 lines checked, 2 with errors\n");
  EXPECT_EQ(testing::read_bytes(path), bytes);
  EXPECT_EQ(std::filesystem::last_write_time(path), before);
}

TEST(CliCheck, ExitCodesByWhatWasFound) {
  TempFolder folder;
  const std::string good = folder.file("good.txt");
  const std::string bad = folder.file("bad.txt");
  const std::string utf8 = folder.file("utf8.txt");
  const std::string other = folder.file("other.txt");
  testing::write_bytes(good,
                       testing::sjis_data_file({"a^1990 1 2^", "b^1991 2 3^0^13001111000000^"}));
  testing::write_bytes(bad, testing::sjis_data_file({"c^1990 1^"}));
  testing::write_bytes(utf8, testing::utf8_data_file({"𠮷^1990 1 2^"}, true));
  testing::write_bytes(other, "not a list\r\n");
  struct Row {
    const char* name;
    std::vector<std::string> files;
    int exit_code;
    std::string last_line;
    std::vector<std::string> places;  // "<file>:<line>:" lines expected in the output
  };
  const std::vector<Row> rows = {
      {"good_file", {good}, 0, "2 lines checked, 0 with errors", {}},
      {"utf8_file", {utf8}, 0, "1 lines checked, 0 with errors", {}},
      {"good_and_bad", {good, bad}, 3, "3 lines checked, 1 with errors", {bad + ":2:"}},
      {"missing_file", {folder.file("missing.txt")}, 1, "0 lines checked, 0 with errors", {}},
      {"wrong_header", {other}, 1, "0 lines checked, 0 with errors", {}},
      {"unreadable_file_among_others",
       {bad, other, good},
       1,
       "3 lines checked, 1 with errors",
       {bad + ":2:"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const ProcessResult result = check(row.files);
    EXPECT_EQ(result.exit_code, row.exit_code) << result.err;
    ASSERT_FALSE(result.out.empty());
    std::vector<std::string> places;
    std::size_t start = 0;
    std::string last;
    for (std::size_t end; (end = result.out.find('\n', start)) != std::string::npos;
         start = end + 1) {
      last = result.out.substr(start, end - start);
      if (!last.empty() && last[0] != ' ' && last.back() == ':') places.push_back(last);
    }
    EXPECT_EQ(last, row.last_line);
    EXPECT_EQ(places, row.places);
    EXPECT_EQ(result.err.empty(), row.exit_code != 1);
  }
}

TEST(CliCheck, ErrorReportOfAFileThatCannotBeRead) {
  TempFolder folder;
  const std::string other = folder.file("other.txt");
  testing::write_bytes(other, "not a list\r\n");
  const ProcessResult result = check({other});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_NE(result.err.find("　エラー番号　321\n"), std::string::npos) << result.err;
  EXPECT_NE(result.err.find("　ファイル名　" + other + "\n"), std::string::npos);
  EXPECT_NE(result.err.find("Pelmira.exe用データでは有りません"), std::string::npos);
  EXPECT_EQ(result.err.find('\r'), std::string::npos);
}

TEST(CliCheck, LinesTheReaderCannotDecodeAreRejected) {
  TempFolder folder;
  const std::string path = folder.file("bytes.txt");
  testing::write_bytes(path,
                       testing::sjis_data_file({"a^1990 1 2^"}) + "b\x82^1990 1 2^\r\n'\xFF\r\n");
  const ProcessResult result = check({path});
  EXPECT_EQ(result.exit_code, 3);
  EXPECT_EQ(result.out, path +
                            ":3:\n  文字コードが正しくないため読み込めない行です。\n"
                            "3 lines checked, 1 with errors\n");
}

TEST(CliCheck, NeedsAFile) {
  const ProcessResult result = check({});
  EXPECT_EQ(result.exit_code, 2);
  EXPECT_EQ(result.out, "");
}

}  // namespace
}  // namespace pelmira
