#pragma once
// Fills a date slot the way the refresh leaves it: the numbers, their text twins and the
// display texts the listings read. The era texts are left to each test.

#include <string>

#include "core/state.h"

namespace pelmira::testing {

inline void set_slot(ProgramState& state, int index, i16 year, i16 month, i16 day) {
  DateSlot& slot = state.slots[static_cast<std::size_t>(index)];
  slot.year = year;
  slot.month = month;
  slot.day = day;
  slot.entered_year = year;
  slot.texts[0] = std::to_string(year);
  slot.texts[1] = std::to_string(month);
  slot.texts[2] = std::to_string(day);
  slot.texts[4] = std::to_string(year);
  slot.month_day_text = std::to_string(month) + "月 " + std::to_string(day) + "日";
  slot.western_text = "西暦 " + std::to_string(year) + "年 " + slot.month_day_text;
}

}  // namespace pelmira::testing
