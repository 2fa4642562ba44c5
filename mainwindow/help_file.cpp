#include "mainwindow/help_file.h"

#include "core/runtime_error.h"
#include "people/regular_file.h"

namespace pelmira {
namespace {

std::string in_folder(const std::string& folder) {
  std::string path = folder;
  if (path.back() != '/') path += '/';
  path += kHelpFileName;
  return path;
}

// The error's description followed by the path it is about.
std::string naming(std::string_view description, const std::string& path) {
  return std::string(description) + " (" + path + ")";
}

}  // namespace

std::vector<std::string> help_file_candidates(const std::string& program_folder,
                                              const std::string& data_folder) {
  std::vector<std::string> candidates;
  for (const std::string* folder : {&program_folder, &data_folder})
    if (!folder->empty()) candidates.push_back(in_folder(*folder));
  return candidates;
}

std::string find_help_file(const std::string& program_folder, const std::string& data_folder,
                           std::string* failed_path) {
  const std::vector<std::string> candidates = help_file_candidates(program_folder, data_folder);
  for (const std::string& path : candidates) {
    try {
      std::size_t size = 0;
      open_regular_file(path, size);  // closed again at once: only the checks are wanted
      return path;
    } catch (const RuntimeError& error) {
      // Missing, or a folder on the way that is not one: try the next place.
      if (error.number() == err::kFileNotFound || error.number() == err::kPathNotFound) continue;
      if (failed_path) *failed_path = path;
      throw RuntimeError(error.number(), naming(error.description(), path));
    }
  }
  const std::string first = candidates.empty() ? std::string(kHelpFileName) : candidates.front();
  if (failed_path) *failed_path = first;
  throw RuntimeError(err::kFileNotFound, naming(error_description(err::kFileNotFound), first));
}

}  // namespace pelmira
