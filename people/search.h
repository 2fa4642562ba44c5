#pragma once
// The search window "検索": its selection boxes as data, the criteria record they keep up
// to date, and the matching that narrows the person list. Each search works inside the
// result of the one before; the table keeps the depth of these nested searches, so the list
// can step back and forward through them.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/checked.h"
#include "core/state.h"
#include "people/list_view.h"
#include "people/person_table.h"

namespace pelmira {

// The selection boxes, by their index in the window's box array Combo1.
enum SearchBoxIndex : int {
  kBoxPolarity = 0,      // 六星占術: "陽(+)", "陰(-)"
  kBoxSixStar = 1,       // 六星占術: the six stars
  kBoxNineStar = 2,      // 九星
  kBoxEraFrom = 3,       // year from: era
  kBoxEraTo = 4,         // year to: era
  kBoxHundredsFrom = 5,  // year from: hundreds (Western years only)
  kBoxHundredsTo = 6,
  kBoxUnitsFrom = 7,  // year from: 0..99
  kBoxUnitsTo = 8,
  kBoxMonthFrom = 9,
  kBoxMonthTo = 10,
  kBoxDayFrom = 11,
  kBoxDayTo = 12,
  kBoxAgeFrom = 13,  // 年齢: empty, 0..150
  kBoxAgeTo = 14,
  kBoxGradeFrom = 15,  // 学校: empty, the sixteen grades
  kBoxGradeTo = 16,
  kBoxBranch = 17,  // 十二支
  kBoxStem = 18,    // 十干
  kBoxZodiac = 19,  // 星座
  kBoxSpirit = 20,  // 霊合星人
  kBoxAnimal = 21,  // 動物占い
};
inline constexpr int kSearchBoxCount = 22;

// Date forms (Option2).
inline constexpr i16 kFormFullDate = 0;  // "年月日": one range from a full date to a full date
inline constexpr i16 kFormMonthDay = 1;  // "月日": a year range and a month-day range
inline constexpr i16 kFormSeparate = 2;  // "日": separate year, month and day ranges

struct SearchBox {
  std::vector<std::string> items;
  int selected = 0;  // list position of the chosen item
  bool enabled = true;

  // The chosen item; the empty text when the position is outside the items.
  const std::string& text() const;
};

// The criteria record: bounds by kind (0 birth date, 1 age, 2 school), part (0 year,
// 1 month, 2 day) and end (0 from, 1 to). The age and school bounds are birth-date bounds
// compared as (year, month, day) keys.
inline constexpr int kCriteriaDate = 0;
inline constexpr int kCriteriaAge = 1;
inline constexpr int kCriteriaSchool = 2;
struct SearchCriteria {
  std::array<std::array<std::array<i16, 2>, 3>, 3> values{};

  i16& at(int kind, int part, int end) { return values.at(kind).at(part).at(end); }
  i16 at(int kind, int part, int end) const { return values.at(kind).at(part).at(end); }
  void set(int kind, int end, i16 year, i16 month, i16 day);

