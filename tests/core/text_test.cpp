// The UTF-8 helpers: characters counted and cut without decoding the whole text, and a
// malformed byte read as one U+FFFD wherever it stands.

#include "core/text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace pelmira {
namespace {

constexpr const char* kFffd = "\xEF\xBF\xBD";

TEST(Utf8Text, CountsCutsAndValidity) {
  struct TextRow {
    const char* name;
    std::string text;
    std::size_t count;
    bool valid;
  };
  const std::vector<TextRow> rows = {
      {"empty", "", 0, true},
      {"ascii", "abc", 3, true},
      {"kanji", "髙橋一", 3, true},
      {"written_replacement_character", kFffd, 1, true},
      {"stray_byte",
       "a\xFF"
       "b",
       3, false},
      {"cut_off_character", "\xE3\x81", 2, false},
      {"overlong_slash", "\xC0\xAF", 2, false},
      {"surrogate", "\xED\xA0\x80", 3, false},
  };
  for (const TextRow& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(char_count(row.text), row.count);
    EXPECT_EQ(is_valid_utf8(row.text), row.valid);
  }

  EXPECT_EQ(char_substr("髙橋一", 1, 1), "橋");
  EXPECT_EQ(char_substr("abc", 3), "");
  EXPECT_EQ(char_substr("abc", 5, 1), "");
  EXPECT_EQ(char_substr("a\xFF"
                        "b",
                        1, 1),
            kFffd);
  EXPECT_EQ(char_substr("a\xFF"
                        "b",
                        0),
            std::string("a") + kFffd + "b");
  EXPECT_EQ(char_substr(std::string(kFffd) + "x", 0, 1), kFffd);
  EXPECT_EQ(char_left("髙橋一", 2), "髙橋");
  EXPECT_EQ(char_right("髙橋一", 1), "一");
  EXPECT_EQ(char_right("ab", 5), "ab");
}

// Cutting without decoding the whole text gives what decoding and re-encoding gives, for any
// bytes at all.
TEST(Utf8Text, CuttingAgreesWithDecodingWholeTexts) {
  std::mt19937 random(3);
  const std::vector<std::string> pieces = {
      "a", "^", "髙", "ｶ", "😀", kFffd, "\xFF", "\xE3\x81", "\x80", "\xC0\xAF", "\xED\xA0\x80", " "};
  for (int k = 0; k < 3000; ++k) {
    std::string text;
    for (int n = static_cast<int>(random() % 9); n > 0; --n)
      text += pieces[random() % pieces.size()];
    const std::u32string chars = to_u32(text);
    const std::size_t start = random() % 10, count = random() % 10;
    SCOPED_TRACE(::testing::PrintToString(text) + " from " + std::to_string(start) + " count " +
                 std::to_string(count));
    const std::string expected =
        start >= chars.size() ? "" : to_utf8(std::u32string_view(chars).substr(start, count));
    EXPECT_EQ(char_substr(text, start, count), expected);
    EXPECT_EQ(char_count(text), chars.size());
  }
}

}  // namespace
}  // namespace pelmira
