#include "cli/report_command.h"

#include <memory>

#include "cli/date_arguments.h"
#include "cli/options.h"
#include "mainwindow/age_report.h"

namespace pelmira::cli {

std::string report_command(RunContext& run, const ReportOptions& options) {
  ProgramState& state = run.state;
  state.calendar_mode = options.mode;
  state.age_shift = options.shift;
  state.western_only = options.western_only ? 1 : 0;
  read_birth_and_now(run, options.birth, options.now);
  const ReportTotals totals = mein0(state);
  run.stop_if_reported();
  const ReportTexts texts = hyouzi(state, totals, options.listing);
  run.stop_if_reported();
  std::string out;
  for (const std::string& line : report_export_lines(texts)) out += line + "\n";
  return out;
}

void register_report_command(CLI::App& app, CommandAction& chosen) {
  auto options = std::make_shared<ReportOptions>();
  CLI::App* sub = app.add_subcommand("report", "Print the age report as its text export writes it");
  sub->add_option("--now", options->now, "The 現在 date (default: today)");
  add_i16(*sub, "--listing", options->listing,
          "Listing kind in force, 0-11: 3 wedding anniversaries, 5 memorial days", 0, 11);
  add_mode_option(*sub, options->mode);
  add_i16(*sub, "--shift", options->shift,
          "Ageing rule: 0 on the birthday, 1 on the day before the birthday", 0, 1);
  sub->add_flag("--western-only", options->western_only, "Show years without an era");
  add_date_argument(*sub, "BIRTH", options->birth, "The birth-side date as typed in the date box");
  run_when_chosen(*sub, chosen,
                  [options](RunContext& run) { return report_command(run, *options); });
}

}  // namespace pelmira::cli
