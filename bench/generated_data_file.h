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
#include <vector>

#include "core/encoding.h"
#include "core/text.h"
#include "people/data_file.h"

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

inline GeneratedFiles& files() {
  static GeneratedFiles generated;
  return generated;
}

}  // namespace pelmira::bench
