#pragma once
// The recent-file history of the ファイル menu ("履歴"): up to ten data files read or saved,
// newest first. It is kept as a plain list here; the window shows it as menu items and the
// settings store keeps it between runs in the section "rireki", keys "1" (the oldest) to
// "10" (the newest).

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/checked.h"

namespace pelmira {

inline constexpr std::size_t kMaxRecentFiles = 10;
inline constexpr std::string_view kRecentFilesSection = "rireki";

struct RecentFiles {
  std::vector<std::string> paths;  // newest first; menu item k (1-based) is paths[k - 1]

  i16 count() const { return static_cast<i16>(paths.size()); }
  // "履歴のクリア" is enabled only while the history holds an entry.
  bool clear_enabled() const { return !paths.empty(); }
};

// Adds a path at the top (rirekituika). A path already in the history keeps its place; an
// eleventh path pushes the oldest out. Traps as "rirekituika".
void rirekituika(RecentFiles& history, const std::string& path);

// Removes menu item `index` (1-based) after a failed read from it; other indexes change
// nothing.
void remove_recent_file(RecentFiles& history, i16 index);

// "履歴のクリア" (rirekic_Click): empties the history. Traps as "rirekic_Click".
void rirekic_Click(RecentFiles& history);

// The history as stored at start-up: keys "1".."10" read in order (the reader gives the
// empty text for a missing key), stopping at the first empty value; each is added on top.
RecentFiles load_recent_files(const std::function<std::string(const std::string& key)>& read);

// The values stored at close: item j under key (count - j + 1), then empty values under the
// keys from count + 1 to 11. Pairs of key and value, in the order they are written.
std::vector<std::pair<std::string, std::string>> recent_file_settings(const RecentFiles& history);

}  // namespace pelmira
