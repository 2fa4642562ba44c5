#include "cli/parse_command.h"

#include <memory>

#include "cli/date_arguments.h"
#include "cli/options.h"
#include "core/date_text.h"

namespace pelmira::cli {

std::string parse_command(RunContext& run, const ParseOptions& options) {
  const int other = 1 - options.slot;
  if (options.other_year) {
    run.state.slots[other].year = *options.other_year;
  } else {
    set_slot_to_today(run, other);
  }
  YearMonthDay date = parse_year_month_day(options.init);
  const std::string label =
      bnsk(run.state, options.text, date.year, date.month, date.day, options.slot);
  run.stop_if_reported();
  return label + "\t" + std::to_string(date.year) + "\t" + std::to_string(date.month) + "\t" +
         std::to_string(date.day) + "\n";
}

void register_parse_command(CLI::App& app, CommandAction& chosen) {
  auto options = std::make_shared<ParseOptions>();
  CLI::App* sub = app.add_subcommand(
      "parse", "Read TEXT with the date reader and print the era label, year, month and day");
  add_i16(*sub, "--slot", options->slot, "The slot being entered: 0 birth side, 1 現在 side", 0, 1);
  sub->add_option("--other-year", options->other_year,
                  "Western year of the other slot, for short years like '98 (default: this year)")
      ->transform(whole_number(-32768, 32767));
  sub->add_option("--init", options->init, "Year, month and day before reading, as Y-M-D")
      ->capture_default_str();
  sub->add_option("TEXT", options->text, "The text as typed in the date box")->required();
  run_when_chosen(*sub, chosen,
                  [options](RunContext& run) { return parse_command(run, *options); });
}

}  // namespace pelmira::cli