  bool operator==(const SearchCriteria&) const = default;
};

// The window: its boxes, the name part (Text1), the date form and the criteria record.
struct SearchForm {
  std::array<SearchBox, kSearchBoxCount> boxes;
  std::string name_part;
  i16 date_form = kFormFullDate;
  SearchCriteria criteria;
};

inline constexpr std::string_view kSearchTitle = "検索";
inline constexpr std::string_view kNameTooltip = "入力した文字列を含む名前を検索します。";
// The date forms' option buttons (Option2), by date form.
inline constexpr std::array<std::string_view, 3> kDateFormCaptions{"年月日", "月日", "日"};
inline constexpr std::array<std::string_view, 3> kDateFormTooltips{
    "年月日～年月日まで", "(年～年)and(月日～月日)", "(年～年)and(月～月)and(日～日)"};
// The buttons (Command1): search, cancel, reset.
inline constexpr std::array<std::string_view, 3> kSearchCommandCaptions{"検索開始", "キャンセル",
                                                                        "リセット"};
// Told after a search that leaves the list empty.
inline constexpr std::string_view kNothingFoundText = "該当するデータが有りません。";

// A window as it opens: the boxes filled, then reset (rs1). Traps as "検索Form_Load".
SearchForm search_form_load();

// "リセット" (rs1): eras "西暦", years 1900 to 2100, months 1 to 12, days 1 to 31, every other
// box and the name empty, the date form "年月日"; criteria 1900-1-1..2100-12-31 for the
// date and 0-1-1..9999-12-31 for age and school. Traps as "rs1".
void rs1(SearchForm& form);

// A choice in box `index` (the window has set its position): keeps the criteria up to date.
// Era boxes enable their hundreds box for "西暦" and otherwise set it to 0; the age and
// school pairs never run backwards (naosi1). Traps as "検索Combo1_Click".
void Combo1_Click(SearchForm& form, const ProgramState& state, int index);

// Sets box `index` to the item with this text and runs Combo1_Click; false (and nothing
// changed) when the box has no such item.
bool choose_search_item(SearchForm& form, const ProgramState& state, int index,
                        std::string_view text);

// Pair a (from) / b (to) after box c changed: when b's position is below a's, the box that
// did not change takes the changed one's item.
void naosi1(SearchForm& form, int a, int b, int c);

// The age bounds from boxes 13 and 14 at the reference date (slot 1) under the ageing rule:
// born on or before (Y - A, M, D) and after (Y - B - 1, M, D), where (Y, M, D) is the
// reference date moved by the ageing rule. Traps as "toshi1".
void toshi1(SearchForm& form, const ProgramState& state);

// The school bounds from boxes 15 and 16: the birth dates of the grades at the school year
// of the reference date (which starts in April). Traps as "gakkou1".
void gakkou1(SearchForm& form, const ProgramState& state);

// A grade's years since birth at the start of its school year: its position (1..16) + 6;
// 0 for the empty text or any other. Traps as "gakkou2".
i16 gakkou2(std::string_view grade);

// The points person p scores against the form (17 when every criterion holds). Raises a
// run-time error for a year the branch or stem arithmetic cannot take.
i16 search_score(const PersonTable& table, const ProgramState& state, const SearchForm& form,
                 i16 person);

// Matching (ks2): one search deeper; order list 0 becomes the persons of the previous depth
// that meet every criterion, in person-number order; list 1 its reverse. A run-time error
// ends the search with the persons found so far. Traps as "ks2".
void ks2(PersonTable& table, const ProgramState& state, const SearchForm& form,
         const BusyState& busy = {});

// "検索開始": searches when the list is not empty and sets the changed flag (a save then
// writes the persons found). Returns whether it searched. Traps as "検索Command1_Click".
bool search_start(PersonTable& table, const ProgramState& state, const SearchForm& form,
                  const BusyState& busy = {});

// What "検索開始" did, for the window that asked to tell the user.
struct SearchOutcome {
  bool searched = false;  // false: the list was empty and nothing was searched
  i32 found = 0;          // the persons listed after it

  bool operator==(const SearchOutcome&) const = default;
};

// search_start, and how many persons the list holds after it. A range that runs backwards
// (a year "from" after its "to", a full date "from" after its "to") is no error: it finds no
// one and the list is left empty at the new depth, from where ls24 steps back.
SearchOutcome run_search(PersonTable& table, const ProgramState& state, const SearchForm& form,
                         const BusyState& busy = {});

// The note the user is shown after a search: kNothingFoundText when the list is empty after
// it (nothing found, or nothing there to search), the empty text otherwise.
std::string_view search_notice(const SearchOutcome& outcome);

// The age and school bounds counted again at the reference date as it is now. The boxes keep
// their choices while the window stays open and between openings, and the "現在" date or the
// ageing rule may change meanwhile; a search runs this first so that "年齢 20" means 20 at
// the date the list shows. A pair whose boxes are both empty keeps its bounds.
void recount_reference_bounds(SearchForm& form, const ProgramState& state);

// "検索を前に戻す" (ls24) and "検索を後に進める" (ls241): one level back or forward, the
// list rebuilt from the search levels in person-number order. Out of range they do nothing.
void ls24(PersonTable& table);
void ls241(PersonTable& table);

}  // namespace pelmira
