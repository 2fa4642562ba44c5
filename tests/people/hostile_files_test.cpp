// The reader against hostile files: every one is read or refused without a crash or a hang,
// and every fault reaches the error report with the file's name.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "people/data_reader.h"
#include "people_fixtures.h"
#include "support/recording_reporter.h"

namespace pelmira {
namespace {

using testing::RecordingReporter;
using testing::ScriptedReadHost;
using testing::TempFolder;

const std::string kHeader = testing::sjis(kDataFileHeader);

std::string random_bytes(std::size_t count, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(count, '\0');
  for (char& b : bytes) b = static_cast<char>(random() & 0xFF);
  return bytes;
}

struct HostileRow {
  const char* name;
  std::string bytes;
  bool read;                          // rist02's answer
  i16 persons;                        // persons in the list afterwards
  std::vector<std::int32_t> reports;  // error numbers reported, in order
  std::size_t windows;                // correction windows shown (each answered 無効)
};

std::vector<HostileRow> hostile_rows() {
  const std::string good = testing::sjis("a^1990 1 2^\r\n");
  return {
      {"empty_file", "", false, 0, {err::kInputPastEnd}, 0},
      {"wrong_header", "Pelmira\r\n" + good, false, 0, {err::kBadFileFormat}, 0},
      {"header_in_another_case",
       "PELMIRA" + kHeader.substr(7) + "\r\n",
       false,
       0,
       {err::kBadFileFormat},
       0},
      {"binary_garbage", random_bytes(4096, 1), false, 0, {err::kBadFileFormat}, 0},
      {"utf16_header",
       std::string("\xFF\xFE", 2) + "P\0e\0l\0",
       false,
       0,
       {err::kBadFileFormat},
       0},
      {"header_only_without_line_end", kHeader, true, 0, {}, 0},
      {"invalid_shift_jis_in_a_record",
       kHeader + "\r\n" + good + "b\x81\x20^1990 1 2^\r\n" + good,
       true,
       2,
       {err::kBadFileFormat},
       0},
      {"lead_byte_at_the_end_of_a_record",
       kHeader + "\r\nc^1990 1 2^\x81\r\n" + good,
       true,
       1,
       {err::kBadFileFormat},
       0},
      {"invalid_bytes_in_a_comment_are_ignored",
       kHeader + "\r\n'\xFF\xFE\r\n" + good,
       true,
       1,
       {},
       0},
      {"invalid_utf8_in_a_record",
       testing::utf8_data_file(
           {"a^1990 1 2^", "b\xC3\x28^1990 1 2^", "c\xED\xA0\x80^1990 1 2^", "d^1990 1 2^"}),
       true,
       2,
       {err::kBadFileFormat},
       0},
      {"nul_byte_in_a_record",
       kHeader + "\r\n" + std::string("n\0m^1990 1 2^\r\n", 15) + good,
       true,
       1,
       {err::kBadFileFormat},
       0},
      {"lone_cr_splits_the_record", kHeader + "\r\na^1990\r1 2^\r\n" + good, true, 1, {}, 2},
      {"lone_lf_stays_in_the_line", kHeader + "\r\na\nb^1990 1 2^\r\n", true, 1, {}, 0},
      {"lone_lf_after_the_last_separator", kHeader + "\r\na^1990 1 2^\n\r\n", true, 0, {}, 1},
      {"lf_line_ends_make_one_long_line", kHeader + "\ra^1990 1 2^\nb^1990 1 3^\n", true, 0, {}, 1},
      {"cr_line_ends", kHeader + "\ra^1990 1 2^\rb^1990 1 3^\r", true, 2, {}, 0},
      {"lf_file_ends_lines_at_lf",
       kHeader + "\na^1990 1 2^\nb^1990 1 3^\r\nc^1990 1 4^",
       true,
       3,
       {},
       0},
      {"utf8_lf_file_as_an_editor_writes_it",
       "Pelmira年齢計算用リスト\n'comment\n山田^1990 1 2^\n\n鈴木^1990 1 3^\n",
       true,
       2,
       {},
       0},
      {"more_than_five_separators",
       kHeader + "\r\na^1990 1 2^0^12001111000000^^^^\r\n" + good,
       true,
       1,
       {},
       1},
      {"only_separators", kHeader + "\r\n" + std::string(1000, '^') + "\r\n", true, 0, {}, 1},
      {"garbage_after_the_header", kHeader + "\r\n" + random_bytes(20000, 2), true, -1, {}, 0},
  };
}

TEST(HostileFiles, AreReadOrRefusedWithAReport) {
  TempFolder folder;
  for (const HostileRow& row : hostile_rows()) {
    SCOPED_TRACE(row.name);
    const std::string path = folder.file(std::string(row.name) + ".txt");
    testing::write_bytes(path, row.bytes);
    RecordingReporter reporter;
    ScriptedReadHost host;
    PersonTable table;
    EXPECT_EQ(rist02(table, testing::test_state(), path, -1, host), row.read);
    for (const ErrorReport& report : reporter.reports()) {
      EXPECT_EQ(report.place, "rist02");
      EXPECT_EQ(report.lines[4], "　ファイル名　" + path);
    }
    if (row.persons < 0) continue;  // random content: only that it ends, with a sound table
    EXPECT_EQ(table.personCount, row.persons);
    std::vector<std::int32_t> numbers;
    for (const ErrorReport& report : reporter.reports()) numbers.push_back(report.number);
    EXPECT_EQ(numbers, row.reports);
    EXPECT_EQ(host.windows.size(), row.windows);
    EXPECT_EQ(order_length(table.viewOrder[0]), table.personCount);
  }
}

TEST(HostileFiles, UnreadableLinesAreNamedInTheReport) {
  TempFolder folder;
  const std::string path = folder.file("bad.txt");
  std::string bytes = kHeader + "\r\n";
  for (int k = 0; k < 12; ++k) bytes += "x\x82^1990 1 2^\r\n";
  testing::write_bytes(path, bytes);
  RecordingReporter reporter;
  ScriptedReadHost host;
  const PersonTable table = testing::read_table(path, host);
  ASSERT_EQ(reporter.reports().size(), 1u);
  EXPECT_EQ(
      reporter.reports()[0].lines[2],
      "　エラー内容　文字コードが正しくない行を読み込みませんでした。(12行: 2, 3, 4, 5, 6, 7, "
      "8, 9, 10, 11行目 ほか)");
  EXPECT_TRUE(table.partial_read);
}

TEST(HostileFiles, TenMegabyteLinesEndQuickly) {
  TempFolder folder;
  struct Row {
    const char* name;
    std::string line;
    i16 persons;
    std::size_t windows;
  };
  const std::string huge(10u << 20, 'a');
  const std::vector<Row> rows = {
      {"text_without_separator", huge, 0, 0},
      {"name_of_ten_megabytes", huge + "^1990 1 2^", 1, 0},
      {"date_of_a_megabyte", "a^" + std::string(1u << 20, '9') + "^", 0, 1},
      {"days_of_a_megabyte", "a^1990 1 2^" + std::string(1u << 20, '9') + "^12001111000000^", 0, 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string path = folder.file(std::string(row.name) + ".txt");
    testing::write_bytes(path, kHeader + "\r\n" + row.line + "\r\n");
    RecordingReporter reporter;
    ScriptedReadHost host;
    const auto start = std::chrono::steady_clock::now();
    const PersonTable table = testing::read_table(path, host);
    EXPECT_LT(std::chrono::steady_clock::now() - start,
              std::chrono::seconds(60));  // linear work; a quadratic step would take hours
    EXPECT_EQ(table.personCount, row.persons);
    EXPECT_EQ(host.windows.size(), row.windows);
    if (row.persons == 1) {
      EXPECT_EQ(testing::name_of(table, 1), std::string(31, 'a'));
    }
  }
}

TEST(HostileFiles, ReadingStopsAtTheTableLimitAndKeepsThePersons) {
  TempFolder folder;
  const std::string path = folder.file("forty_thousand.txt");
  std::string bytes = kHeader + "\r\n";
  for (int k = 1; k <= 40000; ++k) bytes += "p" + std::to_string(k) + "^1990 1 2^\r\n";
  testing::write_bytes(path, bytes);
  RecordingReporter reporter;
  ScriptedReadHost host;
  const PersonTable table = testing::read_table(path, host);
  EXPECT_EQ(table.personCount, kMaxPersons);
  EXPECT_EQ(testing::name_of(table, kMaxPersons), "p32766");
  EXPECT_EQ(order_length(table.viewOrder[0]), kMaxPersons);
  EXPECT_EQ(table.viewOrder[1][1], kMaxPersons);
  ASSERT_EQ(reporter.reports().size(), 1u);
  EXPECT_EQ(reporter.reports()[0].number, err::kOverflow);
  EXPECT_EQ(reporter.reports()[0].lines[2],
            "　エラー内容　登録できる人数は32766人までです。32768行目以降のデータは読み込んで"
            "いません。");
  EXPECT_EQ(table.current_path, path);
  EXPECT_FALSE(can_overwrite_current_file(table));

  // Adding to a full list reads nothing more and says so.
  PersonTable full = table;
  full.append = 1;
  reporter.clear();
  EXPECT_TRUE(rist02(full, testing::test_state(), path, -1, host));
  EXPECT_EQ(full.personCount, kMaxPersons);
  ASSERT_EQ(reporter.reports().size(), 1u);
  EXPECT_EQ(reporter.reports()[0].number, err::kOverflow);
}

TEST(HostileFiles, FilesThatCannotBeReadAreReported) {
  TempFolder folder;
  const std::string fifo = folder.file("pipe.txt");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string dangling = folder.file("dangling.txt");
  ASSERT_EQ(::symlink(folder.file("vanished.txt").c_str(), dangling.c_str()), 0);
  struct Row {
    const char* name;
    std::string path;
    std::int32_t error;
  };
  const std::vector<Row> rows = {
      {"named_pipe_without_writer", fifo, err::kPathFileAccess},
      {"link_to_a_vanished_file", dangling, err::kFileNotFound},
      {"folder_missing", folder.file("no/such/file.txt"), err::kFileNotFound},
      {"file_under_a_file", folder.file("pipe.txt/x.txt"), err::kPathNotFound},
      {"device", "/dev/null", err::kPathFileAccess},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    RecordingReporter reporter;
    ScriptedReadHost host;
    PersonTable table;
    EXPECT_FALSE(rist02(table, testing::test_state(), row.path, -1, host));
    ASSERT_EQ(reporter.reports().size(), 1u);
    EXPECT_EQ(reporter.reports()[0].number, row.error);
  }
}

// A file without read permission: checked by an unprivileged process, since the superuser
// may read anything (the test then drops to the "nobody" user in a child process).
TEST(HostileFiles, FileWithoutReadPermissionIsReported) {
  TempFolder folder;
  ::chmod(folder.path().c_str(), 0755);
  const std::string path = folder.file("secret.txt");
  testing::write_bytes(path, testing::sjis_data_file({"a^1990 1 2^"}));
  ASSERT_EQ(::chmod(path.c_str(), 0), 0);
  const auto check = [&path]() -> bool {
    RecordingReporter reporter;
    ScriptedReadHost host;
    PersonTable table;
    const bool read = rist02(table, testing::test_state(), path, -1, host);
    return !read && reporter.reports().size() == 1 &&
           reporter.reports()[0].number == err::kPermissionDenied;
  };
  if (::geteuid() != 0) {
    EXPECT_TRUE(check());
    return;
  }
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
    ::_exit(check() ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == 2) GTEST_SKIP() << "cannot drop privileges here";
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace pelmira
