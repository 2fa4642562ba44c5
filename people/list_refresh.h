#pragma once
// The refresh of the person list (rist04): the lines, the summary and menu states, and
// whether the same-date listing is to be rebuilt with it. The window clears the list box,
// shows these, and ticks "リスト　画面の表示" and shows the list panel when it was hidden.

#include "core/state.h"
#include "people/list_columns.h"
#include "people/list_summary.h"
#include "people/list_view.h"
#include "people/person_table.h"

namespace pelmira {

struct ListRefresh {
  ListFill fill;                   // empty when the table holds no person
  ListSummary summary;             // mhyuji
  bool same_date_listing = false;  // the listing chosen is kind 8: rebuild it (caleTan)
};

// Traps as "rist04".
ListRefresh rist04(const PersonTable& table, const ProgramState& state, const ListDisplay& display,
                   const BusyState& busy = {});

// The same refresh for a list that builds its lines on demand: the person of each row
// instead of the rows' lines.
struct ListRows {
  std::vector<i16> persons;  // the person of each row, top to bottom; empty for no person
  int selected = -1;         // the row of the selected person, -1 for none
  ListSummary summary;       // mhyuji
  bool same_date_listing = false;

  bool operator==(const ListRows&) const = default;
};

// rist04 without the lines: what it returns but `fill.lines`, holding the persons whose
// lines st7 would build. It costs a pass over the order list and the average age, so no
// busy state is needed. Traps as "rist04"; the rows part as "st7".
ListRows refresh_rows(const PersonTable& table, const ProgramState& state,
                      const ListDisplay& display);

// The order menu (ls32): a click on either item flips both check marks, which are always
// opposite. The window then refills the list.
void ls32(ListDisplay& display);

}  // namespace pelmira
