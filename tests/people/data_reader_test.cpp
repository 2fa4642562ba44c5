// Reading data files into the person table: the records as read, the orders and file state a
// read leaves, the correction verdicts, adding reads, the error path and UTF-8 files.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/date_text.h"
#include "core/text.h"
#include "people/data_reader.h"
#include "people/notice_code.h"
#include "people_fixtures.h"
#include "support/recording_reporter.h"

namespace pelmira {
namespace {

using testing::press;
using testing::RecordingReporter;
using testing::ScriptedReadHost;
using testing::TempFolder;

// Answers every correction window with 強制, so that old and odd lines are read as written.
class ForcingHost : public ScriptedReadHost {
 public:
  void show_correction(CorrectionWindow& window) override {
    windows.push_back(window);
    window.press(CorrectionButton::kForce);
  }
};

NoticeCode code_of(const std::string& digits) {
  NoticeCode code{};
  for (std::size_t k = 0; k < digits.size(); ++k)
    code[k] = static_cast<std::uint8_t>(digits[k] - '0');
  return code;
}

const std::string kDefaultCode = "12001111000000";

struct RecordRow {
  const char* name;
  std::string line;
  std::string person_name;
  PersonDate date;
  i16 days;
  std::string code;
};

TEST(Rist02, ReadsEachRecordAsWritten) {
  const std::vector<RecordRow> rows = {
      {"two_fields_take_the_defaults",
       "山田太郎^1990 1 2^",
       "山田太郎",
       {1990, 1, 2},
       0,
       kDefaultCode},
      {"days_and_code",
       "鈴木^1985 12 31^30^13001111000110^",
       "鈴木",
       {1985, 12, 31},
       30,
       "13001111000110"},
      {"prefix_keeps_the_separator", "^3^a^b^1990 1 2^", "a^b", {1990, 1, 2}, 0, kDefaultCode},
      {"two_digit_code_is_widened", "a^1990 1 2^0^10^", "a", {1990, 1, 2}, 0, "10001111000000"},
      {"one_digit_code_is_widened", "a^1990 1 2^3^0^", "a", {1990, 1, 2}, 3, "00011110000000"},
      {"full_width_date", "a^１９９０．１．２^", "a", {1990, 1, 2}, 0, kDefaultCode},
      {"era_letter", "a^H2.1.2^", "a", {1990, 1, 2}, 0, kDefaultCode},
      {"era_name_and_units", "a^令和1年5月1日^", "a", {2019, 5, 1}, 0, kDefaultCode},
      {"short_year_before_the_current_one", "a^'98 1 2^", "a", {1998, 1, 2}, 0, kDefaultCode},
      {"forty_characters_cut_to_31",
       "一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十^2000 1 1^",
       "一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一",
       {2000, 1, 1},
       0,
       kDefaultCode},
      {"days_without_code_take_the_defaults", "a^1990 1 2^5^", "a", {1990, 1, 2}, 0, kDefaultCode},
      {"fifth_field_is_ignored",
       "a^1990 1 2^7^13001111000000^x^",
       "a",
       {1990, 1, 2},
       7,
       "13001111000000"},
      {"non_digit_in_code_reads_zero",
       "a^1990 1 2^0^1x001111000000^",
       "a",
       {1990, 1, 2},
       0,
       "10001111000000"},
      {"lone_line_feed_stays_in_the_name", "a\nb^1990 1 2^", "a\nb", {1990, 1, 2}, 0, kDefaultCode},
      {"days_rounded_half_to_even",
       "a^1990 1 2^2.5^13001111000000^",
       "a",
       {1990, 1, 2},
       2,
       "13001111000000"},
      {"month_and_day_alone_leave_year_zero", "a^5月3日^", "a", {0, 5, 3}, 0, kDefaultCode},
  };
  TempFolder folder;
  for (const RecordRow& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string path = folder.file(std::string(row.name) + ".txt");
    testing::write_bytes(path, testing::sjis_data_file({row.line}));
    RecordingReporter reporter;
    ForcingHost host;
    const PersonTable table = testing::read_table(path, host);
    ASSERT_EQ(table.personCount, 1);
    EXPECT_EQ(testing::name_of(table, 1), row.person_name);
    EXPECT_EQ(char_count(table.personName[1]), kNameLength);
    EXPECT_EQ(table.personDate[1], row.date);
    EXPECT_EQ(table.noticeDays[1], row.days);
    EXPECT_EQ(table.noticeCode[1], code_of(row.code));
    EXPECT_TRUE(reporter.empty());
  }
}

TEST(Rist02, LeavesOrdersTerminatorsAndFileState) {
  TempFolder folder;
  const std::string path = folder.file("list.txt");
  testing::write_bytes(path, testing::sjis_data_file({"a^1990 1 2^", "'comment", "", "b^1991 2 3^",
                                                      "free text", "c^1992 3 4^"}));
  PersonTable table;
  table.changed = 1;
  ScriptedReadHost host;
  ASSERT_TRUE(rist02(table, testing::test_state(), path, -1, host));
  EXPECT_EQ(table.personCount, 3);
  EXPECT_EQ(table.loadOrder, (std::vector<i16>{0, 1, 2, 3, 0}));
  EXPECT_EQ(table.viewOrder[0], (std::vector<i16>{0, 1, 2, 3, 0}));
  EXPECT_EQ(table.viewOrder[1], (std::vector<i16>{0, 3, 2, 1, 0}));
  EXPECT_EQ(table.upper_bound(), 4);
  EXPECT_EQ(table.changed, 0);
  EXPECT_EQ(table.current_path, path);
  EXPECT_EQ(table.current_folder, folder.path());
  EXPECT_EQ(table.open_files_text, "\r\n" + path);
  EXPECT_EQ(table.open_files_count, 1);
  EXPECT_EQ(encoding_of(table, path), FileEncoding::kCp932);
  EXPECT_TRUE(can_overwrite_current_file(table));
  EXPECT_EQ(host.recent, std::vector<std::string>{path});
  EXPECT_EQ(host.busy_changes, (std::vector<bool>{true, false}));
  EXPECT_TRUE(host.windows.empty());
  EXPECT_EQ(open_files_message(table), "現在開いているファイル　1\r\n\r\n\r\n" + path);
}

TEST(Rist02, ClearingTheListForgetsTheFiles) {
  TempFolder folder;
  const std::string path = folder.file("list.txt");
  testing::write_bytes(path, testing::sjis_data_file({"a^1990 1 2^"}));
  ScriptedReadHost host;
  PersonTable table;
  table.current_path = initial_current_path(folder.path());
  EXPECT_EQ(open_dialog_file_name(table), "");
  ASSERT_TRUE(rist02(table, testing::test_state(), path, -1, host));
  EXPECT_EQ(open_dialog_file_name(table), path);
  table.deletion_counter = 3;
  clear_list(table);
  EXPECT_EQ(table.personCount, 0);
  EXPECT_EQ(table.deletion_counter, 0);
  EXPECT_EQ(table.upper_bound(), 1);
  EXPECT_EQ(open_files_message(table), "現在開いているファイルはありません。");
  EXPECT_EQ(table.current_path, path);  // the next dialog still starts there
}

TEST(Rist02, FileOfCommentsAndBlankLinesGivesAnEmptyList) {
  TempFolder folder;
  const std::string path = folder.file("empty.txt");
  testing::write_bytes(path,
                       testing::sjis_data_file({"'comment", "", "'PelmiraVer1.0.0より出力。"}));
  ScriptedReadHost host;
  const PersonTable table = testing::read_table(path, host);
  EXPECT_EQ(table.personCount, 0);
  EXPECT_EQ(table.viewOrder[0][1], 0);
  EXPECT_EQ(table.current_path, path);
  EXPECT_EQ(host.recent.size(), 1u);
}

TEST(Rist02, CorrectionVerdictsDecideTheBadLine) {
  struct Row {
    const char* name;
    std::vector<ScriptedReadHost::Step> steps;
    std::vector<std::string> names;
  };
  const std::vector<Row> rows = {
      {"skip", {press(CorrectionButton::kSkip)}, {"a", "b", "d"}},
      {"stop_keeps_the_persons_before", {press(CorrectionButton::kStop)}, {"a", "b"}},
      {"recheck_after_an_edit",
       {press(CorrectionButton::kRecheck, "c^1993 4 5^")},
       {"a", "b", "c", "d"}},
      {"force_reads_what_it_can", {press(CorrectionButton::kForce)}, {"a", "b", "c", "d"}},
  };
  TempFolder folder;
  const std::string path = folder.file("verdicts.txt");
  testing::write_bytes(
      path, testing::sjis_data_file({"a^1990 1 2^", "b^1991 2 3^", "c^1993 4^", "d^1994 5 6^"}));
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ScriptedReadHost host;
    host.steps.assign(row.steps.begin(), row.steps.end());
    const PersonTable table = testing::read_table(path, host);
    std::vector<std::string> names;
    for (i16 p = 1; p <= table.personCount; ++p) names.push_back(testing::name_of(table, p));
    EXPECT_EQ(names, row.names);
    EXPECT_EQ(host.windows.size(), 1u);
    EXPECT_EQ(table.current_path, path);  // also a stopped read counts as read
  }
}

TEST(Rist02, AddingReadsExtendTheList) {
  TempFolder folder;
  std::vector<std::string> paths;
  for (int k = 1; k <= 3; ++k) {
    paths.push_back(folder.file("f" + std::to_string(k) + ".txt"));
    testing::write_bytes(
        paths.back(),
        testing::sjis_data_file({"p" + std::to_string(k) + "^2000 1 " + std::to_string(k) + "^"}));
  }
  PersonTable table;
  ScriptedReadHost host;
  ASSERT_TRUE(read_files_adding(table, testing::test_state(), paths, host));
  EXPECT_EQ(table.personCount, 3);
  EXPECT_EQ(testing::name_of(table, 3), "p3");
  EXPECT_EQ(table.open_files_count, 3);
  EXPECT_EQ(table.open_files_text, "\r\n" + paths[0] + "\r\n" + paths[1] + "\r\n" + paths[2]);
  EXPECT_FALSE(can_overwrite_current_file(table));
  EXPECT_EQ(table.viewOrder[1], (std::vector<i16>{0, 3, 2, 1, 0}));

  // A replacing read starts the open files again.
  table.append = 0;
  ASSERT_TRUE(rist02(table, testing::test_state(), paths[1], -1, host));
  EXPECT_EQ(table.personCount, 1);
  EXPECT_EQ(table.open_files_count, 1);
  EXPECT_EQ(table.open_files_text, "\r\n" + paths[1]);
}

TEST(Rist02, AddingAfterDeletionsShowsTheNewPersons) {
  TempFolder folder;
  const std::string first = folder.file("first.txt");
  const std::string second = folder.file("second.txt");
  testing::write_bytes(first,
                       testing::sjis_data_file({"a^1990 1 1^", "b^1990 1 2^", "c^1990 1 3^"}));
  testing::write_bytes(second, testing::sjis_data_file({"d^1990 1 4^", "e^1990 1 5^"}));
  ScriptedReadHost host;
  PersonTable table = testing::read_table(first, host);
  // Person 2 deleted: the shown order lists 1 and 3 only.
  table.deletedMark[2] = 1;
  table.deletion_counter = 1;
  table.viewOrder[0] = {0, 1, 3, 0, 0};
  st9(table, 0);
  table.append = 1;
  ASSERT_TRUE(rist02(table, testing::test_state(), second, -1, host));
  EXPECT_EQ(table.personCount, 5);
  EXPECT_EQ(table.loadOrder, (std::vector<i16>{0, 1, 2, 3, 4, 5, 0}));
  EXPECT_EQ(order_length(table.viewOrder[0]), 4);
  EXPECT_EQ(std::vector<i16>(table.viewOrder[0].begin(), table.viewOrder[0].begin() + 6),
            (std::vector<i16>{0, 1, 3, 4, 5, 0}));
  EXPECT_EQ(std::vector<i16>(table.viewOrder[1].begin(), table.viewOrder[1].begin() + 6),
            (std::vector<i16>{0, 5, 4, 3, 1, 0}));
  EXPECT_EQ(table.deletedMark[2], 1);  // still undoable
}

struct FailureRow {
  const char* name;
  std::string file;   // relative to the folder; "" for the folder itself
  std::string bytes;  // written unless empty and `write` is false
  bool write;
  std::int32_t error;
};

TEST(Rist02, FailedReadsReportAndLeaveTheListAsItWas) {
  const std::vector<FailureRow> rows = {
      {"missing_file", "missing.txt", "", false, 53},
      {"folder", "", "", false, 75},
      {"wrong_header", "other.txt", "Pelmira年齢計算用リスト2\r\na^1990 1 2^\r\n", true, 321},
      {"empty_file", "empty.txt", "", true, 62},
  };
  TempFolder folder;
  for (const FailureRow& row : rows) {
    for (const std::uint8_t append : {0, 1}) {
      SCOPED_TRACE(std::string(row.name) + (append ? " adding" : " replacing"));
      const std::string path = row.file.empty() ? folder.path() : folder.file(row.file);
      if (row.write) testing::write_bytes(path, row.bytes);
      const std::string good = folder.file("good.txt");
      testing::write_bytes(good, testing::sjis_data_file({"a^1990 1 2^", "b^1991 2 3^"}));
      ScriptedReadHost host;
      PersonTable table = testing::read_table(good, host);
      table.changed = 1;
      table.append = append;
      const PersonTable before = table;
      host.recent.clear();
      RecordingReporter reporter;
      EXPECT_FALSE(rist02(table, testing::test_state(), path, -1, host));
      ASSERT_EQ(reporter.reports().size(), 1u);
      EXPECT_EQ(reporter.reports()[0].number, row.error);
      EXPECT_EQ(reporter.reports()[0].place, "rist02");
      EXPECT_EQ(reporter.reports()[0].lines[4], "　ファイル名　" + path);
      EXPECT_EQ(table.personCount, before.personCount);
      EXPECT_EQ(table.personName, before.personName);
      EXPECT_EQ(table.viewOrder, before.viewOrder);
      EXPECT_EQ(table.changed, 1);
      EXPECT_EQ(table.current_path, good);
      EXPECT_EQ(table.open_files_count, 1);
      EXPECT_TRUE(host.recent.empty());
      EXPECT_TRUE(host.questions.empty());
    }
  }
}

TEST(Rist02, FailedReadFromTheHistoryOffersToRemoveTheEntry) {
  TempFolder folder;
  const std::string path = folder.file("gone.txt");
  for (const bool yes : {false, true}) {
    SCOPED_TRACE(yes ? "yes" : "no");
    RecordingReporter reporter;
    ScriptedReadHost host;
    host.answer_yes = yes;
    PersonTable table;
    EXPECT_FALSE(rist02(table, testing::test_state(), path, 2, host));
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0],
              "Pelmira(開く)|履歴からファイルを開こうとしてエラーが発生しました。\r\n\r\n"
              "ファイル名　" +
                  path + "\r\n\r\n履歴からこの項目を削除しますか？");
    EXPECT_EQ(host.removed, yes ? std::vector<i16>{2} : std::vector<i16>{});
  }
}

