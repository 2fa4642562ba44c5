// Reading the data files of a folder: which files, which encodings, which lines, the hits
// found, and every way a read stops with its box.

#include "notifier/data_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "notifier/data_line.h"
#include "notifier/hit_list.h"
#include "support/file_permissions.h"
#include "support/test_folder.h"

namespace pelmira {
namespace {

using testing::cp932;
using testing::TestFolder;

const NotifierToday kToday = NotifierToday::of(2026, 12, 7);
const std::string kHeader = "Pelmira年齢計算用リスト";

// A data file in CP932 with CR LF line ends.
std::string cp932_file(std::initializer_list<std::string> lines) {
  std::string text = kHeader + "\r\n";
  for (const std::string& line : lines) text += line + "\r\n";
  return cp932(text);
}

HitCollection read(const TestFolder& folder) {
  HitCollection collection;
  read_data_files(folder.path(), kToday, saijitu(kToday.year), LeapDayMove::kLeapYearsOnly,
                  collection);
  return collection;
}

std::vector<std::string> hit_lines(const HitCollection& c) {
  std::vector<std::string> lines;
  for (const Hit& hit : c.hits) lines.push_back(hit.line);
  return lines;
}

TEST(TextFiles, ListedAsAFileListShowsThem) {
  TestFolder folder;
  for (const char* name :
       {"b.txt", "A.txt", "c.TXT", "a2.txt", ".hidden.txt", "x.text", "txt", "notes.txt.bak"})
    folder.write(name, "");
  folder.make_folder("dir.txt");
  std::filesystem::create_symlink(folder.path() + "/b.txt", folder.path() + "/link.txt");
  std::filesystem::create_symlink(folder.path() + "/gone", folder.path() + "/dangling.txt");
  EXPECT_EQ(text_file_names(folder.path()),
            (std::vector<std::string>{"A.txt", "a2.txt", "b.txt", "c.TXT", "link.txt"}));
}

TEST(TextFiles, AFolderThatCannotBeListed) {
  TestFolder folder;
  EXPECT_THROW(text_file_names(folder.path() + "/missing"), RuntimeError);
  HitCollection c;
  read_data_files(folder.path() + "/missing", kToday, {}, LeapDayMove::kLeapYearsOnly, c);
  ASSERT_TRUE(c.failure);
  EXPECT_NE(c.failure->text.find("エラー番号　76\r"), std::string::npos);
}

TEST(DataFiles, EncodingsAndCounts) {
  TestFolder folder;
  folder.write("1-cp932.txt",
               cp932_file({"山田太郎^1990 12 7^", "'コメント^1990 12 7^", "区切りの無い行", "",
                           "ソ表能^1990 12 7^0^02001111000000^"}));
  folder.write("2-utf8-bom.txt", "\xEF\xBB\xBF" + kHeader + "\r\n髙橋^1990 12 7^\r\n");
  folder.write("3-utf8.txt", kHeader + "\r\n🎂^1990 12 7^0^02^");
  folder.write("4-lf-only.txt", kHeader + "\n山田^1990 12 7^\n");  // as editors write them
  folder.write("5-not-data.txt", "hello\r\n山田^1990 12 7^\r\n");
  folder.write("6-empty.txt", "");
  folder.write("7-header-only.txt", cp932(kHeader));
  const HitCollection c = read(folder);
  ASSERT_FALSE(c.failure) << c.failure->text;
  EXPECT_EQ(hit_lines(c),
            (std::vector<std::string>{"山田太郎" + std::string(16, ' ') + "    36歳の誕生日",
                                      "ソ表能", "髙橋" + std::string(20, ' ') + "    36歳の誕生日",
                                      "🎂", "山田" + std::string(20, ' ') + "    36歳の誕生日"}));
  EXPECT_EQ(c.counts.text_files, 7);
  EXPECT_EQ(c.counts.data_files, 5);  // cp932, the three UTF-8 files and the header-only one
  EXPECT_EQ(c.counts.data_lines, 5);
  EXPECT_EQ(c.counts.hits, 5);
}

TEST(DataFiles, NamesAndFields) {
  struct Row {
    const char* name;
    std::string line;  // UTF-8, written in CP932
    std::optional<std::string> hit;
  };
  const Row rows[] = {
      {"length_prefix_keeps_a_caret", "^3^a^b^1990 12 7^0^02001111000000^", "a^b"},
      {"length_prefix_counts_characters", "^2^山^^1990 12 7^0^02001111000000^", "山^"},
      {"trail_byte_0x5e_is_not_a_separator", "与^1990 12 7^0^02001111000000^", "与"},
      {"two_fields_take_the_default_code", "x^1990 12 7^",
       "x" + std::string(23, ' ') + "    36歳の誕生日"},
      {"short_code_digits_read_as_zero", "x^2000 12 7^0^1^", std::nullopt},
      {"code_read_by_characters_not_fields", "x^1990 12 8^1^0^2^", std::nullopt},
      {"notice_days_with_blanks", "x^1990 12 10^ 1 0 ^02001111000000^", "     3日後  x"},
      {"notice_days_not_a_number", "x^1990 12 10^abc^02001111000000^", std::nullopt},
      {"five_separators", "x^1990 12 7^0^02001111000000^extra^", "x"},
      {"code_of_wide_characters", "x^1990 12 7^0^０２００１１１１００００００^", std::nullopt},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    TestFolder folder;
    folder.write("a.txt", cp932_file({r.line}));
    const HitCollection c = read(folder);
    ASSERT_FALSE(c.failure) << c.failure->text;
    if (r.hit) {
      EXPECT_EQ(hit_lines(c), std::vector<std::string>{*r.hit});
    } else {
      EXPECT_TRUE(c.hits.empty());
    }
  }
}

TEST(DataFiles, ReadErrorsStopTheReadWithTheirBox) {
  struct Row {
    const char* name;
    std::string line;
    int error;
  };
  const Row rows[] = {
      {"single_separator", "山田^1990 12 7", 5},
      {"six_separators", "x^1990 12 7^0^02001111000000^a^b^", 9},
      {"zero_year", "x^0 12 7^", 5},
      {"missing_day", "x^1990 12^", 5},
      {"no_date", "x^^", 5},
      {"notice_days_overflow", "x^1990 12 7^99999^02001111000000^", 6},
      {"bad_length_prefix", "^-5^abc^1990 12 7^", 5},
      {"prefix_without_end", "^3abc", 5},
      {"prefix_longer_than_the_line", "^40^abc^1990 12 7^", 5},
      {"month_13_in_a_yearly_rule", "x^1990 13 7^", 9},
      {"empty_name_reads_as_a_length_prefix", "^1990 12 7^0^02001111000000^", 6},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    TestFolder folder;
    folder.write("a.txt",
                 cp932_file({"早い^1990 12 7^0^02001111000000^", r.line, "後^1990 12 7^"}));
    folder.write("b.txt", cp932_file({"次のファイル^1990 12 7^"}));
    const HitCollection c = read(folder);
    ASSERT_TRUE(c.failure);
    EXPECT_FALSE(c.failure->by_date_reader);
    const std::string expected_start =
        "データを読込中にエラーが発生しました。\r\r"
        "エラー番号　" +
        std::to_string(r.error) + "\r";
    EXPECT_EQ(c.failure->text.substr(0, expected_start.size()), expected_start);
    EXPECT_NE(c.failure->text.find("\rファイル名 a.txt\rデータ内容 " + r.line + "\r"),
              std::string::npos)
        << c.failure->text;
    EXPECT_EQ(hit_lines(c), std::vector<std::string>{"早い"});  // reading stopped there
  }
}

TEST(DataFiles, TheReadErrorBoxWordForWord) {
  TestFolder folder;
  folder.write("a.txt", cp932_file({"山田^1990 12 7"}));
  const HitCollection c = read(folder);
  ASSERT_TRUE(c.failure);
  EXPECT_EQ(c.failure->text,
            "データを読込中にエラーが発生しました。\r"
            "\r"
            "エラー番号　5\r"
            "エラー内容　プロシージャの呼び出し、または引数が不正です。\r"
            "発生場所　　Lunoka(a02)\r"
            "\r"
            "ファイル名 a.txt\r"
            "データ内容 山田^1990 12 7\r"
            "\r"
            "データの内容を確認して下さい。\r"
            "このエラーが回避出来ない時には、作者に聞いて下さい。\r"
            "強制終了します。\r");
  EXPECT_EQ(c.counts.data_lines, 1);
}

TEST(DataFiles, TheDateReadersOwnBoxes) {
  TestFolder folder;
  folder.write("a.txt", cp932_file({"x^99999 12 7^"}));
  HitCollection c = read(folder);
  ASSERT_EQ(c.alerts.size(), 1u);
  EXPECT_EQ(c.alerts[0].text, "ｴﾗｰ 6\rオーバーフローしました。");
  ASSERT_TRUE(c.failure);  // the year stays 0
  EXPECT_FALSE(c.failure->by_date_reader);

  folder.write("a.txt", cp932_file({"x^1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18^"}));
  c = read(folder);
  ASSERT_TRUE(c.failure);
  EXPECT_TRUE(c.failure->by_date_reader);
  EXPECT_EQ(c.failure->text, "ｴﾗｰ 9\r予期しないエラーが発生しました。\r強制終了します。");
}

TEST(DataFiles, HostileFiles) {
  TestFolder folder;
  std::string garbage;
  for (int i = 0; i < 70000; ++i) garbage += static_cast<char>((i * 7919 + 13) % 256);
  folder.write("binary.txt", garbage);
  folder.write("nul.txt", std::string("\0\0\0\r\n", 5));
  // A data file whose lines are garbage without separators, invalid CP932, NUL bytes and a
  // lone LF inside a line.
  folder.write("z.txt", cp932(kHeader) + "\r\n\x81\x81\xff\xfe\r\n" +
                            std::string("\0x^1990 12 7^0^02^", 18) + "\r\n" +
                            cp932("名\n前^1990 12 7^") + "\r" + "\x80\xA0^1990 12 7^\r\n");
  const int fifo = ::mkfifo((folder.path() + "/pipe.txt").c_str(), 0600);
  ASSERT_EQ(fifo, 0);
  const HitCollection c = read(folder);
  ASSERT_FALSE(c.failure) << c.failure->text;
  ASSERT_EQ(hit_lines(c).size(), 3u);
  EXPECT_EQ(c.hits[0].line, std::string("\0x", 2));
  EXPECT_EQ(c.hits[1].line.substr(0, 7), "名\n前");
  EXPECT_EQ(c.hits[2].line.substr(0, 6), "\xEF\xBF\xBD\xEF\xBF\xBD");  // two U+FFFD
  EXPECT_EQ(c.counts.text_files, 3);                                   // the pipe is no file
}

TEST(DataFiles, LfFilesAsEditorsWriteThemAreReadLineByLine) {
  TestFolder folder;
  folder.write("lf.txt", "Pelmira年齢計算用リスト\n山田^1990 12 7^\n鈴木^1990 12 7^\r\n");
  folder.write("crlf.txt", cp932(kHeader) + "\r\n" + cp932("佐\n藤^1990 12 7^") + "\r\n");
  const HitCollection c = read(folder);
  ASSERT_FALSE(c.failure) << c.failure->text;
  ASSERT_EQ(c.hits.size(), 3u);
  EXPECT_EQ(c.hits[0].line.substr(0, 7), "佐\n藤");  // a lone LF stays in a CR LF file's line
  EXPECT_EQ(c.hits[1].line.substr(0, 6), "山田");
  EXPECT_EQ(c.hits[2].line.substr(0, 6), "鈴木");
}

// The mode bits bind root as well, so the test runs under every user.
TEST(DataFiles, AnUnreadableFileStopsTheRead) {
  TestFolder folder;
  const std::string path = folder.write("a.txt", cp932_file({"x^1990 12 7^"}));
  ASSERT_EQ(::chmod(path.c_str(), 0), 0);
  const testing::PermissionBitsBindRoot bits_bind;
  ASSERT_TRUE(bits_bind.ok());
  const HitCollection c = read(folder);
  ASSERT_TRUE(c.failure);
  EXPECT_NE(c.failure->text.find("エラー番号　70\r"), std::string::npos);
}

TEST(DataFiles, NoLimitOnTheNumberOfHits) {
  TestFolder folder;
  std::string text = cp932(kHeader) + "\r\n";
  for (int i = 0; i < 500; ++i) text += "p" + std::to_string(i) + "^1990 12 7^\r\n";
  folder.write("many.txt", text);
  const HitCollection c = read(folder);
  ASSERT_FALSE(c.failure);
  EXPECT_EQ(c.hits.size(), 500u);
}

TEST(HitList, NearestFirstWithOneSeparator) {
  struct Row {
    const char* name;
    std::vector<Hit> hits;
    std::vector<std::string> lines;
  };
  const Row rows[] = {
      {"none", {}, {}},
      {"today_then_3_and_10",
       {{10, "ten"}, {0, "today"}, {3, "three"}},
       {"today", "", "three", "ten"}},
      {"nothing_today_starts_with_the_separator", {{2, "b"}, {1, "a"}}, {"", "a", "b"}},
      {"only_today", {{0, "x"}, {0, "y"}}, {"x", "y"}},
      {"equal_distances_keep_their_order",
       {{5, "first"}, {0, "t"}, {5, "second"}, {5, "third"}},
       {"t", "", "first", "second", "third"}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(list_lines(r.hits), r.lines);
  }
}

TEST(HitList, TheHolidayLineComesFirst) {
  TestFolder folder;
  folder.write("a.txt", cp932_file({"x^1990 11 3^", "y^1990 11 4^0^02001111000000^"}));
  const NotifierToday culture_day = NotifierToday::of(2026, 11, 3);
  HitCollection c = collect_hits(folder.path(), culture_day, true, LeapDayMove::kLeapYearsOnly);
  EXPECT_EQ(list_lines(c.hits), (std::vector<std::string>{
                                    "文化の日", "x" + std::string(23, ' ') + "    36歳の誕生日"}));
  EXPECT_EQ(c.counts.hits, 2);
  c = collect_hits(folder.path(), culture_day, false, LeapDayMove::kLeapYearsOnly);
  EXPECT_EQ(c.hits.size(), 1u);
  // A substitute holiday has no name and gives no line.
  c = collect_hits(folder.path(), NotifierToday::of(2026, 5, 6), true, LeapDayMove::kLeapYearsOnly);
  EXPECT_TRUE(c.hits.empty());
}

}  // namespace
}  // namespace pelmira
