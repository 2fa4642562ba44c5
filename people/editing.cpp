#include "people/editing.h"

#include <algorithm>
#include <string>
#include <unordered_set>

#include "core/trap.h"
#include "people/list_view.h"
#include "people/numeric_text.h"

namespace pelmira {
namespace {

std::size_t index_of(i16 person) {
  return static_cast<std::size_t>(person);
}

bool is_person(const PersonTable& table, i16 person) {
  return person >= 1 && person <= table.personCount;
}

// Removes the row at position r (1-based) of an order list; the rows after it move up.
void remove_row(std::vector<i16>& order, i16 r) {
  const i16 rows = order_length(order);
  std::copy(order.begin() + r + 1, order.begin() + rows + 1, order.begin() + r);
  order[index_of(rows)] = 0;
}

// The person numbers of the cut persons, in load order.
std::vector<i16> cut_persons_in_load_order(const PersonTable& table) {
  std::vector<i16> cut;
  const i16 loaded = order_length(table.loadOrder);
  for (i16 k = 1; k <= loaded; ++k) {
    const i16 p = table.loadOrder[index_of(k)];
    if (table.deletedMark.at(index_of(p)) == -1) cut.push_back(p);
  }
  return cut;
}

void remove_from_order(std::vector<i16>& order, const std::vector<i16>& persons) {
  const std::unordered_set<i16> leaving(persons.begin(), persons.end());
  const i16 rows = order_length(order);
  i16 kept = 0;
  for (i16 k = 1; k <= rows; ++k) {
    const i16 p = order[index_of(k)];
    if (!leaving.contains(p)) order[index_of(++kept)] = p;
  }
  for (i16 k = kept + 1; k <= rows; ++k) order[index_of(k)] = 0;
}

void undo_last_step(PersonTable& table) {
  if (table.deletion_counter <= 0) return;
  for (i16 p = 1; p <= table.personCount; ++p) {
    i16& mark = table.deletedMark.at(index_of(p));
    if (mark != table.deletion_counter) continue;
    mark = 0;
    append_to_order(table.viewOrder[0], p);
  }
  table.deletion_counter = sub16(table.deletion_counter, 1);
  st9(table, 0);
}

// Puts `persons` before the selected person in the load order and the shown list, or at the
// end of both when no row is selected.
void place_before_selection(PersonTable& table, const ListDisplay& display,
                            const std::vector<i16>& persons) {
  const int shown = display.shown_list();
  std::vector<i16>& list = table.viewOrder[static_cast<std::size_t>(shown)];
  const int row = selected_row(table, display);
  const i16 load_at = row >= 0 ? position_in_order(table.loadOrder, table.selected_person) : i16{0};
  insert_into_order(table.loadOrder, load_at > 0 ? load_at : kMaxPersons + 1, persons);
  insert_into_order(list, row >= 0 ? static_cast<i16>(row + 1) : kMaxPersons + 1, persons);
  st9(table, static_cast<i16>(shown));
}

void insert_cut_persons(PersonTable& table, const ListDisplay& display) {
  const std::vector<i16> cut = cut_persons_in_load_order(table);
  if (cut.empty()) return;
  remove_from_order(table.loadOrder, cut);
  place_before_selection(table, display, cut);
  for (const i16 p : cut) table.deletedMark.at(index_of(p)) = 0;
}

// The key of a duplicate: the stored (blank-padded) name and the date.
std::string duplicate_key(const PersonTable& table, std::size_t p) {
  const PersonDate& date = table.personDate.at(p);
  std::string key = table.personName.at(p);
  key += '\0';
  for (const i16 part : date) key += std::to_string(part) + ' ';
  return key;
}

}  // namespace

void list1c(PersonTable& table, const ListDisplay& display, ProgramState& state, int row,
            NoticePane& pane) {
  trap("list1c", [&] {
    const i16 p = person_of_row(table, display, row);
    if (p == 0) {
      table.selected_person = 0;
      nyu01(table, 0, "", pane);
      return;
    }
    table.selected_person = p;
    const PersonDate& date = table.personDate.at(index_of(p));
    DateSlot& birth = state.slots[0];
    birth.era_label() = "西暦";
    birth.entered_year = birth.year = date[0];
    birth.month = date[1];
    birth.day = date[2];
    nyu01(table, p, trimmed_name(table.personName.at(index_of(p))), pane);
  });
}

void ls26(PersonTable& table) {
  table.selected_person = 0;
}

int list05(PersonTable& table, const ListDisplay& display, i16 mode) {
  return trap("list05", [&]() -> int {
    const int row = selected_row(table, display);
    if (row < 0) return -1;
    const int shown = display.shown_list();
    std::vector<i16>& list = table.viewOrder[static_cast<std::size_t>(shown)];
    const auto r = static_cast<i16>(row + 1);
    i16 mark = -1;
    if (mode != kCutMode) {
      table.deletion_counter = add16(table.deletion_counter, 1);
      mark = table.deletion_counter;
    }
    table.deletedMark.at(index_of(list[index_of(r)])) = mark;
    remove_row(list, r);
    st9(table, static_cast<i16>(shown));
    table.changed = 1;
    const i16 rows = order_length(list);
    const int now_selected = rows == 0 ? -1 : std::min<int>(row, rows - 1);
    table.selected_person = now_selected < 0 ? i16{0} : list[index_of(now_selected + 1)];
    return now_selected;
  });
}

int ls27(PersonTable& table, const ListDisplay& display) {
  return trap("ls27_Click", [&]() -> int {
    if (selected_row(table, display) < 0) return -1;
    table.cut_count = add16(table.cut_count, 1);
    return list05(table, display, kCutMode);
  });
}

void modosu(PersonTable& table, const ListDisplay& display, i16 mode) {
  trap("modosu", [&] {
    if (mode == kInsertMode)
      insert_cut_persons(table, display);
    else
      undo_last_step(table);
  });
}

void ls22(PersonTable& table, const ListDisplay& display) {
  modosu(table, display, kInsertMode);
  table.cut_count = 0;
}

void ls231(PersonTable& table, const ListDisplay& display) {
  modosu(table, display, kUndoMode);
}

i32 jyufuku(PersonTable& table) {
  return trap("jyufuku", [&]() -> i32 {
    table.deletion_counter = add16(table.deletion_counter, 1);
    // Every later person equal to an earlier one that is not deleted is a duplicate; one pass
    // with the keys seen so far finds the same persons as comparing every pair.
    std::unordered_set<std::string> seen;
    std::vector<i16> removed;
    for (i16 p = 1; p <= table.personCount; ++p) {
      i16& mark = table.deletedMark.at(index_of(p));
      if (mark != 0) continue;
      if (!seen.insert(duplicate_key(table, index_of(p))).second) {
        mark = table.deletion_counter;
        removed.push_back(p);
      }
    }
    remove_from_order(table.viewOrder[0], removed);
    if (removed.empty()) {
      table.deletion_counter = sub16(table.deletion_counter, 1);
    } else {
      table.changed = 1;
    }
    st9(table, 0);
    return static_cast<i32>(removed.size());
  });
}

std::optional<std::string> entry_refusal(const ProgramState& state, const NoticePane& pane) {
  if (trimmed_name(pane.name).empty()) return std::string(kEntryNameMissing);
  const DateSlot& birth = state.slots[0];
  if (birth.year < 1 || birth.year > kLargestStoredNumber || birth.month < 1 || birth.month > 12 ||
      birth.day < 1 || birth.day > 31)
    return std::string(kEntryDateRefused);
  const double days = numeric_value(narrow_text(pane.days_text));
  if (!(days >= 0 && days <= kLargestStoredNumber)) return std::string(kEntryDaysRefused);
  return std::nullopt;
}

void fillPersonFromInput(PersonTable& table, const ProgramState& state, const NoticePane& pane,
                         i16 person) {
  trap("fillPersonFromInput", [&] {
    if (!is_person(table, person)) raise_error(err::kSubscript);
    // Every field is worked out before any is stored: a refused value changes nothing.
    i16 days = 0;
    NoticeCode code{};
    store_pane_rule(pane, days, code);
    const std::size_t p = index_of(person);
    const DateSlot& birth = state.slots[0];
    table.personName.at(p) = fixed_name(pane.name);
    table.personDate.at(p) = {birth.year, birth.month, birth.day};
    table.noticeDays.at(p) = days;
    table.noticeCode.at(p) = code;
    table.changed = 1;
  });
}

i16 list06(PersonTable& table, const ListDisplay& display, const ProgramState& state,
           const NoticePane& pane) {
  return trap("list06", [&]() -> i16 {
    if (table.personCount >= kMaxPersons)
      throw RuntimeError(err::kOverflow,
                         "登録できる人数は" + std::to_string(kMaxPersons) + "人までです。");
    // The pane's rule is checked before the table grows: a value it cannot hold adds no one.
    i16 days = 0;
    NoticeCode code{};
    store_pane_rule(pane, days, code);
    const i16 n = add16(table.personCount, 1);
    dhiretu(table, add16(n, 1));
    table.personCount = n;
    table.loadOrder[index_of(n) + 1] = 0;
    place_before_selection(table, display, {n});
    // The new person belongs to the search result it is added to.
    table.searchLevel.at(index_of(n)) = table.search_depth;
    table.deletedMark.at(index_of(n)) = 0;
    fillPersonFromInput(table, state, pane, n);
    table.selected_person = n;
    table.changed = 1;
    return n;
  });
}

bool overwrite_selected_person(PersonTable& table, const ProgramState& state,
                               const NoticePane& pane) {
  if (!is_person(table, table.selected_person)) return false;
  fillPersonFromInput(table, state, pane, table.selected_person);
  return true;
}

}  // namespace pelmira
