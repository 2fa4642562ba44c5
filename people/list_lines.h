#pragma once
// The text line the person list shows for one person: the shown columns' texts joined in
// display order. A builder is made once per refill (it holds what every line shares: the
// reference date, the calendar mode, the ageing rule and the columns) and then builds any
// line on its own, so that a list model can produce the lines of the visible rows on demand.

#include <array>
#include <string>

#include "core/checked.h"
#include "core/state.h"
#include "people/list_columns.h"
#include "people/person_table.h"

namespace pelmira {

class ListLineBuilder {
 public:
  // The table and the state are read when a line is built, so they must outlive the builder.
  ListLineBuilder(const PersonTable& table, const ProgramState& state, const ListDisplay& display);

  // The line of person p (st3). A run-time error of a column ends the line: it is reported
  // as "st3" and the line is empty.
  std::string line(i16 person) const;

  // The same without the trap: the error propagates to the caller.
  std::string line_unchecked(i16 person) const;

 private:
  // The zodiac column of a month and day, and the animal column of a day's sexagenary
  // number, each built once per builder: they depend on nothing else.
  const std::string& zodiac_text(i16 month, i16 day) const;
  const std::string& animal_text(i16 year, i16 month, i16 day) const;

  const PersonTable& table_;
  const ProgramState& state_;
  ListDisplay display_;
  std::size_t name_columns_ = 0;  // display columns reserved for the name
  mutable std::array<std::string, 12 * 31> zodiac_texts_;
  mutable std::array<std::string, 61> animal_texts_;
};

// The line of one person. Traps as "st3".
std::string st3(const PersonTable& table, const ProgramState& state, const ListDisplay& display,
                i16 person);

// The school grade of a birth date at the reference date: 1..16 for 小学１年..大学４年,
// anything else out of range. A person born on 1 April belongs to the year before; the
// school year of the reference date starts in April.
i32 school_grade(i16 year, i16 month, i16 day, i16 ref_year, i16 ref_month);

// The text pieces of the columns that other procedures share.
// " 1990" right-aligned in 5 characters: the number with a leading blank for its sign.
std::string year_column_text(i16 year);
// The zodiac sign cut to three characters: "山羊座", "　魚座".
std::string zodiac_column_text(i16 month, i16 day);

}  // namespace pelmira
