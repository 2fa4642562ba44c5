#include "holidays/holiday_rules.h"

#include <algorithm>
#include <deque>
#include <optional>
#include <utility>

#include "core/calendar.h"
#include "core/trap.h"
#include "holidays/holiday_law.h"

namespace pelmira {
namespace {

constexpr i16 kFirstRestDayYear = 1988;            // 国民の休日 between two holidays
constexpr i32 kFirstSubstituteMonthKey = 197304;   // 振替休日 from April 1973
constexpr i16 kFirstCarriedSubstituteYear = 2007;  // substitutes move past holidays

// A Gregorian date; all holiday arithmetic is Gregorian (1873 onwards).
struct Ymd {
  i16 y, m, d;
  bool same_month(i16 year, i16 month) const { return y == year && m == month; }
};

i16 month_length(i16 year, i16 month) {
  return nyou2(year, month, 1, kModeGregorian);
}

Ymd next_day(Ymd x) {
  if (x.d < month_length(x.y, x.m)) return {x.y, x.m, add16(x.d, 1)};
  if (x.m < 12) return {x.y, add16(x.m, 1), 1};
  return {add16(x.y, 1), 1, 1};
}

Ymd previous_day(Ymd x) {
  if (x.d > 1) return {x.y, x.m, sub16(x.d, 1)};
  if (x.m > 1) return {x.y, sub16(x.m, 1), month_length(x.y, sub16(x.m, 1))};
  return {sub16(x.y, 1), 12, 31};
}

i16 weekday_of(Ymd x) {
  return yulibiyous(guleyulibi(x.y, x.m, x.d, kModeAutomatic));
}

// Answers which days are holidays around one month, computing each month's named
// holidays once.
class HolidayCalendar {
 public:
  bool named(Ymd x) {
    const auto& days = law_month(x.y, x.m);
    return std::any_of(days.begin(), days.end(), [&](const LawHoliday& h) { return h.day == x.d; });
  }

  // 国民の休日: not a Sunday, not itself named, and both neighbours named.
  bool is_rest_day(Ymd x) {
    return x.y >= kFirstRestDayYear && !named(x) && weekday_of(x) != 0 && named(previous_day(x)) &&
           named(next_day(x));
  }

  bool is_listed(Ymd x) { return named(x) || is_rest_day(x); }

  // The listed holidays of a month in date order: the named days and the rest days.
  std::vector<LawHoliday> listed(i16 year, i16 month) {
    std::vector<LawHoliday> days = law_month(year, month);
    const i16 length = month_length(year, month);
    std::vector<i16> candidates;
    // A rest day lies next to a named day of its own month (a month has over two days).
    for (const LawHoliday& h : law_month(year, month)) {
      candidates.push_back(sub16(h.day, 1));
      candidates.push_back(add16(h.day, 1));
    }
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
    for (const i16 d : candidates)
      if (d >= 1 && d <= length && is_rest_day({year, month, d})) days.push_back({d, "国民の休日"});
    std::stable_sort(days.begin(), days.end(),
                     [](const LawHoliday& a, const LawHoliday& b) { return a.day < b.day; });
    return days;
  }

 private:
  const std::vector<LawHoliday>& law_month(i16 year, i16 month) {
    const i32 key = add32(mul32(100, year), month);
    for (const auto& [k, days] : cache_)
      if (k == key) return days;
    cache_.emplace_back(key, holidays_by_law(year, month));
    return cache_.back().second;
  }

