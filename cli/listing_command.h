#pragma once
// Subcommand listing: the lines of one listing kind of the listing pane for a birth-side
// date and a "現在" date.

#include <optional>
#include <string>
#include <vector>

#include "cli/command.h"
#include "core/checked.h"

namespace pelmira::cli {

struct ListingOptions {
  std::optional<std::string> now;
  i16 side = 0;               // calculation side: 0 the birth side, 1 the "現在" side
  std::optional<i16> hour;    // fortune view: the birth hour, absent = not given
  std::optional<i16> minute;  // fortune view: the birth minute, absent = not given
  std::optional<i16> branch;  // zodiac years: 1..12 from 子, absent = none
  std::optional<i16> stem;    // zodiac years: 1..10 from 甲, absent = none
  i16 mode = 0;
  i16 shift = 0;
  std::vector<std::string> data_files;
  bool json = false;
  i16 kind = 0;
  std::string birth;
};

// The listing's lines, each ended by LF; with --json one object
// {"caption": <pane caption>, "lines": [...], "selected": <row or -1>} and LF.
std::string listing_command(RunContext& run, const ListingOptions& options);

void register_listing_command(CLI::App& app, CommandAction& chosen);

}  // namespace pelmira::cli
