#include "people/list_view.h"

#include "core/trap.h"
#include "people/list_lines.h"

namespace pelmira {
namespace {

// Makes room for `rows` rows and the terminator.
void ensure_rows(std::vector<i16>& order, std::size_t rows) {
  if (order.size() < rows + 2) order.resize(rows + 2, 0);
}

void terminate(std::vector<i16>& order, std::size_t rows) {
  ensure_rows(order, rows);
  order[rows + 1] = 0;
}

std::size_t persons_of(const PersonTable& table) {
  return static_cast<std::size_t>(std::max<i16>(table.personCount, 0));
}

}  // namespace

BusyScope::BusyScope(const BusyState& busy) : busy_(busy) {
  if (busy_) busy_(true);
}

BusyScope::~BusyScope() {
  if (busy_) busy_(false);
}

std::vector<i16> shown_rows(const PersonTable& table, const ListDisplay& display) {
  const std::vector<i16>& order = table.viewOrder[static_cast<std::size_t>(display.shown_list())];
  const i16 rows = order_length(order);
  return std::vector<i16>(order.begin() + 1, order.begin() + 1 + rows);
}

int row_of_person(const PersonTable& table, const ListDisplay& display, i16 person) {
  if (person <= 0) return -1;
  const i16 at =
      position_in_order(table.viewOrder[static_cast<std::size_t>(display.shown_list())], person);
  return at - 1;
}

i16 person_of_row(const PersonTable& table, const ListDisplay& display, int row) {
  const std::vector<i16>& order = table.viewOrder[static_cast<std::size_t>(display.shown_list())];
  if (row < 0 || row >= order_length(order)) return 0;
  return order[static_cast<std::size_t>(row) + 1];
}

int selected_row(const PersonTable& table, const ListDisplay& display) {
  return row_of_person(table, display, table.selected_person);
}

ListFill st7(const PersonTable& table, const ProgramState& state, const ListDisplay& display,
             const BusyState& busy) {
  ListFill fill;
  trap("st7", [&] {
    const std::vector<i16> rows = shown_rows(table, display);
    const ListLineBuilder builder(table, state, display);
    {
      const BusyScope scope(busy);
      fill.lines.reserve(rows.size());
      for (const i16 person : rows) fill.lines.push_back(builder.line(person));
    }
    fill.selected = selected_row(table, display);
  });
  return fill;
}

void st01(PersonTable& table) {
  trap("st01", [&] {
    std::vector<i16>& list = table.viewOrder[0];
    std::size_t rows = 0;
    const i16 loaded = order_length(table.loadOrder);
    for (i16 k = 1; k <= loaded; ++k) {
      const i16 p = table.loadOrder[static_cast<std::size_t>(k)];
      if (table.deletedMark.at(static_cast<std::size_t>(p)) != 0) continue;
      ensure_rows(list, rows + 1);
      list[++rows] = p;
    }
    terminate(list, rows);
    st9(table, 0);
  });
}

void list04(PersonTable& table) {
  trap("list04", [&] {
    std::vector<i16>& list = table.viewOrder[0];
    std::size_t rows = 0;
    const std::size_t count = persons_of(table);
    for (std::size_t p = 1; p <= count; ++p) {
      if (table.searchLevel.at(p) < table.search_depth || table.deletedMark.at(p) != 0) continue;
      ensure_rows(list, rows + 1);
      list[++rows] = static_cast<i16>(p);
    }
    terminate(list, rows);
    st9(table, 0);
  });
}

void ls38(PersonTable& table) {
  table.search_depth = 0;
  st01(table);
}

void append_to_order(std::vector<i16>& order, i16 person) {
  const auto rows = static_cast<std::size_t>(order_length(order));
  ensure_rows(order, rows + 1);
  order[rows + 1] = person;
  order[rows + 2] = 0;
}

void insert_into_order(std::vector<i16>& order, i16 at, const std::vector<i16>& persons) {
  const auto rows = static_cast<std::size_t>(order_length(order));
  std::size_t where = at < 1 ? 1 : static_cast<std::size_t>(at);
  if (where > rows + 1) where = rows + 1;
  std::vector<i16> block(order.begin() + 1, order.begin() + 1 + static_cast<std::ptrdiff_t>(rows));
  block.insert(block.begin() + static_cast<std::ptrdiff_t>(where - 1), persons.begin(),
               persons.end());
  ensure_rows(order, block.size());
  std::copy(block.begin(), block.end(), order.begin() + 1);
  order[block.size() + 1] = 0;
}

i16 position_in_order(const std::vector<i16>& order, i16 person) {
  // One pass that stops at the terminator, without measuring the list first.
  for (std::size_t k = 1; k < order.size(); ++k) {
    if (order[k] == 0) return 0;
    if (order[k] == person) return static_cast<i16>(k);
  }
  return 0;
}

}  // namespace pelmira
