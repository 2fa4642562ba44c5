// pelmira-cli ical as a user meets it: a calendar file written whole, and every argument or
// file it cannot use refused with a message and no file.

#include <gtest/gtest.h>

#include <filesystem>

#include "cli/cli_runs.h"
#include "support/test_folder.h"

namespace pelmira {
namespace {

using testing::cli;
using testing::TestFolder;

TEST(CliIcal, WritesTheCalendarFileAndPassesOverOtherTextFiles) {
  TestFolder folder;
  const std::string data =
      folder.write("a.txt", testing::cp932_data_file({"山田太郎^1990 12 7^3^12001111000000^"}));
  const std::string notes = folder.write("notes.txt", "買い物\n");
  const std::string out = folder.path() + "/birthdays.ics";
  const testing::ProcessResult r =
      cli({"ical", "--from", "2026-12-1", "--years", "1", "--out", out, notes, data});
  EXPECT_EQ(r.exit_code, testing::kSuccess) << r.err;
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("notes.txt\" is not a data file"), std::string::npos) << r.err;
  ASSERT_TRUE(std::filesystem::exists(out));
  EXPECT_GT(std::filesystem::file_size(out), 0u);
}

TEST(CliIcal, RefusedInputWritesNothing) {
  TestFolder folder;
  const std::string good =
      folder.write("good.txt", testing::cp932_data_file({"山田太郎^1990 12 7^"}));
  const std::string bad = folder.write(
      "bad.txt", testing::cp932_data_file({"良い行^1990 5 10^", "壊れた行^1990 12 7"}));
  const std::string plain = folder.write("plain.txt", "hello\n");
  struct IcalCliRow {
    const char* name;
    std::vector<std::string> arguments;
    int exit_code;
    const char* message;
  };
  const IcalCliRow rows[] = {
      {"no_years", {"--years", "0", good}, testing::kUsage, "--years"},
      {"a_thousand_years", {"--years", "1000", good}, testing::kUsage, "--years"},
      {"past_9999", {"--from", "9999-6-1", good}, testing::kUsage, "9999-12-31"},
      {"not_a_day", {"--from", "2027-2-29", good}, testing::kUsage, "not a date (Y-M-D)"},
      {"no_data_file", {plain}, testing::kUsage, "none of the files is a data file"},
      {"a_bad_line", {good, bad}, testing::kReport, "データ内容 壊れた行^1990 12 7\n"},
      {"a_missing_file", {good, folder.path() + "/gone.txt"}, testing::kReport, "エラー番号　53"},
      {"no_file", {}, testing::kUsage, "FILE is required"},
  };
  const std::string out = folder.path() + "/out.ics";
  for (const IcalCliRow& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<std::string> arguments{"ical", "--out", out};
    arguments.insert(arguments.end(), row.arguments.begin(), row.arguments.end());
    const testing::ProcessResult r = cli(arguments);
    EXPECT_EQ(r.exit_code, row.exit_code);
    EXPECT_NE(r.err.find(row.message), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(std::filesystem::exists(out));
  }
}

}  // namespace
}  // namespace pelmira
