#pragma once
// Subcommand calendar: the month calendar panel drawn for a terminal.

#include <string>

#include "cli/command.h"
#include "core/checked.h"

namespace pelmira::cli {

struct MonthCalendarOptions {
  i16 mode = 0;
  i16 year = 0;
  i16 month = 0;
  bool colour = false;  // ANSI colours: holidays and Sundays red, other months' days dim
};

// A heading with the year, its era and the month; the weekday header; the six rows of the
// month grid; then, one per line, the days of the month that carry a holiday or a solar
// term with their names.
std::string month_calendar_command(RunContext& run, const MonthCalendarOptions& options);

void register_month_calendar_command(CLI::App& app, CommandAction& chosen);

}  // namespace pelmira::cli
