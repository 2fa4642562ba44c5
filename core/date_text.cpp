#include "core/date_text.h"

#include <array>
#include <cstddef>

#include "core/calendar.h"
#include "core/eras.h"
#include "core/text.h"
#include "core/trap.h"

namespace pelmira {
namespace {

constexpr std::string_view kWestern = "西暦";

// The largest year a typed date may normalise to.
constexpr i16 kLargestTypedYear = 32743;

// Full-width forms become their narrow twins: the full-width ASCII block, the ideographic
// space and the typographic quotes an input method types for ' and ". The era ligatures
// (㍻ ㍼ ㍽ ㍾ ㋿) and every other character stay as they are.
char32_t to_narrow(char32_t c) {
  if (c >= U'\uFF01' && c <= U'\uFF5E') return c - 0xFEE0;
  switch (c) {
    case U'\u3000':
      return U' ';
    case U'\u2018':
      return U'`';
    case U'\u2019':
      return U'\'';
    case U'\u201C':
    case U'\u201D':
      return U'"';
    case U'\uFFE5':
      return U'\\';
    default:
      return c;
  }
}

// The era label an era letter stands for, or the empty view for any other character.
std::string_view era_of_letter(char32_t c) {
  switch (c) {
    case U'令':
    case U'R':
    case U'r':
    case U'\u32FF':  // ㋿
      return "令和";
    case U'平':
    case U'H':
    case U'h':
    case U'\u337B':  // ㍻
      return "平成";
    case U'昭':
    case U'S':
    case U's':
    case U'\u337C':  // ㍼
      return "昭和";
    case U'大':
    case U'T':
    case U't':
    case U'\u337D':  // ㍽
      return "大正";
    case U'明':
    case U'M':
    case U'm':
    case U'\u337E':  // ㍾
      return "明治";
    default:
      return {};
  }
}

// The numeric value of a field of digits (possibly signed after a short year); an empty
// field reads 0 and a value beyond 16 bits is an overflow. Stops as soon as it passes the
// range, so a digit run of any length costs no more than a few steps.
i16 field_value(const std::string& field) {
  std::size_t pos = 0;
  const bool negative = !field.empty() && field[0] == '-';
  if (negative) ++pos;
  i64 value = 0;
  for (; pos < field.size(); ++pos) {
    value = value * 10 + (field[pos] - '0');
    if (value > 32768) raise_overflow();
  }
  return to_i16(negative ? -value : value);
}

// The parse of a typed date: fields 3 upwards are filled in order; the units 年 月 日 move
// the year, month and day fields onto the fields just typed.
class DateTextParser {
 public:
  static constexpr int kFieldCount = 17;
  static constexpr int kLastField = 15;

  DateTextParser(const ProgramState& state, i16 slot) : state_(state), slot_(slot) {}

  void read(std::string_view text) {
    // The character two places back decides a short year ("'05"); before the text it is none.
    char32_t two_back = U'*', one_back = U'*';
    for (std::size_t pos = 0; pos < text.size();) {
      const char32_t c = to_narrow(next_char(text, pos));
      if (c >= U'0' && c <= U'9')
        append_digit(static_cast<char>(c), two_back == U'\'');
      else
        read_other(c);
      two_back = one_back;
      one_back = c;
    }
  }

  const std::string& field(int index) const { return fields_[static_cast<std::size_t>(index)]; }
  int year_field() const { return year_; }
  int month_field() const { return month_; }
  int day_field() const { return day_; }
  std::string_view era_label() const { return era_label_; }

 private:
  std::string& current() { return fields_[static_cast<std::size_t>(current_)]; }

  void append_digit(char digit, bool after_apostrophe) {
    current() += digit;
    if (current().size() == 2 && after_apostrophe) expand_short_year();
  }

  // "'05": the century of the other slot's Western year goes in front; a 現在 date may not
  // fall before the birth side, nor a birth date after the 現在 side.
  void expand_short_year() {
    if (slot_ != 0 && slot_ != 1) raise_error(err::kSubscript);
    const i16 other_year = state_.slots[slot_ == 0 ? 1 : 0].year;
    i32 year = add32(mul32(other_year / 100, 100), field_value(current()));
    if (slot_ == 1 && year < other_year) year = add32(year, 100);
    if (slot_ == 0 && year > other_year) year = sub32(year, 100);
    current() = std::to_string(year);
  }

