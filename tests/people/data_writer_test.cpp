// Writing data files: record lines, round trips through the reader in both encodings, the
// refusal of characters Shift-JIS cannot hold, and the atomic replacement of the target.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "core/text.h"
#include "people/data_writer.h"
#include "people/notice_code.h"
#include "people_fixtures.h"
#include "support/recording_reporter.h"

namespace pelmira {
namespace {

using testing::add_person;
using testing::RecordingReporter;
using testing::ScriptedReadHost;
using testing::TempFolder;

NoticeCode with_digit(std::size_t position, std::uint8_t value) {
  NoticeCode code = kDefaultNoticeCode;
  code[position - 1] = value;
  return code;
}

TEST(RecordLine, WritesTheFieldsTheReaderExpects) {
  struct Row {
    const char* name;
    std::string person;
    PersonDate date;
    i16 days;
    NoticeCode code;
    std::string line;
  };
  const std::vector<Row> rows = {
      {"default_rule_leaves_days_and_code_out",
       "山田太郎",
       {1990, 1, 2},
       0,
       kDefaultNoticeCode,
       "山田太郎^1990 1 2^"},
      {"separator_in_the_name_gets_a_prefix",
       "a^b",
       {1990, 1, 2},
       0,
       kDefaultNoticeCode,
       "^3^a^b^1990 1 2^"},
      {"prefix_counts_characters",
       "山^田",
       {1990, 1, 2},
       0,
       kDefaultNoticeCode,
       "^3^山^田^1990 1 2^"},
      {"leading_apostrophe_gets_a_prefix",
       "'Tom",
       {1990, 1, 2},
       0,
       kDefaultNoticeCode,
       "^4^'Tom^1990 1 2^"},
      {"surrounding_blanks_are_dropped",
       "  a b  ",
       {2000, 12, 31},
       0,
       kDefaultNoticeCode,
       "a b^2000 12 31^"},
      {"notice_days", "a", {1990, 1, 2}, 30, kDefaultNoticeCode, "a^1990 1 2^30^12001111000000^"},
      {"digits_3_to_8_alone_stay_out",
       "a",
       {1990, 1, 2},
       0,
       NoticeCode{1, 2, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1},
       "a^1990 1 2^"},
      {"no_age_shown", "a", {1990, 1, 2}, 0, with_digit(1, 0), "a^1990 1 2^0^02001111000000^"},
      {"another_kind", "a", {1990, 1, 2}, 0, with_digit(2, 3), "a^1990 1 2^0^13001111000000^"},
      {"move_on_saturday", "a", {1990, 1, 2}, 0, with_digit(9, 1), "a^1990 1 2^0^12001111100000^"},
      {"move_to_the_day_before",
       "a",
       {1990, 1, 2},
       0,
       with_digit(12, 1),
       "a^1990 1 2^0^12001111000100^"},
      {"negative_days_do_not_cancel_a_move",
       "a",
       {1990, 1, 2},
       -1,
       with_digit(10, 1),
       "a^1990 1 2^-1^12001111010000^"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    PersonTable table;
    add_person(table, row.person, row.date, row.days, row.code);
    EXPECT_EQ(record_line(table, 1), row.line);
  }
}

TEST(DataFileLines, WriteTheListedPersonsInTheAscendingOrder) {
  PersonTable table;
  for (int k = 1; k <= 10; ++k)
    add_person(table, "p" + std::to_string(k), {2000, 1, static_cast<i16>(k)});
  // A search left persons 7, 2 and 9 listed, in that order.
  table.viewOrder[0] = {0, 7, 2, 9, 0};
  st9(table, 0);
  EXPECT_EQ(data_file_lines(table),
            (std::vector<std::string>{"Pelmira年齢計算用リスト", "p7^2000 1 7^", "p2^2000 1 2^",
                                      "p9^2000 1 9^"}));
  EXPECT_EQ(footer_lines(), (std::vector<std::string>{"", "'PelmiraVer1.0.0より出力。"}));
}

TEST(EncodeLines, RefusesWhatTheEncodingCannotHold) {
  struct Row {
    const char* name;
    std::vector<std::string> lines;
    FileEncoding encoding;
    bool records;
    std::vector<std::size_t> bad_lines;
    std::vector<std::u32string> characters;
  };
  const std::vector<Row> rows = {
      {"shift_jis_text",
       {"山田^1990 1 2^", "髙橋～－∥^1990 1 2^"},
       FileEncoding::kCp932,
       true,
       {},
       {}},
      {"jis_forms_are_written_as_their_cp932_twins",
       {"〜−‖^1990 1 2^"},
       FileEncoding::kCp932,
       true,
       {},
       {}},
      {"characters_beyond_shift_jis",
       {"ok^1990 1 2^", "𠮷野家😀^1990 1 2^", "Ａ¥^1990 1 2^"},
       FileEncoding::kCp932,
       true,
       {1, 2},
       {U"𠮷😀", U"¥"}},
      {"utf8_holds_everything", {"𠮷野家😀¥^1990 1 2^"}, FileEncoding::kUtf8, true, {}, {}},
      {"line_break_in_a_record", {"a\rb^1990 1 2^"}, FileEncoding::kUtf8, true, {0}, {U"\r"}},
      {"line_break_in_an_export", {"a\r\nb"}, FileEncoding::kCp932, false, {}, {}},
      {"malformed_utf8", {"a\xFF^1990 1 2^"}, FileEncoding::kUtf8, true, {0}, {U"\uFFFD"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<UnwritableText> unwritable;
    const std::optional<std::string> bytes =
        encode_lines(row.lines, row.encoding, row.records, &unwritable);
    EXPECT_EQ(bytes.has_value(), row.bad_lines.empty());
    std::vector<std::size_t> bad_lines;
    std::vector<std::u32string> characters;
    for (const UnwritableText& bad : unwritable) {
      bad_lines.push_back(bad.line);
      characters.push_back(bad.characters);
    }
    EXPECT_EQ(bad_lines, row.bad_lines);
    EXPECT_EQ(characters, row.characters);
  }
}

// Random persons whose names hold the characters that need care: separators, apostrophes,
// inner blanks, JIS/CP932 twins, half-width katakana, and (for UTF-8) characters beyond
// Shift-JIS.
PersonTable random_persons(unsigned seed, int count, bool beyond_shift_jis) {
  std::vector<std::string> pieces = {"山", "田", "a", "Z", "^", "'",  " ", "～", "－",
                                     "ｶﾅ", "髙", "①", "ⅲ", "9", "\\", "~", "・", "\n"};
  if (beyond_shift_jis) pieces.insert(pieces.end(), {"𠮷", "😀", "¥", "〜", "é"});
  std::mt19937 random(seed);
  PersonTable table;
  for (int k = 0; k < count; ++k) {
    std::string name = "名";
    for (int n = static_cast<int>(random() % 40); n > 0; --n)
      name += pieces[random() % pieces.size()];
    name = char_left(name, kNameLength);
    if (name.back() == ' ') name.back() = 'x';
    NoticeCode code{};
    for (std::size_t d = 0; d < kCodeDigits; ++d) code[d] = static_cast<std::uint8_t>(random() % 2);
    code[1] = static_cast<std::uint8_t>(1 + random() % 4);
    add_person(table, name,
               {static_cast<i16>(1 + random() % 20000), static_cast<i16>(1 + random() % 12),
                static_cast<i16>(1 + random() % 28)},
               static_cast<i16>(random() % 3 == 0 ? random() % 20001 : 0), code);
  }
  return table;
}

void expect_same_persons(const PersonTable& read, const PersonTable& written) {
  ASSERT_EQ(read.personCount, written.personCount);
  for (i16 p = 1; p <= written.personCount; ++p) {
    const auto at = static_cast<std::size_t>(p);
    SCOPED_TRACE(written.personName[at]);
    EXPECT_EQ(read.personName[at], written.personName[at]);
    EXPECT_EQ(read.personDate[at], written.personDate[at]);
    if (notice_rule_written(written.noticeDays[at], written.noticeCode[at])) {
      EXPECT_EQ(read.noticeDays[at], written.noticeDays[at]);
      EXPECT_EQ(read.noticeCode[at], written.noticeCode[at]);
    } else {
      EXPECT_EQ(read.noticeDays[at], 0);
      EXPECT_EQ(read.noticeCode[at], kDefaultNoticeCode);
    }
  }
}

TEST(RoundTrip, EveryPersonPrefixAndCodeComesBack) {
  struct Row {
    const char* name;
    FileEncoding encoding;
    bool beyond_shift_jis;
  };
  const std::vector<Row> rows = {{"shift_jis", FileEncoding::kCp932, false},
                                 {"utf8", FileEncoding::kUtf8, true}};
  TempFolder folder;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const PersonTable written = random_persons(11, 500, row.beyond_shift_jis);
    std::vector<std::string> lines = data_file_lines(written);
    for (std::string& line : footer_lines()) lines.push_back(line);
    const std::optional<std::string> bytes = encode_lines(lines, row.encoding, true, nullptr);
    ASSERT_TRUE(bytes.has_value());
    const std::string path = folder.file(std::string(row.name) + ".txt");
    write_file_atomically(path, *bytes);

    RecordingReporter reporter;
    ScriptedReadHost host;
    const PersonTable read = testing::read_table(path, host);
    EXPECT_TRUE(reporter.empty());
    EXPECT_TRUE(host.windows.empty());
    EXPECT_EQ(encoding_of(read, path), row.encoding);
    expect_same_persons(read, written);

    // Written again from what was read, the file is the same byte for byte.
    std::vector<std::string> again = data_file_lines(read);
    for (std::string& line : footer_lines()) again.push_back(line);
    EXPECT_EQ(encode_lines(again, row.encoding, true, nullptr), bytes);
  }
}

TEST(RoundTrip, ShiftJisFileOfAnotherProgramKeepsItsBytes) {
  // Wave dash, minus, parallel, not sign and the NEC row 13 characters as CP932 writes them.
  const std::string original =
      testing::sjis_data_file({"～－∥￢①㈱^1990 1 2^", "ｶﾀｶﾅ\\~^1991 2 3^0^13001111000000^"});
  TempFolder folder;
  const std::string path = folder.file("windows.txt");
  testing::write_bytes(path, original);
  ScriptedReadHost host;
  const PersonTable table = testing::read_table(path, host);
  std::vector<std::string> lines = data_file_lines(table);
  EXPECT_EQ(encode_lines(lines, FileEncoding::kCp932, true, nullptr), original);
}

// Runs `check` as an unprivileged user when the tests run as the superuser (who may write
// anywhere); returns false when privileges cannot be dropped here.
bool run_unprivileged(const std::function<bool()>& check, bool& passed) {
  if (::geteuid() != 0) {
    passed = check();
    return true;
  }
  const pid_t child = ::fork();
  if (child < 0) return false;
  if (child == 0) {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
    ::_exit(check() ? 0 : 1);
  }
  int status = 0;
  if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) == 2)
    return false;
  passed = WEXITSTATUS(status) == 0;
  return true;
}

std::vector<std::string> folder_entries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(AtomicWrite, FailuresLeaveTheOldFileAndNoTemporaryFile) {
  struct Row {
    const char* name;
    std::function<void(const std::string& folder, const std::string& target)> prepare;
    bool unprivileged;
    std::int32_t error;
  };
  const std::vector<Row> rows = {
      {"read_only_file",
       [](const std::string& folder, const std::string& target) {
         ::chmod(folder.c_str(), 0777);
         ::chmod(target.c_str(), 0444);
       },
       true, err::kPathFileAccess},
      {"read_only_folder",
       [](const std::string& folder, const std::string&) { ::chmod(folder.c_str(), 0555); }, true,
       err::kPathFileAccess},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TempFolder folder;
    ::chmod(folder.path().c_str(), 0755);
    const std::string target = folder.file("list.txt");
    testing::write_bytes(target, "old contents");
    ::chmod(target.c_str(), 0644);
    row.prepare(folder.path(), target);
    const auto check = [&target, &row]() {
      try {
        write_file_atomically(target, "new contents");
        return false;
      } catch (const RuntimeError& e) {
        return e.number() == row.error;
      }
    };
    bool passed = false;
    if (!run_unprivileged(check, passed)) GTEST_SKIP() << "cannot drop privileges here";
    EXPECT_TRUE(passed);
    EXPECT_EQ(testing::read_bytes(target), "old contents");
    EXPECT_EQ(folder_entries(folder.path()), std::vector<std::string>{"list.txt"});
  }
}

TEST(AtomicWrite, FullDiskLeavesTheOldFile) {
  TempFolder folder;
  const std::string target = folder.file("list.txt");
  testing::write_bytes(target, "old contents");
  // A file size limit makes writes fail past 4 KB as a full disk would.
  struct sigaction ignore {};
  struct sigaction previous {};
  ignore.sa_handler = SIG_IGN;
  ::sigaction(SIGXFSZ, &ignore, &previous);
  rlimit old_limit{};
  ::getrlimit(RLIMIT_FSIZE, &old_limit);
  rlimit small = old_limit;
  small.rlim_cur = 4096;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  std::int32_t error = 0;
  try {
    write_file_atomically(target, std::string(100000, 'x'));
  } catch (const RuntimeError& e) {
    error = e.number();
  }
  ::setrlimit(RLIMIT_FSIZE, &old_limit);
  ::sigaction(SIGXFSZ, &previous, nullptr);
  EXPECT_EQ(error, err::kDiskFull);
  EXPECT_EQ(testing::read_bytes(target), "old contents");
  EXPECT_EQ(folder_entries(folder.path()), std::vector<std::string>{"list.txt"});
}

TEST(AtomicWrite, TargetsThatAreNoFileAreRefused) {
  TempFolder folder;
  std::filesystem::create_directory(folder.file("sub"));
  struct Row {
    const char* name;
    std::string target;
    std::int32_t error;
  };
  const std::vector<Row> rows = {
      {"folder", folder.file("sub"), err::kPathFileAccess},
      {"folder_with_slash", folder.file("sub") + "/", err::kPathFileAccess},
      {"missing_folder", folder.file("none/list.txt"), err::kPathNotFound},
      {"device", "/dev/null", err::kPathFileAccess},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::int32_t error = 0;
    try {
      write_file_atomically(row.target, "x");
    } catch (const RuntimeError& e) {
      error = e.number();
    }
    EXPECT_EQ(error, row.error);
  }
  EXPECT_EQ(folder_entries(folder.path()), std::vector<std::string>{"sub"});
  EXPECT_TRUE(std::filesystem::is_empty(folder.file("sub")));
}

TEST(AtomicWrite, KeepsModeAndWritesThroughLinks) {
  TempFolder folder;
  const std::string target = folder.file("list.txt");
  const std::string link = folder.file("link.txt");
  testing::write_bytes(target, "old");
  ::chmod(target.c_str(), 0640);
  ASSERT_EQ(::symlink("list.txt", link.c_str()), 0);
  write_file_atomically(link, "new");
  EXPECT_EQ(testing::read_bytes(target), "new");
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  struct stat info {};
  ASSERT_EQ(::stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  write_file_atomically(folder.file("fresh.txt"), "");
  EXPECT_EQ(testing::read_bytes(folder.file("fresh.txt")), "");
}

// The temporary file is made beside the file a link names, so the final rename never
// crosses a file system, whichever folder or file system the link itself is in.
TEST(AtomicWrite, LinksToAnotherFolderOrFileSystemAreReplacedWhole) {
  TempFolder here;
  std::vector<std::string> elsewhere{here.file("other")};
  if (std::filesystem::is_directory("/dev/shm")) elsewhere.push_back("/dev/shm");
  for (const std::string& base : elsewhere) {
    SCOPED_TRACE(base);
    std::string pattern = base + "/pelmira-link-XXXXXX";
    if (base == here.file("other")) std::filesystem::create_directory(base);
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const std::string target = pattern + "/list.txt";
    testing::write_bytes(target, "old");
    const std::string link = here.file("link.txt");
    std::filesystem::remove(link);
    ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
    write_file_atomically(link, "new");
    EXPECT_EQ(testing::read_bytes(target), "new");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(folder_entries(pattern), std::vector<std::string>{"list.txt"});
    std::filesystem::remove_all(pattern);
  }
}

TEST(IsDataFile, RecognisesTheHeaderInEitherEncoding) {
  TempFolder folder;
  struct Row {
    const char* name;
    std::string bytes;
    bool data;
  };
  const std::vector<Row> rows = {
      {"shift_jis", testing::sjis_data_file({}), true},
      {"utf8", testing::utf8_data_file({}), true},
      {"utf8_bom", testing::utf8_data_file({}, true), true},
      {"header_alone", std::string(kDataFileHeader), true},
      {"export", "[現在]　2024年\r\n", false},
      {"empty", "", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string path = folder.file(std::string(row.name) + ".txt");
    testing::write_bytes(path, row.bytes);
    EXPECT_EQ(is_data_file(path), row.data);
  }
  EXPECT_FALSE(is_data_file(folder.file("missing.txt")));
  EXPECT_FALSE(is_data_file(folder.path()));
}

}  // namespace
}  // namespace pelmira
