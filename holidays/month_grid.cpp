#include "holidays/month_grid.h"

#include <map>
#include <utility>
#include <vector>

#include "almanac/solar_terms.h"
#include "core/calendar.h"
#include "core/date_text.h"
#include "core/trap.h"
#include "holidays/holiday_rules.h"

namespace pelmira {
namespace {

// The reform month of automatic mode: 1 to 4 October 1582 (Julian), then 15 to 31.
bool is_reform_month(const ProgramState& state, i16 year, i16 month) {
  return state.calendar_mode == kModeAutomatic && year == 1582 && month == 10;
}

int weekday_of(i32 day_number) {
  return static_cast<int>(((i64{day_number} + 2) % 7 + 7) % 7);
}

// The cell of a day of the shown month, if the month has that day.
std::optional<int> cell_of_day(const ProgramState& state, i16 year, i16 month, int first,
                               i16 length, i32 day) {
  if (is_reform_month(state, year, month)) {
    if (day >= 1 && day <= 4) return first + day;
    if (day >= 15 && day <= 31) return first + day - 10;
    return std::nullopt;
  }
  if (day < 1 || day > length) return std::nullopt;
  return first + day;
}

std::string year_caption(const DateSlot& slot) {
  std::string caption = slot.texts[0] + "年\r\n";
  if (slot.era_label() != "西暦") caption += slot.era_label() + " " + slot.texts[4] + "年";
  return caption;
}

void fill_cells(const ProgramState& state, i16 year, i16 month, i16 length, MonthGrid& grid) {
  const i16 previous_length = nyou2(year, sub16(month, 1), 1, state.calendar_mode);
  const int first = grid.first_cell;
  for (int i = kFirstDayCell; i <= kLastDayCell; ++i) {
    GridCell& cell = grid.cell(i);
    cell.ink = i % 7 == 3 ? CellInk::kRed : CellInk::kNormal;
    if (i <= first) {
      cell.caption = std::to_string(previous_length - (first - i));
      cell.ink = CellInk::kWhite;
    } else if (i <= first + length) {
      cell.caption = std::to_string(i - first);
    } else {
      cell.caption = std::to_string(i - first - length);
      cell.ink = CellInk::kWhite;
    }
  }
  if (is_reform_month(state, year, month)) {
    for (int i = 15; i <= 31; ++i) grid.cell(i).caption = std::to_string(i);
    for (int i = 32; i <= kLastDayCell; ++i) {
      grid.cell(i).caption = std::to_string(i - 31);
      grid.cell(i).ink = CellInk::kWhite;
    }
  }
}

void build(const ProgramState& state, int k, MonthGrid& grid) {
  if (k != 0 && k != 1) raise_error(err::kSubscript);
  const DateSlot& slot = state.slots[static_cast<std::size_t>(k)];
  const i16 year = slot.year, month = slot.month, day = slot.day;
  if (month < 1 || month > 12) raise_error(err::kInvalidCall);
  grid.shown_slot = k;
  grid.year_caption = year_caption(slot);
  grid.month_caption = slot.texts[1] + "  月";

  const i16 length = nyou2(year, month, day, state.calendar_mode);
  const int w = weekday_of(guleyulibi(year, month, 1, state.calendar_mode));
  grid.first_cell = w > 0 ? w + 9 : 16;
  fill_cells(state, year, month, length, grid);

  const auto highlight = [&](int slot_index, i32 d) {
    if (const auto cell = cell_of_day(state, year, month, grid.first_cell, length, d))
      grid.cell(*cell).highlight_slot = slot_index;
  };
  const DateSlot& other = state.slots[static_cast<std::size_t>(1 - k)];
  if (other.year == year && other.month == month) highlight(1 - k, other.day);
  highlight(k, day);

  // Today's ring: today's date read in the shown calendar.
  const LocalDateTime now = state.now();
  const i32 today = guleyulibi(now.year, now.month, now.day, kModeGregorian);
  i16 today_month = 0, today_day = 0;
  const i16 today_year = yulibigule(today, today_month, today_day, state.calendar_mode);
  if (today_year == year && today_month == month)
    grid.ringed_cell = cell_of_day(state, year, month, grid.first_cell, length, today_day);

  saijitu(state, year, month, grid);
  grid.panel_caption = calendar_in_force(state, k) == 1 ? kPanelCaptionJulian : kPanelCaption;
}

// The Gregorian date of a day of the shown calendar.
struct GregorianDay {
  i16 year, month, day;
};

GregorianDay gregorian_of(const ProgramState& state, i16 year, i16 month, i16 day) {
  const bool julian =
      state.calendar_mode == kModeJulian ||
      (state.calendar_mode == kModeAutomatic && daisyou(year, month, day, 1582, 10, 14) != -1);
  if (!julian) return {year, month, day};
  GregorianDay g{0, 0, 0};
  g.year = yulibigule(guleyulibi(year, month, day, kModeJulian), g.month, g.day, kModeGregorian);
  return g;
}

// What is marked on the days of one Gregorian month: its holidays and its two terms.
struct GregorianMonthMarks {
  MonthHolidays holidays;
  std::array<std::string, 2> term_names;
  std::array<i16, 2> term_days{};
};

GregorianMonthMarks marks_of(i16 year, i16 month) {
  GregorianMonthMarks marks;
  marks.holidays = Ssaijitu(year, month);
  for (std::size_t t = 0; t < 2; ++t) {
    const i16 longitude = static_cast<i16>(first_term_longitude(month) + 15 * t);
    i16 term_month = 0, term_day = 0;
    const std::string name = sekki24(year, term_month, term_day, longitude);
    if (!name.empty() && term_month == month) {
      marks.term_names[t] = name;
      marks.term_days[t] = term_day;
    }
  }
  return marks;
}

void mark(const ProgramState& state, i16 year, i16 month, MonthGrid& grid) {
  const i16 length = nyou2(year, month, 1, state.calendar_mode);
  std::map<std::pair<i16, i16>, GregorianMonthMarks> months;
  for (i16 day = 1; day <= 31; ++day) {
    const auto cell = cell_of_day(state, year, month, grid.first_cell, length, day);
    if (!cell) continue;
    const GregorianDay g = gregorian_of(state, year, month, day);
    if (g.month < 1 || g.month > 12) continue;
    auto found = months.find({g.year, g.month});
    if (found == months.end())
      found = months.emplace(std::make_pair(g.year, g.month), marks_of(g.year, g.month)).first;
    const GregorianMonthMarks& marks = found->second;
    GridCell& target = grid.cell(*cell);
    if (const std::string name = marks.holidays.name_on(g.day); !name.empty()) {
      target.ink = CellInk::kRed;
      target.tooltip = name;
    }
    for (std::size_t t = 0; t < 2; ++t)
      if (marks.term_days[t] == g.day) target.tooltip += " " + marks.term_names[t];
  }
}

}  // namespace

void saijitu(const ProgramState& state, i16 year, i16 month, MonthGrid& grid) {
  trap("saijitu", [&] { mark(state, year, month, grid); });
}

MonthGrid karenda(const ProgramState& state, int shown_slot) {
  MonthGrid grid;
  trap("karenda", [&] { build(state, shown_slot, grid); });
  return grid;
}

}  // namespace pelmira
