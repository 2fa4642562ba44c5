#pragma once
// Subcommand ical: the persons of data files as an iCalendar file, one all-day event per day
// the notifier shows them as due, over whole years, following the notifier's settings.

#include <optional>
#include <string>
#include <vector>

#include "cli/command.h"

namespace pelmira::cli {

struct IcalOptions {
  std::optional<std::string> from;  // Y-M-D; absent: today
  int years = 2;
  std::optional<std::string> out;  // absent: standard output
  std::vector<std::string> files;
};

void register_ical_command(CLI::App& app, CommandAction& chosen);

}  // namespace pelmira::cli