TEST(Rist02, ReadsUtf8FilesAndRemembersTheirEncoding) {
  struct Row {
    const char* name;
    std::string bytes;
    FileEncoding encoding;
  };
  const std::vector<std::string> lines = {"𠮷野家^1990 1 2^", "髙橋〜^1991 2 3^"};
  const std::vector<Row> rows = {
      {"utf8", testing::utf8_data_file(lines), FileEncoding::kUtf8},
      {"utf8_with_byte_order_mark", testing::utf8_data_file(lines, true), FileEncoding::kUtf8},
      {"shift_jis", testing::sjis_data_file({"髙橋^1990 1 2^", "～^1991 2 3^"}),
       FileEncoding::kCp932},
  };
  TempFolder folder;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string path = folder.file(std::string(row.name) + ".txt");
    testing::write_bytes(path, row.bytes);
    RecordingReporter reporter;
    ScriptedReadHost host;
    const PersonTable table = testing::read_table(path, host);
    EXPECT_TRUE(reporter.empty());
    EXPECT_EQ(table.personCount, 2);
    EXPECT_EQ(encoding_of(table, path), row.encoding);
  }
  ScriptedReadHost host;
  const PersonTable table = testing::read_table(folder.file("utf8.txt"), host);
  EXPECT_EQ(testing::name_of(table, 1), "𠮷野家");
  EXPECT_EQ(testing::name_of(table, 2), "髙橋〜");
}

