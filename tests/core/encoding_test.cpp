// Shift-JIS (CP932) conversions: the characters Shift_JIS and CP932 map differently, the
// refusal of characters without a faithful CP932 form, and the display width.

#include <gtest/gtest.h>

#include <iconv.h>

#include <string>
#include <vector>

#include "core/encoding.h"
#include "core/text.h"

namespace pelmira {
namespace {

std::string hex(std::string_view bytes) {
  static const char* digits = "0123456789ABCDEF";
  std::string out;
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    out += digits[b >> 4];
    out += digits[b & 15];
  }
  return out;
}

TEST(Cp932, DecodesAsWindowsWrites) {
  struct Row {
    const char* name;
    std::string bytes;
    std::string text;
  };
  const std::vector<Row> rows = {
      {"ascii", "abc^1990", "abc^1990"},
      {"backslash_and_tilde_stay_ascii", "\\~", "\\~"},
      {"kanji", "\x8E\x52\x93\x63", "山田"},
      {"half_width_katakana", "\xB6\xC5", "ｶﾅ"},
      {"wave_dash_is_the_fullwidth_tilde", "\x81\x60", "～"},
      {"minus_is_the_fullwidth_hyphen_minus", "\x81\x7C", "－"},
      {"double_vertical_line_is_parallel_to", "\x81\x61", "∥"},
      {"not_sign", "\x81\xCA", "￢"},
      {"nec_row_13", "\x87\x40\x87\x8D", "①㍾"},
      {"ibm_extension", "\xFA\x5C", "纊"},
      {"user_defined_area", "\xF0\x40", "\uE000"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(cp932_to_utf8(row.bytes), row.text);
  }
}

TEST(Cp932, RefusesInvalidBytes) {
  for (const std::string bytes :
       {"\x80", "\xA0", "\xFD", "\x81", "\x81\x20", "\x85\x40", "a\xFF"}) {
    SCOPED_TRACE(hex(bytes));
    EXPECT_EQ(cp932_to_utf8(bytes), std::nullopt);
  }
}

TEST(Cp932, EncodesJisFormsAsTheirCp932Twins) {
  struct Row {
    const char* name;
    std::string text;
    std::string bytes;
  };
  const std::vector<Row> rows = {
      {"wave_dash", "〜", "8160"},
      {"fullwidth_tilde", "～", "8160"},
      {"minus_sign", "−", "817C"},
      {"fullwidth_minus", "－", "817C"},
      {"double_vertical_line", "‖", "8161"},
      {"parallel_to", "∥", "8161"},
      {"not_sign", "¬", "81CA"},
      {"fullwidth_not_sign", "￢", "81CA"},
      {"cent", "¢", "8191"},
      {"pound", "£", "8192"},
      {"em_dash", "—", "815C"},
      {"horizontal_bar", "―", "815C"},
      {"ascii", "a^1 2", "615E312032"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::optional<std::string> bytes = utf8_to_cp932(row.text);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(hex(*bytes), row.bytes);
  }
}

TEST(Cp932, RefusesCharactersWithoutAFaithfulForm) {
  struct Row {
    const char* name;
    std::string text;
    std::u32string unencodable;
  };
  const std::vector<Row> rows = {
      {"beyond_the_basic_plane", "𠮷野家", U"𠮷"},
      {"emoji_each_once", "😀a😀", U"😀"},
      {"yen_sign_would_read_back_as_backslash", "¥100", U"¥"},
      {"overline_would_read_back_as_tilde", "‾", U"‾"},
      {"latin_accent", "café", U"é"},
      {"malformed_utf8", "a\xC3", U"\uFFFD"},
      {"several_in_order", "é山😀", U"é😀"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::u32string unencodable;
    EXPECT_EQ(utf8_to_cp932(row.text, &unencodable), std::nullopt);
    EXPECT_EQ(unencodable, row.unencodable);
  }
}

// Every character CP932 can decode comes back as the same bytes, apart from the duplicate
// codes of the NEC and IBM extensions, which read back as the one form iconv writes.
TEST(Cp932, EveryDoubleByteCodeRoundTrips) {
  int codes = 0;
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
      const std::optional<std::string> text = cp932_to_utf8(bytes);
      if (!text) continue;
      ++codes;
      const std::optional<std::string> again = utf8_to_cp932(*text);
      ASSERT_TRUE(again.has_value()) << hex(bytes);
      EXPECT_EQ(cp932_to_utf8(*again), text) << hex(bytes);
    }
  }
  EXPECT_GT(codes, 9000);
}

TEST(Cp932, DisplayWidthCountsOneByteCharactersOnce) {
  struct Row {
    const char* name;
    std::string text;
    int width;
  };
  const std::vector<Row> rows = {
      {"empty", "", 0},
      {"ascii", "abc 1", 5},
      {"kanji", "山田", 4},
      {"half_width_kana", "ｶﾅ", 2},
      {"mixed", "山田 ﾀﾛｳ", 8},
      {"beyond_shift_jis", "𠮷", 2},
      {"fullwidth_digits", "１２", 4},
      {"ideographic_space", "　", 2},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(cp932_display_width(row.text), row.width);
  }
}

// The width rule agrees with the encoder for every character of the basic plane: one byte
// in CP932 is one column.
TEST(Cp932, DisplayWidthMatchesTheEncodedLength) {
  iconv_t cd = iconv_open("CP932", "UTF-8");
  ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
  for (char32_t c = 1; c < 0x10000; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    std::string text;
    append_utf8(text, c);
    char out[8];
    char* in_ptr = text.data();
    std::size_t in_left = text.size();
    char* out_ptr = out;
    std::size_t out_left = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left) == static_cast<std::size_t>(-1)) {
      EXPECT_EQ(cp932_display_width(text), 2) << static_cast<unsigned>(c);
      continue;
    }
    const int length = static_cast<int>(sizeof out - out_left);
    EXPECT_EQ(cp932_display_width(text), length == 1 ? 1 : 2) << static_cast<unsigned>(c);
  }
  iconv_close(cd);
}

}  // namespace
}  // namespace pelmira
