#include "people/recent_files.h"

#include <algorithm>

#include "core/trap.h"

namespace pelmira {

void rirekituika(RecentFiles& history, const std::string& path) {
  trap("rirekituika", [&] {
    // Only the entries the menu shows count: a path pushed out or removed earlier is added
    // again like any other.
    if (std::find(history.paths.begin(), history.paths.end(), path) != history.paths.end()) return;
    history.paths.insert(history.paths.begin(), path);
    if (history.paths.size() > kMaxRecentFiles) history.paths.resize(kMaxRecentFiles);
  });
}

void remove_recent_file(RecentFiles& history, i16 index) {
  if (index < 1 || index > history.count()) return;
  history.paths.erase(history.paths.begin() + (index - 1));
}

void rirekic_Click(RecentFiles& history) {
  trap("rirekic_Click", [&] { history.paths.clear(); });
}

RecentFiles load_recent_files(const std::function<std::string(const std::string& key)>& read) {
  RecentFiles history;
  for (std::size_t k = 1; k <= kMaxRecentFiles; ++k) {
    const std::string value = read(std::to_string(k));
    if (value.empty()) break;
    rirekituika(history, value);
  }
  return history;
}

std::vector<std::pair<std::string, std::string>> recent_file_settings(const RecentFiles& history) {
  std::vector<std::pair<std::string, std::string>> values;
  const std::size_t count = history.paths.size();
  for (std::size_t j = 1; j <= count; ++j)
    values.emplace_back(std::to_string(count - j + 1), history.paths[j - 1]);
  for (std::size_t k = count + 1; k <= kMaxRecentFiles + 1; ++k)
    values.emplace_back(std::to_string(k), std::string());
  return values;
}

}  // namespace pelmira
