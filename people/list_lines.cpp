#include "people/list_lines.h"

#include <algorithm>

#include "almanac/names.h"
#include "almanac/nine_star.h"
#include "almanac/six_star.h"
#include "core/age.h"
#include "core/calendar.h"
#include "core/encoding.h"
#include "core/eras.h"
#include "core/formatting.h"
#include "core/text.h"
#include "core/trap.h"
#include "listings/list_text.h"

namespace pelmira {
namespace {

// The grade column of a person outside 小学１年..大学４年: as wide as a grade and its blank.
constexpr std::string_view kNoGrade = " 　　　　";
// Appended to the animal name before it is cut to eight characters.
constexpr std::string_view kAnimalPadding = "  　　　　";

bool shown(const ListDisplay& display, int column) {
  return display.columns[static_cast<std::size_t>(column)];
}

std::string number_text(i64 value) {
  return std::to_string(value);
}

// "00042 ": the person number in five digits and a blank.
std::string person_number_text(i16 person) {
  std::string digits = number_text(person);
  if (digits.size() < 5) digits.insert(0, 5 - digits.size(), '0');
  return digits + " ";
}

// The name without its surrounding blanks, padded with blanks to the name columns; a wider
// name is kept whole.
void append_name_column(std::string& line, std::string_view stored, std::size_t columns) {
  const std::string_view name = trimmed_name_view(stored);
  line += name;
  const auto width = static_cast<std::size_t>(cp932_display_width(name));
  if (width < columns) line.append(columns - width, ' ');
}

std::string era_column_text(i16 year, i16 month, i16 day, bool with_year) {
  i16 era_year = 0;
  std::string main_text, second_text;
  const std::string era = nneng(year, month, day, era_year, main_text, second_text);
  std::string text = era + keta(number_text(era_year));
  return with_year ? "(" + text + ")" : text;
}

std::string weekday_text(i16 year, i16 month, i16 day, i16 mode) {
  return "(" + yulibiyoub(guleyulibi(year, month, day, mode)) + ")";
}

std::string stem_text(i16 year) {
  return std::string(stemNames[stem_slot(static_cast<i16>(add16(year, 6) % 10 + 1))]) + " ";
}

std::string branch_text(i16 year) {
  return std::string(branchNames[branch_slot(static_cast<i16>(add16(year, 8) % 12 + 1))]) + " ";
}

std::string grade_text(i16 year, i16 month, i16 day, i16 ref_year, i16 ref_month) {
  const i32 g = school_grade(year, month, day, ref_year, ref_month);
  if (g <= 0 || g >= 17) return std::string(kNoGrade);
  return std::string(kSchoolGradeNames[static_cast<std::size_t>(g)]) + " ";
}

}  // namespace

i32 school_grade(i16 year, i16 month, i16 day, i16 ref_year, i16 ref_month) {
  const i32 key = i32{month} * 100 + day;
  return (i32{ref_year} - year) + (key < 402 ? 1 : 0) - (ref_month < 4 ? 1 : 0) - 6;
}

std::string year_column_text(i16 year) {
  return right_align((year >= 0 ? " " : "") + number_text(year), 5);
}

std::string zodiac_column_text(i16 month, i16 day) {
  const std::string sign = trimmed_name(char_left(sza(month, day), 3));
  return char_right(" 　" + sign, 3);
}

ListLineBuilder::ListLineBuilder(const PersonTable& table, const ProgramState& state,
                                 const ListDisplay& display)
    : table_(table),
      state_(state),
      display_(display),
      name_columns_(static_cast<std::size_t>(std::max<i32>(0, i32{display.name_tabs} * 8))) {}

std::string ListLineBuilder::line_unchecked(i16 person) const {
  const auto p = static_cast<std::size_t>(person);
  const PersonDate& date = table_.personDate.at(p);
  const i16 y = date[0], m = date[1], d = date[2];
  const DateSlot& now = state_.slots[1];
  const i16 mode = state_.calendar_mode;
  const bool memorial = display_.memorial();

  std::string line;
  line.reserve(160);
  for (const int column : kColumnDisplayOrder) {
    if (!shown(display_, column)) continue;
    switch (column) {
      case kColumnNumber:
        line += person_number_text(person);
        break;
      case kColumnName:
        append_name_column(line, table_.personName.at(p), name_columns_);
        break;
      case kColumnYear:
        line += year_column_text(y);
        break;
      case kColumnEra:
        line += era_column_text(y, m, d, shown(display_, kColumnYear));
        break;
      case kColumnBirthday:
        line += keta(number_text(m)) + "月" + keta(number_text(d)) + "日";
        break;
      case kColumnWeekday:
        line += weekday_text(y, m, d, mode);
        break;
      case kColumnAge: {
        i16 months = 0, days = 0;
        const i16 years =
            nrei(mode, now.year, now.month, now.day, y, m, d, months, days, state_.age_shift);
        line += right_align(number_text(years), 5);
        line += memorial ? "年" : "歳";
        line += keta(number_text(months));
        line += "ヶ月";
        break;
      }
      case kColumnDaysToNext: {
        std::string label;
        const i32 days = tanmade(state_, y, m, d, display_.listing_code, label);
        // Past every memorial day the count is empty: "0日" would read as "today".
        const std::string count = label == kNoMemorialLeft ? "" : number_text(days);
        line += " " + (memorial ? label : std::string()) + right_align(count, 5) + "日";
        break;
      }
      case kColumnCountedAge:
        line += right_align(kazoe(now.year, now.month, now.day, y, m, d), 5) + "才 ";
        break;
      case kColumnZodiac:
        line += zodiac_text(m, d);
        break;
      case kColumnStem:
        line += stem_text(y);
        break;
      case kColumnBranch:
        line += branch_text(y);
        break;
      case kColumnGrade:
        line += grade_text(y, m, d, now.year, now.month);
        break;
      case kColumnSixStar:
        line += rokusei(state_, y, m, d, kSixStarColumn) + " ";
        break;
      case kColumnNineStar:
        line += kigaku(y, m, d, 1) + " ";
        break;
      case kColumnAnimal:
        line += animal_text(y, m, d);
        break;
      default:
        break;
    }
    // The year column and the era column share one "年" after them.
    if ((column == kColumnEra || (column == kColumnYear && !shown(display_, kColumnEra))))
      line += "年";
  }
  return line;
}

const std::string& ListLineBuilder::zodiac_text(i16 month, i16 day) const {
  // An impossible month or day is not kept: each such line reports its error.
  if (month < 1 || month > 12 || day < 1 || day > 31) {
    static thread_local std::string text;
    text = zodiac_column_text(month, day);
    return text;
  }
  std::string& text = zodiac_texts_[static_cast<std::size_t>((month - 1) * 31 + day - 1)];
  if (text.empty()) text = zodiac_column_text(month, day);
  return text;
}

const std::string& ListLineBuilder::animal_text(i16 year, i16 month, i16 day) const {
  check_month_and_day(month, day);
  const i16 n = day_sexagenary_number(guleyulibi(year, month, day, state_.calendar_mode));
  std::string& text = animal_texts_.at(static_cast<std::size_t>(n));
  if (text.empty()) {
    std::string reading;
    const std::string name = animalFortune(state_.calendar_mode, year, month, day, reading);
    text = char_left(name + std::string(kAnimalPadding), 8) + " ";
  }
  return text;
}

std::string ListLineBuilder::line(i16 person) const {
  return trap("st3", [&] { return line_unchecked(person); });
}

std::string st3(const PersonTable& table, const ProgramState& state, const ListDisplay& display,
                i16 person) {
  return ListLineBuilder(table, state, display).line(person);
}

}  // namespace pelmira
