#include "support/test_folder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "core/encoding.h"

namespace pelmira::testing {

TestFolder::TestFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "pelmira-test-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TestFolder::~TestFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string TestFolder::write(std::string_view name, std::string_view bytes) const {
  const std::string file = path_ + "/" + std::string(name);
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + file);
  return file;
}

std::string TestFolder::make_folder(std::string_view name) const {
  const std::string folder = path_ + "/" + std::string(name);
  std::filesystem::create_directories(folder);
  return folder;
}

std::string cp932(std::string_view utf8) {
  const std::optional<std::string> bytes = utf8_to_cp932(utf8);
  if (!bytes) throw std::runtime_error("not encodable in CP932");
  return *bytes;
}

std::string cp932_data_file(const std::vector<std::string>& lines) {
  std::string text = "Pelmira年齢計算用リスト\r\n";
  for (const std::string& line : lines) text += line + "\r\n";
  return cp932(text);
}

}  // namespace pelmira::testing
