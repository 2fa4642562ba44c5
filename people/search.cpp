#include "people/search.h"

#include <algorithm>
#include <cmath>

#include "almanac/names.h"
#include "almanac/nine_star.h"
#include "core/calendar.h"
#include "core/eras.h"
#include "core/trap.h"
#include "people/list_columns.h"
#include "people/numeric_text.h"

namespace pelmira {
namespace {

constexpr int kYear = 0, kMonth = 1, kDay = 2;
constexpr int kFrom = 0, kTo = 1;
constexpr std::string_view kWestern = "西暦";

const std::string& empty_text() {
  static const std::string empty;
  return empty;
}

std::vector<std::string> numbers(int from, int to) {
  std::vector<std::string> items;
  for (int n = from; n <= to; ++n) items.push_back(std::to_string(n));
  return items;
}

// Items after an empty first entry ("any").
template <class Texts>
std::vector<std::string> any_then(const Texts& texts, std::size_t first = 0) {
  std::vector<std::string> items{""};
  for (std::size_t k = first; k < texts.size(); ++k) items.emplace_back(texts[k]);
  return items;
}

std::vector<std::string> with_readings(const auto& names, const auto& readings, std::size_t count) {
  std::vector<std::string> items{""};
  for (std::size_t k = 1; k <= count; ++k)
    items.push_back(std::string(names[k]) + "(" + std::string(readings[k]) + ")");
  return items;
}

std::vector<std::string> zodiac_items() {
  std::vector<std::string> items{""};
  for (std::size_t k = 1; k <= 12; ++k)
    items.push_back(std::string(zodiacNames[k]) + "座 (" + std::string(zodiacReadings[k]) + "座)");
  return items;
}

constexpr std::array<std::string_view, 12> kAnimalItems{
    "ペガサス", "ひつじ", "狼",     "ゾウ", "こじか",   "子守熊(コアラ)",
    "猿",       "たぬき", "チータ", "虎",   "黒ひょう", "ライオン"};

void fill_boxes(SearchForm& form) {
  auto& boxes = form.boxes;
  boxes[kBoxPolarity].items = {"", "陽(+)", "陰(-)"};
  boxes[kBoxSixStar].items = any_then(sixStarTypes, 1);
  boxes[kBoxNineStar].items = any_then(nineStarNames);
  for (const int era : {kBoxEraFrom, kBoxEraTo})
    boxes[era].items.assign(era_choices.begin(), era_choices.end());
  for (const int box : {kBoxHundredsFrom, kBoxHundredsTo, kBoxUnitsFrom, kBoxUnitsTo})
    boxes[box].items = numbers(0, 99);
  boxes[kBoxMonthFrom].items = boxes[kBoxMonthTo].items = numbers(1, 12);
  boxes[kBoxDayFrom].items = boxes[kBoxDayTo].items = numbers(1, 31);
  boxes[kBoxAgeFrom].items = any_then(numbers(0, 150));
  boxes[kBoxAgeTo].items = boxes[kBoxAgeFrom].items;
  boxes[kBoxGradeFrom].items = any_then(kSchoolGradeNames, 1);
  boxes[kBoxGradeTo].items = boxes[kBoxGradeFrom].items;
  boxes[kBoxBranch].items = with_readings(branchNames, branchReadings, 12);
  boxes[kBoxStem].items = with_readings(stemNames, stemReadings, 10);
  boxes[kBoxZodiac].items = zodiac_items();
  boxes[kBoxSpirit].items = {"", "霊合星人", "霊合星人以外"};
  boxes[kBoxAnimal].items = any_then(kAnimalItems);
}

int position_of(const SearchBox& box, std::string_view text) {
  const auto found = std::find(box.items.begin(), box.items.end(), text);
  return found == box.items.end() ? -1 : static_cast<int>(found - box.items.begin());
}

void select_text(SearchBox& box, std::string_view text) {
  const int at = position_of(box, text);
  if (at >= 0) box.selected = at;
}

double box_number(const SearchForm& form, int index) {
  return numeric_value(form.boxes[static_cast<std::size_t>(index)].text());
}

bool box_empty(const SearchForm& form, int index) {
  return form.boxes[static_cast<std::size_t>(index)].text().empty();
}

// The Western year of one end: its era box, hundreds box x 100 + units box.
i16 year_of_end(const SearchForm& form, int era, int hundreds, int units) {
  const i16 era_year = round_to_i16(box_number(form, hundreds) * 100 + box_number(form, units));
  return nnen(form.boxes[static_cast<std::size_t>(era)].text(), era_year);
}

void update_date_bounds(SearchForm& form) {
  SearchCriteria& c = form.criteria;
  c.at(kCriteriaDate, kYear, kFrom) =
      year_of_end(form, kBoxEraFrom, kBoxHundredsFrom, kBoxUnitsFrom);
  c.at(kCriteriaDate, kYear, kTo) = year_of_end(form, kBoxEraTo, kBoxHundredsTo, kBoxUnitsTo);
  c.at(kCriteriaDate, kMonth, kFrom) = round_to_i16(box_number(form, kBoxMonthFrom));
  c.at(kCriteriaDate, kMonth, kTo) = round_to_i16(box_number(form, kBoxMonthTo));
  c.at(kCriteriaDate, kDay, kFrom) = round_to_i16(box_number(form, kBoxDayFrom));
  c.at(kCriteriaDate, kDay, kTo) = round_to_i16(box_number(form, kBoxDayTo));
}

// -1, 0, +1 as (y1, m1, d1) is before, equal to or after (y2, m2, d2).
int compare_dates(i32 y1, i32 m1, i32 d1, i32 y2, i32 m2, i32 d2) {
  if (y1 != y2) return y1 < y2 ? -1 : 1;
  if (m1 != m2) return m1 < m2 ? -1 : 1;
  if (d1 != d2) return d1 < d2 ? -1 : 1;
  return 0;
}

bool within_kind(const SearchCriteria& c, int kind, i16 y, i16 m, i16 d) {
  return compare_dates(c.at(kind, kYear, kFrom), c.at(kind, kMonth, kFrom), c.at(kind, kDay, kFrom),
                       y, m, d) <= 0 &&
         compare_dates(y, m, d, c.at(kind, kYear, kTo), c.at(kind, kMonth, kTo),
                       c.at(kind, kDay, kTo)) <= 0;
}

bool within(i32 value, i32 from, i32 to) {
  return from <= value && value <= to;
}

// A range whose start is after its end runs over the end of the cycle (December to January).
bool within_cycle(i32 value, i32 from, i32 to) {
  return from > to ? (value >= from || value <= to) : within(value, from, to);
}

i16 date_points(const SearchForm& form, i16 y, i16 m, i16 d) {
  const SearchCriteria& c = form.criteria;
  const auto bound = [&](int part, int end) { return i32{c.at(kCriteriaDate, part, end)}; };
  switch (form.date_form) {
    case kFormFullDate:
      return within_kind(c, kCriteriaDate, y, m, d) ? 6 : 0;
    case kFormMonthDay: {
      const i32 md = i32{m} * 100 + d;
      const i32 md_from = bound(kMonth, kFrom) * 100 + bound(kDay, kFrom);
      const i32 md_to = bound(kMonth, kTo) * 100 + bound(kDay, kTo);
      return static_cast<i16>((within(y, bound(kYear, kFrom), bound(kYear, kTo)) ? 3 : 0) +
                              (within_cycle(md, md_from, md_to) ? 3 : 0));
    }
    default:
      return static_cast<i16>((within(y, bound(kYear, kFrom), bound(kYear, kTo)) ? 2 : 0) +
                              (within_cycle(m, bound(kMonth, kFrom), bound(kMonth, kTo)) ? 2 : 0) +
                              (within_cycle(d, bound(kDay, kFrom), bound(kDay, kTo)) ? 2 : 0));
  }
}

// The six-star number k = Int(((day number + 50) mod 60) / 10) + 1: 1..6 for day numbers
// from -50 on.
i32 six_star_number(i16 mode, i16 y, i16 m, i16 d) {
  const i64 r = (i64{guleyulibi(y, m, d, mode)} + 50) % 60;
  return static_cast<i32>(std::floor(static_cast<double>(r) / 10)) + 1;
}

void set_age_bounds(SearchForm& form, const ProgramState& state) {
  const DateSlot& now = state.slots[1];
  // The reference date as the ageing rule moves it; ages are counted at that date.
  i16 y = now.year, m = now.month, d = add16(now.day, state.age_shift);
  hiteisei(state.calendar_mode, y, m, d);
  SearchCriteria& c = form.criteria;
  // Born on or before (y - A, m, d): at least A years old.
  if (box_empty(form, kBoxAgeFrom))
    c.set(kCriteriaAge, kTo, 9999, 12, 31);
  else
    c.set(kCriteriaAge, kTo, sub16(y, round_to_i16(box_number(form, kBoxAgeFrom))), m, d);
  // Born after (y - B - 1, m, d): at most B years old. The bound stays a comparison key: for a
  // reference date of 29 February, (y - B - 1, 2, 30) comes before 1 March also when that
  // year has no 29 February, so a person born on 1 March is still found.
  if (box_empty(form, kBoxAgeTo))
    c.set(kCriteriaAge, kFrom, 0, 1, 1);
  else
    c.set(kCriteriaAge, kFrom, sub16(sub16(y, round_to_i16(box_number(form, kBoxAgeTo))), 1), m,
          add16(d, 1));
}

}  // namespace

const std::string& SearchBox::text() const {
  if (selected < 0 || static_cast<std::size_t>(selected) >= items.size()) return empty_text();
  return items[static_cast<std::size_t>(selected)];
}

void SearchCriteria::set(int kind, int end, i16 year, i16 month, i16 day) {
  at(kind, kYear, end) = year;
  at(kind, kMonth, end) = month;
  at(kind, kDay, end) = day;
}

SearchForm search_form_load() {
  SearchForm form;
  trap("検索Form_Load", [&] {
    fill_boxes(form);
    rs1(form);
  });
  return form;
}

void rs1(SearchForm& form) {
  trap("rs1", [&] {
    for (SearchBox& box : form.boxes) {
      box.selected = 0;
      box.enabled = true;
    }
    auto& boxes = form.boxes;
    select_text(boxes[kBoxEraFrom], kWestern);
    select_text(boxes[kBoxEraTo], kWestern);
    select_text(boxes[kBoxHundredsFrom], "19");
    select_text(boxes[kBoxHundredsTo], "21");
    select_text(boxes[kBoxUnitsFrom], "0");
    select_text(boxes[kBoxUnitsTo], "0");
    select_text(boxes[kBoxMonthFrom], "1");
    select_text(boxes[kBoxMonthTo], "12");
    select_text(boxes[kBoxDayFrom], "1");
    select_text(boxes[kBoxDayTo], "31");
    form.name_part.clear();
    form.date_form = kFormFullDate;
    SearchCriteria& c = form.criteria;
    c.set(kCriteriaDate, kFrom, 1900, 1, 1);
    c.set(kCriteriaDate, kTo, 2100, 12, 31);
    for (const int kind : {kCriteriaAge, kCriteriaSchool}) {
      c.set(kind, kFrom, 0, 1, 1);
      c.set(kind, kTo, 9999, 12, 31);
    }
  });
}

void Combo1_Click(SearchForm& form, const ProgramState& state, int index) {
  trap("検索Combo1_Click", [&] {
    if (index == kBoxEraFrom || index == kBoxEraTo) {
      SearchBox& hundreds = form.boxes[static_cast<std::size_t>(index + 2)];
      hundreds.enabled = form.boxes[static_cast<std::size_t>(index)].text() == kWestern;
      if (!hundreds.enabled) select_text(hundreds, "0");
    }
    if (index >= kBoxEraFrom && index <= kBoxDayTo) update_date_bounds(form);
    if (index == kBoxAgeFrom || index == kBoxAgeTo) {
      naosi1(form, kBoxAgeFrom, kBoxAgeTo, index);
      toshi1(form, state);
    }
    if (index == kBoxGradeFrom || index == kBoxGradeTo) {
      naosi1(form, kBoxGradeFrom, kBoxGradeTo, index);
      gakkou1(form, state);
    }
  });
}

bool choose_search_item(SearchForm& form, const ProgramState& state, int index,
                        std::string_view text) {
  if (index < 0 || index >= kSearchBoxCount) return false;
  SearchBox& box = form.boxes[static_cast<std::size_t>(index)];
  const int at = position_of(box, text);
  if (at < 0) return false;
  box.selected = at;
  Combo1_Click(form, state, index);
  return true;
}

void naosi1(SearchForm& form, int a, int b, int c) {
  SearchBox& from = form.boxes.at(static_cast<std::size_t>(a));
  SearchBox& to = form.boxes.at(static_cast<std::size_t>(b));
  if (to.selected >= from.selected) return;
  if (c == a)
    select_text(to, from.text());
  else
    select_text(from, to.text());
}

void toshi1(SearchForm& form, const ProgramState& state) {
  trap("toshi1", [&] { set_age_bounds(form, state); });
}

void gakkou1(SearchForm& form, const ProgramState& state) {
  trap("gakkou1", [&] {
    const DateSlot& now = state.slots[1];
    const i16 s = sub16(now.year, now.month < 4 ? 1 : 0);
    const std::string& from_grade = form.boxes[kBoxGradeFrom].text();
    const std::string& to_grade = form.boxes[kBoxGradeTo].text();
    SearchCriteria& c = form.criteria;
    c.set(kCriteriaSchool, kFrom, to_grade.empty() ? i16{0} : sub16(s, gakkou2(to_grade)), 4, 2);
    c.set(kCriteriaSchool, kTo,
          from_grade.empty() ? i16{9999} : add16(sub16(s, gakkou2(from_grade)), 1), 4, 1);
  });
}

i16 gakkou2(std::string_view grade) {
  return trap("gakkou2", [&]() -> i16 {
    for (std::size_t k = 1; k < kSchoolGradeNames.size(); ++k)
      if (kSchoolGradeNames[k] == grade) return static_cast<i16>(k + 6);
    return 0;
  });
}

i16 search_score(const PersonTable& table, const ProgramState& state, const SearchForm& form,
                 i16 person) {
  const auto p = static_cast<std::size_t>(person);
  const PersonDate& date = table.personDate.at(p);
  const i16 y = date[0], m = date[1], d = date[2];
  const i16 mode = state.calendar_mode;
  const auto& boxes = form.boxes;
  const auto position = [&](int box) { return boxes[static_cast<std::size_t>(box)].selected; };
  const auto text = [&](int box) -> const std::string& {
    return boxes[static_cast<std::size_t>(box)].text();
  };
  const auto empty = [&](int box) { return text(box).empty(); };

  i16 points = date_points(form, y, m, d);
  points += within_kind(form.criteria, kCriteriaAge, y, m, d) ? 1 : 0;
  points += within_kind(form.criteria, kCriteriaSchool, y, m, d) ? 1 : 0;
  points += empty(kBoxZodiac) || text(kBoxZodiac) == sza(m, d) ? 1 : 0;
  // The branch and stem of the year: 16-bit steps, as the list columns take them.
  const i16 branch_rest = static_cast<i16>(add16(y, 8) % 12);
  points += empty(kBoxBranch) || position(kBoxBranch) == branch_rest + 1 ? 1 : 0;
  points += empty(kBoxStem) || position(kBoxStem) == add16(y, 6) % 10 + 1 ? 1 : 0;
  points +=
      form.name_part.empty() || table.personName.at(p).find(form.name_part) != std::string::npos
          ? 1
          : 0;
  const bool needs_star = !empty(kBoxSixStar) || !empty(kBoxSpirit);
  const i32 k = needs_star ? six_star_number(mode, y, m, d) : 0;
  points += empty(kBoxSixStar) || position(kBoxSixStar) == k ? 1 : 0;
  const bool odd_year = y % 2 != 0;
  points += empty(kBoxPolarity) || position(kBoxPolarity) == (odd_year ? 2 : 1) ? 1 : 0;
  if (empty(kBoxSpirit)) {
    points += 1;
  } else {
    const bool spirit = branch_rest == 12 - 2 * k + y % 2;
    points += position(kBoxSpirit) == (spirit ? 1 : 2) ? 1 : 0;
  }
  points += empty(kBoxNineStar) || text(kBoxNineStar) == kigaku(y, m, d, 1) ? 1 : 0;
  if (empty(kBoxAnimal)) {
    points += 1;
  } else {
    std::string reading;
    points += text(kBoxAnimal) == animalFortune(mode, y, m, d, reading) ? 1 : 0;
  }
  return points;
}

void ks2(PersonTable& table, const ProgramState& state, const SearchForm& form,
         const BusyState& busy) {
  std::size_t rows = 0;
  bool started = false;
  trap("ks2", [&] {
    table.search_depth = add16(table.search_depth, 1);
    table.search_depth_max = table.search_depth;
    const i16 depth = table.search_depth;
    const BusyScope scope(busy);
    started = true;
    std::vector<i16>& list = table.viewOrder[0];
    for (i16 person = 1; person <= table.personCount; ++person) {
      const auto p = static_cast<std::size_t>(person);
      if (table.searchLevel.at(p) < depth - 1) continue;
      table.searchLevel[p] = static_cast<i16>(depth - 1);
      if (table.deletedMark.at(p) != 0) continue;
      if (search_score(table, state, form, person) != 17) continue;
      if (list.size() < rows + 3) list.resize(rows + 3, 0);
      list[++rows] = person;
      table.searchLevel[p] = depth;
    }
  });
  if (!started) return;
  // Also after an error: the list ends after the persons found so far.
  std::vector<i16>& list = table.viewOrder[0];
  if (list.size() < rows + 2) list.resize(rows + 2, 0);
  list[rows + 1] = 0;
  st9(table, 0);
}

bool search_start(PersonTable& table, const ProgramState& state, const SearchForm& form,
                  const BusyState& busy) {
  return trap("検索Command1_Click", [&] {
    if (order_length(table.viewOrder[0]) == 0) return false;
    ks2(table, state, form, busy);
    table.changed = 1;
    return true;
  });
}

SearchOutcome run_search(PersonTable& table, const ProgramState& state, const SearchForm& form,
                         const BusyState& busy) {
  SearchOutcome outcome;
  outcome.searched = search_start(table, state, form, busy);
  outcome.found = order_length(table.viewOrder[0]);
  return outcome;
}

std::string_view search_notice(const SearchOutcome& outcome) {
  return outcome.found == 0 ? kNothingFoundText : std::string_view();
}

void recount_reference_bounds(SearchForm& form, const ProgramState& state) {
  if (!box_empty(form, kBoxAgeFrom) || !box_empty(form, kBoxAgeTo)) toshi1(form, state);
  if (!box_empty(form, kBoxGradeFrom) || !box_empty(form, kBoxGradeTo)) gakkou1(form, state);
}

void ls24(PersonTable& table) {
  if (table.search_depth <= 0) return;
  table.search_depth = static_cast<i16>(table.search_depth - 1);
  list04(table);
}

void ls241(PersonTable& table) {
  if (table.search_depth >= table.search_depth_max) return;
  table.search_depth = static_cast<i16>(table.search_depth + 1);
  list04(table);
}

}  // namespace pelmira
