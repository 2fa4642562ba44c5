#pragma once
// The columns of the person list: which of the sixteen are shown (the setting "a" of the
// section "hyoujikoumoku"), how wide the name column is ("nt"), the header line above the
// list and the school-grade names the grade column and the search window share.

#include <array>
#include <string>
#include <string_view>

#include "core/checked.h"
#include "listings/listing.h"

namespace pelmira {

// Column flags, in the order of the setting text (flag k is character k + 1).
enum ListColumn : int {
  kColumnNumber = 0,
  kColumnName = 1,
  kColumnYear = 2,
  kColumnEra = 3,
  kColumnBirthday = 4,
  kColumnWeekday = 5,
  kColumnAge = 6,
  kColumnCountedAge = 7,
  kColumnZodiac = 8,
  kColumnStem = 9,
  kColumnBranch = 10,
  kColumnGrade = 11,
  kColumnSixStar = 12,
  kColumnNineStar = 13,
  kColumnDaysToNext = 14,
  kColumnAnimal = 15,
};
inline constexpr std::size_t kListColumnCount = 16;
using ColumnFlags = std::array<bool, kListColumnCount>;

// Only the name and the full age are shown by default.
inline constexpr std::string_view kDefaultColumnSetting = "010000100000000";
inline constexpr i16 kDefaultNameTabs = 2;

// Flag k is set when character k + 1 of the setting is "1"; a missing character counts 0.
ColumnFlags column_flags_from_setting(std::string_view setting);
// The setting text of the flags: sixteen characters "0" or "1".
std::string column_setting_text(const ColumnFlags& flags);

// What the list pane shows besides the persons: the columns, the name width in tab stops of
// eight half-width columns, the listing chosen in the listing selector (memorial days, 5,
// turn every date into a date of death) and the order menu ("昇順" / "降順").
struct ListDisplay {
  ColumnFlags columns = column_flags_from_setting(kDefaultColumnSetting);
  i16 name_tabs = kDefaultNameTabs;
  i16 listing_code = kListingFortune;
  bool ascending = true;

  bool memorial() const { return listing_code == kListingMemorial; }
  // The order list the rows come from: 0 ascending, 1 descending.
  int shown_list() const { return ascending ? 0 : 1; }
};

// The school grades of the grade column and the search window, slots 1..16.
inline constexpr std::array<std::string_view, 17> kSchoolGradeNames{
    "",         "小学１年", "小学２年", "小学３年", "小学４年", "小学５年",
    "小学６年", "中学１年", "中学２年", "中学３年", "高校１年", "高校２年",
    "高校３年", "大学１年", "大学２年", "大学３年", "大学４年"};

// The header text of one column (memorial wording for the memorial listing).
std::string_view column_header(const ListDisplay& display, int column);

// The header line: the header texts of the shown columns in display order (the days to the
// next birthday come right after the full age).
std::string list_header(const ListDisplay& display);

// The columns in the order their texts appear in a line and in the header.
inline constexpr std::array<int, kListColumnCount> kColumnDisplayOrder{
    kColumnNumber,     kColumnName,    kColumnYear,     kColumnEra,
    kColumnBirthday,   kColumnWeekday, kColumnAge,      kColumnDaysToNext,
    kColumnCountedAge, kColumnZodiac,  kColumnStem,     kColumnBranch,
    kColumnGrade,      kColumnSixStar, kColumnNineStar, kColumnAnimal};

// What st2 puts on the pane: the caption of the list panel (the header line) and the text
// of the measuring label (the header followed by two blanks).
struct ListHeader {
  std::string caption;
  std::string measure_text;
};

// The header of the list pane. Traps as "st2".
ListHeader st2(const ListDisplay& display);

// Columns of the multi-column list: the list width divided by the measured width of the
// header label (integer division), at least 1.
int list_column_count(int list_width, int label_width);

}  // namespace pelmira
