// pelmira-cli: the calculations of Pelmira from a terminal. Builds the command line from the
// subcommands' registration functions and hands it to dispatch.

#include <CLI/CLI.hpp>

#include "cli/age_command.h"
#include "cli/calendar_commands.h"
#include "cli/check_command.h"
#include "cli/command.h"
#include "cli/dispatch.h"
#include "cli/holidays_command.h"
#include "cli/ical_command.h"
#include "cli/list_command.h"
#include "cli/listing_command.h"
#include "cli/month_calendar_command.h"
#include "cli/parse_command.h"
#include "cli/report_command.h"
#include "cli/terms_command.h"
#include "core/error_report.h"

namespace {

using namespace pelmira::cli;

// A new subcommand is one file with its registration function, listed here.
// clang-format off
constexpr CommandRegistration kSubcommands[] = {
    register_calendar_commands,
    register_parse_command,
    register_age_command,
    register_terms_command,
    register_report_command,
    register_listing_command,
    register_holidays_command,
    register_month_calendar_command,
    register_check_command,
    register_list_command,
    register_ical_command,
};
// clang-format on

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Pelmira's age and date calculations from the command line", "pelmira-cli"};
  app.require_subcommand(1);
  app.set_version_flag("--version", pelmira::ReportEnvironment::default_version());
  CommandAction chosen;
  for (const CommandRegistration add : kSubcommands) add(app, chosen);
  return dispatch(app, chosen, argc, argv);
}
