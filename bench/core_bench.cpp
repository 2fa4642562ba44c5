// Cost of one call of the core procedures every refresh of the main window goes through.

#include <benchmark/benchmark.h>

#include "almanac/solar_terms.h"
#include "core/age.h"
#include "core/calendar.h"
#include "core/date_text.h"

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
  i32 day_number = 2450357;
  for (auto _ : state) {
    i16 month = 0;
    i16 day = 0;
    benchmark::DoNotOptimize(yulibigule(day_number, month, day, kModeAutomatic));
    day_number = day_number % 2460000 + 1;
  }
}
BENCHMARK(BM_yulibigule);

void BM_nrei(benchmark::State& state) {
  for (auto _ : state) {
    i16 months = 0;
    i16 days = 0;
    benchmark::DoNotOptimize(nrei(kModeAutomatic, 2010, 8, 8, 2000, 5, 3, months, days, 0));
  }
}
BENCHMARK(BM_nrei);

void BM_bnsk(benchmark::State& state) {
  const ProgramState program;
  for (auto _ : state) {
    i16 year = 0;
    i16 month = 0;
    i16 day = 0;
    benchmark::DoNotOptimize(bnsk(program, "平成8年10月1日", year, month, day, 0));
  }
}
BENCHMARK(BM_bnsk);

void BM_sekki24(benchmark::State& state) {
  for (auto _ : state) {
    i16 month = 0;
    i16 day = 0;
    benchmark::DoNotOptimize(sekki24(2024, month, day, 315));
  }
}
BENCHMARK(BM_sekki24);

}  // namespace
}  // namespace pelmira
