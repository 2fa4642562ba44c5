#pragma once
// The line under the person list (the count and the average age) and which list menus are
// enabled: what mhyuji sets after every change of the list, as data a window renders.

#include <string>

#include "core/checked.h"
#include "core/state.h"
#include "people/list_columns.h"
#include "people/person_table.h"

namespace pelmira {

// The average age of the listed persons.
struct AverageAge {
  std::string average;  // the mean of the full ages, two decimals at most; empty for no one
  // The full age at the reference date of the average birth date.
  i16 years = 0;
  i16 months = 0;
  i16 days = 0;
};

// The average age over order list 0 (heikinrei): the mean of the full years at the
// reference date under the ageing rule, rounded to two decimals, and the age of the mean
// birth date. Traps as "heikinrei".
AverageAge heikinrei(const PersonTable& table, const ProgramState& state);

// "総数  3　平均年齢　35.5歳 (35歳6ヶ月2日)".
std::string summary_text(i32 count, const AverageAge& average);

// The menu items mhyuji enables or disables.
struct ListMenuStates {
  bool save_as = false;            // ls13 "名前を付けてファイルに保存"
  bool search_window = false;      // ls14 "検索画面の表示"
  bool text_export = false;        // txtout "氏名データをﾃｷｽﾄﾌｧｲﾙに出力"
  bool add_file = false;           // ls121 "ファイルを追加"
  bool clear_list = false;         // risinki "リストの内容を全て消す"
  bool overwrite_save = false;     // uHozon "上書き保存"
  bool remove_duplicates = false;  // ls25 "重複を削除"
  bool sort_menu = false;          // ls31, the sort keys
  bool delete_row = false;         // ls23 "削除"
  bool clear_selection = false;    // ls26 "選択の取り消し"
  bool cut = false;                // ls27 "移動用の 切り取り"
  bool insert_cut = false;         // ls22 "切り取りの挿入"
  bool search_back = false;        // ls24 "検索を前に戻す"
  bool search_forward = false;     // ls241 "検索を後に進める"
  bool undo_delete = false;        // ls231 "戻す(削除)"

  bool operator==(const ListMenuStates&) const = default;
};

struct ListSummary {
  ListMenuStates menus;
  std::string summary;  // the summary label Label9

  bool operator==(const ListSummary&) const = default;
};

// Menu states and the summary line for the list as the table holds it (mhyuji). Traps as
// "mhyuji".
ListSummary mhyuji(const PersonTable& table, const ProgramState& state, const ListDisplay& display);

// The average as the language shows a number: "35", "35.5", "35.25", "-0.5".
std::string average_number_text(double value);

}  // namespace pelmira
