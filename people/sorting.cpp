#include "people/sorting.h"

#include <algorithm>
#include <numeric>

#include "core/age.h"
#include "core/trap.h"

namespace pelmira {
namespace {

constexpr std::string_view kEntrySeparator = "    ";

// A number as the key texts write it: a leading blank for its sign.
std::string signed_text(i32 value) {
  return (value >= 0 ? " " : "") + std::to_string(value);
}

// The offsets give every number of one key the same width, so that text order is numeric
// order.
std::string date_key(i16 first, i32 first_offset, i16 second, i32 second_offset, i16 third,
                     i32 third_offset) {
  return signed_text(first + first_offset) + signed_text(second + second_offset) +
         signed_text(third + third_offset);
}

std::string key_text(const PersonTable& table, const ProgramState& state, i16 listing_code, i16 key,
                     std::size_t p) {
  const PersonDate& date = table.personDate.at(p);
  const i16 y = date[0], m = date[1], d = date[2];
  switch (key) {
    case kSortName:
      return trimmed_name(table.personName.at(p));
    case kSortDate:
      return date_key(y, 10000, m, 10, d, 10);
    case kSortMonthDay:
      return date_key(m, 10, d, 10, y, 10000);
    case kSortDay:
      return date_key(d, 10, m, 10, y, 10000);
    default: {
      std::string label;
      return std::to_string(i64{tanmade(state, y, m, d, listing_code, label)} + 10000);
    }
  }
}

void fold_case(std::string& text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
}

}  // namespace

std::string sort_entry(const PersonTable& table, const ProgramState& state, i16 listing_code,
                       i16 key, i16 person) {
  std::string entry = key_text(table, state, listing_code, key, static_cast<std::size_t>(person));
  entry += kEntrySeparator;
  entry += std::to_string(person);
  fold_case(entry);
  return entry;
}

void st1(PersonTable& table, const ProgramState& state, i16 listing_code, i16 key,
         const BusyState& busy) {
  trap("st1", [&] {
    if (key < 0 || key >= kSortKeyCount) return;
    const BusyScope scope(busy);
    std::vector<i16> persons;
    std::vector<std::string> entries;
    for (i16 p = 1; p <= table.personCount; ++p) {
      const auto at = static_cast<std::size_t>(p);
      if (table.deletedMark.at(at) != 0 || table.searchLevel.at(at) < table.search_depth) continue;
      persons.push_back(p);
      entries.push_back(sort_entry(table, state, listing_code, key, p));
    }
    // Entries are unique (each ends in its own person number), so the order is total.
    std::vector<std::size_t> order(persons.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return entries[a] < entries[b]; });

    const std::size_t count = order.size();
    for (std::vector<i16>& list : table.viewOrder)
      if (list.size() < count + 2) list.resize(count + 2, 0);
    for (std::size_t r = 1; r <= count; ++r) {
      const i16 p = persons[order[r - 1]];
      table.viewOrder[0][r] = p;
      table.viewOrder[1][count + 1 - r] = p;
    }
    table.viewOrder[0][count + 1] = 0;
    table.viewOrder[1][count + 1] = 0;
  });
}

}  // namespace pelmira
