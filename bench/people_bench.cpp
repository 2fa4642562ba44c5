// Cost of reading a person list: a generated data file of 1 000 and of 32 766 persons (the
// table's limit) read and validated whole, validated alone, and written back.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "core/encoding.h"
#include "core/text.h"
#include "people/data_file.h"
#include "people/data_reader.h"
#include "people/data_writer.h"
#include "people/line_check.h"

namespace pelmira {
namespace {

// Lines as a real list holds them: two to five kanji names, a few with a separator, about
// one person in four with a rule of their own.
std::vector<std::string> generated_lines(int persons) {
  static const std::vector<std::string> kNames = {"山", "田", "太", "郎", "鈴", "木", "花",
                                                  "子", "佐", "藤", "髙", "橋", "ｶﾅ", "一"};
  std::mt19937 random(static_cast<unsigned>(persons));
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(persons) + 2);
  for (int k = 0; k < persons; ++k) {
    std::string name;
    for (int n = 2 + static_cast<int>(random() % 4); n > 0; --n)
      name += kNames[random() % kNames.size()];
    if (k % 97 == 0) name = "^" + std::to_string(char_count(name) + 2) + "^a^" + name;
    std::string line = name + "^";
    line += std::to_string(1900 + random() % 120) + " " + std::to_string(1 + random() % 12) + " " +
            std::to_string(1 + random() % 28) + "^";
    if (k % 4 == 0) line += std::to_string(random() % 30) + "^13001111100100^";
    lines.push_back(line);
  }
  lines.push_back("");
  lines.push_back("'PelmiraVer1.0.0より出力。");
  return lines;
}

// One generated file per size, in a temporary folder removed at exit.
class GeneratedFiles {
 public:
  ~GeneratedFiles() {
    std::error_code ignored;
    if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
  }
  const std::string& path(int persons) {
    if (folder_.empty()) {
      std::string pattern =
          (std::filesystem::temp_directory_path() / "pelmira-bench-XXXXXX").string();
      if (::mkdtemp(pattern.data()) == nullptr) std::abort();
      folder_ = pattern;
    }
    auto found = paths_.find(persons);
    if (found != paths_.end()) return found->second;
    const std::string path = folder_ + "/list" + std::to_string(persons) + ".txt";
    std::string text = std::string(kDataFileHeader) + "\r\n";
    for (const std::string& line : generated_lines(persons)) text += line + "\r\n";
    std::ofstream(path, std::ios::binary) << utf8_to_cp932(text).value();
    return paths_.emplace(persons, path).first->second;
  }

 private:
  std::string folder_;
  std::map<int, std::string> paths_;
};

GeneratedFiles& files() {
  static GeneratedFiles generated;
  return generated;
}

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