TEST(Rist02, ForcedLinesBeyondSixteenBitsAreLeftOutOneByOne) {
  struct Row {
    const char* name;
    std::string line;
    std::string reason;
  };
  const std::vector<Row> rows = {
      {"date_group", "x^40000 1 2^", "年月日の数値が大き過ぎます。"},
      {"year_normalised_past_the_limit", "x^32000 30000 2^", "年月日の数値が大き過ぎます。"},
      {"era_year", "x^H32000.1.2^", "年月日の数値が大き過ぎます。"},
      {"days", "x^1990 1 2^40000^12001111000000^", "日数の数値が大き過ぎます。"},
      {"negative_days", "x^1990 1 2^-40000^12001111000000^", "日数の数値が大き過ぎます。"},
      {"code_of_17_digits", "x^1990 1 2^0^12001111000000000^",
       "「Lunoka」用データが16桁を超えています。"},
  };
  TempFolder folder;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string path = folder.file(std::string(row.name) + ".txt");
    testing::write_bytes(path, testing::sjis_data_file({"a^1990 1 2^", row.line, "b^1991 2 3^"}));
    RecordingReporter reporter;
    ForcingHost host;
    const PersonTable table = testing::read_table(path, host);
    EXPECT_EQ(table.personCount, 2);
    EXPECT_EQ(testing::name_of(table, 2), "b");
    ASSERT_EQ(reporter.reports().size(), 1u);
    EXPECT_EQ(reporter.reports()[0].number, err::kOverflow);
    EXPECT_EQ(reporter.places(), std::vector<std::string>{"rist02"});
    EXPECT_EQ(reporter.reports()[0].lines[2],
              "　エラー内容　3行目: " + row.reason + "この行は読み込みませんでした。");
    EXPECT_TRUE(table.partial_read);
    EXPECT_FALSE(can_overwrite_current_file(table));
  }
}

