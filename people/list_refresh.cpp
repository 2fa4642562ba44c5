#include "people/list_refresh.h"

#include "core/trap.h"

namespace pelmira {

ListRefresh rist04(const PersonTable& table, const ProgramState& state, const ListDisplay& display,
                   const BusyState& busy) {
  ListRefresh refresh;
  trap("rist04", [&] {
    if (table.personCount > 0) refresh.fill = st7(table, state, display, busy);
    refresh.summary = mhyuji(table, state, display);
    refresh.same_date_listing = display.listing_code == kListingSameDate;
  });
  return refresh;
}

ListRows refresh_rows(const PersonTable& table, const ProgramState& state,
                      const ListDisplay& display) {
  ListRows rows;
  trap("rist04", [&] {
    if (table.personCount > 0) {
      trap("st7", [&] {
        rows.persons = shown_rows(table, display);
        rows.selected = selected_row(table, display);
      });
    }
    rows.summary = mhyuji(table, state, display);
    rows.same_date_listing = display.listing_code == kListingSameDate;
  });
  return rows;
}

void ls32(ListDisplay& display) {
  display.ascending = !display.ascending;
}

}  // namespace pelmira
