// Cost of building each listing kind and the age report for one pair of dates (birth
// 1996-10-01, "現在" 2026-12-07), as one refresh of the main window pays it.

#include <benchmark/benchmark.h>

#include "listings/dispatch.h"
#include "mainwindow/age_report.h"

namespace pelmira {
namespace {

ProgramState bench_dates() {
  ProgramState state;
  state.clock = fixed_clock(LocalDateTime{2026, 12, 7, 9, 30, 0});
  const i16 dates[2][3] = {{1996, 10, 1}, {2026, 12, 7}};
  for (int i = 0; i < 2; ++i) {
    DateSlot& slot = state.slots[static_cast<std::size_t>(i)];
    slot.era_label() = "西暦";
    slot.entered_year = dates[i][0];
    slot.month = dates[i][1];
    slot.day = dates[i][2];
  }
  mein0(state);
  return state;
}

void BM_build_listing(benchmark::State& bench) {
  const i16 kind = static_cast<i16>(bench.range(0));
  const ProgramState state = bench_dates();
  ListingSession session;
  session.kind = kind;
  session.branch_choice = 1;  // 子: the zodiac-year listing lists its 23 years
  session.hour_choice = 14;   // the fortune view with a birth hour and minute
  session.minute_choice = 31;
  for (auto _ : bench) benchmark::DoNotOptimize(build_listing(kind, state, session));
  bench.SetLabel(std::string(listing_menu_caption(kind)));
}
BENCHMARK(BM_build_listing)->DenseRange(0, 11);

void BM_age_report(benchmark::State& bench) {
  ProgramState state = bench_dates();
  for (auto _ : bench) {
    const ReportTotals totals = mein0(state);
    const ReportTexts texts = hyouzi(state, totals, 0);
    benchmark::DoNotOptimize(nyurhyouzi(state, totals, 0, 1));
    benchmark::DoNotOptimize(report_export_lines(texts));
  }
}
BENCHMARK(BM_age_report);

}  // namespace
}  // namespace pelmira
