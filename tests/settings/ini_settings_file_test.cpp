// The read-only settings file reader used where Qt is not loaded: its INI reading and where
// it looks for the file.

#include "settings/ini_settings_file.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "core/runtime_error.h"
#include "settings/setting_keys.h"
#include "settings/setting_values.h"
#include "support/test_folder.h"

namespace pelmira {
namespace {

TEST(ParseSettingsIni, Values) {
  struct Row {
    const char* name;
    const char* raw;  // what follows "k=" in [s]
    std::optional<std::string> text;
  };
  const Row rows[] = {
      {"plain", "840", "840"},
      {"blanks_inside_kept", "1996 10 1", "1996 10 1"},
      {"blanks_around_dropped", "  1996 10 1  ", "1996 10 1"},
      {"quoted_keeps_blanks", "\"  12 \"", "  12 "},
      {"quoted_comma", "\"a, b,c\"", "a, b,c"},
      {"unquoted_comma_is_a_list", "a,b , c", "a, b, c"},
      {"escaped_quote_and_backslash", "C:\\\\x\\\\\\\"y\\\"", "C:\\x\\\"y\""},
      {"escaped_control", "a\\tb\\nc", "a\tb\nc"},
      {"hex_escape", "\\x3042", "あ"},
      {"octal_escape", "\\101", "A"},
      {"utf8_text", "家族.txt", "家族.txt"},
      {"at_escaped", "@@Variant(x)", "@Variant(x)"},
      {"string_form", "@String(abc)", "abc"},
      {"other_types_left_out", "@Variant(\\0\\0\\0\\x7f)", std::nullopt},
      {"empty", "", ""},
      {"equals_in_value", "x=1", "x=1"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const IniSections sections = parse_settings_ini(std::string("[s]\nk=") + r.raw + "\n");
    const auto s = sections.find("s");
    const bool found = s != sections.end() && s->second.count("k");
    ASSERT_EQ(found, r.text.has_value());
    if (found) {
      EXPECT_EQ(s->second.at("k"), *r.text);
    }
  }
}

TEST(ParseSettingsIni, SectionsKeysAndLines) {
  const IniSections sections = parse_settings_ini(
      "top=1\r\n"
      "; a comment\r\n"
      "[General]\r\n"
      "left=2\r\n"
      "\r\n"
      "[tannyugamen]\r\n"
      "  e = 2026 \r\n"
      "no equals sign\r\n"
      "[%U5bb6%U65cf]\n"
      "a%20b=3\n"
      "x\\y=4\n");
  EXPECT_EQ(sections.at("").at("top"), "1");
  EXPECT_EQ(sections.at("").at("left"), "2");
  EXPECT_EQ(sections.at("tannyugamen").at("e"), "2026");
  EXPECT_EQ(sections.at("家族").at("a b"), "3");
  EXPECT_EQ(sections.at("家族").at("x/y"), "4");
  EXPECT_EQ(sections.at("tannyugamen").size(), 1u);
}

TEST(IniSettingsFile, ReadsAFileAndWritesNothing) {
  testing::TestFolder folder;
  const std::string path = folder.write("pelmira.ini", "[tannyugamen]\nsaijituh=0\n");
  IniSettingsFile file("pelmira", path);
  EXPECT_EQ(read_text(file, setting::kShowHoliday), "0");
  EXPECT_EQ(read_text(file, setting::kNoDataShow), "1");  // the default
  EXPECT_EQ(readSetting(file, "other", "tannyugamen", "saijituh", "x"), "x");
  EXPECT_THROW(write_text(file, setting::kShowHoliday, "1"), RuntimeError);
  EXPECT_THROW(deleteAllSettings(file, "pelmira"), RuntimeError);
  // A missing file reads as empty.
  IniSettingsFile missing("pelmira", folder.path() + "/none.ini");
  EXPECT_EQ(read_text(missing, setting::kShowHoliday), "1");
}

TEST(UserSettingsFile, WhereQSettingsKeepsIt) {
  const char* saved_xdg = std::getenv("XDG_CONFIG_HOME");
  const char* saved_home = std::getenv("HOME");
  const std::string xdg = saved_xdg ? saved_xdg : "";
  const std::string home = saved_home ? saved_home : "";
  ::setenv("HOME", "/home/u", 1);
  ::setenv("XDG_CONFIG_HOME", "/tmp/cfg/", 1);
  EXPECT_EQ(user_settings_file("pelmira"), "/tmp/cfg/pelmira/pelmira.ini");
  ::setenv("XDG_CONFIG_HOME", "relative/cfg", 1);  // not absolute: ignored
  EXPECT_EQ(user_settings_file("pelmira"), "/home/u/.config/pelmira/pelmira.ini");
  ::unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(user_settings_file("pelmira"), "/home/u/.config/pelmira/pelmira.ini");
  saved_xdg ? ::setenv("XDG_CONFIG_HOME", xdg.c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
  saved_home ? ::setenv("HOME", home.c_str(), 1) : ::unsetenv("HOME");
}

}  // namespace
}  // namespace pelmira
