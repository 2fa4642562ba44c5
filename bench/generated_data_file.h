#pragma once
// Generated data files of the benchmarks: person lists as real ones look, written once per
// size into a temporary folder that is removed at exit.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/encoding.h"
#include "core/text.h"
#include "people/data_file.h"
#include "people/data_reader.h"

namespace pelmira::bench {

// Lines as a real list holds them: two to five kanji names, a few with a separator, about
// one person in four with a rule of their own.
inline std::vector<std::string> generated_lines(int persons) {
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
    auto found = paths_.find(persons);
    if (found != paths_.end()) return found->second;
    const std::string path = folder() + "/list" + std::to_string(persons) + ".txt";
    write_file(path, generated_lines(persons));
    return paths_.emplace(persons, path).first->second;
  }

  // The same persons shared out over `count` files, as a family's folder holds them.
  const std::vector<std::string>& paths(int persons, int count) {
    const std::pair key{persons, count};
    auto found = split_paths_.find(key);
    if (found != split_paths_.end()) return found->second;
    const std::vector<std::string> lines = generated_lines(persons);
    const std::size_t records = lines.size() - 2;  // the last two are the footer
    std::vector<std::string> paths;
    for (int k = 0; k < count; ++k) {
      const std::size_t from = records * static_cast<std::size_t>(k) / count;
      const std::size_t to = records * static_cast<std::size_t>(k + 1) / count;
      std::vector<std::string> part(lines.begin() + static_cast<std::ptrdiff_t>(from),
                                    lines.begin() + static_cast<std::ptrdiff_t>(to));
      part.insert(part.end(), lines.end() - 2, lines.end());
      paths.push_back(folder() + "/part" + std::to_string(persons) + "_" + std::to_string(k) +
                      ".txt");
      write_file(paths.back(), part);
    }
    return split_paths_.emplace(key, std::move(paths)).first->second;
  }

 private:
  const std::string& folder() {
    if (folder_.empty()) {
      std::string pattern =
          (std::filesystem::temp_directory_path() / "pelmira-bench-XXXXXX").string();
      if (::mkdtemp(pattern.data()) == nullptr) std::abort();
      folder_ = pattern;
    }
    return folder_;
  }

  static void write_file(const std::string& path, const std::vector<std::string>& lines) {
    std::string text = std::string(kDataFileHeader) + "\r\n";
    for (const std::string& line : lines) text += line + "\r\n";
    std::ofstream(path, std::ios::binary) << utf8_to_cp932(text).value();
  }

  std::string folder_;
  std::map<int, std::string> paths_;
  std::map<std::pair<int, int>, std::vector<std::string>> split_paths_;
};

inline GeneratedFiles& files() {
  static GeneratedFiles generated;
  return generated;
}

// The person table a read of the generated file of `persons` persons leaves.
inline PersonTable read_generated(int persons, const ProgramState& state) {
  PersonTable table;
  ReadHost host;
  rist02(table, state, files().path(persons), -1, host);
  return table;
}

}  // namespace pelmira::bench
