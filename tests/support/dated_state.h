#pragma once
// A program state holding two typed dates, refreshed as the main window refreshes them,
// for tests of the report and the listings.

#include <optional>

#include "core/state.h"
#include "mainwindow/age_report.h"

namespace pelmira::testing {

struct Ymd {
  i16 year, month, day;
};

// Slot 0 = birth, slot 1 = now, both entered as Western years; the clock reads `today`
// (the "現在" date unless given).
inline ProgramState dated_state(Ymd birth, Ymd now, i16 mode = kModeAutomatic, i16 shift = 0,
                                std::optional<Ymd> today = std::nullopt) {
  ProgramState state;
  state.calendar_mode = mode;
  state.age_shift = shift;
  const Ymd clock_day = today.value_or(now);
  state.clock =
      fixed_clock(LocalDateTime{clock_day.year, clock_day.month, clock_day.day, 9, 30, 0});
  const Ymd dates[2] = {birth, now};
  for (int i = 0; i < 2; ++i) {
    DateSlot& slot = state.slots[static_cast<std::size_t>(i)];
    slot.era_label() = "西暦";
    slot.entered_year = dates[i].year;
    slot.month = dates[i].month;
    slot.day = dates[i].day;
  }
  mein0(state);
  return state;
}

}  // namespace pelmira::testing
