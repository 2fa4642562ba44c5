#pragma once
// Person tables for the list tests, built as a read leaves them (every person loaded, order
// list 0 in load order, list 1 its reverse), and the reference date the list is computed at.

#include <string>
#include <vector>

#include "core/state.h"
#include "people/list_columns.h"
#include "people/list_view.h"
#include "people/notice_code.h"
#include "people/person_table.h"
#include "support/dated_state.h"

namespace pelmira::testing {

struct PersonRow {
  std::string name;
  i16 year, month, day;
};

inline PersonTable table_of(const std::vector<PersonRow>& persons) {
  PersonTable table;
  const auto n = static_cast<i16>(persons.size());
  dhiretu(table, static_cast<i16>(n + 1));
  for (i16 k = 1; k <= n; ++k) {
    const PersonRow& row = persons[static_cast<std::size_t>(k - 1)];
    const auto p = static_cast<std::size_t>(k);
    table.personName[p] = fixed_name(row.name);
    table.personDate[p] = {row.year, row.month, row.day};
    table.noticeCode[p] = default_notice_code();
    table.loadOrder[p] = k;
    table.viewOrder[0][p] = k;
  }
  table.personCount = n;
  st9(table, 0);
  return table;
}

// The "現在" date (and today) at year-month-day; the birth side holds 2000-05-03.
inline ProgramState reference(i16 year, i16 month, i16 day, i16 shift = 0,
                              i16 mode = kModeAutomatic) {
  return dated_state({2000, 5, 3}, {year, month, day}, mode, shift);
}

// The trimmed names of the rows the list shows, top to bottom.
inline std::vector<std::string> shown_names(const PersonTable& table,
                                            const ListDisplay& display = {}) {
  std::vector<std::string> names;
  for (const i16 p : shown_rows(table, display))
    names.push_back(trimmed_name(table.personName.at(static_cast<std::size_t>(p))));
  return names;
}

inline std::vector<i16> order_rows(const std::vector<i16>& order) {
  return std::vector<i16>(order.begin() + 1, order.begin() + 1 + order_length(order));
}

inline ListDisplay display_with(std::string_view columns, i16 listing = kListingFortune) {
  ListDisplay display;
  display.columns = column_flags_from_setting(columns);
  display.listing_code = listing;
  return display;
}

}  // namespace pelmira::testing