  std::deque<std::pair<i32, std::vector<LawHoliday>>> cache_;  // stable references
};

struct Substitute {
  Ymd day;
  std::uint8_t kind;
};

// The substitute a listed holiday causes, if it is a Sunday holiday from April 1973.
std::optional<Substitute> substitute_for(HolidayCalendar& calendar, Ymd cause) {
  if (add32(mul32(100, cause.y), cause.m) < kFirstSubstituteMonthKey) return std::nullopt;
  if (weekday_of(cause) != 0) return std::nullopt;
  Ymd day = next_day(cause);
  if (cause.y < kFirstCarriedSubstituteYear)
    return Substitute{day, calendar.is_listed(day) ? kKindLostSubstitute : kKindSubstitute};
  // A run of consecutive holidays is at most a week long; the bound only guards the loop.
  for (int steps = 0; calendar.is_listed(day); ++steps) {
    if (steps > 31) raise_error(err::kSubscript);
    day = next_day(day);
  }
  return Substitute{day, kKindSubstitute};
}

// The substitutes falling in a month, in the order of the holidays that caused them:
// first those of Sunday holidays at the end of the previous month, then the month's own.
std::vector<Substitute> substitutes_in(HolidayCalendar& calendar, i16 year, i16 month,
                                       const std::vector<LawHoliday>& listed) {
  std::vector<Substitute> found;
  std::vector<Ymd> causes;
  for (Ymd x = previous_day({year, month, 1}); calendar.is_listed(x); x = previous_day(x)) {
    causes.insert(causes.begin(), x);
    if (causes.size() > 31) raise_error(err::kSubscript);
  }
  for (const LawHoliday& h : listed) causes.push_back({year, month, h.day});
  for (const Ymd& cause : causes) {
    const auto substitute = substitute_for(calendar, cause);
    if (substitute && substitute->day.same_month(year, month)) found.push_back(*substitute);
  }
  return found;
}

void fill_month(i16 year, i16 month, MonthHolidays& table) {
  if (month < 1 || month > 12) raise_error(err::kInvalidCall);
  if (add32(mul32(100, year), month) < kFirstHolidayMonthKey) return;
  HolidayCalendar calendar;
  const std::vector<LawHoliday> listed = calendar.listed(year, month);
  const std::vector<Substitute> substitutes = substitutes_in(calendar, year, month, listed);
  if (listed.size() + substitutes.size() > kLastHolidaySlot) raise_error(err::kSubscript);

  const i16 w1 = weekday_of({year, month, 1});
  std::size_t slot = 1;
  for (const LawHoliday& h : listed) {
    const auto weekday = static_cast<std::size_t>((h.day + w1 + 6) % 7);
    table.holidayDays[slot] = h.day;
    table.holidayNames[slot] = h.name;
    table.holidayKinds[slot] = static_cast<std::uint8_t>(weekday + 1);
    table.holidayCounts[weekday] = add32(table.holidayCounts[weekday], 1);
    table.holidayCounts[kCountListed] = add32(table.holidayCounts[kCountListed], 1);
    ++slot;
  }
  for (const Substitute& s : substitutes) {
    table.holidayDays[slot] = s.day.d;
    table.holidayNames[slot] = std::string(kSubstituteName);
    table.holidayKinds[slot] = s.kind;
    table.holidayCounts[kCountSubstitutes] = add32(table.holidayCounts[kCountSubstitutes], 1);
    if (s.kind == kKindLostSubstitute)
      table.holidayCounts[kCountLost] = add32(table.holidayCounts[kCountLost], 1);
    ++slot;
  }
}

struct Totals {
  i32& holidays;
  i32& substitutes;
  i32& lost;
  i32& sundays;
  i32& saturdays;

