#pragma once
// Sorting the person list by one of five keys (menu ls36): the name, the full date, the
// month and day, the day, and the days to the next birthday (or anniversary or memorial day,
// by the listing chosen).

#include <string>

#include "core/checked.h"
#include "core/state.h"
#include "people/list_view.h"
#include "people/person_table.h"

namespace pelmira {

// Sort keys, in the order of the menu.
enum SortKey : i16 {
  kSortName = 0,        // "氏名(音読み)"
  kSortDate = 1,        // "年月日"
  kSortMonthDay = 2,    // "月日"
  kSortDay = 3,         // "日"
  kSortDaysToNext = 4,  // "誕生日までの日数"
};
inline constexpr i16 kSortKeyCount = 5;

// The text person p is sorted by: the key text, four blanks and the person number. Entries
// compare as text with ASCII letters folded to lower case, so that equal keys fall back to
// the text of the person number (person 12 before person 3).
std::string sort_entry(const PersonTable& table, const ProgramState& state, i16 listing_code,
                       i16 key, i16 person);

// Sorts the listed persons (st1): those not deleted whose search level is at least the search
// depth. Order list 0 gets them in ascending key order, list 1 in the reverse. A key outside
// 0..4 changes nothing. Traps as "st1".
void st1(PersonTable& table, const ProgramState& state, i16 listing_code, i16 key,
         const BusyState& busy = {});

}  // namespace pelmira
