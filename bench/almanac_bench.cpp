// Time to build the fortune view for one birth date with a birth hour.

#include <benchmark/benchmark.h>

#include "almanac/fortune_view.h"

namespace {

void BM_FortuneViewWithBirthHour(benchmark::State& bench) {
  pelmira::ProgramState state;
  state.slots[0].year = 1996;
  state.slots[0].month = 10;
  state.slots[0].day = 1;
  state.slots[0].era_text = "平成 8年 10月 1日";
  state.slots[1].year = 2026;
  state.slots[1].month = 12;
  state.slots[1].day = 7;
  pelmira::ListingSession session;
  session.hour_choice = 11;    // 10 時
  session.minute_choice = 31;  // 30 分
  const pelmira::Listing previous;
  for (auto _ : bench) {
    pelmira::Listing listing = pelmira::uranai(state, session, previous);
    benchmark::DoNotOptimize(listing);
  }
}
BENCHMARK(BM_FortuneViewWithBirthHour);

}  // namespace
