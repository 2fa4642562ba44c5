#pragma once
// Editing the person list (the 編集 menu and the 追加 / 書換 buttons of the input pane):
// selecting a row, deleting and cutting with undo, inserting cut persons, removing
// duplicates, adding a person and overwriting the selected one.
//
// Deleted persons stay in the table with the number of their deletion step in `deletedMark`
// until the list is replaced; cut persons carry -1 until they are inserted. The rows shown
// are order list 0 or 1 of the table (see list_view.h); the selected row is always the row of
// `selected_person` in the shown list. After each operation the window refills the list
// (st7) and runs mhyuji.

#include <optional>
#include <string>
#include <string_view>

#include "core/checked.h"
#include "core/state.h"
#include "people/list_columns.h"
#include "people/notice_code.h"
#include "people/person_table.h"

namespace pelmira {

// Modes of list05 and modosu.
inline constexpr i16 kDeleteMode = 0;
inline constexpr i16 kCutMode = 1;
inline constexpr i16 kUndoMode = 0;
inline constexpr i16 kInsertMode = 1;

// A click on the list (list1c): row -1 clears the selection and the input pane; another row
// selects its person, puts the person's birth date into the birth side (slot 0, as a Western
// year) and the name and rule into the pane. The window then recomputes the age report.
// Traps as "list1c".
void list1c(PersonTable& table, const ListDisplay& display, ProgramState& state, int row,
            NoticePane& pane);

// "選択の取り消し" (ls26): no person selected.
void ls26(PersonTable& table);

// Deletes (mode 0) or cuts (mode 1) the selected row (list05): the person gets the mark of a
// new deletion step, or -1; its row leaves the shown list, the row now at the same position
// (or the last row) is selected, and the changed flag is set. Nothing happens without a
// selected row. Returns the row now selected, -1 for none. Traps as "list05".
int list05(PersonTable& table, const ListDisplay& display, i16 mode);

// "移動用の 切り取り" (ls27): counts the cut and cuts the selected row. Traps as "ls27_Click".
int ls27(PersonTable& table, const ListDisplay& display);

// Undo (mode 0) takes back the last deletion step: its persons are appended to order list 0.
// Insert (mode 1) puts the cut persons back as one block, in their load order, before the
// selected person, both in the load order and in the shown list (at the end of both when no
// row is selected). Traps as "modosu".
void modosu(PersonTable& table, const ListDisplay& display, i16 mode);

// "切り取りの挿入" (ls22): inserts the cut persons and clears the cut count.
void ls22(PersonTable& table, const ListDisplay& display);

// "戻す(削除)" (ls231): undoes the last deletion step.
void ls231(PersonTable& table, const ListDisplay& display);

// "重複を削除" (jyufuku): every person whose date and stored name equal those of an earlier
// person (both not deleted) is deleted in one new deletion step; without duplicates no step
// is used. Returns the number of persons removed. Traps as "jyufuku".
i32 jyufuku(PersonTable& table);

// The largest number a data file's reader takes in a date or the notice days.
inline constexpr int kLargestStoredNumber = 20000;
inline constexpr std::string_view kEntryNameMissing = "氏名を入力して下さい。";
inline constexpr std::string_view kEntryDateRefused =
    "誕生側の年月日はデータファイルに保存できません。\r\n\r\n"
    "年は1から20000までにして下さい。";
inline constexpr std::string_view kEntryDaysRefused =
    "日数は0から20000までの数で入力して下さい。";

// Why the input pane cannot make a person a data file will read back (追加 and 書換 check
// first, so that a refused entry changes nothing): no name, a birth date out of the reader's
// range, or notice days outside 0..20000. nullopt when the entry can be stored.
std::optional<std::string> entry_refusal(const ProgramState& state, const NoticePane& pane);

// Fills person i from the input pane (fillPersonFromInput): the name cut to 31 characters,
// the birth date of slot 0, the notice days and code of the pane. Sets the changed flag.
// Traps as "fillPersonFromInput".
void fillPersonFromInput(PersonTable& table, const ProgramState& state, const NoticePane& pane,
                         i16 person);

// "追加" (list06): a new person from the input pane, placed before the selected person in the
// load order and the shown list (at the end when no row is selected), and selected. The
// table holds at most 32766 persons. Returns the new person's number, 0 when none was added.
// Traps as "list06".
i16 list06(PersonTable& table, const ListDisplay& display, const ProgramState& state,
           const NoticePane& pane);

// "書換": overwrites the selected person from the input pane; false when none is selected.
bool overwrite_selected_person(PersonTable& table, const ProgramState& state,
                               const NoticePane& pane);

}  // namespace pelmira
