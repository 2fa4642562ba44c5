// Time of the person list's work over a whole list: building every line with all sixteen
// columns, sorting by each key, one search and the average age, for 1 000 persons and for
// the most a list holds (32 766), to show how the cost grows.

#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "core/state.h"
#include "people/editing.h"
#include "people/list_columns.h"
#include "people/list_lines.h"
#include "people/list_summary.h"
#include "people/notice_code.h"
#include "people/person_table.h"
#include "people/search.h"
#include "people/sorting.h"
#include "reference_state.h"

namespace pelmira {
namespace {

constexpr std::string_view kFamilyNames[] = {"山田", "田中", "佐藤",  "鈴木", "高橋",
                                             "伊藤", "渡辺", "Smith", "ｽｽﾞｷ", "中村"};
constexpr std::string_view kGivenNames[] = {"太郎", "花子", "一郎", "さくら", "John",
                                            "美咲", "健太", "ﾊﾅｺ",  "翔",     "陽菜"};

using bench::reference_state;

// A list of n persons born 1900-2023 on any day, in the order they were read.
PersonTable generated_list(int n) {
  std::mt19937 random(20240503);
  PersonTable table;
  dhiretu(table, static_cast<i16>(n + 1));
  for (int k = 1; k <= n; ++k) {
    const auto p = static_cast<std::size_t>(k);
    const std::string name = std::string(kFamilyNames[random() % 10]) +
                             std::string(kGivenNames[random() % 10]) + std::to_string(k % 97);
    table.personName[p] = fixed_name(name);
    table.personDate[p] = {static_cast<i16>(1900 + random() % 124),
                           static_cast<i16>(1 + random() % 12),
                           static_cast<i16>(1 + random() % 28)};
    table.noticeCode[p] = default_notice_code();
    table.loadOrder[p] = static_cast<i16>(k);
    table.viewOrder[0][p] = static_cast<i16>(k);
  }
  table.personCount = static_cast<i16>(n);
  st9(table, 0);
  return table;
}

void BM_AllLinesAllColumns(benchmark::State& bench) {
  const PersonTable table = generated_list(static_cast<int>(bench.range(0)));
  const ProgramState state = reference_state();
  ListDisplay display;
  display.columns.fill(true);
  for (auto _ : bench) {
    const ListLineBuilder builder(table, state, display);
    std::size_t bytes = 0;
    for (i16 p = 1; p <= table.personCount; ++p) bytes += builder.line(p).size();
    benchmark::DoNotOptimize(bytes);
  }
}
BENCHMARK(BM_AllLinesAllColumns)->Arg(1000)->Arg(32766)->Unit(benchmark::kMillisecond);

void BM_Sort(benchmark::State& bench) {
  PersonTable table = generated_list(static_cast<int>(bench.range(1)));
  const ProgramState state = reference_state();
  const auto key = static_cast<i16>(bench.range(0));
  for (auto _ : bench) {
    st1(table, state, kListingFortune, key);
    benchmark::DoNotOptimize(table.viewOrder[0].data());
  }
}
BENCHMARK(BM_Sort)
    ->ArgsProduct({{kSortName, kSortDate, kSortMonthDay, kSortDay, kSortDaysToNext}, {1000, 32766}})
    ->Unit(benchmark::kMillisecond);

// A search with a criterion of every kind that reads an almanac value.
void BM_Search(benchmark::State& bench) {
  PersonTable table = generated_list(static_cast<int>(bench.range(0)));
  const ProgramState state = reference_state();
  SearchForm form = search_form_load();
  choose_search_item(form, state, kBoxAgeFrom, "20");
  choose_search_item(form, state, kBoxAgeTo, "60");
  choose_search_item(form, state, kBoxNineStar, "一白水星");
  form.name_part = "田";
  for (auto _ : bench) {
    bench.PauseTiming();
    table.search_depth = table.search_depth_max = 0;
    std::fill(table.searchLevel.begin(), table.searchLevel.end(), i16{0});
    bench.ResumeTiming();
    ks2(table, state, form);
    benchmark::DoNotOptimize(table.viewOrder[0].data());
  }
}
BENCHMARK(BM_Search)->Arg(1000)->Arg(32766)->Unit(benchmark::kMillisecond);

void BM_AverageAge(benchmark::State& bench) {
  const PersonTable table = generated_list(static_cast<int>(bench.range(0)));
  const ProgramState state = reference_state();
  for (auto _ : bench) benchmark::DoNotOptimize(heikinrei(table, state));
}
BENCHMARK(BM_AverageAge)->Arg(1000)->Arg(32766)->Unit(benchmark::kMillisecond);

// Duplicates are found in one pass over the list, not by comparing every pair.
void BM_RemoveDuplicates(benchmark::State& bench) {
  PersonTable list = generated_list(static_cast<int>(bench.range(0)));
  // Every tenth person repeats the one before it.
  for (std::size_t p = 10; p <= static_cast<std::size_t>(list.personCount); p += 10) {
    list.personName[p] = list.personName[p - 1];
    list.personDate[p] = list.personDate[p - 1];
  }
  for (auto _ : bench) {
    bench.PauseTiming();
    PersonTable table = list;
    bench.ResumeTiming();
    benchmark::DoNotOptimize(jyufuku(table));
  }
}
BENCHMARK(BM_RemoveDuplicates)->Arg(1000)->Arg(32766)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pelmira