  void add_entry(std::uint8_t kind) {
    if (kind >= 1 && kind <= 7) holidays = add32(holidays, 1);
    if (kind == 1) sundays = add32(sundays, 1);
    if (kind == 7) saturdays = add32(saturdays, 1);
    if (kind == kKindSubstitute || kind == kKindLostSubstitute) substitutes = add32(substitutes, 1);
    if (kind == kKindLostSubstitute) lost = add32(lost, 1);
  }
};

// Walks the months from a to b (either order, both days included); months before November
// 1873 hold no holidays and are skipped.
void count_range(Ymd a, Ymd b, Totals& totals) {
  if (daisyou(a.y, a.m, a.d, b.y, b.m, b.d) == -1) std::swap(a, b);
  const i32 first = add32(mul32(12, a.y), a.m - 1);
  const i32 last = add32(mul32(12, b.y), b.m - 1);
  const i32 first_with_holidays =
      (kFirstHolidayMonthKey / 100) * 12 + kFirstHolidayMonthKey % 100 - 1;
  for (i32 t = std::max(first, first_with_holidays); t <= last; ++t) {
    const MonthHolidays table = Ssaijitu(to_i16(t / 12), to_i16(t % 12 + 1));
    for (std::size_t j = 1; j <= table.entries() && j <= kLastHolidaySlot; ++j) {
      const i16 day = table.holidayDays[j];
      if (t == first && day < a.d) continue;
      if (t == last && day > b.d) continue;
      totals.add_entry(table.holidayKinds[j]);
    }
  }
}

Ymd normalised(i16 mode, i16 year, i16 month, i16 day) {
  Ymd x{year, month, day};
  hiteisei(mode, x.y, x.m, x.d);
  return x;
}

// A slot's date as the Gregorian date of the same day.
Ymd gregorian_date_of_slot(const ProgramState& state, int index) {
  const DateSlot& slot = state.slots[static_cast<std::size_t>(index)];
  if (state.calendar_mode != kModeJulian)
    return normalised(state.calendar_mode, slot.year, slot.month, slot.day);
  Ymd x{0, 0, 0};
  x.y = yulibigule(guleyulibi(slot.year, slot.month, slot.day, kModeJulian), x.m, x.d,
                   kModeGregorian);
  return x;
}

}  // namespace

std::string MonthHolidays::name_on(i16 day) const {
  for (std::size_t j = 1; j <= entries() && j <= kLastHolidaySlot; ++j)
    if (holidayDays[j] == day) return holidayNames[j];
  return {};
}

MonthHolidays Ssaijitu(i16 year, i16 month) {
  MonthHolidays table;
  trap("Ssaijitu", [&] { fill_month(year, month, table); });
  return table;
}

void SNKeisan(i16 year1, i16 month1, i16 day1, i16 year2, i16 month2, i16 day2, i32& holidays,
              i32& substitutes, i32& lostSubstitutes, i32& sundayHolidays, i32& saturdayHolidays) {
  trap("SNKeisan", [&] {
    Totals totals{holidays, substitutes, lostSubstitutes, sundayHolidays, saturdayHolidays};
    count_range(normalised(kModeGregorian, year1, month1, day1),
                normalised(kModeGregorian, year2, month2, day2), totals);
  });
}

void SNKeisan(const ProgramState& state, i32& holidays, i32& substitutes, i32& lostSubstitutes,
              i32& sundayHolidays, i32& saturdayHolidays) {
  trap("SNKeisan", [&] {
    Totals totals{holidays, substitutes, lostSubstitutes, sundayHolidays, saturdayHolidays};
    count_range(gregorian_date_of_slot(state, 0), gregorian_date_of_slot(state, 1), totals);
  });
}

std::vector<HolidayEntry> holidays_of_year(i16 year) {
  std::vector<HolidayEntry> year_list;
  for (i16 month = 1; month <= 12; ++month) {
    const MonthHolidays table = Ssaijitu(year, month);
    std::vector<HolidayEntry> entries;
    for (std::size_t j = 1; j <= table.entries() && j <= kLastHolidaySlot; ++j)
      entries.push_back({month, table.holidayDays[j], table.holidayNames[j],
                         static_cast<i16>(table.holidayKinds[j])});
    std::stable_sort(entries.begin(), entries.end(),
                     [](const HolidayEntry& a, const HolidayEntry& b) { return a.day < b.day; });
    year_list.insert(year_list.end(), entries.begin(), entries.end());
  }
  return year_list;
}

std::string holiday_name_of_day(i32 day_number) {
  i16 month = 0, day = 0;
  const i16 year = yulibigule(day_number, month, day, kModeGregorian);
  if (month < 1) return {};
  return Ssaijitu(year, month).name_on(day);
}

}  // namespace pelmira