  void read_other(char32_t c) {
    if (!current().empty() && current_ < kLastField) ++current_;
    if (const std::string_view era = era_of_letter(c); !era.empty()) {
      era_label_ = era;
      return;
    }
    switch (c) {
      case U'年':
        year_ = current_ - 1;
        year_placed_ = true;
        if (!month_placed_) month_ = current_;
        if (!day_placed_) day_ = current_ + 1;
        break;
      case U'月':
        month_ = current_ - 1;
        month_placed_ = true;
        if (!year_placed_) year_ = current_ - 2;
        if (!day_placed_) day_ = current_;
        break;
      case U'日':
        day_ = current_ - 1;
        day_placed_ = true;
        if (!year_placed_) year_ = current_ - 3;
        if (!month_placed_) month_ = current_ - 2;
        break;
      default:  // a space or any separator
        break;
    }
  }

  const ProgramState& state_;
  i16 slot_;
  std::array<std::string, kFieldCount> fields_;
  int current_ = 3;
  int year_ = 3, month_ = 4, day_ = 5;
  bool year_placed_ = false, month_placed_ = false, day_placed_ = false;
  std::string_view era_label_ = kWestern;
};

}  // namespace

std::string bnsk(const ProgramState& state, std::string_view text, i16& year, i16& month, i16& day,
                 i16 slot) {
  return trap("bnsk", [&]() -> std::string {
    DateTextParser parser(state, slot);
    parser.read(text);
    const std::string& year_text = parser.field(parser.year_field());
    const std::string& month_text = parser.field(parser.month_field());
    const std::string& day_text = parser.field(parser.day_field());
    const i16 typed_year = field_value(year_text);
    const i16 typed_month = field_value(month_text);
    const i16 typed_day = field_value(day_text);

    // The typed date must normalise to a year the calendar can hold. The normaliser reports
    // its own overflow and then returns something other than the year it left; either way
    // nothing is written back.
    i16 y = typed_year, m = typed_month, d = typed_day;
    const i16 normalised = hiteisei(state.calendar_mode, y, m, d);
    if (normalised != y || normalised > kLargestTypedYear) raise_overflow();

    // Only what was typed is written, as typed.
    std::string label;
    if (!year_text.empty()) {
      year = typed_year;
      label = parser.era_label();
    }
    if (!month_text.empty()) month = typed_month;
    if (!day_text.empty()) day = typed_day;
    return label;
  });
}

i16 calendar_in_force(const ProgramState& state, int slot) {
  const DateSlot& date = state.slots.at(static_cast<std::size_t>(slot));
  switch (state.calendar_mode) {
    case kModeAutomatic:
      return daisyou(date.year, date.month, date.day, 1582, 10, 14) == -1 ? 0 : 1;
    case kModeJulian:
      return 1;
    default:
      return 0;
  }
}

std::string swhkiri(const ProgramState& state, i16 year, i16 month, i16 day, i16& shown_year) {
  return trap("swhkiri", [&]() -> std::string {
    shown_year = year;
    if (state.western_only != 0) return {};
    std::string main_text, second_text;
    std::string era = nneng(year, month, day, shown_year, main_text, second_text);
    if (era == kWestern) era.clear();
    return era;
  });
}

void ahenkan(ProgramState& state) {
  trap("ahenkan", [&] {
    for (std::size_t i = 0; i < state.slots.size(); ++i) {
      DateSlot& slot = state.slots[i];
      // Field 3 has no number of its own; slots 0 and 1 keep their era label there.
      const std::array<i16, 5> numbers{slot.year, slot.month, slot.day, 0, slot.entered_year};
      for (std::size_t field = 0; field < numbers.size(); ++field) {
        if (field == 3 && i < 2) continue;
        slot.texts[field] = std::to_string(numbers[field]);
      }
    }
  });
}

}  // namespace pelmira
