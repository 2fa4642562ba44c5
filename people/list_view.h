#pragma once
// The rows of the person list and the order lists behind them. The list always shows order
// list 0 (ascending) or list 1 (descending, its exact reverse); these procedures rebuild the
// order lists from the load order or the search levels, and fill the list from them.

#include <functional>
#include <string>
#include <vector>

#include "core/checked.h"
#include "core/state.h"
#include "people/list_columns.h"
#include "people/person_table.h"

namespace pelmira {

// The busy state of the main window (panels disabled, hourglass pointer): called with true
// before a long step and with false after it. An empty function does nothing.
using BusyState = std::function<void(bool)>;

// Turns the busy state on for its lifetime.
class BusyScope {
 public:
  explicit BusyScope(const BusyState& busy);
  ~BusyScope();
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  const BusyState& busy_;
};

// The person numbers of the rows the list shows, top to bottom.
std::vector<i16> shown_rows(const PersonTable& table, const ListDisplay& display);

// The row (0-based) that shows person p, or -1.
int row_of_person(const PersonTable& table, const ListDisplay& display, i16 person);

// The person of a row (0-based) of the shown list, or 0 for a row that does not exist.
i16 person_of_row(const PersonTable& table, const ListDisplay& display, int row);

// The row of the selected person, -1 when none is selected or it is not shown.
int selected_row(const PersonTable& table, const ListDisplay& display);

// What the list box holds after a refill.
struct ListFill {
  std::vector<std::string> lines;
  int selected = -1;  // the row of the selected person, -1 for none
};

// Fills the list (st7): one line per row of the shown order list, and the row of the
// selected person. Traps as "st7"; the lines built before an error stay.
ListFill st7(const PersonTable& table, const ProgramState& state, const ListDisplay& display,
             const BusyState& busy = {});

// The basic order (st01): order list 0 from the load order without deleted or cut persons,
// list 1 its reverse. Traps as "st01".
void st01(PersonTable& table);

// The search level's order (list04): order list 0 from the persons whose search level is
// at least the search depth and who are not deleted, in person-number order; list 1 its
// reverse. Traps as "list04".
void list04(PersonTable& table);

// Menu "基本の並びの表示" (ls38): search depth 0 and the basic order. The window then
// refills the list and runs mhyuji.
void ls38(PersonTable& table);

// Appends person p to the end of an order list (its terminator moves one on).
void append_to_order(std::vector<i16>& order, i16 person);

// Inserts a block of persons before position `at` (1-based) of an order list; positions from
// `at` move down. `at` past the last row appends.
void insert_into_order(std::vector<i16>& order, i16 at, const std::vector<i16>& persons);

// Position (1-based) of person p in an order list, 0 when absent.
i16 position_in_order(const std::vector<i16>& order, i16 person);

}  // namespace pelmira
