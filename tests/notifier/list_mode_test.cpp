// `lunoka --list`: the arguments, the lines printed, the exit status, and that it writes no
// setting.

#include "notifier/list_mode.h"

#include <gtest/gtest.h>

#include <sstream>

#include "notifier/notifier_fixtures.h"
#include "settings/setting_values.h"
#include "support/test_folder.h"

namespace pelmira {
namespace {

using testing::cp932_data_file;
using testing::kMonday;
using testing::TestFolder;

struct ListRun {
  int status;
  std::string out, err;
};

ListRun run(const std::vector<std::string>& args, const SettingsStore& store) {
  std::ostringstream out, err;
  const int status = run_list_mode(args, store, kMonday, out, err);
  return {status, out.str(), err.str()};
}

TEST(ListOptions, Parsing) {
  struct Row {
    const char* name;
    std::vector<std::string> args;
    bool ok;
    std::string folder;
    std::optional<CalendarDate> date;
  };
  const Row rows[] = {
      {"nothing", {}, true, ".", std::nullopt},
      {"folder", {"/data"}, true, "/data", std::nullopt},
      {"date_then_folder", {"--date", "2024-02-29", "d"}, true, "d", CalendarDate{2024, 2, 29}},
      {"folder_then_date", {"d", "--date=2024-2-9"}, true, "d", CalendarDate{2024, 2, 9}},
      {"date_missing", {"--date"}, false, "", std::nullopt},
      {"date_that_does_not_exist", {"--date", "2023-02-29"}, false, "", std::nullopt},
      {"year_zero", {"--date", "0-01-01"}, false, "", std::nullopt},
      {"slashes", {"--date", "2024/02/29"}, false, "", std::nullopt},
      {"trailing_text", {"--date", "2024-02-29x"}, false, "", std::nullopt},
      {"huge_year", {"--date", "99999-01-01"}, false, "", std::nullopt},
      {"two_folders", {"a", "b"}, false, "", std::nullopt},
      {"unknown_option", {"--quiet"}, false, "", std::nullopt},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    std::string error;
    const std::optional<ListOptions> options = parse_list_options(r.args, error);
    ASSERT_EQ(options.has_value(), r.ok) << error;
    if (!options) {
      EXPECT_FALSE(error.empty());
      continue;
    }
    EXPECT_EQ(options->folder, r.folder);
    ASSERT_EQ(options->date.has_value(), r.date.has_value());
    if (r.date) {
      EXPECT_EQ(options->date->year, r.date->year);
      EXPECT_EQ(options->date->month, r.date->month);
      EXPECT_EQ(options->date->day, r.date->day);
    }
  }
}

TEST(ListMode, PrintsTheWindowsLines) {
  TestFolder folder;
  folder.write("a.txt", cp932_data_file({"十日後^1990 12 17^10^02001111000000^", "今日^1990 12 7^",
                                         "三日後^1990 12 10^7^02001111000000^"}));
  MemorySettingsStore store;
  const ListRun r = run({folder.path()}, store);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "今日" + std::string(20, ' ') +
                       "    36歳の誕生日\n\n     3日後  三日後\n    10日後  十日後\n");
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(store.write_count(), 0);

  // Another day, and a day with nothing due.
  EXPECT_EQ(run({"--date", "2026-12-17", folder.path()}, store).out, "十日後\n");
  const ListRun nothing = run({"--date", "2026-12-18", folder.path()}, store);
  EXPECT_EQ(nothing.status, 0);
  EXPECT_EQ(nothing.out, "");
}

TEST(ListMode, FollowsTheHolidaySetting) {
  TestFolder folder;
  MemorySettingsStore store;
  EXPECT_EQ(run({"--date", "2026-11-23", folder.path()}, store).out, "勤労感謝の日\n");
  write_text(store, setting::kShowHoliday, "0");
  const int writes = store.write_count();
  EXPECT_EQ(run({"--date", "2026-11-23", folder.path()}, store).out, "");
  EXPECT_EQ(store.write_count(), writes);
}

// The stored choice for 29 February birthdays reaches the list; a text that is no choice
// keeps them to leap years.
TEST(ListMode, FollowsTheLeapDaySetting) {
  TestFolder folder;
  folder.write("a.txt", cp932_data_file({"閏^2000 2 29^0^02001111000000^"}));
  struct LeapDayListRow {
    const char* stored;
    std::string on_28_february, on_1_march;
  };
  const LeapDayListRow rows[] = {
      {"0", "", ""}, {"1", "閏\n", ""}, {"2", "", "閏\n"}, {"x", "", ""}};
  for (const LeapDayListRow& r : rows) {
    SCOPED_TRACE(r.stored);
    MemorySettingsStore store;
    write_text(store, setting::kShowHoliday, "0");
    write_text(store, setting::kLeapDayBirthday, r.stored);
    EXPECT_EQ(run({"--date", "2027-2-28", folder.path()}, store).out, r.on_28_february);
    EXPECT_EQ(run({"--date", "2027-3-1", folder.path()}, store).out, r.on_1_march);
  }
}

TEST(ListMode, LeavesTheTestDateAlone) {
  TestFolder folder;
  folder.write("a.txt", cp932_data_file({"x^1990 12 7^0^02001111000000^"}));
  MemorySettingsStore store;
  write_text(store, setting::kTestYear, "2026");
  write_text(store, setting::kTestMonth, "1");
  write_text(store, setting::kTestDay, "1");
  EXPECT_EQ(run({folder.path()}, store).out, "x\n");  // today, not the test date
  EXPECT_EQ(read_text(store, setting::kTestYear), "2026");
}

TEST(ListMode, AReadErrorPrintsItsBoxOnStandardError) {
  TestFolder folder;
  folder.write("a.txt", cp932_data_file({"x^1990 12 7^", "y^1990 12 7"}));
  MemorySettingsStore store;
  const ListRun r = run({folder.path()}, store);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err.find('\r'), std::string::npos);
  EXPECT_NE(r.err.find("データを読込中にエラーが発生しました。\n\nエラー番号　5\n"),
            std::string::npos);
  EXPECT_NE(r.err.find("ファイル名 a.txt\nデータ内容 y^1990 12 7\n"), std::string::npos);

  folder.write("a.txt", cp932_data_file({"y^99999 12 7^"}));
  const ListRun overflow = run({folder.path()}, store);
  EXPECT_EQ(overflow.status, 1);
  EXPECT_EQ(overflow.err.rfind("ｴﾗｰ 6\nオーバーフローしました。\n", 0), 0u);

  const ListRun missing = run({folder.path() + "/none"}, store);
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("エラー番号　76\n"), std::string::npos);
}

TEST(ListMode, UsageErrors) {
  MemorySettingsStore store;
  const ListRun r = run({"--date", "tomorrow"}, store);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("usage: lunoka --list"), std::string::npos);
  EXPECT_EQ(run({"--help"}, store).status, 0);
}

TEST(TerminalText, LineEnds) {
  EXPECT_EQ(terminal_text("a\rb\r\nc\r"), "a\nb\nc\n");
  EXPECT_EQ(terminal_text("plain"), "plain");
}

}  // namespace
}  // namespace pelmira
