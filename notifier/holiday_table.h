#pragma once
// The notifier's holiday table of one year and the move of a due date off Saturdays,
// Sundays and holidays. The table is built from the holiday law of the main program: each
// listed holiday with its name, each substitute holiday with an empty name, in date order,
// as many slots as the year needs.

#include <optional>
#include <string>
#include <vector>

#include "core/checked.h"

namespace pelmira {

struct HolidayEntry;  // holidays/holiday_rules.h

struct HolidaySlot {
  i16 month = 0;
  i16 day = 0;
  std::string name;  // empty for a substitute holiday
};

// Slot k (1-based) is element k-1.
using HolidayTable = std::vector<HolidaySlot>;

// The table of a year's holidays as the holiday law lists them.
HolidayTable holiday_table_of(const std::vector<HolidayEntry>& entries);

// The table for today's year.
HolidayTable saijitu(i16 year);

// The name of the first slot with a name on (month, day), if any: the holiday line shown
// first in the list.
std::optional<std::string> saijituhyouji(const HolidayTable& table, i16 month, i16 day);

// Moves a candidate due date off the days its flags name, in the direction of the
// before/after flag, then normalises it. The table is compared by month and day only.
void frikae01(const HolidayTable& table, i16& year, i16& month, i16& day, bool saturday,
              bool sunday, bool holiday, bool before, bool after);

}  // namespace pelmira
