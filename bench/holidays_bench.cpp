// Timing of the holiday totals over the longest period the day-count listing accepts,
// the month calendar's contents and the date-information listing.

#include <benchmark/benchmark.h>

#include <string>

#include "core/state.h"
#include "holidays/date_info.h"
#include "holidays/day_counts.h"
#include "holidays/holiday_rules.h"
#include "holidays/month_grid.h"
#include "holidays/year_calendar.h"

namespace pelmira {
namespace {

void set_date(ProgramState& state, int index, i16 year, i16 month, i16 day) {
  DateSlot& slot = state.slots[static_cast<std::size_t>(index)];
  slot.year = year;
  slot.month = month;
  slot.day = day;
  slot.texts[0] = std::to_string(year);
  slot.texts[1] = std::to_string(month);
  slot.texts[2] = std::to_string(day);
  slot.month_day_text = std::to_string(month) + "月 " + std::to_string(day) + "日";
  slot.western_text = "西暦 " + std::to_string(year) + "年 " + slot.month_day_text;
}

ProgramState two_dates() {
  ProgramState state;
  state.clock = fixed_clock({2026, 5, 6, 12, 0, 0});
  set_date(state, 0, 1900, 1, 1);
  set_date(state, 1, 2099, 12, 31);
  return state;
}

void BM_SNKeisan200Years(benchmark::State& st) {
  const ProgramState state = two_dates();
  for (auto _ : st) {
    i32 h = 0, q = 0, r = 0, s = 0, t = 0;
    SNKeisan(state, h, q, r, s, t);
    benchmark::DoNotOptimize(h + q + r + s + t);
  }
}
BENCHMARK(BM_SNKeisan200Years)->Unit(benchmark::kMillisecond);

void BM_HsKeisan200Years(benchmark::State& st) {
  const ProgramState state = two_dates();
  ListingSession session;
  const Listing previous;
  for (auto _ : st) benchmark::DoNotOptimize(HsKeisan(state, session, previous));
}
BENCHMARK(BM_HsKeisan200Years)->Unit(benchmark::kMillisecond);

void BM_Ssaijitu(benchmark::State& st) {
  for (auto _ : st) benchmark::DoNotOptimize(Ssaijitu(2019, 5));
}
BENCHMARK(BM_Ssaijitu)->Unit(benchmark::kMicrosecond);

void BM_HolidaysOfYear(benchmark::State& st) {
  for (auto _ : st) benchmark::DoNotOptimize(holidays_of_year(2026));
}
BENCHMARK(BM_HolidaysOfYear)->Unit(benchmark::kMicrosecond);

void BM_MonthGrid(benchmark::State& st) {
  ProgramState state = two_dates();
  set_date(state, 0, 2019, 5, 3);
  for (auto _ : st) benchmark::DoNotOptimize(karenda(state, 0));
}
BENCHMARK(BM_MonthGrid)->Unit(benchmark::kMicrosecond);

void BM_MonthGridJulian(benchmark::State& st) {
  ProgramState state = two_dates();
  state.calendar_mode = kModeJulian;
  set_date(state, 0, 2019, 5, 3);
  for (auto _ : st) benchmark::DoNotOptimize(karenda(state, 0));
}
BENCHMARK(BM_MonthGridJulian)->Unit(benchmark::kMicrosecond);

void BM_YearCalendar(benchmark::State& st) {
  for (auto _ : st) benchmark::DoNotOptimize(formcalnder(2026));
}
BENCHMARK(BM_YearCalendar)->Unit(benchmark::kMicrosecond);

void BM_NGHJouhou(benchmark::State& st) {
  ProgramState state = two_dates();
  set_date(state, 0, 2026, 9, 22);
  ListingSession session;
  const Listing previous;
  for (auto _ : st) benchmark::DoNotOptimize(NGHJouhou(state, session, previous));
}
BENCHMARK(BM_NGHJouhou)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pelmira
