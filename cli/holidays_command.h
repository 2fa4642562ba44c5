#pragma once
// Subcommand holidays: the month holiday tables of a year or of one month.

#include <optional>
#include <string>

#include "cli/command.h"
#include "core/checked.h"

namespace pelmira::cli {

struct HolidaysOptions {
  i16 year = 0;
  std::optional<i16> month;  // absent: every month of the year
};

// For each month, the entries of its holiday table in slot order, one line each:
// "<y>-<m>-<d>\t<name>\t<kind>" (kinds 1-7 the weekday + 1, 10 a substitute holiday,
// 11 a substitute falling on a holiday).
std::string holidays_command(RunContext& run, const HolidaysOptions& options);

void register_holidays_command(CLI::App& app, CommandAction& chosen);

}  // namespace pelmira::cli
