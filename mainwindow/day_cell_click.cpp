#include "core/calendar.h"
#include "core/trap.h"
#include "mainwindow/age_report.h"

namespace pelmira {

bool Label7_Click(ProgramState& state, int slot, int cell) {
  return trap("Label7_Click", [&]() -> bool {
    // Only the 42 day cells name a day; the captions and weekday headers do nothing.
    if (cell < 10 || cell > 51 || slot < 0 || slot > 1) return false;
    DateSlot& shown = state.slots[static_cast<std::size_t>(slot)];
    const i16 mode = state.calendar_mode;
    const i16 first_weekday = yulibiyous(guleyulibi(shown.year, shown.month, 1, mode));
    // A month starting on a Sunday begins in the second row.
    const i16 offset = first_weekday == 0 ? i16{7} : first_weekday;
    i16 day = sub16(sub16(cell, offset), 9);
    // October 1582 in the automatic mode runs 1 to 4, then 15 onwards.
    if (mode == kModeAutomatic && shown.year == 1582 && shown.month == 10 && cell > 14)
      day = add16(day, 10);
    shown.day = day;
    return true;
  });
}

}  // namespace pelmira
