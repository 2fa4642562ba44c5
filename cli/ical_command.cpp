#include "cli/ical_command.h"

#include <ctime>
#include <iostream>
#include <memory>

#include "cli/cli_errors.h"
#include "cli/date_arguments.h"
#include "core/runtime_error.h"
#include "notifier/ical_export.h"
#include "notifier/leap_day_setting.h"
#include "notifier/list_mode.h"
#include "people/data_writer.h"
#include "settings/ini_settings_file.h"
#include "settings/setting_keys.h"

namespace pelmira::cli {
namespace {

CalendarDate first_day(const IcalOptions& options) {
  if (!options.from) return system_today();
  const std::optional<CalendarDate> date = parse_list_date(*options.from);
  if (!date) throw UsageError("--from " + cli::quoted(*options.from) + ": not a date (Y-M-D)");
  return *date;
}

// The files to read: those that are there without the header line are passed over, as the
// notifier passes them over in its folder, but not without a word; a missing file stays, for
// the reader's box. None left is a usage error rather than an empty calendar.
std::vector<std::string> data_files_of(const std::vector<std::string>& files) {
  std::vector<std::string> kept;
  for (const std::string& path : files) {
    if (path_exists(path) && !is_data_file(path)) {
      std::cerr << "pelmira-cli: ical: " << cli::quoted(path)
                << " is not a data file (its first line is not the header); skipped\n";
      continue;
    }
    kept.push_back(path);
  }
  if (kept.empty()) throw UsageError("ical: none of the files is a data file");
  return kept;
}

std::string ical_command(const IcalOptions& options) {
  const CalendarDate first = first_day(options);
  const std::optional<i32> days = export_days(first, options.years);
  if (!days)
    throw UsageError("--from and --years: the calendar must end by 9999-12-31 and span 1 to " +
                     std::to_string(kMostExportYears) + " years");
  const std::vector<std::string> files = data_files_of(options.files);
  const IniSettingsFile settings(kSettingsApplication);
  const IcalExport result =
      export_ical(files, first, *days, leap_day_move(settings), std::time(nullptr));
  for (const DateReaderAlert& alert : result.alerts) {
    if (alert.fatal && result.failure && result.failure->by_date_reader) continue;
    std::cerr << terminal_text(alert.text) << "\n";
  }
  if (result.failure) {
    std::cerr << terminal_text(result.failure->text);
    if (result.failure->by_date_reader) std::cerr << "\n";
    std::cerr << "pelmira-cli: ical: nothing was written\n";
    throw ReportRan();
  }
  // Still a calendar, but one a calendar program may refuse: say why it is empty.
  if (result.events == 0)
    std::cerr << "pelmira-cli: ical: no person is due on any day of the span; the calendar has "
                 "no events\n";
  if (!options.out) return result.text;
  try {
    write_file_atomically(*options.out, result.text);
  } catch (const RuntimeError& e) {
    std::cerr << "pelmira-cli: ical: " << cli::quoted(*options.out)
              << " could not be written: " << e.description() << "\n";
    throw ReportRan();
  }
  return std::string();
}

}  // namespace

void register_ical_command(CLI::App& app, CommandAction& chosen) {
  auto options = std::make_shared<IcalOptions>();
  CLI::App* sub = app.add_subcommand(
      "ical",
      "Write the persons of data files as an iCalendar file: their days as Lunoka "
      "shows them, with the notice days as reminders");
  sub->add_option("--from", options->from, "The first day, Y-M-D (default: today)");
  sub->add_option("--years", options->years, "How many years the calendar spans")
      ->check(CLI::Range(1, kMostExportYears))
      ->capture_default_str();
  sub->add_option("--out", options->out,
                  "Write the calendar to this file (replaced whole) instead of standard output");
  sub->add_option("FILE", options->files, "Data files, read in the order given")->required();
  run_when_chosen(*sub, chosen, [options](RunContext&) { return ical_command(*options); });
}

}  // namespace pelmira::cli
