#pragma once
// Subcommand list: the person list pane as text for data files, optionally saved as one
// data file (merged, sorted or converted to UTF-8).

#include <optional>
#include <string>
#include <vector>

#include "cli/command.h"
#include "core/checked.h"

namespace pelmira::cli {

struct ListOptions {
  std::optional<std::string> now;
  std::string columns = "010000100000000";  // the column setting, one "0"/"1" per column
  i16 name_tabs = 2;
  std::optional<i16> sort_key;  // 0-4; absent: the files' order
  bool descending = false;
  i16 listing = 9;  // the listing kind chosen: 5 shows dates of death
  i16 mode = 0;
  i16 shift = 0;
  std::optional<std::string> save;       // data file in Shift-JIS
  std::optional<std::string> save_utf8;  // data file in UTF-8
  std::vector<std::string> files;
};

// The header line, one line per listed person in the chosen order and the summary line,
// each ended by LF. Bad lines of the files are skipped with their report on stderr.
std::string list_command(RunContext& run, const ListOptions& options);

void register_list_command(CLI::App& app, CommandAction& chosen);

}  // namespace pelmira::cli
