#pragma once
// Subcommand parse: the date reader `bnsk` alone, on given starting values, unnormalised.

#include <optional>
#include <string>

#include "cli/command.h"
#include "core/checked.h"

namespace pelmira::cli {

struct ParseOptions {
  i16 slot = 0;
  std::optional<i16> other_year;  // the other slot's Western year; this year when absent
  std::string init = "0-0-0";     // the year, month and day before reading
  std::string text;
};

// "<era label or empty>\t<y>\t<m>\t<d>\n": what bnsk leaves in the year, month and day.
std::string parse_command(RunContext& run, const ParseOptions& options);

void register_parse_command(CLI::App& app, CommandAction& chosen);

}  // namespace pelmira::cli