TEST(Rist02, ForcedLinesWithinSixteenBitsAreRead) {
  TempFolder folder;
  const std::string path = folder.file("wide.txt");
  testing::write_bytes(path, testing::sjis_data_file({"x^30000 1 2^32767^12001111000000^"}));
  RecordingReporter reporter;
  ForcingHost host;
  const PersonTable table = testing::read_table(path, host);
  ASSERT_EQ(table.personCount, 1);
  EXPECT_EQ(table.personDate[1], (PersonDate{30000, 1, 2}));
  EXPECT_EQ(table.noticeDays[1], 32767);
  EXPECT_TRUE(reporter.empty());
}

TEST(Rist03, ReadsTheStartUpFileOnlyWhenSetUp) {
  TempFolder folder;
  const std::string path = folder.file("start.txt");
  testing::write_bytes(path, testing::sjis_data_file({"a^1990 1 2^"}));
  struct Row {
    const char* name;
    i16 listdata1;
    std::string listdata;
    bool refresh;
    i16 persons;
  };
  const std::vector<Row> rows = {
      {"switched_off", 0, path, false, 0},
      {"no_file_named", 1, "", false, 0},
      {"read", 1, path, true, 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    PersonTable table;
    ScriptedReadHost host;
    EXPECT_EQ(rist03(table, testing::test_state(), row.listdata1, row.listdata, host), row.refresh);
    EXPECT_EQ(table.personCount, row.persons);
  }
}

// Dates of digits and separators, the form nearly every stored date has, are read as the date
// box's reader reads them, whether they are in range or not.
TEST(PersonValues, PlainDatesAsTheDateReaderReadsThem) {
  std::vector<std::string> texts = {"1990 1 2",    "1990/12/31",  "1990.1.2",  "1990-1-2",
                                    " 1990  1 2 ", "2000 2 30",   "1990 13 2", "1990 1 32",
                                    "0 1 1",       "9999 12 31",  "10000 1 1", "1990 1",
                                    "1990 1 2 3",  "01990 01 02", "'90 1 2",   "1990 0 5"};
  std::mt19937 random(7);
  const std::string alphabet = "0123456789 /.-'";
  for (int k = 0; k < 2000; ++k) {
    std::string text;
    for (int n = 1 + static_cast<int>(random() % 14); n > 0; --n)
      text += alphabet[random() % alphabet.size()];
    texts.push_back(text);
  }
  const ProgramState state = testing::test_state();
  for (const std::string& text : texts) {
    SCOPED_TRACE("\"" + text + "\"");
    i16 year = 0, month = 0, day = 0;
    bool reader_reported = false;
    {
      RecordingReporter reporter;
      bnsk(state, text, year, month, day, 0);
      reader_reported = !reporter.empty();
    }
    RecordingReporter reporter;
    PersonValues values;
    try {
      values = person_values(state, RecordFields{"a", text, std::nullopt, std::nullopt});
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.number(), err::kOverflow);  // refused before the reader could overflow
      continue;
    }
    EXPECT_EQ(!reporter.empty(), reader_reported);
    EXPECT_EQ(values.date, (PersonDate{year, month, day}));
  }
}

}  // namespace
}  // namespace pelmira
