#pragma once
// A folder of its own for one test, removed with everything in it afterwards.

#include <string>
#include <string_view>
#include <vector>

namespace pelmira::testing {

class TestFolder {
 public:
  TestFolder();
  ~TestFolder();
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  const std::string& path() const { return path_; }
  // Writes `bytes` to a file of the folder and returns its path.
  std::string write(std::string_view name, std::string_view bytes) const;
  // Creates a sub-folder and returns its path.
  std::string make_folder(std::string_view name) const;

 private:
  std::string path_;
};

// UTF-8 text in CP932 bytes (the test's own texts are always encodable).
std::string cp932(std::string_view utf8);

// A data file in CP932: the header line, then the given lines, each ended by CR LF.
std::string cp932_data_file(const std::vector<std::string>& lines);

}  // namespace pelmira::testing
