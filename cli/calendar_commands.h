#pragma once
// Subcommands of the day-number core: dayno (date to day number), date (day number to date
// and weekday) and era (modern era and historical era texts of a date).

#include <string>

#include "cli/command.h"
#include "core/checked.h"

namespace pelmira::cli {

struct DaynoOptions {
  i16 mode = 0;
  std::string date;
};

struct DateOptions {
  i16 mode = 0;
  i32 day_number = 0;
};

struct EraOptions {
  std::string date;
};

// "<day number>\n"
std::string dayno_command(RunContext& run, const DaynoOptions& options);

// "<y>-<m>-<d>\t<weekday character>\n" with the astronomical year, numbers unpadded.
std::string date_command(RunContext& run, const DateOptions& options);

// "<modern era name>\t<era year>\t<historical main text>\t<historical second text>\n"
std::string era_command(RunContext& run, const EraOptions& options);

void register_calendar_commands(CLI::App& app, CommandAction& chosen);

}  // namespace pelmira::cli
