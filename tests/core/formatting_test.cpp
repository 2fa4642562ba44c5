// The small formatting helpers of list columns.

#include "core/formatting.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/trap.h"
#include "support/recording_reporter.h"

namespace pelmira {
namespace {

using testing::RecordingReporter;

TEST(Formatting, KetaPadsOneCharacter) {
  struct Row {
    const char* name;
    const char* text;
    const char* padded;
  };
  const Row rows[] = {
      {"one_digit", "5", " 5"},   {"two_digits", "12", "12"}, {"empty", "", ""},
      {"one_kanji", "平", " 平"}, {"space", " ", "  "},       {"three", "123", "123"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(keta(r.text), r.padded);
  }
}

TEST(Formatting, BinxLowestBitFirst) {
  struct Row {
    i16 number;
    const char* digits;
  };
  const Row rows[] = {
      {5, "101"},
      {6, "011"},
      {1, "1"},
      {0, "0"},
      {2, "01"},
      {32767, "111111111111111"},
      // Negative numbers halve toward zero; each step still gives one bit.
      {-1, "1"},
      {-6, "011"},
      {-32768, "0000000000000001"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.number);
    EXPECT_EQ(binx(r.number), r.digits);
  }
}

TEST(Formatting, MojisyuCuts) {
  struct Row {
    const char* name;
    const char* text;
    i16 kind;
    const char* cut;
  };
  const Row rows[] = {
      {"first_six", "0123456789ABCDEF", 0, "012345"},
      {"last_ten", "0123456789ABCDEF", 1, "6789ABCDEF"},
      {"fifteen_from_the_third", "0123456789ABCDEF", 2, "23456789ABCDEF"},
      {"fifteen_of_a_long_text", "0123456789ABCDEFGHIJ", 2, "23456789ABCDEFG"},
      {"characters_not_bytes", "平成十二年五月三日", 0, "平成十二年五"},
      {"short_text_first", "abc", 0, "abc"},
      {"short_text_last", "abc", 1, "abc"},
      {"short_text_from_third", "ab", 2, ""},
      {"unknown_kind", "abcdef", 3, ""},
      {"negative_kind", "abcdef", -1, ""},
  };
  RecordingReporter reporter;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(mojisyu(r.text, r.kind), r.cut);
  }
  EXPECT_TRUE(reporter.empty());
}

TEST(Formatting, TwoLineSplitAfterTheSecondSpace) {
  struct Row {
    const char* name;
    const char* text;
    std::string split;
  };
  const std::string sixteen(16, ' ');
  const Row rows[] = {
      {"three_spaces", "甲子 乙丑 丙寅 丁卯", "甲子 乙丑 \r\n" + sixteen + "丙寅 丁卯"},
      {"four_spaces", "a b c d e", "a b \r\n" + sixteen + "c d e"},
      {"five_spaces_shorten_the_run", "a b c d e f", "a b \r\n" + std::string(11, ' ') + "c d e f"},
      {"seven_spaces", "a b c d e f g h", "a b \r\n" + std::string(1, ' ') + "c d e f g h"},
      {"one_space", "a b", "a b\r\n" + sixteen},
      {"no_space", "abc", "abc\r\n" + sixteen},
      {"empty", "", "\r\n" + sixteen},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(two_line_split(r.text), r.split);
  }
}

TEST(Formatting, TwoLineSplitWithEightOrMoreSpacesHasNoIndentation) {
  RecordingReporter reporter;
  EXPECT_EQ(two_line_split("a b c d e f g h i"), "a b \r\nc d e f g h i");
  EXPECT_TRUE(reporter.empty());
}

TEST(Formatting, FolderOfPath) {
  struct Row {
    const char* name;
    const char* path;
    const char* folder;
  };
  const Row rows[] = {
      {"file_in_folder", "/home/u/data/list.txt", "/home/u/data"},
      {"file_in_root", "/list.txt", ""},
      {"trailing_slash", "a/b/", "a/b"},
      {"no_slash_keeps_the_folder", "list.txt", "/previous"},
      {"empty_path_keeps_the_folder", "", "/previous"},
      {"japanese_names", "/ホーム/名簿/一覧.txt", "/ホーム/名簿"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    std::string folder = "/previous";
    folder_of_path(r.path, folder);
    EXPECT_EQ(folder, r.folder);
  }
}

}  // namespace
}  // namespace pelmira
