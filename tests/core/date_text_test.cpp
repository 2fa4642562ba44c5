// Reading typed dates, the calendar in force for a slot, the era form of a year for display
// and the slots' text twins.

#include "core/date_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "core/calendar.h"
#include "core/trap.h"
#include "support/recording_reporter.h"

namespace pelmira {
namespace {

using testing::RecordingReporter;

// Year, month and day before the read, so a test can see what was left alone.
constexpr i16 kKeptYear = 1111, kKeptMonth = 11, kKeptDay = 22;

struct Read {
  std::string label;
  i16 year = kKeptYear, month = kKeptMonth, day = kKeptDay;
};

Read read(const ProgramState& state, std::string_view text, i16 slot = 0) {
  Read out;
  out.label = bnsk(state, text, out.year, out.month, out.day, slot);
  return out;
}

struct ReadRow {
  const char* name;
  const char* text;
  const char* label;
  i16 year, month, day;
};

void expect_reads(const ReadRow* rows, std::size_t count, const ProgramState& state = {}) {
  RecordingReporter reporter;
  for (std::size_t i = 0; i < count; ++i) {
    const ReadRow& r = rows[i];
    SCOPED_TRACE(r.name);
    const Read got = read(state, r.text);
    EXPECT_EQ(got.label, r.label);
    EXPECT_EQ(std::tie(got.year, got.month, got.day), std::tie(r.year, r.month, r.day));
  }
  EXPECT_TRUE(reporter.empty());
}

TEST(ReadDate, EraLettersAndSeparators) {
  const ReadRow rows[] = {
      {"letter_and_points", "H12.5.3", "平成", 12, 5, 3},
      {"small_letter_and_slashes", "h12/5/3", "平成", 12, 5, 3},
      {"kanji_and_hyphens", "平12-5-3", "平成", 12, 5, 3},
      {"ligature_and_spaces", "㍻12 5 3", "平成", 12, 5, 3},
      {"units", "平成12年5月3日", "平成", 12, 5, 3},
      {"showa", "S64.1.7", "昭和", 64, 1, 7},
      {"showa_small", "s64.1.7", "昭和", 64, 1, 7},
      {"showa_ligature", "㍼64.1.7", "昭和", 64, 1, 7},
      {"showa_kanji", "昭和64年1月7日", "昭和", 64, 1, 7},
      {"taisho", "T1.7.30", "大正", 1, 7, 30},
      {"taisho_small", "t1.7.30", "大正", 1, 7, 30},
      {"taisho_ligature", "㍽1.7.30", "大正", 1, 7, 30},
      {"taisho_kanji", "大正1年7月30日", "大正", 1, 7, 30},
      {"meiji", "M45.7.29", "明治", 45, 7, 29},
      {"meiji_small", "m45.7.29", "明治", 45, 7, 29},
      {"meiji_ligature", "㍾45.7.29", "明治", 45, 7, 29},
      {"meiji_kanji", "明治45年7月29日", "明治", 45, 7, 29},
      {"reiwa", "R8.12.7", "令和", 8, 12, 7},
      {"reiwa_small", "r8/12/7", "令和", 8, 12, 7},
      {"reiwa_kanji", "令8-12-7", "令和", 8, 12, 7},
      {"reiwa_ligature", "㋿8 12 7", "令和", 8, 12, 7},
      {"reiwa_units", "令和8年12月7日", "令和", 8, 12, 7},
      {"western_points", "2000.5.3", "西暦", 2000, 5, 3},
      {"western_spaces", "2000 5 3", "西暦", 2000, 5, 3},
      {"western_units", "西暦2000年5月3日", "西暦", 2000, 5, 3},
      {"separators_repeat", "2000//5,,3", "西暦", 2000, 5, 3},
      {"last_era_letter_wins", "S H12.5.3", "平成", 12, 5, 3},
      {"letter_after_the_date", "12.5.3H", "平成", 12, 5, 3},
      {"leading_zeros", "0002000.05.03", "西暦", 2000, 5, 3},
  };
  expect_reads(rows, std::size(rows));
}

TEST(ReadDate, FullWidthText) {
  const ReadRow rows[] = {
      {"digits_and_slashes", "２０００／５／３", "西暦", 2000, 5, 3},
      {"letter_and_points", "Ｈ１２．５．３", "平成", 12, 5, 3},
      {"small_letter", "ｒ８．１２．７", "令和", 8, 12, 7},
      {"units", "平成１２年５月３日", "平成", 12, 5, 3},
      {"ideographic_spaces", "２０００　５　３", "西暦", 2000, 5, 3},
      {"year_and_month_keep_the_day", "１２年５月", "西暦", 12, 5, kKeptDay},
      {"mixed_widths", "2０0０/５/3", "西暦", 2000, 5, 3},
  };
  expect_reads(rows, std::size(rows));
}

TEST(ReadDate, OnlyTypedFieldsAreWritten) {
  const ReadRow rows[] = {
      {"month_and_day_need_units", "5月3日", "", kKeptYear, 5, 3},
      {"year_only", "12年", "西暦", 12, kKeptMonth, kKeptDay},
      {"bare_number_is_a_year", "5", "西暦", 5, kKeptMonth, kKeptDay},
      {"year_and_month", "2000/5", "西暦", 2000, 5, kKeptDay},
      {"day_only", "3日", "", kKeptYear, kKeptMonth, 3},
      {"month_only", "7月", "", kKeptYear, 7, kKeptDay},
      {"units_in_any_order", "3日5月2000年", "西暦", 2000, 5, 3},
      {"era_letter_without_year", "H", "", kKeptYear, kKeptMonth, kKeptDay},
      {"written_as_typed_not_normalised", "2001/2/30", "西暦", 2001, 2, 30},
      {"month_13_as_typed", "2000/13/1", "西暦", 2000, 13, 1},
      {"day_40_as_typed", "2000/1/40", "西暦", 2000, 1, 40},
      {"year_zero", "0/0/0", "西暦", 0, 0, 0},
      {"minus_is_a_separator", "-5/1/1", "西暦", 5, 1, 1},
      {"largest_year", "32743/12/31", "西暦", 32743, 12, 31},
      // An empty month reads 0, which normalises to December of the year before.
      {"year_alone_reads_as_december_before", "32744", "西暦", 32744, kKeptMonth, kKeptDay},
      {"largest_month_normalises_in_range", "2000/32767/1", "西暦", 2000, 32767, 1},
      {"fields_past_the_fifteenth_go_nowhere", "1/2/3/4/5/6/7/8/9/10/11/12/13/14/15/16/17", "西暦",
       1, 2, 3},
      {"long_zero_run", "00000000000000000000000000000000012", "西暦", 12, kKeptMonth, kKeptDay},
  };
  expect_reads(rows, std::size(rows));
}

TEST(ReadDate, TextWithoutADateChangesNothing) {
  const ReadRow rows[] = {
      {"empty", "", "", kKeptYear, kKeptMonth, kKeptDay},
      {"letters_only", "abcxyz", "", kKeptYear, kKeptMonth, kKeptDay},
      {"separators_only", "//..--  ", "", kKeptYear, kKeptMonth, kKeptDay},
      {"units_only", "年月日年月日", "", kKeptYear, kKeptMonth, kKeptDay},
      {"invalid_utf8", "\xff\xfe\x80", "", kKeptYear, kKeptMonth, kKeptDay},
      {"unpaired_surrogate", "\xed\xa0\x80", "", kKeptYear, kKeptMonth, kKeptDay},
      {"other_scripts_digits", "٢٠٠٠", "", kKeptYear, kKeptMonth, kKeptDay},
  };
  expect_reads(rows, std::size(rows));
}

TEST(ReadDate, InvalidBytesSeparateFields) {
  const ReadRow rows[] = {
      {"invalid_byte_between_fields",
       "2000\xff"
       "5\xc3"
       "3",
       "西暦", 2000, 5, 3},
      {"surrogate_between_fields",
       "2000\xed\xb0\x80"
       "5",
       "西暦", 2000, 5, kKeptDay},
      {"truncated_sequence_at_end", "H12.5.3\xe5\xb9", "平成", 12, 5, 3},
  };
  expect_reads(rows, std::size(rows));
}

struct ShortYearRow {
  const char* name;
  const char* text;
  i16 slot;
  i16 other_year;  // the Western year of the other slot
  i16 year;
};

TEST(ReadDate, ShortYearsTakeTheOtherSlotsCentury) {
  const ShortYearRow rows[] = {
      {"birth_side_not_after_now", "'98", 0, 2005, 1998},
      {"birth_side_same_year", "'05", 0, 2005, 2005},
      {"birth_side_one_after", "'06", 0, 2005, 1906},
      {"now_side_not_before_birth", "'05", 1, 1998, 2005},
      {"now_side_same_year", "'98", 1, 1998, 1998},
      {"now_side_one_before", "'97", 1, 1998, 2097},
      {"with_month_and_day", "'98/5/3", 0, 2005, 1998},
      {"full_width_apostrophe", "＇98", 0, 2005, 1998},
      {"typographic_apostrophe", "’98", 0, 2005, 1998},
      {"one_digit_is_not_short", "'9", 0, 2005, 9},
      {"three_digits_keep_the_expansion", "'981", 0, 2005, 19981},
      {"other_slot_in_year_zero", "'05", 0, 0, -95},
  };
  RecordingReporter reporter;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    ProgramState state;
    state.slots[r.slot == 0 ? 1 : 0].year = r.other_year;
    EXPECT_EQ(read(state, r.text, r.slot).year, r.year);
  }
  EXPECT_TRUE(reporter.empty());
}

TEST(ReadDate, ShortYearOnlyForTheTwoEntrySlots) {
  RecordingReporter reporter;
  const Read got = read(ProgramState{}, "'98/5/3", 2);
  EXPECT_EQ(got.label, "");
  EXPECT_EQ(std::tie(got.year, got.month, got.day), std::tie(kKeptYear, kKeptMonth, kKeptDay));
  ASSERT_EQ(reporter.places(), std::vector<std::string>{"bnsk"});
  EXPECT_EQ(reporter.reports()[0].number, err::kSubscript);
  reporter.clear();
  EXPECT_EQ(read(ProgramState{}, "2000/5/3", 2).year, 2000) << "other slots read full years";
  EXPECT_TRUE(reporter.empty());
}

struct OverflowRow {
  const char* name;
  std::string text;
  std::vector<std::string> places;
};

TEST(ReadDate, OverflowLeavesTheArgumentsAlone) {
  const OverflowRow rows[] = {
      {"year_beyond_16_bits", "99999", {"bnsk"}},
      {"month_beyond_16_bits", "2000/40000/1", {"bnsk"}},
      {"day_beyond_16_bits", "2000/1/32768", {"bnsk"}},
      {"long_digit_run", std::string(5000, '7'), {"bnsk"}},
      {"year_above_32743", "32744/1/1", {"bnsk"}},
      {"normalises_past_32743", "32743/13/1", {"bnsk"}},
      {"largest_16_bit_year", "32767", {"bnsk"}},
      {"era_year_beyond_16_bits", "H40000.1.1", {"bnsk"}},
      {"full_width_huge", "１２３４５６７８９", {"bnsk"}},
      // The normaliser reports its own overflow first.
      {"normaliser_overflows", "32767/13/1", {"hiteisei", "bnsk"}},
      {"normaliser_overflows_below_the_limit", "32743/32767/1", {"hiteisei", "bnsk"}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    RecordingReporter reporter;
    const Read got = read(ProgramState{}, r.text);
    EXPECT_EQ(got.label, "");
    EXPECT_EQ(std::tie(got.year, got.month, got.day), std::tie(kKeptYear, kKeptMonth, kKeptDay));
    EXPECT_EQ(reporter.places(), r.places);
    for (const ErrorReport& report : reporter.reports()) EXPECT_EQ(report.number, err::kOverflow);
  }
}

TEST(ReadDate, NormalisesInTheProgramsCalendar) {
  // 32700 is a leap year only in the Julian calendar, so 16071 days from its 1 January end
  // on 32743-12-31 there but on 32744-01-01 in the Gregorian calendar.
  struct Row {
    const char* name;
    i16 mode;
    bool overflow;
  };
  const Row rows[] = {
      {"automatic_is_gregorian", kModeAutomatic, true},
      {"gregorian", kModeGregorian, true},
      {"julian", kModeJulian, false},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    ProgramState state;
    state.calendar_mode = r.mode;
    RecordingReporter reporter;
    const Read got = read(state, "32700/1/16071");
    EXPECT_EQ(reporter.places(),
              r.overflow ? std::vector<std::string>{"bnsk"} : std::vector<std::string>{});
    EXPECT_EQ(got.year, r.overflow ? kKeptYear : 32700);
  }
}

// Random text from a fixed seed: bytes, or pieces that a date reader sees in real input.
std::string random_text(std::mt19937& rng) {
  static const std::vector<std::string> pieces = {"0",        "1",
                                                  "2",        "5",
                                                  "9",        "12",
                                                  "2000",     "32767",
                                                  "'",        "’",
                                                  "/",        ".",
                                                  "-",        " ",
                                                  "　",       "年",
                                                  "月",       "日",
                                                  "平",       "成",
                                                  "昭",       "大",
                                                  "明",       "令",
                                                  "H",        "s",
                                                  "T",        "m",
                                                  "R",        "r",
                                                  "㍻",       "㍼",
                                                  "㍽",       "㍾",
                                                  "㋿",      "０",
                                                  "９",       "Ｈ",
                                                  "／",       "＇",
                                                  "\xff",     "\xed\xa0\x80",
                                                  "\xe5",     "\xf4\x90\x80\x80",
                                                  "\xc0\xaf", "a",
                                                  "*",        std::string(1, '\0')};
  std::uniform_int_distribution<int> kind(0, 3);
  std::string text;
  switch (kind(rng)) {
    case 0: {  // random bytes
      const int length = std::uniform_int_distribution<int>(0, 40)(rng);
      for (int i = 0; i < length; ++i)
        text += static_cast<char>(std::uniform_int_distribution<int>(0, 255)(rng));
      break;
    }
    case 1:
    case 2: {  // a mix of date pieces
      const int length = std::uniform_int_distribution<int>(0, 24)(rng);
      std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
      for (int i = 0; i < length; ++i) text += pieces[pick(rng)];
      break;
    }
    default: {  // a long digit run with a separator or unit somewhere
      const int length = std::uniform_int_distribution<int>(1, 400)(rng);
      for (int i = 0; i < length; ++i)
        text += static_cast<char>('0' + std::uniform_int_distribution<int>(0, 9)(rng));
      text.insert(std::uniform_int_distribution<std::size_t>(0, text.size())(rng), "年");
      break;
    }
  }
  return text;
}

TEST(ReadDate, RandomTextNeverHarmsTheArguments) {
  std::mt19937 rng(20240607);
  const std::vector<std::string> labels = {"", "西暦", "令和", "平成", "昭和", "大正", "明治"};
  int written = 0, reported = 0;
  for (int i = 0; i < 4000; ++i) {
    const std::string text = random_text(rng);
    ProgramState state;
    state.slots[0].year = 1990;
    state.slots[1].year = 2020;
    const i16 slot = static_cast<i16>(i % 3);
    RecordingReporter reporter;
    const Read got = read(state, text, slot);
    const bool unchanged =
        std::tie(got.year, got.month, got.day) == std::tie(kKeptYear, kKeptMonth, kKeptDay);
    if (!reporter.empty()) {
      ++reported;
      ASSERT_TRUE(unchanged && got.label.empty())
          << "reported but changed: " << ::testing::PrintToString(text);
      ASSERT_EQ(reporter.places().back(), "bnsk");
      continue;
    }
    ASSERT_NE(std::find(labels.begin(), labels.end(), got.label), labels.end());
    // A label is returned exactly when a year was typed, and a typed date normalises to a
    // year the calendar holds.
    if (!got.label.empty()) {
      i16 y = got.year, m = got.month, d = got.day;
      ASSERT_LE(hiteisei(kModeAutomatic, y, m, d), 32743) << ::testing::PrintToString(text);
    }
    if (!unchanged) ++written;
  }
  // The generator must reach both outcomes for the test to mean anything.
  EXPECT_GT(written, 400);
  EXPECT_GT(reported, 100);
}

DateSlot slot_with(i16 year, i16 month, i16 day, i16 entered_year = 0) {
  DateSlot slot;
  slot.year = year;
  slot.month = month;
  slot.day = day;
  slot.entered_year = entered_year;
  return slot;
}

struct InForceRow {
  const char* name;
  i16 mode;
  i16 year, month, day;
  i16 julian;
};

TEST(CalendarInForce, FollowsTheModeAndTheReform) {
  const InForceRow rows[] = {
      {"automatic_last_julian_day", kModeAutomatic, 1582, 10, 14, 1},
      {"automatic_first_gregorian_day", kModeAutomatic, 1582, 10, 15, 0},
      {"automatic_gap_day", kModeAutomatic, 1582, 10, 10, 1},
      {"automatic_today", kModeAutomatic, 2024, 6, 1, 0},
      {"gregorian_early", kModeGregorian, 1000, 1, 1, 0},
      {"julian_late", kModeJulian, 2000, 1, 1, 1},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    ProgramState state;
    state.calendar_mode = r.mode;
    for (int slot = 0; slot < 3; ++slot) {
      state.slots[static_cast<std::size_t>(slot)] = slot_with(r.year, r.month, r.day);
      EXPECT_EQ(calendar_in_force(state, slot), r.julian);
    }
  }
}

TEST(CalendarInForce, BadSlotGoesToTheCallersTrap) {
  RecordingReporter reporter;
  const ProgramState state;
  EXPECT_EQ(trap("hyouzi", [&] { return calendar_in_force(state, 3); }), 0);
  ASSERT_EQ(reporter.places(), std::vector<std::string>{"hyouzi"});
  EXPECT_EQ(reporter.reports()[0].number, err::kSubscript);
}

struct EraFormRow {
  const char* name;
  i16 western_only;
  i16 year, month, day;
  const char* era;
  i16 shown_year;
};

TEST(EraForm, Swhkiri) {
  const EraFormRow rows[] = {
      {"heisei", 0, 2000, 5, 3, "平成", 12},
      {"western_only", 1, 2000, 5, 3, "", 2000},
      {"before_meiji", 0, 1800, 1, 1, "", 1800},
      {"reiwa", 0, 2019, 5, 1, "令和", 1},
      {"western_again", 0, 2118, 1, 1, "", 2118},
      {"showa", 0, 1926, 12, 25, "昭和", 1},
      {"any_nonzero_switch_is_western_only", 2, 1926, 12, 25, "", 1926},
  };
  RecordingReporter reporter;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    ProgramState state;
    state.western_only = r.western_only;
    i16 shown = -1;
    EXPECT_EQ(swhkiri(state, r.year, r.month, r.day, shown), r.era);
    EXPECT_EQ(shown, r.shown_year);
  }
  EXPECT_TRUE(reporter.empty());
}

TEST(SlotTexts, AhenkanCopiesNumbersButKeepsEraLabels) {
  ProgramState state;
  state.slots[0] = slot_with(1996, 10, 1, 8);
  state.slots[0].era_label() = "平成";
  state.slots[1] = slot_with(2024, 6, 7, 6);
  state.slots[1].era_label() = "令和";
  state.slots[2] = slot_with(27, -8, 6, -1);
  RecordingReporter reporter;
  ahenkan(state);
  EXPECT_TRUE(reporter.empty());
  using Texts = std::array<std::string, 5>;
  EXPECT_EQ(state.slots[0].texts, (Texts{"1996", "10", "1", "平成", "8"}));
  EXPECT_EQ(state.slots[1].texts, (Texts{"2024", "6", "7", "令和", "6"}));
  EXPECT_EQ(state.slots[2].texts, (Texts{"27", "-8", "6", "0", "-1"}));
}

}  // namespace
}  // namespace pelmira
