// Cost of reading a person list: a generated data file of 1 000 and of 32 766 persons (the
// table's limit) read and validated whole, validated alone, and written back.

#include <benchmark/benchmark.h>

#include <string>

#include "generated_data_file.h"
#include "people/data_file.h"
#include "people/data_reader.h"
#include "people/data_writer.h"
#include "people/line_check.h"

namespace pelmira {
namespace {

using bench::files;

void BM_ReadAndValidate(benchmark::State& state) {
  const std::string& path = files().path(static_cast<int>(state.range(0)));
  const ProgramState program;
  ReadHost host;
  for (auto _ : state) {
    PersonTable table;
    rist02(table, program, path, -1, host);
    if (table.personCount != state.range(0)) state.SkipWithError("persons lost");
    benchmark::DoNotOptimize(table.personCount);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadAndValidate)->Arg(1000)->Arg(32766)->Unit(benchmark::kMillisecond);

void BM_ValidateOnly(benchmark::State& state) {
  const DataFileText file = load_data_file(files().path(static_cast<int>(state.range(0))));
  for (auto _ : state) {
    int rejected = 0;
    for (const DataLine& line : file.lines) rejected += datachekku(line.text).result;
    benchmark::DoNotOptimize(rejected);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ValidateOnly)->Arg(1000)->Arg(32766)->Unit(benchmark::kMillisecond);

// Building the file's text and checking its encoding, without touching the disk.
void BM_EncodeDataFile(benchmark::State& state) {
  const ProgramState program;
  ReadHost host;
  PersonTable table;
  rist02(table, program, files().path(static_cast<int>(state.range(0))), -1, host);
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        encode_lines(data_file_lines(table), FileEncoding::kCp932, true, nullptr));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_EncodeDataFile)->Arg(1000)->Arg(32766)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pelmira
