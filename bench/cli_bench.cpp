// The work of `pelmira-cli check` and `pelmira-cli list` without the process around it:
// 1 000 and 32 766 persons (the table's limit) shared out over 20 data files, checked, then
// listed with names only and with names and ages.

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "cli/check_command.h"
#include "cli/list_command.h"
#include "cli/run_context.h"
#include "generated_data_file.h"

namespace pelmira {
namespace {

constexpr int kFiles = 20;

const std::vector<std::string>& family_files(const benchmark::State& state) {
  return bench::files().paths(static_cast<int>(state.range(0)), kFiles);
}

void BM_CliCheck(benchmark::State& state) {
  const std::vector<std::string>& paths = family_files(state);
  for (auto _ : state) {
    std::ostringstream out, err;
    if (cli::run_check(paths, out, err) != 0) state.SkipWithError("lines rejected");
    benchmark::DoNotOptimize(out.str().size());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CliCheck)->Arg(1000)->Arg(32766)->Unit(benchmark::kMillisecond);

// `list --columns <columns> --now 2026-12-08`.
void list_files(benchmark::State& state, const char* columns) {
  cli::ListOptions options;
  options.columns = columns;
  options.now = "2026-12-08";
  options.files = family_files(state);
  for (auto _ : state) {
    cli::RunContext run;
    const std::string out = cli::list_command(run, options);
    benchmark::DoNotOptimize(out.size());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_CliListNames(benchmark::State& state) {
  list_files(state, "0100000000000000");
}
BENCHMARK(BM_CliListNames)->Arg(1000)->Arg(32766)->Unit(benchmark::kMillisecond);

void BM_CliListNamesAndAges(benchmark::State& state) {
  list_files(state, "0100001000000000");
}
BENCHMARK(BM_CliListNamesAndAges)->Arg(1000)->Arg(32766)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pelmira
