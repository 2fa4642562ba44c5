// The settings store's three operations, the key table's defaults and the typed reads.

#include <gtest/gtest.h>

#include "core/runtime_error.h"
#include "settings/setting_keys.h"
#include "settings/setting_values.h"
#include "settings/settings_store.h"

namespace pelmira {
namespace {

TEST(SettingsStore, ReadWriteAndDeleteAll) {
  MemorySettingsStore store;
  EXPECT_EQ(readSetting(store, "pelmira", "lunoka", "top", "840"), "840");
  writeSetting(store, "pelmira", "lunoka", "top", "900");
  writeSetting(store, "pelmira", "lunoka", "top", "1000");  // replaces
  writeSetting(store, "other", "lunoka", "top", "5");
  EXPECT_EQ(readSetting(store, "pelmira", "lunoka", "top", "840"), "1000");
  EXPECT_EQ(readSetting(store, "pelmira", "lunoka", "left", "1215"), "1215");  // missing key
  EXPECT_EQ(readSetting(store, "pelmira", "nosection", "top", "x"), "x");      // missing section
  writeSetting(store, "pelmira", "tannyugamen", "e", "");
  EXPECT_EQ(readSetting(store, "pelmira", "tannyugamen", "e", "0"), "");  // empty is a value

  deleteAllSettings(store, "pelmira");
  EXPECT_EQ(readSetting(store, "pelmira", "lunoka", "top", "840"), "840");
  EXPECT_EQ(readSetting(store, "other", "lunoka", "top", "0"), "5");  // other applications stay
}

TEST(SettingKeys, DefaultsOfTheKeyTable) {
  struct Row {
    const char* name;
    SettingKey key;
    const char* section;
    const char* key_name;
    const char* default_text;
  };
  const Row rows[] = {
      {"main_top", setting::kTop, "pelmira", "top", "100"},
      {"panes", setting::kPanes, "pelmira", "kidougamen", "111100"},
      {"start_date", setting::kStartBirthDate, "pelmira", "kidounen", "1996 10 1"},
      {"listing", setting::kListingKind, "pelmira", "ithiran", "9"},
      {"columns_15_characters", setting::kListColumns, "hyoujikoumoku", "a", "010000100000000"},
      {"tabs", setting::kTabCount, "hyoujikoumoku", "nt", "2"},
      {"search_left", setting::kSearchLeft, "kensaku", "left", "5775"},
      {"no_data", setting::kNoDataShow, "tannyugamen", "nodatahyouji", "1"},
      {"holiday", setting::kShowHoliday, "tannyugamen", "saijituh", "1"},
      {"test_year", setting::kTestYear, "tannyugamen", "e", "0"},
      {"notifier_top", setting::kNotifierTop, "lunoka", "top", "840"},
      {"notifier_left", setting::kNotifierLeft, "lunoka", "left", "1215"},
      {"notifier_width", setting::kNotifierWidth, "lunoka", "width", "6690"},
      {"window_number", setting::kNotifierWindowCount, "lunoka", "bango", "0"},
  };
  const MemorySettingsStore empty;
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(r.key.section, r.section);
    EXPECT_EQ(r.key.key, r.key_name);
    EXPECT_EQ(read_text(empty, r.key), r.default_text);
  }
  EXPECT_EQ(default_notifier_path("/opt/pelmira/"), "/opt/pelmira/lunoka");
  EXPECT_EQ(default_notifier_path("/opt/pelmira"), "/opt/pelmira/lunoka");
}

TEST(SettingValues, NumbersInText) {
  struct Row {
    const char* name;
    const char* text;
    std::optional<double> number;
  };
  const Row rows[] = {
      {"integer", "840", 840},
      {"blanks_around", "  12 ", 12},
      {"signed", "-3", -3},
      {"plus", "+7", 7},
      {"fraction", "2.5", 2.5},
      {"exponent", "1e3", 1000},
      {"empty", "", std::nullopt},
      {"word", "yes", std::nullopt},
      {"trailing_garbage", "12px", std::nullopt},
      {"hexadecimal", "0x10", std::nullopt},
      {"infinity", "inf", std::nullopt},
      {"not_a_number", "nan", std::nullopt},
      {"full_width_digits", "１２", std::nullopt},
      {"too_large_for_a_double", "1e400", std::nullopt},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(setting_number(r.text), r.number);
  }
}

TEST(SettingValues, StrictReadsRaiseConversionErrors) {
  MemorySettingsStore store;
  write_text(store, setting::kTabCount, "abc");
  write_text(store, setting::kListingKind, "40000");
  write_text(store, setting::kTop, "2.5");
  try {
    read_i16(store, setting::kTabCount);
    FAIL() << "a word must not read as a number";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), err::kTypeMismatch);
  }
  try {
    read_i16(store, setting::kListingKind);
    FAIL() << "40000 does not fit 16 bits";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), err::kOverflow);
  }
  EXPECT_EQ(read_i16(store, setting::kTop), 2);  // half to even
  EXPECT_EQ(read_double(store, setting::kTop), 2.5);
  EXPECT_EQ(read_single(store, setting::kLeft), 100.0f);  // the default
}

TEST(SettingValues, LenientReadsFallBackToTheDefault) {
  MemorySettingsStore store;
  write_text(store, setting::kNotifierWidth, "wide");
  write_text(store, setting::kNotifierWindowCount, "99999");
  write_text(store, setting::kPlaySound, "");
  write_text(store, setting::kNotifierTop, "3.5");
  write_text(store, setting::kNotifierLeft, "1e39");  // beyond single precision
  EXPECT_EQ(read_single_or_default(store, setting::kNotifierWidth), 6690.0f);
  EXPECT_EQ(read_i16_or_default(store, setting::kNotifierWindowCount), 0);
  EXPECT_EQ(read_double_or_default(store, setting::kPlaySound), 1.0);
  EXPECT_EQ(read_i16_or_default(store, setting::kNotifierTop), 4);
  EXPECT_EQ(read_single_or_default(store, setting::kNotifierLeft), 1215.0f);
  write_number(store, setting::kNotifierWindowCount, 32768);
  EXPECT_EQ(read_text(store, setting::kNotifierWindowCount), "32768");
}

}  // namespace
}  // namespace pelmira
