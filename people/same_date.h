#pragma once
// Listing kind 8, "月日が一致する人を表示": the persons of the list whose birthday has the
// month and day of one of the main window's dates, and the click on one of them, which
// selects that person in the person list.

#include <functional>
#include <optional>

#include "core/checked.h"
#include "core/state.h"
#include "listings/listing.h"
#include "people/list_columns.h"
#include "people/notice_code.h"
#include "people/person_table.h"

namespace pelmira {

inline constexpr std::string_view kNoSameDate = "月日が一致する該当者がいません。";
inline constexpr std::string_view kNoDataHint1 = "氏名と誕生日のデータを入力するか、";
inline constexpr std::string_view kNoDataHint2 = "ファイルを開いてください。";

// The same-date listing (caleTan): the trimmed names of the persons (deleted and cut persons
// left out) whose month and day equal those of the calculation side's date (slot 0 for side
// 0, slot 1 for side 1), in person-number order; the row of the selected person is selected
// and the row map holds each row's person. Without a match: the no-match row and row-map
// entry 0 = -1, and, when the list holds no person at all, an empty row and the two-line
// hint. A set skip flag is cleared and the listing shown is returned unchanged. Traps as
// "caleTan".
Listing caleTan(const PersonTable& table, const ProgramState& state, ListingSession& session);

// The birth year of a person for the listing's row click; nullopt for no such person.
std::function<std::optional<i16>(int)> person_year_lookup(const PersonTable& table);

struct SameDateClick {
  bool refresh = true;  // the window refreshes (the listing itself is skipped once)
  int list_row = -1;    // the person-list row now selected, -1 for none
};

// A left click on row `row` of the shown same-date listing: selects the person's row in the
// person list as a click on it would (list1c), then sets the birth side's year to the
// person's year with its era cleared, and sets the skip flag. Rows of the no-match listing
// select nothing.
SameDateClick same_date_row_click(PersonTable& table, const ListDisplay& display,
                                  ProgramState& state, ListingSession& session, int row,
                                  NoticePane& pane);

}  // namespace pelmira
