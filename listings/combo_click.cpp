#include <cctype>

#include "core/calendar.h"
#include "core/eras.h"
#include "core/trap.h"
#include "listings/selector.h"

namespace pelmira {
namespace {

// The number in a year item ("　1990　年" -> 1990); 0 for an item without one.
i64 number_in_item(std::string_view item) {
  std::size_t pos = item.find_first_of("-0123456789");
  if (pos == std::string_view::npos) return 0;
  const bool negative = item[pos] == '-';
  if (negative) ++pos;
  i64 value = 0;
  for (; pos < item.size() && std::isdigit(static_cast<unsigned char>(item[pos])); ++pos) {
    value = value * 10 + (item[pos] - '0');
    if (value > 100000) raise_overflow();
  }
  return negative ? -value : value;
}

int selection_of(const ComboBox& box) {
  if (box.selected < 0 || static_cast<std::size_t>(box.selected) >= box.items.size()) return -1;
  return box.selected;
}

// The month box of the day counts: 1 the whole year, 2..13 a month, 0 no change.
void take_period_month(ProgramState& state, int choice) {
  DateSlot& first = state.slots[0];
  DateSlot& second = state.slots[1];
  if (choice == 1) {
    first.month = 1;
    first.day = 1;
    second.month = 12;
    second.day = 31;
  } else if (choice >= 2 && choice <= 13) {
    const i16 month = static_cast<i16>(choice - 1);
    first.month = second.month = month;
    first.day = 1;
    // The second date's year as the refresh will read it.
    const i16 year = nnen(second.era_label(), second.entered_year);
    second.day = nyou2(year, month, 1, state.calendar_mode);
  }
}

}  // namespace

bool Combo1_Click(ProgramState& state, ListingSession& session, ListingControls& controls,
                  int index) {
  return trap("Combo1_Click", [&]() -> bool {
    if (index < 0 || index > 1) return false;
    const int choice = selection_of(controls.combos[static_cast<std::size_t>(index)]);
    if (session.kind == kListingFortune) {
      session.hour_choice = static_cast<i16>(std::max(selection_of(controls.combos[0]), 0));
      session.minute_choice = static_cast<i16>(std::max(selection_of(controls.combos[1]), 0));
      return true;
    }
    if (session.kind == kListingZodiacYears) {
      session.branch_choice = static_cast<i16>(std::max(selection_of(controls.combos[0]), 0));
      session.stem_choice = static_cast<i16>(std::max(selection_of(controls.combos[1]), 0));
      return true;
    }
    if (session.kind != kListingDayCounts) return true;
    if (index == 0) {
      const i64 year = choice < 1 ? 0 : number_in_item(controls.combos[0].items[choice]);
      // "年を指定" (and a year the dates cannot take) changes nothing.
      if (year < 1) return false;
      session.year_choice = static_cast<i16>(choice);
      for (int slot = 0; slot < 2; ++slot) {
        state.slots[slot].era_label() = "西暦";
        state.slots[slot].entered_year = to_i16(year);
      }
      if (selection_of(controls.combos[1]) < 1) {
        // Choosing the whole year raises the month box's own click.
        controls.combos[1].selected = 1;
        session.month_choice = 1;
        take_period_month(state, 1);
      }
      return true;
    }
    session.month_choice = static_cast<i16>(std::max(choice, 0));
    take_period_month(state, choice);
    return true;
  });
}

}  // namespace pelmira
