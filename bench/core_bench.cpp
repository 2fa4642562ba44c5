// Time per call of the calendar core's busiest procedures.

#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "almanac/solar_terms.h"
#include "core/age.h"
#include "core/calendar.h"
#include "core/date_text.h"
#include "core/state.h"

namespace pelmira {
namespace {

void BM_guleyulibi(benchmark::State& state) {
  i16 day = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(guleyulibi(1996, 10, day, kModeAutomatic));
    day = static_cast<i16>(day % 28 + 1);
  }
}
BENCHMARK(BM_guleyulibi);

void BM_yulibigule(benchmark::State& state) {
  i32 n = 2450000;
  for (auto _ : state) {
    i16 month = 0, day = 0;
    benchmark::DoNotOptimize(yulibigule(n, month, day, kModeAutomatic));
    benchmark::DoNotOptimize(month);
    n = n < 2460000 ? n + 1 : 2450000;
  }
}
BENCHMARK(BM_yulibigule);

void BM_nrei(benchmark::State& state) {
  i16 day = 1;
  for (auto _ : state) {
    i16 months = 0, days = 0;
    benchmark::DoNotOptimize(nrei(kModeAutomatic, 2024, 6, day, 1996, 10, 1, months, days, 0));
    benchmark::DoNotOptimize(days);
    day = static_cast<i16>(day % 28 + 1);
  }
}
BENCHMARK(BM_nrei);

void read_date(benchmark::State& state, std::string_view text) {
  ProgramState program;
  program.slots[1].year = 2024;
  for (auto _ : state) {
    i16 year = 0, month = 0, day = 0;
    benchmark::DoNotOptimize(bnsk(program, text, year, month, day, 0));
    benchmark::DoNotOptimize(year);
  }
}

void BM_bnsk_era_letter(benchmark::State& state) {
  read_date(state, "H8.10.1");
}
BENCHMARK(BM_bnsk_era_letter);

void BM_bnsk_full_width(benchmark::State& state) {
  read_date(state, "平成８年１０月１日");
}
BENCHMARK(BM_bnsk_full_width);

void BM_sekki24(benchmark::State& state) {
  i16 longitude = 0;
  for (auto _ : state) {
    i16 month = 0, day = 0;
    i32 hour = 0, minute = 0;
    benchmark::DoNotOptimize(sekki24(2024, month, day, longitude, &hour, &minute));
    benchmark::DoNotOptimize(minute);
    longitude = static_cast<i16>((longitude + 15) % 360);
  }
}
BENCHMARK(BM_sekki24);

}  // namespace
}  // namespace pelmira
